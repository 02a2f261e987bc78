#include "development/Sviluppo.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/Errore.h"
#include "core/FileColonne.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/MotiviFile.h"
#include "development/Enumerazione.h"
#include "development/Riduzione.h"
#include "development/SviluppoFili.h"

namespace sirvela {

std::int64_t TettoMemoriaSviluppo = 0;

int FiliPredefiniti() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::int64_t TettoMemoriaRun() {
    if (TettoMemoriaSviluppo > 0) return TettoMemoriaSviluppo;
    // Three quarters of what the system can still give without swapping, leaving room for
    // the rest of the program; a machine that does not say so gets no ceiling.
    std::ifstream f("/proc/meminfo");
    std::string riga;
    while (std::getline(f, riga)) {
        std::istringstream r(riga);
        std::string nome;
        std::int64_t kb = 0;
        if (r >> nome >> kb && nome == "MemAvailable:" && kb > 0) return kb / 4 * 3 * 1024;
    }
    return INT64_MAX;
}

namespace {

// Eight different bytes.
bool Distinta(const TColonna& c) {
    std::array<std::uint64_t, 4> visti{};
    for (std::uint8_t v : c) {
        const std::uint64_t bit = std::uint64_t{1} << (v & 63);
        if (visti[v >> 6] & bit) return false;
        visti[v >> 6] |= bit;
    }
    return true;
}

class TMotoreSviluppo {
  public:
    TMotoreSviluppo(TListaColonne& colonne, const TDatiSviluppo& dati,
                    const TServiziSviluppo& servizi, TEsitoSviluppo& esito)
        : colonne_(colonne),
          dati_(dati),
          imp_(dati.Impostazioni),
          servizi_(servizi),
          esito_(esito),
          vista_(servizi.Osservatore, dati.Prezzi, dati.Partecipanti),
          garanzia_(imp_.GaranziaEffettiva()),
          vincite_(imp_.PassiEffettivi()),
          alVolo_(imp_.RiduzioneAlVolo()),
          usaCondizioni_(imp_.UsaCondizioni && servizi.Test != nullptr),
          sogliaTick_(alVolo_ ? 500 : 200),
          fili_(servizi.Fili > 0 ? std::min(servizi.Fili, 256) : FiliPredefiniti()),
          tetto_(TettoMemoriaRun()),
          riduzione_(colonne, garanzia_) {}

    void Esegui();

    // Handler of the enumeration.
    void Candidato(const TColonna& c) {
        Ammessa(c, preFiltrato_);
        Esaminata();
    }
    void Scartato() {
        ++ammesse_;
        Esaminata();
    }
    void Salta(std::int64_t n) {
        if (tick_ + n <= sogliaTick_) {
            tick_ += n;
            esaminate_ += n;
        } else {
            Avanza(n, [this](std::int64_t) { return ammesse_; });
        }
    }
    bool SaltaConControlli(std::int64_t n, std::int64_t blocco, std::int64_t controlli) {
        return Potati(n, 0, blocco, controlli, [](std::int64_t) { return std::int64_t{0}; });
    }
    template <class F>
    bool Potati(std::int64_t n, std::int64_t ammesse, std::int64_t blocco, std::int64_t controlli,
                const F& ammesseFinoA);
    bool Annullato() const {
        if (servizi_.Annullamento && servizi_.Annullamento->Richiesto()) return true;
        return servizi_.AnnullaDa >= 0 && esaminate_ >= servizi_.AnnullaDa;
    }

  private:
    void Esaminata() {
        ++esaminate_;
        if (++tick_ > sogliaTick_) {
            tick_ = 0;
            Rinfresca();
        }
    }
    // The list's count doubles as the count of the columns sent to a destination file.
    std::int64_t ContaLista() const { return colonne_.Quante() + quanteFile_ + contate_; }
    void SvuotaColonne() {
        colonne_.Svuota();
        quanteFile_ = 0;
        contate_ = 0;
        riduzione_.Svuota();
    }
    void Rinfresca() {
        if (alVolo_)
            vista_.AggiornaCondRid(totali_, ammesse_, finali_, esaminate_, ContaLista(), false);
        else
            vista_.AggiornaCond(totali_, ammesse_, ContaLista(), esaminate_, false);
    }

