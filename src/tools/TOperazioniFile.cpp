#include "tools/TOperazioniFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <new>
#include <random>
#include <vector>

#include "core/FileColonne.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/Interfacce.h"
#include "core/MotiviFile.h"
#include "core/TListaColonne.h"
#include "tools/TIndiceCopertura.h"

namespace sirvela {
namespace {

// Open-addressing table keyed by a column's 8 bytes; any key is allowed, the all-zero
// column included.
template <typename V>
class TTabellaColonne {
  public:
    explicit TTabellaColonne(std::size_t previste) { Alloca(previste * 2 + 16); }

    V* Trova(std::uint64_t k) {
        for (std::size_t i = Posto(k);; i = (i + 1) & maschera_) {
            if (!occupato_[i]) return nullptr;
            if (chiavi_[i] == k) return &valori_[i];
        }
    }
    // The value of k, added as `iniziale` when missing; `nuova` tells which.
    V& Inserisci(std::uint64_t k, const V& iniziale, bool& nuova) {
        if ((quante_ + 1) * 2 > chiavi_.size()) Cresci();
        std::size_t i = Posto(k);
        for (; occupato_[i]; i = (i + 1) & maschera_)
            if (chiavi_[i] == k) {
                nuova = false;
                return valori_[i];
            }
        occupato_[i] = 1;
        chiavi_[i] = k;
        valori_[i] = iniziale;
        ++quante_;
        nuova = true;
        return valori_[i];
    }

  private:
    static std::uint64_t Mescola(std::uint64_t x) {
        x ^= x >> 30;
        x *= 0xBF58476D1CE4E5B9ULL;
        x ^= x >> 27;
        x *= 0x94D049BB133111EBULL;
        return x ^ (x >> 31);
    }
    std::size_t Posto(std::uint64_t k) const { return Mescola(k) & maschera_; }
    void Alloca(std::size_t minimo) {
        std::size_t cap = 16;
        while (cap < minimo) cap <<= 1;
        chiavi_.assign(cap, 0);
        valori_.assign(cap, V{});
        occupato_.assign(cap, 0);
        maschera_ = cap - 1;
        quante_ = 0;
    }
    void Cresci() {
        auto chiavi = std::move(chiavi_);
        auto valori = std::move(valori_);
        auto occupato = std::move(occupato_);
        Alloca(chiavi.size() * 2);
        bool nuova;
        for (std::size_t i = 0; i < chiavi.size(); ++i)
            if (occupato[i]) Inserisci(chiavi[i], valori[i], nuova);
    }

