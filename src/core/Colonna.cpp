#include "core/Colonna.h"

#include <algorithm>
#include <cctype>

#include "core/Globali.h"
#include "core/TCombinazione.h"

namespace sirvela {

bool ColonnaValida(const TColonna& c) {
    return std::all_of(c.begin(), c.end(),
                       [](std::uint8_t v) { return v >= 1 && v <= NumeroPiloti; });
}

bool ColonnaDistinta(const TColonna& c) {
    std::array<bool, 256> visto{};
    for (auto v : c) {
        if (visto[v]) return false;
        visto[v] = true;
    }
    return true;
}

bool ColonnaVuota(const TColonna& c) {
    return ComeParola(c) == 0;
}

bool ColonnaPiena(const TColonna& c) {
    return std::none_of(c.begin(), c.end(), [](std::uint8_t v) { return v == 0; });
}

int LunghezzaColonna(const TColonna& c) {
    for (int i = 7; i >= 0; --i)
        if (c[i] != 0) return i + 1;
    return 0;
}

int PostiVuoti(const TColonna& c) {
    return static_cast<int>(std::count(c.begin(), c.end(), std::uint8_t{0}));
}

TCoincidenze CoincidenzePosizionali(const TColonna& a, const TColonna& b) {
    TCoincidenze r;
    int serie = 0;
    for (int i = 0; i < 8; ++i) {
        if (a[i] == b[i]) {
            ++r.Quante;
            r.Serie = std::max(r.Serie, ++serie);
        } else {
            serie = 0;
        }
    }
    return r;
}

TCoincidenze CoincidenzeConLista(const TColonna& c, const TCombinazione& lista) {
    const int lunghezza = static_cast<int>(std::find(c.begin(), c.end(), 0) - c.begin());
    TCoincidenze r;
    int serie = 0;
    for (int i = 0; i < lista.Conta(); ++i) {
        const auto n = lista.Numeri[i];
        bool trovato = std::find(c.begin(), c.begin() + lunghezza, n) != c.begin() + lunghezza;
        if (trovato) {
            ++r.Quante;
            r.Serie = std::max(r.Serie, ++serie);
        } else {
            serie = 0;
        }
    }
    return r;
}

bool ColonneSpeculari(const TColonna& a, const TColonna& b, int n) {
    n = std::clamp(n, 0, 8);
    bool uguali = true;
    for (int i = 0; i < n; ++i) {
        if (a[i] != b[n - 1 - i]) return false;
        if (a[i] != b[i]) uguali = false;
    }
    return !uguali;
}

std::array<std::uint8_t, 8> Segni(const TColonna& c) {
    std::array<std::uint8_t, 8> s{};
    for (int i = 0; i < 8; ++i) s[i] = (c[i] % 2 == 0) ? 1 : 2;
    return s;
}

std::string TestoSegni(const TColonna& c) {
    std::string t;
    for (auto s : Segni(c)) t += (s == 1 ? 'P' : 'D');
    return t;
}

TColonna ColonnaDaLista(const TCombinazione& lista) {
    TColonna c{};
    const int n = std::min(lista.Conta(), 8);
    for (int i = 0; i < n; ++i) c[i] = static_cast<std::uint8_t>(lista.Numeri[i]);
    return c;
}

TCombinazione ListaDaColonna(const TColonna& c) {
    TCombinazione l;
    for (auto v : c) {
        if (v == 0) break;
        l.Numeri[l.Quanti++] = v;
    }
    return l;
}

std::string TestoCodiceSegno(int codice) {
    switch (codice) {
        case 1:
            return "P";
        case 2:
            return "D";
        case 3:
            return "PD";
        default:
            return "";
    }
}

int CodiceSegnoDaTesto(const std::string& testo) {
    std::string t;
    for (char ch : testo) t += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (t == "P") return 1;
    if (t == "D") return 2;
    if (t == "PD" || t == "DP") return 3;
    return 0;
}

}  // namespace sirvela
