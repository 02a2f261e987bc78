#include "core/Testo.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>

#include "core/Errore.h"
#include "core/Globali.h"

namespace sirvela {

std::string ColonnaInTesto(const TColonna& c, bool allineato) {
    std::string t;
    for (int i = 0; i < 8 && c[i] != 0; ++i) {
        if (allineato && c[i] < 10) t += ' ';
        t += c[i] == kJolly ? std::string("*") : std::to_string(c[i]);
        if (i < 7) t += ' ';
    }
    return t;
}

std::string ListaInTesto(const TCombinazione& l, bool allineato) {
    std::string t;
    for (int i = 0; i < l.Conta(); ++i) {
        if (i > 0) t += ' ';
        if (allineato && l.Numeri[i] < 8) t += ' ';
        t += std::to_string(l.Numeri[i]);
    }
    return t;
}

bool InteroDaTesto(std::string_view testo, long long& valore) {
    if (testo.empty()) return false;
    std::size_t i = 0;
    bool negativo = false;
    if (testo[0] == '+' || testo[0] == '-') {
        negativo = testo[0] == '-';
        i = 1;
    }
    if (i >= testo.size()) return false;
    long long v = 0;
    for (; i < testo.size(); ++i) {
        char ch = testo[i];
        if (ch < '0' || ch > '9') return false;
        v = v * 10 + (ch - '0');
        if (v > 2147483647LL + 1) return false;
    }
    valore = negativo ? -v : v;
    return valore >= -2147483648LL && valore <= 2147483647LL;
}

TColonna TestoInColonna(std::string_view testo) {
    TColonna c{};
    std::size_t i = 0;
    int posto = 0;
    while (i < testo.size()) {
        while (i < testo.size() && testo[i] == ' ') ++i;
        if (i >= testo.size()) break;
        std::size_t fine = testo.find(' ', i);
        if (fine == std::string_view::npos) fine = testo.size();
        std::string campo = Trim(testo.substr(i, fine - i));
        long long v = 0;
        if (!InteroDaTesto(campo, v) || v < 0 || v > 255)
            throw TErroreConversione("'" + campo + "' non è un valore intero valido");
        if (posto < 8) c[posto++] = static_cast<std::uint8_t>(v);
        i = fine;
    }
    return c;
}

TCombinazione TestoInLista(std::string_view testo) {
    TCombinazione l;
    std::string resto = Trim(testo);
    while (!resto.empty()) {
        std::string pezzo;
        if (resto.size() > 2 && resto.find(' ') == std::string::npos) {
            pezzo = resto;
            resto.clear();
        } else {
            pezzo = resto.substr(0, 2);
            resto = Trim(std::string_view(resto).substr(std::min<std::size_t>(2, resto.size())));
        }
        pezzo = Comprimi(pezzo);
        long long v = 0;
        if (!InteroDaTesto(pezzo, v) || v < 0 || v > 65535)
            throw TErroreConversione("'" + pezzo + "' non è un valore intero valido");
        if (l.Conta() < TCombinazione::kCapacita)
            l.Numeri[l.Quanti++] = static_cast<std::uint16_t>(v);
    }
    return l;
}

std::string Trim(std::string_view testo) {
    // Every character up to the blank (controls included) goes from both ends.
    std::size_t a = 0, b = testo.size();
    while (a < b && static_cast<unsigned char>(testo[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(testo[b - 1]) <= ' ') --b;
    return std::string(testo.substr(a, b - a));
}

std::string Comprimi(std::string_view testo) {
    std::string t;
    for (char ch : testo)
        if (ch != ' ') t += ch;
    return t;
}

std::string ZeriIniziali(long long numero, int larghezza) {
    std::string t = std::to_string(numero);
    if (static_cast<int>(t.size()) < larghezza) t.insert(0, larghezza - t.size(), '0');
    return t;
}

std::string Spazi(int n) {
    return std::string(n > 0 ? n : 0, ' ');
}

std::string NumeroInParole(int n) {
    static const char* parole[] = {"un",  "due",   "tre",  "quattro", "cinque",
                                   "sei", "sette", "otto", "nove",    "dieci"};
    return (n >= 1 && n <= 10) ? parole[n - 1] : std::string();
}

std::string NomePosizione(int posizione) {
    static const char* nomi[] = {"Prima",  "Seconda", "Terza",   "Quarta",
                                 "Quinta", "Sesta",   "Settima", "Ottava"};
    return (posizione >= 1 && posizione <= 8) ? nomi[posizione - 1] : std::string();
}

double Fattoriale(int n) {
    double f = 1.0;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
}

std::int32_t Combinazioni(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    double prodotto = 1.0;
    for (int i = 0; i < k; ++i) prodotto *= (n - i);
    double v = prodotto / Fattoriale(k);
    std::uint32_t aggiunto = 0;
    while (v >= 150000000.0) {
        v -= 100000000.0;
        aggiunto += 100000000u;
    }
    auto arrotondato = static_cast<std::uint32_t>(static_cast<std::int64_t>(std::nearbyint(v)));
    return static_cast<std::int32_t>(arrotondato + aggiunto);
}

std::string FormattaImporto(double importo, int decimali) {
    std::string t = fmt::format("{:.{}f}", std::fabs(importo), decimali);
    std::string intera = t, frazione;
    if (auto punto = t.find('.'); punto != std::string::npos) {
        intera = t.substr(0, punto);
        frazione = t.substr(punto + 1);
    }
    std::string r;
    for (std::size_t i = 0; i < intera.size(); ++i) {
        if (i > 0 && (intera.size() - i) % 3 == 0) r += '.';
        r += intera[i];
    }
    if (!frazione.empty()) r += "," + frazione;
    bool zero = std::all_of(t.begin(), t.end(), [](char ch) { return ch == '0' || ch == '.'; });
    if (importo < 0 && !zero) r.insert(0, "-");
    return r;
}

std::string SimboloValuta(bool euro) {
    return euro ? "\u20AC" : "\u00A3";
}

std::string TestoCosto(std::int64_t quante, const TPrezzi& prezzi, int partecipanti) {
    double importo = prezzi.Prezzo() * static_cast<double>(quante);
    std::string quota;
    if (partecipanti >= 2) {
        importo /= partecipanti;
        quota = " 1/" + std::to_string(partecipanti);
    }
    return std::to_string(quante) + " (" + SimboloValuta(prezzi.Euro) + " " +
           FormattaImporto(importo, prezzi.Euro ? 2 : 0) + quota + ")";
}

std::string TestoPilotiSelezionati(std::int64_t n) {
    return " Piloti selezionati : " + std::to_string(n);
}
std::string TestoColonneIniziali(std::int64_t n) {
    return " Colonne Iniziali : " + std::to_string(n);
}
std::string TestoColonneFinali(std::int64_t n, const TPrezzi& prezzi, int partecipanti) {
    if (n <= 0) return " Colonne Finali : ";
    return " Colonne Finali : " + TestoCosto(n, prezzi, partecipanti);
}

std::string TestoDueDecimali(double valore, int larghezza) {
    std::string t = fmt::format("{:{}.2f}", valore, larghezza);
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::string TestoVersione(std::int32_t versione) {
    std::string t = fmt::format("{:.2f}", versione / 100.0);
    if (t.find("00") != std::string::npos && t.size() >= 4) t.erase(3, 1);
    return t;
}

std::string NomeSenzaCartella(const std::string& percorso) {
    auto p = percorso.find_last_of("/\\");
    return p == std::string::npos ? percorso : percorso.substr(p + 1);
}

std::string NomeSenzaEstensione(const std::string& percorso) {
    std::string nome = NomeSenzaCartella(percorso);
    if (auto punto = nome.rfind('.'); punto != std::string::npos && punto > 0) nome.resize(punto);
    return nome;
}

std::string TitoloProgramma(std::int32_t versione, const std::string& nomeFile) {
    return "Sirvela " + TestoVersione(versione) + " - " + NomeSenzaCartella(nomeFile);
}

std::string TagliaStringaCorta(const std::string& utf8, std::size_t caratteri) {
    std::size_t contati = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // A character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (contati == caratteri) return utf8.substr(0, i);
            ++contati;
        }
    }
    return utf8;
}

}  // namespace sirvela
