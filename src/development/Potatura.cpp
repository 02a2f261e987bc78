#include "development/Potatura.h"

#include <algorithm>
#include <bit>

namespace sirvela {

void TPotatura::Aggiungi(std::string nome, std::unique_ptr<TLimitePrefisso> limite) {
    nomi_.push_back(std::move(nome));
    limiti_.push_back(std::move(limite));
}

void TContiPotatura::Somma(const TContiPotatura& altri) {
    Esaminati += altri.Esaminati;
    Potati += altri.Potati;
    Candidati += altri.Candidati;
    for (std::size_t l = 0; l < 7; ++l) {
        EsaminatiPerLivello[l] += altri.EsaminatiPerLivello[l];
        PotatiPerLivello[l] += altri.PotatiPerLivello[l];
    }
    if (PerLimite.size() < altri.PerLimite.size()) PerLimite.resize(altri.PerLimite.size());
    for (std::size_t i = 0; i < altri.PerLimite.size(); ++i) PerLimite[i] += altri.PerLimite[i];
}

namespace {

// Questions to a bound at one depth before it is judged.
constexpr std::uint32_t kFinestra = 256;
// Partial columns a bound that seldom prunes first rests for, and the longest rest.
constexpr std::int64_t kPausaMinima = 1024;
constexpr std::int64_t kPausaMassima = std::int64_t{1} << 22;
// Questions at one depth between two reorderings of its bounds.
constexpr std::int64_t kRiordino = 4096;

// Counts one question of a bound's window; at its end, a bound that was not `utile` (given how
// many it pruned) rests for a growing number of partial columns.
template <class P, class U>
void Conta(P& prova, bool potato, const U& utile) {
    ++prova.Prove;
    prova.Potati += potato;
    prova.Totale += potato;
    if (prova.Prove < kFinestra) return;
    if (utile(prova.Potati)) {
        prova.ProssimaPausa = kPausaMinima;
    } else {
        prova.Pausa = prova.ProssimaPausa;
        prova.ProssimaPausa = std::min(2 * prova.ProssimaPausa, kPausaMassima);
    }
    prova.Prove = prova.Potati = 0;
}

}  // namespace

TPotatore::TPotatore(
    const TPotatura& potatura, const std::array<int, 8>& quanti,
    const std::array<std::array<std::uint8_t, TCombinazione::kCapacita>, 8>& piloti)
    : potatura_(potatura), quanti_(quanti), piloti_(piloti) {
    for (int k = 0; k < 8; ++k)
        for (int s = 0; s < quanti_[static_cast<std::size_t>(k)]; ++s) {
            const std::uint8_t v =
                piloti_[static_cast<std::size_t>(k)][static_cast<std::size_t>(s)];
            if (v >= 64) {
                attivo_ = false;
                return;
            }
            insiemi_[static_cast<std::size_t>(k)] |= std::uint64_t{1} << v;
            ++molteplicita_[static_cast<std::size_t>(k)][v];
        }
    for (int k = 0; k < 8; ++k)
        unici_[static_cast<std::size_t>(k)] =
            ContaBit(insiemi_[static_cast<std::size_t>(k)]) == quanti_[static_cast<std::size_t>(k)];
    for (int k = 7; k >= 0; --k)
        unioni_[static_cast<std::size_t>(k)] =
            unioni_[static_cast<std::size_t>(k + 1)] | insiemi_[static_cast<std::size_t>(k)];
    sotto_[8] = 1;
    for (int k = 7; k >= 0; --k)
        sotto_[static_cast<std::size_t>(k)] =
            sotto_[static_cast<std::size_t>(k + 1)] * quanti_[static_cast<std::size_t>(k)];
    // Ways a group of positions can all take the same pilot, over all pilots.
    for (int p = 0; p < 64; ++p) {
        std::array<std::uint64_t, 256> prodotto{};
        prodotto[0] = 1;
        for (unsigned b = 1; b < 256; ++b) {
            const int k = std::countr_zero(b);
            prodotto[b] = prodotto[b & (b - 1)] *
                          molteplicita_[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)];
            pesi_[b] += prodotto[b];
        }
    }
    const int n = potatura_.Quanti();
    conti_.PerLimite.assign(static_cast<std::size_t>(n), 0);
    for (int l = 0; l < 8; ++l) {
        prove_[static_cast<std::size_t>(l)].assign(static_cast<std::size_t>(n),
                                                   TProva{0, 0, 0, kPausaMinima, 0});
        for (int i = 0; i < n; ++i) ordine_[static_cast<std::size_t>(l)].push_back(i);
    }
}

