#pragma once
#include <QWidget>
#include <memory>

#include "core/Interfacce.h"

namespace sirvela {

class TCondizione;
class TFrmCondizione;

// The dialog of a condition kind by its type code; null while the kind has none.
std::unique_ptr<TFrmCondizione> CreaDialogoCondizione(int tipo, IMessaggi& messaggi,
                                                      QWidget* parent);
bool EsisteDialogoCondizione(int tipo);

// Opens the condition's dialog on it, modally; true when "OK" changed it (the caller marks
// the system modified).
bool Modifica(TCondizione& c, IMessaggi& messaggi, QWidget* parent);

}  // namespace sirvela