    std::vector<std::uint64_t> chiavi_;
    std::vector<V> valori_;
    std::vector<std::uint8_t> occupato_;
    std::size_t maschera_ = 0;
    std::size_t quante_ = 0;
};

struct TVuoto {};

enum class TEsitoLettura { Completa, Interrotta, Errore };

// Walks the second file in blocks of 1000 columns, moving the progress every 20 columns
// and looking there for a cancel request.
// A record that is no column, or a file that cannot be read, ends the walk with the message
// naming the file in `errore`.
template <typename F>
TEsitoLettura PerOgniColonna(const std::string& percorso, const TControlloColonne& controllo,
                             IProgressoStrumenti* progresso, const TAnnullamento* annulla,
                             std::string& errore, F&& fn) {
    TLettore l(percorso);
    if (!l.Aperto()) {
        errore = ConFile(kMsgOperazioniImpossibili, percorso, MotivoLettura(percorso));
        return TEsitoLettura::Errore;
    }
    errore = ControllaDimensioneColonne(percorso, l.Rimanenti());
    if (!errore.empty()) return TEsitoLettura::Errore;
    const std::uint64_t n = l.Rimanenti() / 8;
    std::vector<TColonna> blocco(TListaColonne::kRecordPerIO);
    std::uint64_t fatte = 0;
    int mostrato = 0;
    while (fatte < n) {
        const std::size_t k =
            static_cast<std::size_t>(std::min<std::uint64_t>(blocco.size(), n - fatte));
        if (!l.Leggi(blocco.data(), k * 8)) {
            errore = ConFile(kMsgOperazioniImpossibili, percorso, "errore di lettura");
            return TEsitoLettura::Errore;
        }
        if (const std::size_t cattivo = controllo.PrimoNonValido(blocco.data(), k); cattivo < k) {
            errore =
                MessaggioColonneNonValide(percorso, static_cast<std::int64_t>(fatte + cattivo) + 1,
                                          controllo.Difetto(blocco[cattivo]));
            return TEsitoLettura::Errore;
        }
        for (std::size_t i = 0; i < k; ++i) {
            fn(blocco[i]);
            if (++fatte % 20 == 0) {
                if (annulla && annulla->Richiesto()) return TEsitoLettura::Interrotta;
                const int p = static_cast<int>(
                    std::lround(static_cast<double>(fatte) / static_cast<double>(n) * 100));
                if (p > mostrato) {
                    mostrato = p;
                    if (progresso) progresso->Avanzamento(p);
                }
            }
        }
    }
    return TEsitoLettura::Completa;
}

// Final order of a list where item i (from 0) went in at posizioni[i], 0..i, of the items
// before it: walking backwards, each item takes the free slot of that rank among those the
// later items left.
std::vector<std::uint64_t> OrdineFinale(const std::vector<std::uint64_t>& posizioni) {
    const std::size_t n = posizioni.size();
    std::vector<std::uint64_t> albero(n + 1, 0);  // Fenwick tree of free slots, 1-based
    for (std::size_t i = 1; i <= n; ++i) {
        albero[i] += 1;
        const std::size_t su = i + (i & (~i + 1));
        if (su <= n) albero[su] += albero[i];
    }
    std::size_t passo = 1;
    while (passo * 2 <= n) passo *= 2;
    std::vector<std::uint64_t> finale(n);
    for (std::size_t i = n; i-- > 0;) {
        // Smallest slot whose free count up to it is posizioni[i] + 1.
        std::uint64_t resto = posizioni[i] + 1;
        std::size_t p = 0;
        for (std::size_t s = passo; s > 0; s /= 2)
            if (p + s <= n && albero[p + s] < resto) {
                p += s;
                resto -= albero[p];
            }
        finale[i] = p;  // 0-based slot p (1-based p + 1)
        for (std::size_t j = p + 1; j <= n; j += j & (~j + 1)) albero[j] -= 1;
    }
    return finale;
}

std::string MessaggioRisultato(const char* prefisso, std::int64_t quante) {
    return prefisso + (quante > 0 ? std::to_string(quante) : std::string(kMsgNessunFile));
}

// The second file being read column by column, with the progress and the cancel request.
struct TSecondo {
    const std::string& Percorso;
    const TControlloColonne& Controllo;
    IProgressoStrumenti* Progresso;
    const TAnnullamento* Annulla;
    std::string& Errore;

