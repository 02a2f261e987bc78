// A plain, literal development kept as the yardstick of the benchmarks and as the reference
// the tests compare the engine with: eight nested loops over every candidate, one heap node
// per column, scores computed position by position, the reductions walking their linked
// lists exactly as described, and the same dialog refreshes at the same moments.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/TListaColonne.h"
#include "development/Sviluppo.h"

namespace sirvela::letterale {

struct TNodo {
    TColonna Colonna;
    TNodo* Prossimo;
};

// Singly linked list, one heap node per column. Quante doubles as the count of the columns
// sent to a destination file.
struct TListaNodi {
    TNodo* Testa = nullptr;
    TNodo* Cursore = nullptr;
    std::int64_t Quante = 0;

    ~TListaNodi() { Svuota(); }
    void Svuota() {
        while (Testa) {
            TNodo* n = Testa->Prossimo;
            delete Testa;
            Testa = n;
        }
        Cursore = nullptr;
        Quante = 0;
    }
    void Accoda(const TColonna& c) {
        TNodo* n = new TNodo{c, nullptr};
        if (!Testa)
            Testa = n;
        else
            Cursore->Prossimo = n;
        Cursore = n;
        ++Quante;
    }
    void InserisciInTesta(const TColonna& c) {
        TNodo* n = new TNodo{c, Testa};
        if (!Testa) Cursore = n;
        Testa = n;
        ++Quante;
    }
    void CopiaIn(TListaColonne& l) const {
        l.Svuota();
        for (TNodo* n = Testa; n; n = n->Prossimo) l.Accoda(n->Colonna);
    }
};

inline int PunteggioPosizioni(const TColonna& a, const TColonna& b) {
    int s = 0;
    for (int i = 0; i < 8; ++i)
        if (a[i] == b[i]) s += PesoPosizione[i];
    return s;
}

inline bool DistintaPosizioni(const TColonna& c) {
    bool visti[256] = {};
    for (int i = 0; i < 8; ++i) {
        if (visti[c[i]]) return false;
        visti[c[i]] = true;
    }
    return true;
}

class TSviluppoLetterale {
  public:
    TSviluppoLetterale(const TDatiSviluppo& dati, const TServiziSviluppo& servizi)
        : dati_(dati),
          imp_(dati.Impostazioni),
          servizi_(servizi),
          vista_(servizi.Osservatore, dati.Prezzi, dati.Partecipanti) {}

    TListaNodi Colonne;

    void Esegui(TEsitoSviluppo& esito) {
        esito = TEsitoSviluppo{};
        esito_ = &esito;
        G_ = imp_.GaranziaEffettiva();
        Vincite_ = imp_.VinciteEffettive();
        AlVolo_ = imp_.Autoriduzione && !imp_.Ottimizzata;
        UsaCondizioni_ = imp_.UsaCondizioni && servizi_.Test;
        // Checks before anything is touched.
        if (!dati_.Sorgente.DaPronostico) {
            TLettore prova(NomeFileColonne(dati_.Sorgente.FileSorgente, CartellaColonne()));
            if (!prova.Aperto()) throw TErroreSirvela(kErroreCaricaColonne);
        }
        if (!imp_.InMemoria) {
            std::filesystem::path nome;
            if (imp_.Autoriduzione) {
                std::filesystem::path p(imp_.FileDestinazione);
                nome = p.is_absolute() ? p : CartellaProgramma / p;
            } else {
                nome = NomeFileColonne(imp_.FileDestinazione, CartellaColonne());
            }
            File_ = servizi_.ApriScrittura ? servizi_.ApriScrittura(nome)
                                           : std::make_unique<TScrittore>(nome);
            if (!File_ || !File_->Aperto())
                throw TErroreSirvela(kErroreCreaColonne + nome.string());
            NomeFile_ = nome;
        }
        // 1, 2
        Sospesi.Svuota();
        InMemoria_ = imp_.InMemoria;
        bool scambiata = false;
        if (!InMemoria_ && imp_.Autoriduzione) {
            InMemoria_ = true;
            scambiata = true;
        }
        vista_.Apri(imp_);
        // 3, 4
        vista_.MostraContatoriRiduzione(AlVolo_);
        Colonne.Svuota();
        if (servizi_.Test) servizi_.Test->Prepara();
        esito.Avviato = true;
        const double inizio = servizi_.Orologio ? servizi_.Orologio() : 0.0;
        ContaAmmesse = 0;
        // 5
        Riempimento_ = 1;
        // 6
        try {
            if (dati_.Sorgente.DaPronostico)
                PassiPronostico();
            else
                PassiFile();
        } catch (...) {
            Riporta();
            throw;
        }
        Riporta();
        // 7
        if (!InMemoria_) {
            File_->Scrivi(Buffer_.data(), (Riempimento_ - 1) * 8);
            Colonne.Quante = 0;
            ChiudiFile();
        }
        // 8
        esito.ColonneSviluppate = Colonne.Quante;
        vista_.MostraTortaSviluppo();
        // 9
        if (imp_.Autoriduzione && imp_.Ottimizzata && Colonne.Quante >= 1) {
            vista_.Stato("Autoriduzione In Corso...");
            vista_.MostraContatoriRiduzione(true);
            vista_.AggiornaRidOtt(Colonne.Quante, 0, 0, true);
            esito.RiduzioneAnnullata = !RiduzioneOttimizzata(101 - G_);
            vista_.MostraTortaRiduzione();
        }
        // 10
        if (scambiata) {
            InMemoria_ = false;
            if (!imp_.Ottimizzata) RiesaminaSospesi();
            bool ok = true;
            std::array<TColonna, 1000> blocco;
            std::size_t k = 0;
            for (TNodo* n = Colonne.Testa; n && ok; n = n->Prossimo) {
                blocco[k++] = n->Colonna;
                if (k == 1000) {
                    ok = File_->Scrivi(blocco.data(), 8000);
                    k = 0;
                }
            }
            if (ok) ok = File_->Scrivi(blocco.data(), k * 8);
            if (!ok) File_->Abbandona();
            ChiudiFile();
            Colonne.Svuota();
        }
        // 11
        const double fine = servizi_.Orologio ? servizi_.Orologio() : 0.0;
        esito.TempoImpiegato = TestoTempo(fine - inizio);
        vista_.Stato("Elaborazione Terminata.   Tempo Impiegato : " + esito.TempoImpiegato);
    }