    // `filtrata`: the candidate passed the pre-filter already.
    void Ammessa(const TColonna& c, bool filtrata);
    void EsaminaColonna(const TColonna& c) {
        if (Distinta(c)) {
            Ammessa(c, false);
            Esaminata();
        } else
            Salta(1);
    }
    // `ammesseDopo(i)`: the admitted count once the first i of the n candidates are handled.
    template <class F>
    bool AvanzaFinoAScatto(std::int64_t n, const F& ammesseDopo);
    template <class F>
    void Avanza(std::int64_t n, const F& ammesseDopo) {
        std::int64_t fatti = 0;
        while (fatti < n) {
            const std::int64_t prima = esaminate_;
            const bool scatto = AvanzaFinoAScatto(
                n - fatti, [&](std::int64_t i) { return ammesseDopo(fatti + i); });
            fatti += esaminate_ - prima;
            if (!scatto) return;
        }
    }

    void Controlli();
    void ApriDestinazione(const std::filesystem::path& nome);
    void AzzeraPasso();
    void StatoPasso();
    bool EnumeraProtetto();
    bool SuFili() const;
    bool EnumeraSuFili();
    void PassiDaPronostico();
    void PassiDaFile();
    bool LeggiSorgente(TLettore& l, const std::string& nome);
    void RiesaminaSospesi();
    // The re-examination outside the enumeration: memory running out there ends the run as a
    // cancel does, with its own message. False when it did.
    bool RiesaminaProtetto() {
        try {
            RiesaminaSospesi();
            return true;
        } catch (...) {
            Interrompi(kErroreMemoriaEsaurita);
            return false;
        }
    }
    void ScriviBuffer();
    void ChiudiDestinazione();
    // Cancelled, or out of memory with the message to show.
    void Interrompi(const char* memoria = nullptr);
    void RiportaContatori() {
        esito_.ContaTotali = totali_;
        esito_.ContaAmmesse = ammesse_;
        esito_.ContaEsaminate = esaminate_;
        esito_.ContaFinali = finali_;
        esito_.Passo = passo_;
    }
    double Adesso() const {
        if (servizi_.Orologio) return servizi_.Orologio();
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    TListaColonne& colonne_;
    const TDatiSviluppo& dati_;
    const TImpostazioniSviluppo& imp_;
    const TServiziSviluppo& servizi_;
    TEsitoSviluppo& esito_;
    TVistaSviluppo vista_;
    const int garanzia_;
    const int vincite_;
    const bool alVolo_;
    const bool usaCondizioni_;
    const std::int64_t sogliaTick_;
    const int fili_;
    TTettoMemoria tetto_;
    TPreFiltro preFiltro_;
    bool preFiltrato_ = false;
    const TPotatura* potatura_ = nullptr;
    bool inMemoria_ = true;
    bool scriviAllaFine_ = false;

    std::int64_t totali_ = 0;
    std::int64_t ammesse_ = 0;
    std::int64_t esaminate_ = 0;
    std::int64_t finali_ = 0;
    std::int64_t passo_ = 0;
    std::int64_t tick_ = 0;
    std::int64_t quanteFile_ = 0;  // columns sent to the destination file
    std::int64_t contate_ = 0;     // columns that passed, only counted

    TRiduzioneAlVolo riduzione_;
    TListaColonne sospesi_;

    std::unique_ptr<TScrittore> destinazione_;
    std::filesystem::path nomeDestinazione_;
    std::array<TColonna, TListaColonne::kRecordPerIO> buffer_{};
    std::size_t riempimento_ = 0;
};

void TMotoreSviluppo::Ammessa(const TColonna& c, bool filtrata) {
    ++ammesse_;
    if (usaCondizioni_ &&
        !(filtrata ? servizi_.Test->VerificaPreFiltrata(c) : servizi_.Test->Verifica(c)))
        return;
    if (alVolo_) {
        if (riduzione_.AccettaColonna(c, static_cast<int>(passo_)) ==
            TRiduzioneAlVolo::TEsito::Sospesa) {
            sospesi_.Accoda(c);
            --esaminate_;
            --finali_;
            --ammesse_;
            if (sospesi_.Quante() > 500000) RiesaminaSospesi();
        }
        ++finali_;
        if (++tick_ > 500) {
            tick_ = 0;
            vista_.AggiornaCondRid(totali_, ammesse_, finali_, esaminate_, ContaLista(), false);
        }
    } else if (servizi_.SoloConteggio) {
        ++contate_;
    } else if (inMemoria_) {
        colonne_.Accoda(c);
    } else {
        buffer_[riempimento_++] = c;
        ++quanteFile_;
        if (riempimento_ == buffer_.size()) ScriviBuffer();
    }
}

void TMotoreSviluppo::ScriviBuffer() {
    // A failed write leaves the writer failed; it is reported when the file is closed.
    destinazione_->Scrivi(buffer_.data(), riempimento_ * sizeof(TColonna));
    riempimento_ = 0;
}

// Advances over up to n handled candidates that no test passes (so they change nothing but
// the examined and admitted counts and the refresh tick), stopping after the first refresh
// that would write to the dialog (made here). Returns whether it made one. Refreshes that
// would write nothing are skipped.
template <class F>
bool TMotoreSviluppo::AvanzaFinoAScatto(std::int64_t n, const F& ammesseDopo) {
    const std::int64_t periodo = sogliaTick_ + 1;
    const std::int64_t primo = periodo - tick_;  // candidates up to the next refresh
    if (primo <= n && totali_ > 0) {
        // The first refresh whose percentage beats the gauge: p > gauge (+1 without the
        // on-the-fly reduction), i.e. examined * 100 >= (limit + 1) * total.
        const std::int64_t limite = vista_.Quadro().Indicatore + (alVolo_ ? 0 : 1);
        const std::int64_t minimo = ((limite + 1) * totali_ + 99) / 100;
        std::int64_t i = primo;
        if (esaminate_ + i < minimo)
            i += (minimo - esaminate_ - i + periodo - 1) / periodo * periodo;
        if (i <= n) {
            esaminate_ += i;
            ammesse_ = ammesseDopo(i);
            tick_ = 0;
            Rinfresca();
            return true;
        }
    }
    esaminate_ += n;
    tick_ = (tick_ + n) % periodo;
    return false;
}

template <class F>
bool TMotoreSviluppo::Potati(std::int64_t n, std::int64_t ammesse, std::int64_t blocco,
                             std::int64_t controlli, const F& ammesseFinoA) {
    // The plain loops poll before the first candidate of each combination of positions 1..5.
    if (controlli > 0 && Annullato()) return false;
    if (n <= 0) return true;
    const std::int64_t prima = ammesse_;
    auto dopo = [&](std::int64_t k) { return prima + ammesseFinoA(k); };
    if (controlli <= 0) {
        if (tick_ + n <= sogliaTick_) {
            tick_ += n;
            esaminate_ += n;
        } else {
            Avanza(n, dopo);
        }
        ammesse_ = prima + ammesse;
        return true;
    }
    // A cancel set by the observer during a refresh is seen at the next of those polls.
    std::int64_t fatti = 0, fine = n;
    bool annullato = false;
    if (servizi_.AnnullaDa >= 0 && blocco > 0) {
        const std::int64_t k = (servizi_.AnnullaDa - esaminate_ + blocco - 1) / blocco;
        if (k < controlli) {
            fine = k * blocco;
            annullato = true;
        }
    }
    while (fatti < fine) {
        const std::int64_t inizio = esaminate_;
        const bool scatto =
            AvanzaFinoAScatto(fine - fatti, [&](std::int64_t i) { return dopo(fatti + i); });
        fatti += esaminate_ - inizio;
        if (!scatto) break;
        if (!annullato && Annullato()) {
            const std::int64_t prossimo = (fatti + blocco - 1) / blocco;
            if (prossimo < controlli) {
                fine = prossimo * blocco;
                annullato = true;
            }
        }
    }
    ammesse_ = annullato ? dopo(fine) : prima + ammesse;
    return !annullato;
}

void TMotoreSviluppo::Controlli() {
    if (!dati_.Sorgente.DaPronostico) {
        const std::string nome = NomeFileColonne(dati_.Sorgente.FileSorgente, CartellaColonne());
        TLettore prova(nome);
        if (!prova.Aperto())
            throw TErroreSirvela(ConFile(kErroreCaricaColonne, nome, MotivoLettura(nome)));
        if (auto errore = ControllaDimensioneColonne(nome, prova.Dimensione()); !errore.empty())
            throw TErroreSirvela(errore);
    } else if (!dati_.Pronostico) {
        throw TErroreSirvela(kErroreCaricaColonne);
    }
    if (!imp_.InMemoria) {
        // With a reduction the kept columns are written at the end to the name exactly as
        // stored (relative to the program folder); otherwise the name is completed.
        if (imp_.Autoriduzione) {
            std::filesystem::path p(imp_.FileDestinazione);
            ApriDestinazione(p.is_absolute() ? p : CartellaProgramma / p);
        } else {
            ApriDestinazione(NomeFileColonne(imp_.FileDestinazione, CartellaColonne()));
        }
    }
}

void TMotoreSviluppo::ApriDestinazione(const std::filesystem::path& nome) {
    nomeDestinazione_ = nome;
    destinazione_ =
        servizi_.ApriScrittura ? servizi_.ApriScrittura(nome) : std::make_unique<TScrittore>(nome);
    if (!destinazione_ || !destinazione_->Aperto())
        throw TErroreSirvela(ConFile(kErroreCreaColonne, nome, MotivoScrittura(nome)));
}

void TMotoreSviluppo::AzzeraPasso() {
    ++passo_;
    esaminate_ = finali_ = ammesse_ = tick_ = 0;
}

void TMotoreSviluppo::StatoPasso() {
    vista_.Stato(vincite_ <= 1 ? std::string("Elaborazione in Corso...")
                               : "Elaborazione in Corso... Passo " + std::to_string(passo_));
}

void TMotoreSviluppo::Interrompi(const char* memoria) {
    esito_.Interrotto = true;
    if (memoria) {
        esito_.MemoriaEsaurita = true;
        if (servizi_.Messaggi) servizi_.Messaggi->Errore(memoria);
    }
    SvuotaColonne();
    vista_.Chiudi();
}

bool TMotoreSviluppo::EnumeraProtetto() {
    try {
        TEnumeratore<TMotoreSviluppo> e(*dati_.Pronostico, *this,
                                        preFiltrato_ ? &preFiltro_ : nullptr, potatura_);
        const bool completa = e.Esegui();
        if (const TPotatore* p = e.Potatore()) esito_.Potatura.Somma(p->Conti());
        if (completa) return true;
        Interrompi();
    } catch (...) {
        Interrompi(kErroreMemoriaSviluppo);
    }
    return false;
}

// Several threads give the same result only where each candidate is judged on its own: not
// with the on-the-fly reduction, which judges it against the columns kept before it.
bool TMotoreSviluppo::SuFili() const {
    if (fili_ <= 1 || alVolo_) return false;
    return !usaCondizioni_ || servizi_.Test->CopiaPerFilo() != nullptr;
}

bool TMotoreSviluppo::EnumeraSuFili() {
    TLavoroFili lavoro;
    lavoro.Pronostico = dati_.Pronostico;
    lavoro.Test = usaCondizioni_ ? servizi_.Test : nullptr;
    lavoro.Fili = fili_;
    lavoro.Annullamento = servizi_.Annullamento;
    lavoro.AnnullaDa = servizi_.AnnullaDa;
    lavoro.Tetto = &tetto_;
    lavoro.PreFiltro = preFiltrato_ ? &preFiltro_ : nullptr;
    lavoro.Potatura = potatura_;
    lavoro.SoloConteggio = servizi_.SoloConteggio;
    const std::int64_t prima = ContaLista();  // columns of the earlier passes
    auto parte = [this](TParteSviluppo& p) {
        esaminate_ += p.Esaminate;
        ammesse_ += p.Ammesse;
        esito_.Potatura.Somma(p.Potatura);
        contate_ += p.Contate;
        if (inMemoria_) {
            colonne_.AccodaLista(std::move(p.Colonne));
        } else {
            if (riempimento_ > 0) ScriviBuffer();
            // A failed write leaves the writer failed; it is reported when the file is closed.
            p.Colonne.ScriviSuFile(*destinazione_);
            quanteFile_ += p.Colonne.Quante();
            p.Colonne.Svuota();
        }
    };
    auto avanzamento = [&](std::int64_t esaminate, std::int64_t ammesse, std::int64_t passate) {
        vista_.AggiornaCond(totali_, ammesse, prima + passate, esaminate, false);
    };
    switch (SviluppaSuFili(lavoro, parte, avanzamento)) {
        case TFineFili::Completa:
            return true;
        case TFineFili::Annullata:
            Interrompi();
            return false;
        case TFineFili::Errore:
            break;
    }
    Interrompi(kErroreMemoriaSviluppo);
    return false;
}

void TMotoreSviluppo::PassiDaPronostico() {
    passo_ = 0;
    totali_ = dati_.Pronostico->ColonneIniziali();
    bool continua = true;
    do {
        AzzeraPasso();
        vista_.AggiornaCond(totali_, ammesse_, 0, 0, true);
        StatoPasso();
        continua = SuFili() ? EnumeraSuFili() : EnumeraProtetto();
        if (continua && passo_ == 1) continua = RiesaminaProtetto();
    } while (passo_ != vincite_ && continua);
    vista_.AggiornaCond(totali_, ammesse_, ContaLista(), totali_, true);
    if (alVolo_) {
        vista_.AggiornaCondRid(totali_, ammesse_, finali_, esaminate_, ContaLista(), true);
        vista_.MostraTortaRiduzione();
    }
}

void TMotoreSviluppo::PassiDaFile() {
    const std::string nome = NomeFileColonne(dati_.Sorgente.FileSorgente, CartellaColonne());
    passo_ = 0;
    bool continua = true;
    do {
        AzzeraPasso();
        TLettore l(nome);
        if (!l.Aperto())
            throw TErroreSirvela(ConFile(kErroreCaricaColonne, nome, MotivoLettura(nome)));
        totali_ = static_cast<std::int64_t>(l.Dimensione() / 8);
        vista_.AggiornaCond(totali_, ammesse_, 0, 0, true);
        StatoPasso();
        try {
            continua = LeggiSorgente(l, nome);
        } catch (const TErroreSirvela&) {
            throw;
        } catch (...) {
            Interrompi(kErroreMemoriaEsaurita);
            continua = false;
        }
        if (continua && passo_ == 1) continua = RiesaminaProtetto();
    } while (passo_ != vincite_ && continua);
}

bool TMotoreSviluppo::LeggiSorgente(TLettore& l, const std::string& nome) {
    const TControlloColonne controllo(dati_.Piloti);
    std::int64_t letti = 0;
    const std::uint64_t dimensione = l.Dimensione();
    std::uint64_t pieni = dimensione / (TListaColonne::kRecordPerIO * 8);
    const std::size_t resto =
        static_cast<std::size_t>(dimensione % (TListaColonne::kRecordPerIO * 8) / 8);
    std::array<TColonna, TListaColonne::kRecordPerIO> blocco;
    bool fallita = false;
    while (true) {
        std::size_t n = TListaColonne::kRecordPerIO;
        const bool ultimo = pieni == 0;
        if (ultimo) {
            n = resto;
            if (n == 0) break;
        } else {
            --pieni;
        }
        if (!l.Leggi(blocco.data(), n * 8)) {
            fallita = true;
            break;
        }
        // A record that is no column stops the run before anything of its block is kept.
        if (const std::size_t cattivo = controllo.PrimoNonValido(blocco.data(), n); cattivo < n) {
            SvuotaColonne();
            throw TErroreSirvela(
                MessaggioColonneNonValide(nome, letti + static_cast<std::int64_t>(cattivo) + 1,
                                          controllo.Difetto(blocco[cattivo])));
        }
        letti += static_cast<std::int64_t>(n);
        for (std::size_t i = 0; i < n; ++i) {
            EsaminaColonna(blocco[i]);
            if (!alVolo_) vista_.AggiornaCond(totali_, ammesse_, ContaLista(), esaminate_, false);
            if (Annullato()) {
                // The columns read so far stay; the run is still reported as cut short.
                esito_.Interrotto = true;
                return false;
            }
        }
        if (ultimo) break;
    }
    if (fallita) {
        // The file gave less than its size: what was read is no development of it.
        SvuotaColonne();
        throw TErroreSirvela(ConFile(kErroreCaricaColonne, nome, "file incompleto"));
    }
    if (alVolo_) {
        RiesaminaSospesi();
        vista_.AggiornaCondRid(totali_, ammesse_, finali_, esaminate_, ContaLista(), true);
    } else {
        vista_.AggiornaCond(totali_, ammesse_, ContaLista(), ammesse_, true);
    }
    return true;
}

void TMotoreSviluppo::RiesaminaSospesi() {
    for (const TColonna& d : sospesi_) {
        if (!riduzione_.Coperta(d)) riduzione_.Tieni(d);
        if (Annullato()) return;
        if (++tick_ > 500) {
            tick_ = 0;
            vista_.AggiornaCondRid(totali_, ammesse_, finali_, esaminate_, ContaLista(), false);
        }
        ++esaminate_;
        ++finali_;
        ++ammesse_;
    }
    sospesi_.Svuota();
    vista_.AggiornaCondRid(totali_, ammesse_, finali_, esaminate_, ContaLista(), false);
}

void TMotoreSviluppo::ChiudiDestinazione() {
    const bool ok = destinazione_->Chiudi();
    destinazione_.reset();
    if (!ok)
        throw TErroreSirvela(
            ConFile(kErroreSalvaColonne, nomeDestinazione_, MotivoScrittura(nomeDestinazione_)));
    esito_.FileScritto = nomeDestinazione_;
}

void TMotoreSviluppo::Esegui() {
    Controlli();
    // The lists grow under the run's ceiling and leave it when the run ends, however it ends.
    struct TSottoTetto {
        TListaColonne& a;
        TListaColonne& b;
        ~TSottoTetto() {
            a.ImpostaTetto(nullptr);
            b.ImpostaTetto(nullptr);
        }
    } sottoTetto{colonne_, sospesi_};
    colonne_.ImpostaTetto(&tetto_);
    sospesi_.ImpostaTetto(&tetto_);
    sospesi_.Svuota();
    inMemoria_ = imp_.InMemoria;
    if (!inMemoria_ && imp_.Autoriduzione) {
        inMemoria_ = true;
        scriviAllaFine_ = true;
    }
    vista_.Apri(imp_);
    vista_.MostraContatoriRiduzione(alVolo_);
    SvuotaColonne();
    if (servizi_.Test) servizi_.Test->Prepara();
    preFiltrato_ = usaCondizioni_ && servizi_.Test->PreFiltro(preFiltro_);
    potatura_ = usaCondizioni_ ? servizi_.Test->Potatura() : nullptr;
    if (potatura_)
        for (int i = 0; i < potatura_->Quanti(); ++i)
            esito_.NomiPotatura.push_back(potatura_->Nome(i));
    esito_.Avviato = true;
    const double inizio = Adesso();
    ammesse_ = 0;
    riempimento_ = 0;
    try {
        if (dati_.Sorgente.DaPronostico)
            PassiDaPronostico();
        else
            PassiDaFile();
    } catch (...) {
        RiportaContatori();
        throw;
    }
    RiportaContatori();
    if (!inMemoria_) {
        ScriviBuffer();
        quanteFile_ = 0;
        ChiudiDestinazione();
    }
    esito_.ColonneSviluppate = ContaLista();
    vista_.MostraTortaSviluppo();
    if (imp_.RiduzioneDopo() && colonne_.Quante() > 0) {
        vista_.Stato("Autoriduzione In Corso...");
        vista_.MostraContatoriRiduzione(true);
        vista_.AggiornaRidOtt(colonne_.Quante(), 0, 0, true);
        try {
            if (imp_.Migliorata) {
                TEsitoMigliorata m;
                RiduzioneMigliorata(colonne_, garanzia_, imp_.VinciteEffettive(),
                                    ParametriMigliorata(imp_, servizi_.Migliorata), vista_,
                                    servizi_.Annullamento, servizi_.Orologio, m);
                esito_.RiduzioneInterrotta = m.Interrotta;
                esito_.LimiteInferiore = m.LimiteInferiore;
                esito_.IterazioniMigliorata = m.Iterazioni;
            } else {
                esito_.RiduzioneAnnullata = !RiduzioneOttimizzata(
                    colonne_, kPunteggioMassimo - garanzia_, vista_, servizi_.Annullamento);
            }
        } catch (...) {
            // Out of memory: dropped like a cancelled reduction, never half reduced.
            colonne_.Svuota();
            esito_.RiduzioneAnnullata = true;
            esito_.MemoriaEsaurita = true;
            if (servizi_.Messaggi) servizi_.Messaggi->Errore(kErroreMemoriaEsaurita);
        }
        vista_.MostraTortaRiduzione();
    }
    if (scriviAllaFine_) {
        inMemoria_ = false;
        if (!imp_.Ottimizzata && !imp_.Migliorata) RiesaminaProtetto();
        const bool ok = colonne_.ScriviSuFile(*destinazione_);
        if (!ok) destinazione_->Abbandona();
        ChiudiDestinazione();
        colonne_.Svuota();
    }
    esito_.TempoImpiegato = TestoTempo(Adesso() - inizio);
    vista_.Stato("Elaborazione Terminata.   Tempo Impiegato : " + esito_.TempoImpiegato);
}

}  // namespace

void SviluppaSistema(TListaColonne& colonne, const TDatiSviluppo& dati,
                     const TServiziSviluppo& servizi, TEsitoSviluppo& esito) {
    esito = TEsitoSviluppo{};
    if (servizi.SoloConteggio) {
        // Nothing to write, reduce or repeat: what the development keeps before any of that.
        TDatiSviluppo conteggio = dati;
        conteggio.Impostazioni.InMemoria = true;
        conteggio.Impostazioni.Autoriduzione = false;
        conteggio.Impostazioni.VinciteMultiple = 1;
        TMotoreSviluppo motore(colonne, conteggio, servizi, esito);
        motore.Esegui();
        return;
    }
    TMotoreSviluppo motore(colonne, dati, servizi, esito);
    motore.Esegui();
}

bool SviluppaPronostico(const TPronostico& pronostico,
                        const std::function<void(const TColonna&)>& gestore,
                        const TAnnullamento* annullamento, IMessaggi* messaggi) {
    std::array<int, 8> n{};
    for (int i = 0; i < 8; ++i) n[i] = pronostico.Posizione[i].Conta();
    TColonna c{};
    auto pilota = [&](int pos, int s) {
        return static_cast<std::uint8_t>(pronostico.Posizione[pos].Numeri[s]);
    };
    try {
        for (int a = 0; a < n[0]; ++a) {
            c[0] = pilota(0, a);
            for (int b = 0; b < n[1]; ++b) {
                c[1] = pilota(1, b);
                for (int d = 0; d < n[2]; ++d) {
                    c[2] = pilota(2, d);
                    for (int e = 0; e < n[3]; ++e) {
                        c[3] = pilota(3, e);
                        for (int f = 0; f < n[4]; ++f) {
                            c[4] = pilota(4, f);
                            if (annullamento && annullamento->Richiesto()) return false;
                            for (int g = 0; g < n[5]; ++g) {
                                c[5] = pilota(5, g);
                                for (int h = 0; h < n[6]; ++h) {
                                    c[6] = pilota(6, h);
                                    for (int k = 0; k < n[7]; ++k) {
                                        c[7] = pilota(7, k);
                                        gestore(c);
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    } catch (...) {
        if (messaggi) messaggi->Errore(kErroreMemoriaSviluppo);
        return false;
    }
    return true;
}

}  // namespace sirvela