bool TPotatore::Pota(int livello, const TColonna& c) {
    const auto l = static_cast<std::size_t>(livello);
    TPrefisso& p = prefissi_[l];
    if (livello == 0)
        p.Inizia(&insiemi_, &unioni_, c[0]);
    else
        p.Estendi(prefissi_[l - 1], c[l]);
    bool chiesto = false;
    for (const int i : ordine_[l]) {
        TProva& prova = prove_[l][static_cast<std::size_t>(i)];
        if (prova.Pausa > 0) {
            --prova.Pausa;
            continue;
        }
        chiesto = true;
        const bool nessuna = potatura_.Limite(i).Esamina(p) == TVerdettoPrefisso::Nessuna;
        // Worth asking while it skips, on average, a few candidates per question.
        Conta(prova, nessuna, [&](std::uint32_t potati) {
            return static_cast<std::int64_t>(potati) * sotto_[l + 1] >= 2 * std::int64_t{kFinestra};
        });
        if (nessuna) {
            ++conti_.Esaminati;
            ++conti_.Potati;
            ++conti_.EsaminatiPerLivello[l];
            ++conti_.PotatiPerLivello[l];
            conti_.Candidati += sotto_[l + 1];
            conti_.PerLimite[static_cast<std::size_t>(i)] += sotto_[l + 1];
            if (++domande_[l] % kRiordino == 0) Riordina(livello);
            return true;
        }
    }
    if (chiesto) {
        ++conti_.Esaminati;
        ++conti_.EsaminatiPerLivello[l];
        if (++domande_[l] % kRiordino == 0) Riordina(livello);
    }
    return false;
}

std::uint64_t TPotatore::Ultimi(const TColonna& c) {
    TPrefisso& p = prefissi_[6];
    p.Estendi(prefissi_[5], c[6]);
    std::uint64_t ultimi = p.Possibili(7);
    bool chiesto = false;
    for (const int i : ordine_[6]) {
        TProva& prova = prove_[6][static_cast<std::size_t>(i)];
        if (prova.Pausa > 0) {
            --prova.Pausa;
            continue;
        }
        chiesto = true;
        const std::uint64_t prima = ultimi;
        ultimi &= potatura_.Limite(i).Ultimi(p);
        // Here a question is worth asking while it rules out pilots once in four.
        const std::uint32_t tolti = prima != ultimi;
        Conta(prova, tolti, [](std::uint32_t potati) { return 4 * potati >= kFinestra; });
        if (!ultimi) {
            ++conti_.Potati;
            ++conti_.PotatiPerLivello[6];
            conti_.Candidati += sotto_[7];
            conti_.PerLimite[static_cast<std::size_t>(i)] += sotto_[7];
            break;
        }
    }
    if (chiesto) {
        ++conti_.Esaminati;
        ++conti_.EsaminatiPerLivello[6];
        if (++domande_[6] % kRiordino == 0) Riordina(6);
    }
    return ultimi;
}

std::uint64_t TPotatore::Penultimi() {
    const TPrefisso& p = prefissi_[5];
    const std::uint64_t liberi = p.Possibili(6);
    std::uint64_t penultimi = liberi;
    for (const int i : ordine_[7]) {
        TProva& prova = prove_[7][static_cast<std::size_t>(i)];
        if (prova.Pausa > 0) {
            --prova.Pausa;
            continue;
        }
        const std::uint64_t prima = penultimi;
        penultimi &= potatura_.Limite(i).Penultimi(p);
        for (std::uint64_t tolti = prima & ~penultimi; tolti; tolti &= tolti - 1)
            escluso_[static_cast<std::size_t>(std::countr_zero(tolti))] =
                static_cast<std::int8_t>(i);
        // Worth asking while it rules out a pilot once in four.
        const std::uint32_t tolto = prima != penultimi;
        Conta(prova, tolto, [](std::uint32_t potati) { return 4 * potati >= kFinestra; });
        if (!penultimi) break;
    }
    if (++domande_[7] % kRiordino == 0) Riordina(7);
    return penultimi;
}

void TPotatore::PotatoPenultimo(int pilota) {
    const auto i = static_cast<std::size_t>(escluso_[static_cast<std::size_t>(pilota)]);
    ++conti_.EsaminatiPerLivello[6];
    ++conti_.PotatiPerLivello[6];
    ++conti_.Esaminati;
    ++conti_.Potati;
    conti_.Candidati += sotto_[7];
    conti_.PerLimite[i] += sotto_[7];
}

void TPotatore::Fissa(int livello, const TColonna& c) {
    const auto l = static_cast<std::size_t>(livello);
    if (livello == 0)
        prefissi_[0].Inizia(&insiemi_, &unioni_, c[0]);
    else
        prefissi_[l].Estendi(prefissi_[l - 1], c[l]);
}