    std::int64_t ContaTotali = 0, ContaAmmesse = 0, ContaEsaminate = 0, ContaFinali = 0, Passo = 0;
    TListaNodi Sospesi;

  private:
    bool Annullato() const { return servizi_.Annullamento && servizi_.Annullamento->Richiesto(); }

    void Riporta() {
        esito_->ContaTotali = ContaTotali;
        esito_->ContaAmmesse = ContaAmmesse;
        esito_->ContaEsaminate = ContaEsaminate;
        esito_->ContaFinali = ContaFinali;
        esito_->Passo = Passo;
    }

    void ChiudiFile() {
        const bool ok = File_->Chiudi();
        File_.reset();
        if (!ok) throw TErroreSirvela(kErroreSalvaColonne);
        esito_->FileScritto = NomeFile_;
    }

    void Chiusura(bool memoria) {
        esito_->Interrotto = true;
        if (memoria) {
            esito_->MemoriaEsaurita = true;
            if (servizi_.Messaggi) servizi_.Messaggi->Errore(kErroreMemoriaSviluppo);
        }
        Colonne.Svuota();
        vista_.Chiudi();
    }

    void StatoPasso() {
        vista_.Stato(Vincite_ <= 1 ? std::string("Elaborazione in Corso...")
                                   : "Elaborazione in Corso... Passo " + std::to_string(Passo));
    }

    void PassiPronostico() {
        const TPronostico& p = *dati_.Pronostico;
        Passo = 0;
        ContaTotali = 1;
        for (int i = 0; i < 8; ++i) ContaTotali *= p.Posizione[i].Conta();
        bool fermo = false;
        do {
            ++Passo;
            ContaEsaminate = ContaFinali = ContaAmmesse = Tick_ = 0;
            vista_.AggiornaCond(ContaTotali, ContaAmmesse, 0, 0, true);
            StatoPasso();
            bool ok;
            try {
                ok = Enumera(p);
                if (!ok) Chiusura(false);
            } catch (...) {
                ok = false;
                Chiusura(true);
            }
            if (!ok) fermo = true;
            if (!fermo && Passo == 1) RiesaminaSospesi();
        } while (Passo != Vincite_ && !fermo);
        vista_.AggiornaCond(ContaTotali, ContaAmmesse, Colonne.Quante, ContaTotali, true);
        if (AlVolo_) {
            vista_.AggiornaCondRid(ContaTotali, ContaAmmesse, ContaFinali, ContaEsaminate,
                                   Colonne.Quante, true);
            vista_.MostraTortaRiduzione();
        }
    }

