#pragma once
#include <memory>
#include <string>

#include "core/Json.h"

namespace sirvela {

class TCondizione;
class TDatiSistema;
class TIntervalliAmmessi;
class TTabellaValori;
class TValoriAmmessi;

// The JSON form of the conditions and of their accepted values. A condition is written and
// read through the fields its kind registers for its record, so every kind has its JSON form
// without code of its own here.

json::Uscita EsportaValori(const TValoriAmmessi& v);
void ImportaValori(const json::Valore& j, TValoriAmmessi& v, const std::string& campo);
// Nothing in the table differs from a new one's.
bool TabellaVuota(const TTabellaValori& t, int massimo);
json::Uscita EsportaIntervalli(const TIntervalliAmmessi& l);
void ImportaIntervalli(const json::Valore& j, TIntervalliAmmessi& l, const std::string& campo);

json::Uscita EsportaCondizione(const TCondizione& c);
// A new condition from its JSON object; `tipoAtteso` (when not 0) is the only code accepted.
// Throws TErroreSirvela naming the faulty field.
std::unique_ptr<TCondizione> ImportaCondizione(const json::Valore& j, TDatiSistema* dati,
                                               int tipoAtteso, const std::string& campo);

}  // namespace sirvela
