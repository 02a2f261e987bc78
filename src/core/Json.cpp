#include "core/Json.h"

#include "core/Cp1252.h"
#include "core/Errore.h"
#include "core/TCombinazione.h"

namespace sirvela::json {

[[noreturn]] void Rifiuta(const std::string& campo, const std::string& motivo) {
    throw TErroreSirvela("Valore non valido nel campo \"" + campo + "\": " + motivo);
}

// ---- reading helpers: every value is checked against the range its field can hold ----

const Valore* Trova(const Valore& oggetto, const char* nome) {
    auto it = oggetto.find(nome);
    return it == oggetto.end() ? nullptr : &*it;
}

void Oggetto(const Valore& v, const std::string& campo) {
    if (!v.is_object()) Rifiuta(campo, "atteso un oggetto");
}

const Valore& Richiesto(const Valore& oggetto, const char* nome, const std::string& campo) {
    Oggetto(oggetto, campo);
    const Valore* v = Trova(oggetto, nome);
    if (!v) Rifiuta(campo, "manca \"" + std::string(nome) + "\"");
    return *v;
}

void Lista(const Valore& v, const std::string& campo) {
    if (!v.is_array()) Rifiuta(campo, "attesa una lista");
}

long long Intero(const Valore& v, const std::string& campo, long long minimo, long long massimo) {
    if (!v.is_number_integer())
        Rifiuta(campo, "atteso un numero intero tra " + std::to_string(minimo) + " e " +
                           std::to_string(massimo));
    long long x = v.is_number_unsigned() ? static_cast<long long>(v.get<unsigned long long>())
                                         : v.get<long long>();
    if (v.is_number_unsigned() && v.get<unsigned long long>() > 9000000000000000000ULL)
        x = massimo + 1;
    if (x < minimo || x > massimo)
        Rifiuta(campo, std::to_string(x) + " fuori dall'intervallo " + std::to_string(minimo) +
                           ".." + std::to_string(massimo));
    return x;
}

bool Booleano(const Valore& v, const std::string& campo) {
    if (v.is_boolean()) return v.get<bool>();
    Rifiuta(campo, "atteso true o false");
}

double Reale(const Valore& v, const std::string& campo) {
    if (!v.is_number()) Rifiuta(campo, "atteso un numero");
    return v.get<double>();
}

std::string Testo(const Valore& v, const std::string& campo, std::size_t massimoByte) {
    if (!v.is_string()) Rifiuta(campo, "atteso un testo");
    std::string t = v.get<std::string>();
    if (ACp1252(t).size() > massimoByte)
        Rifiuta(campo, "testo più lungo di " + std::to_string(massimoByte) + " caratteri");
    return t;
}

char Lettera(const Valore& v, const std::string& campo) {
    std::string t = Testo(v, campo);
    if (t.size() != 1 || t[0] < 'A' || t[0] > 'Z') Rifiuta(campo, "attesa una lettera da A a Z");
    return t[0];
}

std::vector<std::string> Righe(const Valore& v, const std::string& campo) {
    Lista(v, campo);
    std::vector<std::string> r;
    for (std::size_t i = 0; i < v.size(); ++i)
        r.push_back(Testo(v[i], Elemento(campo, i), 1u << 30));
    return r;
}

TColonna Colonna8(const Valore& v, const std::string& campo) {
    Lista(v, campo);
    if (v.size() != 8) Rifiuta(campo, "attesi 8 numeri");
    TColonna c{};
    for (std::size_t i = 0; i < 8; ++i)
        c[i] = static_cast<std::uint8_t>(Intero(v[i], Elemento(campo, i), 0, 255));
    return c;
}

Uscita Colonna8(const TColonna& c) {
    Uscita a = Uscita::array();
    for (auto b : c) a.push_back(b);
    return a;
}

// ---- number lists ----

Uscita EsportaCombinazione(const TCombinazione& c) {
    bool completa = c.Quanti < 0 || c.Quanti > TCombinazione::kCapacita;
    for (int i = c.Conta(); i < TCombinazione::kCapacita; ++i)
        if (c.Numeri[i] != 0) completa = true;
    if (!completa) {
        Uscita a = Uscita::array();
        for (int i = 0; i < c.Conta(); ++i) a.push_back(c.Numeri[i]);
        return a;
    }
    Uscita o;
    o["Quanti"] = c.Quanti;
    o["Slot"] = c.Numeri;
    return o;
}

TCombinazione ImportaCombinazione(const Valore& v, const std::string& campo) {
    TCombinazione c;
    if (v.is_array()) {
        if (v.size() > TCombinazione::kCapacita) Rifiuta(campo, "più di 100 numeri");
        for (std::size_t i = 0; i < v.size(); ++i)
            c.Numeri[i] = static_cast<std::uint16_t>(Intero(v[i], Elemento(campo, i), 0, 65535));
        c.Quanti = static_cast<std::int16_t>(v.size());
        return c;
    }
    Oggetto(v, campo);
    const Valore* q = Trova(v, "Quanti");
    const Valore* s = Trova(v, "Slot");
    if (!q || !s) Rifiuta(campo, "attesi \"Quanti\" e \"Slot\"");
    c.Quanti = static_cast<std::int16_t>(Intero(*q, campo + ".Quanti", -32768, 32767));
    Lista(*s, campo + ".Slot");
    if (s->size() != TCombinazione::kCapacita) Rifiuta(campo + ".Slot", "attesi 100 numeri");
    for (std::size_t i = 0; i < s->size(); ++i)
        c.Numeri[i] = static_cast<std::uint16_t>(
            Intero((*s)[i], campo + ".Slot[" + std::to_string(i) + "]", 0, 65535));
    return c;
}

std::int32_t Int32(const Valore& v, const std::string& c) {
    return static_cast<std::int32_t>(Intero(v, c, INT32_MIN, INT32_MAX));
}

std::uint8_t Byte(const Valore& v, const std::string& c) {
    return static_cast<std::uint8_t>(Intero(v, c, 0, 255));
}

}  // namespace sirvela::json