    template <typename F>
    TEsitoLettura PerOgni(F&& fn) const {
        return PerOgniColonna(Percorso, Controllo, Progresso, Annulla, Errore, std::forward<F>(fn));
    }
};

// OR: the first list, then every column of the second not met before, once.
TEsitoLettura Unione(TListaColonne& primo, const TSecondo& secondo) {
    TTabellaColonne<TVuoto> presenti(static_cast<std::size_t>(primo.Quante()));
    bool nuova;
    for (const TColonna& c : primo) presenti.Inserisci(ComeParola(c), {}, nuova);
    return secondo.PerOgni([&](const TColonna& c) {
        presenti.Inserisci(ComeParola(c), {}, nuova);
        if (nuova) primo.Accoda(c);
    });
}

// AND: the columns of the second file found in the first, in the second file's order.
TEsitoLettura Intersezione(const TListaColonne& primo, const TSecondo& secondo,
                           TListaColonne& risultato) {
    TTabellaColonne<TVuoto> presenti(static_cast<std::size_t>(primo.Quante()));
    bool nuova;
    for (const TColonna& c : primo) presenti.Inserisci(ComeParola(c), {}, nuova);
    return secondo.PerOgni([&](const TColonna& c) {
        if (presenti.Trova(ComeParola(c))) risultato.Accoda(c);
    });
}

// XOR: each column of the second file takes away the earliest equal column still in the
// list, or joins the list when there is none. The list is rebuilt only after a whole read.
TEsitoLettura DifferenzaSimmetrica(TListaColonne& primo, const TSecondo& secondo) {
    // Every column of the growing list, whether it is still there, and for each value the
    // chain of its occurrences in list order.
    struct Catena {
        std::int64_t testa = -1, coda = -1;
    };
    std::vector<TColonna> voci = primo.ComeVettore();
    primo.Svuota();
    std::vector<std::int64_t> prossima(voci.size(), -1);
    std::vector<std::uint8_t> viva(voci.size(), 1);
    TTabellaColonne<Catena> catene(voci.size());
    bool nuova;
    for (std::size_t i = 0; i < voci.size(); ++i) {
        Catena& k = catene.Inserisci(ComeParola(voci[i]), {}, nuova);
        if (k.testa < 0)
            k.testa = static_cast<std::int64_t>(i);
        else
            prossima[static_cast<std::size_t>(k.coda)] = static_cast<std::int64_t>(i);
        k.coda = static_cast<std::int64_t>(i);
    }
    const TEsitoLettura letto = secondo.PerOgni([&](const TColonna& c) {
        Catena& k = catene.Inserisci(ComeParola(c), {}, nuova);
        if (k.testa >= 0) {
            const auto t = static_cast<std::size_t>(k.testa);
            viva[t] = 0;
            k.testa = prossima[t];
        } else {
            // No equal column is left, so the chain starts again here.
            k.testa = k.coda = static_cast<std::int64_t>(voci.size());
            voci.push_back(c);
            prossima.push_back(-1);
            viva.push_back(1);
        }
    });
    if (letto == TEsitoLettura::Completa)
        for (std::size_t i = 0; i < voci.size(); ++i)
            if (viva[i]) primo.Accoda(voci[i]);
    return letto;
}

// Coverage: the columns of the second file that no column of the first covers at the
// guarantee score.
TEsitoLettura Scoperte(TListaColonne& primo, int garanzia, const TSecondo& secondo,
                       TListaColonne& risultato) {
    TLettore dimensione(secondo.Percorso);
    const auto q = static_cast<std::int64_t>(dimensione.Rimanenti() / 8);
    const TIndiceCopertura indice(primo, garanzia, q);
    primo.Svuota();
    return secondo.PerOgni([&](const TColonna& c) {
        if (!indice.Coperta(c)) risultato.Accoda(c);
    });
}

// Reordering: column k (from 0) goes in at a place drawn in 0..k among those before it.
void Disordina(TListaColonne& primo,
               const std::function<std::uint64_t(std::uint64_t limite)>& casuale,
               TListaColonne& risultato) {
    std::vector<std::uint64_t> posizioni;
    posizioni.reserve(static_cast<std::size_t>(primo.Quante()));
    std::mt19937_64 generatore;
    if (!casuale)
        generatore.seed(static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
    for (std::uint64_t k = 0; k < static_cast<std::uint64_t>(primo.Quante()); ++k) {
        std::uint64_t p =
            casuale ? casuale(k) : std::uniform_int_distribution<std::uint64_t>(0, k)(generatore);
        posizioni.push_back(std::min(p, k));
    }
    const auto colonne = primo.ComeVettore();
    primo.Svuota();
    const auto finale = OrdineFinale(posizioni);
    std::vector<TColonna> ordinate(colonne.size());
    for (std::size_t i = 0; i < colonne.size(); ++i) ordinate[finale[i]] = colonne[i];
    for (const TColonna& c : ordinate) risultato.Accoda(c);
}

}  // namespace

TDidascalieOperazione DidascalieOperazione(TOperazione op) {
    switch (op) {
        case TOperazione::Copertura:
            return {"File del ridotto", "File delle Colonne da coprire", true};
        case TOperazione::Disordinatore:
            return {"File da disordinare", "", false};
        default:
            return {"Primo file", "Secondo file", true};
    }
}

std::string TOperazioniFile::PercorsoPrimo() const {
    return NomeFileColonne(Source1, CartellaColonne());
}
std::string TOperazioniFile::PercorsoSecondo() const {
    return NomeFileColonne(Source2, CartellaColonne());
}
std::string TOperazioniFile::PercorsoDestinazione() const {
    return NomeFileColonne(Dest, CartellaColonne());
}

TEsitoOperazione TOperazioniFile::Esegui(IProgressoStrumenti* progresso,
                                         const TAnnullamento* annulla) const {
    TEsitoOperazione esito;
    auto errore = [&](const std::string& messaggio) {
        esito = TEsitoOperazione{};
        esito.Errore = true;
        esito.Messaggio = messaggio;
        return esito;
    };
    const std::string destinazione = PercorsoDestinazione();
    auto scrittura = [&] {
        return errore(
            ConFile(kMsgOperazioniImpossibili, destinazione, MotivoScrittura(destinazione)));
    };
    try {
        TListaColonne primo, altra;
        const TControlloColonne controllo(Piloti);
        if (auto e =
                CaricaFileColonne(primo, PercorsoPrimo(), controllo, kMsgOperazioniImpossibili);
            !e.empty())
            return errore(e);

        if (Operazione == TOperazione::Disordinatore) {
            Disordina(primo, Casuale, altra);
            if (!altra.SalvaSuFile(destinazione)) return scrittura();
            esito.Messaggio = kMsgElaborazioneTerminata;
            esito.Colonne = altra.Quante();
            esito.FileScritto = true;
            return esito;
        }

        const std::string file = PercorsoSecondo();
        std::string erroreSecondo;
        const TSecondo secondo{file, controllo, progresso, annulla, erroreSecondo};
        TEsitoLettura letto = TEsitoLettura::Completa;
        const TListaColonne* risultato = &primo;
        const char* prefisso = kMsgColonneOttenute;
        switch (Operazione) {
            case TOperazione::Or:
                letto = Unione(primo, secondo);
                break;
            case TOperazione::And:
                letto = Intersezione(primo, secondo, altra);
                risultato = &altra;
                break;
            case TOperazione::Xor:
                letto = DifferenzaSimmetrica(primo, secondo);
                break;
            case TOperazione::Copertura:
                letto = Scoperte(primo, std::clamp(SpinPtMin, kGaranziaMinima, kGaranziaMassima),
                                 secondo, altra);
                risultato = &altra;
                prefisso = kMsgColonneScoperte;
                break;
            case TOperazione::Disordinatore:
                break;
        }

        if (letto == TEsitoLettura::Errore) return errore(erroreSecondo);
        if (letto == TEsitoLettura::Interrotta) {
            if (progresso) progresso->Avanzamento(0);
            esito.Interrotta = true;
            return esito;
        }
        if (progresso) progresso->Avanzamento(100);
        esito.Colonne = risultato->Quante();
        if (esito.Colonne > 0) {
            if (!risultato->SalvaSuFile(destinazione)) return scrittura();
            esito.FileScritto = true;
        }
        esito.Messaggio = MessaggioRisultato(prefisso, esito.Colonne);
        return esito;
    } catch (const std::bad_alloc&) {
        return errore(std::string(kMsgOperazioniImpossibili) + ": memoria esaurita.");
    } catch (const std::exception&) {
        return errore(kMsgOperazioniImpossibili);
    }
}

}  // namespace sirvela
