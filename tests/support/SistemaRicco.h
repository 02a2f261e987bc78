#pragma once
#include "core/T_Sistema.h"

namespace sirvela::test {

// Fills a system with a bit of everything: every condition kind with values, recovery levels,
// link letters and Punti Tra groups, containers with members, nested Quadri, link tables,
// a comment with an empty line and accented text, participants, position sets and columns.
void RiempiSistemaRicco(T_Sistema& s);

}  // namespace sirvela::test
