#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

class TCombinazione;

// Reading and writing the pieces of the system's JSON form. Every reader checks its value
// against the range the field can hold and throws TErroreSirvela naming the field
// ("Valore non valido nel campo ...").
namespace json {

using Valore = nlohmann::json;
using Uscita = nlohmann::ordered_json;

[[noreturn]] void Rifiuta(const std::string& campo, const std::string& motivo);

const Valore* Trova(const Valore& oggetto, const char* nome);
void Oggetto(const Valore& v, const std::string& campo);
// The field `nome` of an object that must hold it.
const Valore& Richiesto(const Valore& oggetto, const char* nome, const std::string& campo);
void Lista(const Valore& v, const std::string& campo);
long long Intero(const Valore& v, const std::string& campo, long long minimo, long long massimo);
std::int32_t Int32(const Valore& v, const std::string& campo);
std::uint8_t Byte(const Valore& v, const std::string& campo);
bool Booleano(const Valore& v, const std::string& campo);
double Reale(const Valore& v, const std::string& campo);
// A text of at most `massimoByte` Windows-1252 bytes.
std::string Testo(const Valore& v, const std::string& campo, std::size_t massimoByte = 255);
char Lettera(const Valore& v, const std::string& campo);  // 'A'..'Z'
std::vector<std::string> Righe(const Valore& v, const std::string& campo);
TColonna Colonna8(const Valore& v, const std::string& campo);
Uscita Colonna8(const TColonna& c);
// A number list is a plain list of its numbers; a list a plain list cannot describe (count
// outside 0..100, slots past the count not empty) takes the full form {"Quanti", "Slot"}.
Uscita EsportaCombinazione(const TCombinazione& c);
TCombinazione ImportaCombinazione(const Valore& v, const std::string& campo);

// Calls f(value, field name) when the object holds `nome`; the field name is `base.nome`.
template <typename F>
void Se(const Valore& oggetto, const char* nome, const std::string& base, F&& f) {
    if (const Valore* v = Trova(oggetto, nome))
        f(*v, base.empty() ? std::string(nome) : base + "." + nome);
}

// "campo[i]"
inline std::string Elemento(const std::string& campo, std::size_t i) {
    return campo + "[" + std::to_string(i) + "]";
}

}  // namespace json
}  // namespace sirvela