    bool Enumera(const TPronostico& p) {
        int n[8];
        for (int i = 0; i < 8; ++i) n[i] = p.Posizione[i].Conta();
        if (n[0] <= 0) return true;
        TColonna c{};
        auto v = [&](int pos, int s) {
            return static_cast<std::uint8_t>(p.Posizione[pos].Numeri[s]);
        };
        for (int a = 0; a < n[0]; ++a) {
            c[0] = v(0, a);
            for (int b = 0; b < n[1]; ++b) {
                c[1] = v(1, b);
                for (int d = 0; d < n[2]; ++d) {
                    c[2] = v(2, d);
                    for (int e = 0; e < n[3]; ++e) {
                        c[3] = v(3, e);
                        for (int f = 0; f < n[4]; ++f) {
                            c[4] = v(4, f);
                            if (Annullato()) return false;
                            for (int g = 0; g < n[5]; ++g) {
                                c[5] = v(5, g);
                                for (int h = 0; h < n[6]; ++h) {
                                    c[6] = v(6, h);
                                    for (int k = 0; k < n[7]; ++k) {
                                        c[7] = v(7, k);
                                        EsaminaColonna(c);
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
        return true;
    }

    void EsaminaColonna(const TColonna& c) {
        if (DistintaPosizioni(c)) {
            ++ContaAmmesse;
            bool passa = !UsaCondizioni_ || servizi_.Test->Verifica(c);
            if (passa) {
                if (InMemoria_ && !AlVolo_) Colonne.Accoda(c);
                if (InMemoria_ && AlVolo_) {
                    AccettaColonna(c);
                    ++Tick_;
                    ++ContaFinali;
                    if (Tick_ > 500) {
                        vista_.AggiornaCondRid(ContaTotali, ContaAmmesse, ContaFinali,
                                               ContaEsaminate, Colonne.Quante, false);
                        Tick_ = 0;
                    }
                }
                if (!InMemoria_) {
                    Buffer_[Riempimento_ - 1] = c;
                    ++Riempimento_;
                    ++Colonne.Quante;
                    if (Riempimento_ > 1000) {
                        File_->Scrivi(Buffer_.data(), 8000);
                        Riempimento_ = 1;
                    }
                }
            }
        }
        ++ContaEsaminate;
        if (AlVolo_) {
            ++Tick_;
            if (Tick_ > 500) {
                vista_.AggiornaCondRid(ContaTotali, ContaAmmesse, ContaFinali, ContaEsaminate,
                                       Colonne.Quante, false);
                Tick_ = 0;
            }
        } else {
            ++Tick_;
            if (Tick_ > 200) {
                vista_.AggiornaCond(ContaTotali, ContaAmmesse, Colonne.Quante, ContaEsaminate,
                                    false);
                Tick_ = 0;
            }
        }
    }

    void AccettaColonna(const TColonna& c) {
        const int p = static_cast<int>(Passo);
        const int T = Passo == 1 ? (G_ < 90 ? G_ - 20 : G_) : G_;
        int colpi = 0, massimo = -1;
        for (TNodo* k = Colonne.Testa; k; k = k->Prossimo) {
            const int s = PunteggioPosizioni(k->Colonna, c);
            if (s > massimo) massimo = s;
            if (s >= T) {
                ++colpi;
                if (s > T) colpi = p;
            }
            if (colpi >= p) break;
        }
        if (colpi < p) {
            Colonne.InserisciInTesta(c);
        } else if (Passo == 1 && massimo < G_) {
            Sospesi.Accoda(c);
            --ContaEsaminate;
            --ContaFinali;
            --ContaAmmesse;
            if (Sospesi.Quante > 500000) RiesaminaSospesi();
        }
    }

    void RiesaminaSospesi() {
        for (TNodo* d = Sospesi.Testa; d; d = d->Prossimo) {
            bool coperta = false;
            for (TNodo* k = Colonne.Testa; k; k = k->Prossimo)
                if (PunteggioPosizioni(k->Colonna, d->Colonna) >= G_) {
                    coperta = true;
                    break;
                }
            if (!coperta) Colonne.InserisciInTesta(d->Colonna);
            if (Annullato()) return;
            ++Tick_;
            if (Tick_ > 500) {
                vista_.AggiornaCondRid(ContaTotali, ContaAmmesse, ContaFinali, ContaEsaminate,
                                       Colonne.Quante, false);
                Tick_ = 0;
            }
            ++ContaEsaminate;
            ++ContaFinali;
            ++ContaAmmesse;
        }
        Sospesi.Svuota();
        vista_.AggiornaCondRid(ContaTotali, ContaAmmesse, ContaFinali, ContaEsaminate,
                               Colonne.Quante, false);
    }

    void PassiFile() {
        const std::string nome = NomeFileColonne(dati_.Sorgente.FileSorgente, CartellaColonne());
        Passo = 0;
        bool fermo = false;
        do {
            ++Passo;
            ContaEsaminate = ContaFinali = ContaAmmesse = Tick_ = 0;
            std::FILE* f = std::fopen(nome.c_str(), "rb");
            if (!f) throw TErroreSirvela(kErroreCaricaColonne);
            std::fseek(f, 0, SEEK_END);
            const long dimensione = std::ftell(f);
            std::fseek(f, 0, SEEK_SET);
            ContaTotali = dimensione / 8;
            vista_.AggiornaCond(ContaTotali, ContaAmmesse, 0, 0, true);
            StatoPasso();
            bool ok;
            try {
                ok = LeggiFile(f, dimensione);
            } catch (...) {
                Chiusura(true);
                ok = false;
            }
            if (!ok) fermo = true;
            if (!fermo && Passo == 1) RiesaminaSospesi();
            std::fclose(f);
        } while (Passo != Vincite_ && !fermo);
    }

    bool LeggiFile(std::FILE* f, long dimensione) {
        long pieni = dimensione / 8000;
        const long resto = dimensione % 8000 / 8;
        std::array<TColonna, 1000> blocco;
        bool fallita = false;
        for (;;) {
            long n;
            bool ultimo = false;
            if (pieni > 0) {
                n = 1000;
                --pieni;
            } else {
                n = resto;
                ultimo = true;
                if (n == 0) break;
            }
            if (std::fread(blocco.data(), 1, n * 8, f) != static_cast<std::size_t>(n * 8)) {
                fallita = true;
                break;
            }
            for (long i = 0; i < n; ++i) {
                EsaminaColonna(blocco[i]);
                if (!AlVolo_)
                    vista_.AggiornaCond(ContaTotali, ContaAmmesse, Colonne.Quante, ContaEsaminate,
                                        false);
                if (Annullato()) {
                    esito_->Interrotto = true;
                    return false;
                }
            }
            if (ultimo) break;
        }
        if (fallita) Colonne.Svuota();
        if (AlVolo_) {
            RiesaminaSospesi();
            vista_.AggiornaCondRid(ContaTotali, ContaAmmesse, ContaFinali, ContaEsaminate,
                                   Colonne.Quante, true);
        } else {
            vista_.AggiornaCond(ContaTotali, ContaAmmesse, Colonne.Quante, ContaAmmesse, true);
        }
        return true;
    }

    // The optimised reduction, on linked lists of reduction nodes.
    struct TNodoRid {
        TColonna Colonna;
        std::uint16_t Copertura;
        TNodoRid* Prossimo;
    };
    struct TListaRid {
        TNodoRid* Testa = nullptr;
        TNodoRid* Coda = nullptr;
        void Accoda(TNodoRid* n) {
            n->Prossimo = nullptr;
            if (!Testa)
                Testa = n;
            else
                Coda->Prossimo = n;
            Coda = n;
        }
        void Libera() {
            while (Testa) {
                TNodoRid* n = Testa->Prossimo;
                delete Testa;
                Testa = n;
            }
            Coda = nullptr;
        }
    };

    TListaRid Scoperte_, Coperte_;
    TListaNodi Scelte_;
    std::int64_t Totale_ = 0, Coperte_n_ = 0, Migliore_ = 0, SceltiN_ = 0;
    TNodoRid* NodoMigliore_ = nullptr;
    int Garanzia_ = 0;
    bool AnnullataRid_ = false;

    std::int64_t Conta(TNodoRid* c, std::int64_t limite) {
        std::int64_t n = 0;
        for (TNodoRid* s = Scoperte_.Testa; s && n != limite; s = s->Prossimo)
            if (PunteggioPosizioni(c->Colonna, s->Colonna) >= Garanzia_) ++n;
        c->Copertura = static_cast<std::uint16_t>(n);
        return n;
    }

    void Scegli(TNodoRid* c) {
        const TColonna col = c->Colonna;
        Scelte_.InserisciInTesta(col);
        ++SceltiN_;
        TNodoRid* prima = nullptr;
        for (TNodoRid* s = Scoperte_.Testa; s;) {
            TNodoRid* dopo = s->Prossimo;
            if (PunteggioPosizioni(col, s->Colonna) >= Garanzia_) {
                if (prima)
                    prima->Prossimo = dopo;
                else
                    Scoperte_.Testa = dopo;
                if (Scoperte_.Coda == s) Scoperte_.Coda = prima;
                s->Copertura = 0;
                Coperte_.Accoda(s);
                ++Coperte_n_;
            } else {
                prima = s;
            }
            s = dopo;
        }
        vista_.AggiornaRidOtt(Totale_, SceltiN_, Coperte_n_, false);
    }

    void PassoRid(std::int64_t soglia, bool fase2) {
        auto testa = [&] { return fase2 ? Scoperte_.Testa : Coperte_.Testa; };
        TNodoRid* nodo = testa();
        Migliore_ = 0;
        NodoMigliore_ = nullptr;
        bool scelto = false;
        int contatore = 0;
        const auto arrotondato =
            static_cast<std::int64_t>(std::nearbyint(static_cast<double>(Totale_) * 0.99));
        while (nodo && Coperte_n_ < Totale_) {
            if (fase2 && Coperte_n_ > arrotondato) break;
            if (++contatore == 10) {
                if (Annullato()) {
                    AnnullataRid_ = true;
                    return;
                }
                contatore = 0;
            }
            if (nodo->Copertura != 0 && nodo->Copertura <= Migliore_) {
                nodo = nodo->Prossimo;
                continue;
            }
            const std::int64_t n = Conta(nodo, soglia);
            if (n == soglia) {
                Scegli(nodo);
                scelto = true;
                nodo = testa();
                Migliore_ = 0;
                NodoMigliore_ = nullptr;
            } else {
                if (n > Migliore_) {
                    Migliore_ = n;
                    NodoMigliore_ = nodo;
                }
                nodo = nodo->Prossimo;
            }
        }
        if (!scelto && NodoMigliore_) {
            if (Conta(NodoMigliore_, Migliore_) == Migliore_) Scegli(NodoMigliore_);
        }
        if (!fase2 && Migliore_ == 0 && Coperte_n_ < Totale_) {
            // Nothing covered helps: the uncovered column covering most uncovered ones.
            TNodoRid* q = nullptr;
            for (TNodoRid* s = Scoperte_.Testa; s; s = s->Prossimo) {
                const std::int64_t n = Conta(s, -1);
                if (n > Migliore_) {
                    Migliore_ = n;
                    q = s;
                }
            }
            Scegli(q);
        }
    }

    bool RiduzioneOttimizzata(int perdita) {
        Garanzia_ = 101 - perdita;
        Totale_ = 0;
        for (TNodo* n = Colonne.Testa; n; n = n->Prossimo) {
            Scoperte_.Accoda(new TNodoRid{n->Colonna, 0, nullptr});
            ++Totale_;
        }
        Colonne.Svuota();
        vista_.InizialiRiduzione(Totale_);
        Coperte_n_ = 0;
        SceltiN_ = 0;
        std::int64_t soglia = 110;
        vista_.Stato("Autoriduzione in Corso : Fase 1");
        vista_.Stato("Autoriduzione in Corso : Fase 2");
        bool fase2 = true;
        AnnullataRid_ = false;
        const auto tronco = static_cast<std::int64_t>(static_cast<double>(Totale_) * 0.99);
        while (Coperte_n_ < Totale_ && !AnnullataRid_) {
            PassoRid(soglia, fase2);
            soglia = Migliore_;
            if (Annullato()) {
                Scoperte_.Libera();
                Coperte_.Libera();
                Scelte_.Svuota();
                return false;
            }
            if (fase2 && Coperte_n_ > tronco) {
                fase2 = false;
                vista_.Stato("Autoriduzione in Corso : Fase 3");
                soglia = 10000;
            }
        }
        vista_.AggiornaRidOtt(Coperte_n_, SceltiN_, Coperte_n_, true);
        Scoperte_.Libera();
        Coperte_.Libera();
        Colonne.Testa = Scelte_.Testa;
        Colonne.Cursore = Scelte_.Cursore;
        Colonne.Quante = Scelte_.Quante;
        Scelte_.Testa = Scelte_.Cursore = nullptr;
        Scelte_.Quante = 0;
        return true;
    }

    const TDatiSviluppo& dati_;
    const TImpostazioniSviluppo& imp_;
    const TServiziSviluppo& servizi_;
    TVistaSviluppo vista_;
    TEsitoSviluppo* esito_ = nullptr;
    int G_ = 80, Vincite_ = 1;
    bool AlVolo_ = false, UsaCondizioni_ = false, InMemoria_ = true;
    std::int64_t Tick_ = 0;
    std::unique_ptr<TScrittore> File_;
    std::filesystem::path NomeFile_;
    std::array<TColonna, 1000> Buffer_{};
    std::size_t Riempimento_ = 1;
};

}  // namespace sirvela::letterale