// The bounds that pruned most at a depth are asked first.
void TPotatore::Riordina(int livello) {
    const auto l = static_cast<std::size_t>(livello);
    const auto& prove = prove_[l];
    std::stable_sort(ordine_[l].begin(), ordine_[l].end(), [&prove](int a, int b) {
        return prove[static_cast<std::size_t>(a)].Totale >
               prove[static_cast<std::size_t>(b)].Totale;
    });
}

std::int64_t TPotatore::Completamenti(int livello, std::uint64_t usati) const {
    const int r = 7 - livello;
    if (r <= 0) return 1;
    usati &= unioni_[static_cast<std::size_t>(livello + 1)];  // pilots no later position holds
    // Free slots of each later position.
    std::array<std::int64_t, 7> liberi{};
    for (int i = 0; i < r; ++i) {
        const auto k = static_cast<std::size_t>(livello + 1 + i);
        std::int64_t n = quanti_[k];
        if (unici_[k]) {
            n -= ContaBit(usati & insiemi_[k]);
        } else {
            for (std::uint64_t u = usati & insiemi_[k]; u; u &= u - 1)
                n -= molteplicita_[k][static_cast<std::size_t>(std::countr_zero(u))];
        }
        liberi[static_cast<std::size_t>(i)] = n;
    }
    if (r == 1) return liberi[0];
    // Groups of the later positions (bit i: position livello + 1 + i): the ways they can all
    // take one free pilot.
    const unsigned primo = 1u << (livello + 1);  // from a group to its positions' bits
    const unsigned tutti = (1u << r) - 1u;
    std::array<std::uint64_t, 128> peso;
    for (unsigned g = 1; g <= tutti; ++g) {
        if ((g & (g - 1)) == 0) {
            peso[g] =
                static_cast<std::uint64_t>(liberi[static_cast<std::size_t>(std::countr_zero(g))]);
            continue;
        }
        std::uint64_t w = pesi_[g * primo];
        for (std::uint64_t u = usati; u; u &= u - 1) {
            const auto p = static_cast<std::size_t>(std::countr_zero(u));
            std::uint64_t prodotto = 1;
            for (unsigned b = g; b && prodotto; b &= b - 1)
                prodotto *=
                    molteplicita_[static_cast<std::size_t>(livello + 1 + std::countr_zero(b))][p];
            w -= prodotto;
        }
        peso[g] = w;
    }
    if (r == 2) return static_cast<std::int64_t>(peso[1] * peso[2] - peso[3]);
    // Different pilots everywhere, by inclusion and exclusion over the ways the positions can
    // be grouped under equal pilots: a group of size s weighs (-1)^(s-1) (s-1)!. Counted modulo
    // 2^64, which is exact because the count itself is far smaller.
    static constexpr std::int64_t kPeso[9] = {0, 1, -1, 2, -6, 24, -120, 720, -5040};
    std::array<std::uint64_t, 128> modi;
    modi[0] = 1;
    for (unsigned s = 1; s <= tutti; ++s) {
        const unsigned basso = s & (0u - s), altri = s ^ basso;
        std::uint64_t somma = 0;
        for (unsigned g = 0;;) {
            const unsigned gruppo = g | basso;
            somma += static_cast<std::uint64_t>(kPeso[ContaBit(gruppo)]) * peso[gruppo] *
                     modi[s ^ gruppo];
            if (g == altri) break;
            g = (g - altri) & altri;
        }
        modi[s] = somma;
    }
    return static_cast<std::int64_t>(modi[tutti]);
}

std::int64_t TPotatore::Ammesse(int livello) const {
    return Completamenti(livello, prefissi_[static_cast<std::size_t>(livello)].Usati);
}

std::int64_t TPotatore::AmmesseFinoA(int livello, std::int64_t k) const {
    std::uint64_t usati = prefissi_[static_cast<std::size_t>(livello)].Usati;
    std::int64_t conta = 0;
    // Down the slots in enumeration order: whole subtrees before the k-th candidate are
    // counted, the one holding it is entered.
    for (int m = livello + 1; m < 8 && k > 0; ++m) {
        const std::int64_t sotto = sotto_[static_cast<std::size_t>(m + 1)];
        bool entrato = false;
        for (int s = 0; s < quanti_[static_cast<std::size_t>(m)] && k > 0; ++s) {
            const std::uint64_t bit =
                std::uint64_t{1}
                << piloti_[static_cast<std::size_t>(m)][static_cast<std::size_t>(s)];
            if (k >= sotto) {
                if (!(usati & bit)) conta += Completamenti(m, usati | bit);
                k -= sotto;
                continue;
            }
            if (usati & bit) return conta;  // a repeated pilot: none below it is admitted
            usati |= bit;
            entrato = true;
            break;
        }
        if (!entrato) break;
    }
    return conta;
}

}  // namespace sirvela
