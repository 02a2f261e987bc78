#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace sirvela {

class TCombinazione;

// One column: byte i is the pilot forecast for finishing position i + 1; 0 = none,
// 90 = any pilot (patterns only).
using TColonna = std::array<std::uint8_t, 8>;

// Points per position; the total, 101, is the score of two identical columns.
inline constexpr std::array<int, 8> PesoPosizione = {17, 15, 14, 13, 12, 11, 10, 9};
constexpr int kPunteggioMassimo = 101;

inline std::uint64_t ComeParola(const TColonna& c) {
    std::uint64_t v;
    std::memcpy(&v, c.data(), 8);
    return v;
}

namespace dettaglio {
// Sum of the weights of the positions set in an 8-bit mask.
struct TabellaPesi {
    std::array<std::uint8_t, 256> v{};
    constexpr TabellaPesi() {
        for (int m = 0; m < 256; ++m) {
            int s = 0;
            for (int i = 0; i < 8; ++i)
                if (m & (1 << i)) s += PesoPosizione[i];
            v[m] = static_cast<std::uint8_t>(s);
        }
    }
};
inline constexpr TabellaPesi kPesi{};

// One bit per position where the two columns hold the same byte.
inline unsigned MascheraUguali(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t x = a ^ b;
    const std::uint64_t basso = 0x7F7F7F7F7F7F7F7FULL;
    // High bit of each byte is set exactly where the byte of x is 0.
    const std::uint64_t zeri = ~(((x & basso) + basso) | x | basso);
    return static_cast<unsigned>(((zeri >> 7) * 0x0102040810204080ULL) >> 56);
}
}  // namespace dettaglio

// Score of two columns: weights of the positions holding the same value.
inline int Punteggio(const TColonna& a, const TColonna& b) {
    return dettaglio::kPesi.v[dettaglio::MascheraUguali(ComeParola(a), ComeParola(b))];
}
inline int PunteggioParole(std::uint64_t a, std::uint64_t b) {
    return dettaglio::kPesi.v[dettaglio::MascheraUguali(a, b)];
}

struct TCoincidenze {
    int Quante = 0;  // matches
    int Serie = 0;   // longest run of consecutive matches
};

bool ColonnaValida(const TColonna& c);    // all eight in 1..NumeroPiloti
bool ColonnaDistinta(const TColonna& c);  // no byte occurs twice
bool ColonnaVuota(const TColonna& c);     // every byte 0
bool ColonnaPiena(const TColonna& c);     // no byte 0
int LunghezzaColonna(const TColonna& c);
int PostiVuoti(const TColonna& c);
TCoincidenze CoincidenzePosizionali(const TColonna& a, const TColonna& b);
// For each number of the list, in list order: does it occur in the column (up to its first 0)?
TCoincidenze CoincidenzeConLista(const TColonna& c, const TCombinazione& lista);
// a forwards equals b backwards over the first n places, and they differ place by place.
bool ColonneSpeculari(const TColonna& a, const TColonna& b, int n);
// 1 for an even pilot number, 2 for an odd one.
std::array<std::uint8_t, 8> Segni(const TColonna& c);
std::string TestoSegni(const TColonna& c);  // "P" for even, "D" otherwise
TColonna ColonnaDaLista(const TCombinazione& lista);
TCombinazione ListaDaColonna(const TColonna& c);

// Pattern codes of one place: 1 "P", 2 "D", 3 "PD".
std::string TestoCodiceSegno(int codice);
int CodiceSegnoDaTesto(const std::string& testo);  // "P", "D", "PD", "DP" in any case; else 0

}  // namespace sirvela
