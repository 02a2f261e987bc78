#pragma once
#include <cstdint>
#include <string>

#include "core/Testo.h"

namespace sirvela {

struct TImpostazioniSviluppo;

// What the "Sviluppo" dialog shows. The engine keeps it up to date; the dialog and the
// command line only render it.
struct TQuadroSviluppo {
    // "Autoriduzione" box: enabled only with the reduction, titled with the guarantee.
    bool RiduzioneAbilitata = false;
    std::string TitoloRiduzione;

    int Indicatore = 0;  // vertical gauge 0..100
    std::string Totali;  // "Colonne Totali :"
    std::string Ammesse;
    std::string Filtrate;
    std::string Finali;  // with its cost
    std::string RidIniziali;
    std::string RidFinali;
    std::string FattoreRiduzione;
    bool ContatoriRiduzioneVisibili = false;  // the two reduction counts and the factor
    bool TortaSviluppoVisibile = false;
    bool TortaRiduzioneVisibile = false;
    int TortaSviluppo[2] = {0, 0};  // blue slice, lime slice
    int TortaRiduzione[2] = {0, 0};
    // The improved reduction's best count, lower bound and seconds so far,
    // "Colonne: 131 — minimo teorico ≥ 118 — 42 s"; empty with the other reductions.
    std::string Migliorata;
    std::string Stato;  // status line

    bool operator==(const TQuadroSviluppo&) const = default;
};

// Parts of the dialog one update touched.
enum TParteQuadro : unsigned {
    ParteIndicatore = 1u << 0,
    ParteTotali = 1u << 1,
    ParteAmmesse = 1u << 2,
    ParteFiltrate = 1u << 3,
    ParteFinali = 1u << 4,
    ParteRidIniziali = 1u << 5,
    ParteRidFinali = 1u << 6,
    ParteFattore = 1u << 7,
    ParteTortaSviluppo = 1u << 8,
    ParteTortaRiduzione = 1u << 9,
    ParteContatoriRiduzione = 1u << 10,
    ParteStato = 1u << 11,
    ParteMigliorata = 1u << 12,
};

// Receives the dialog's content each time the development changes it. It is called on the
// thread that runs the development (a worker thread behind the dialog, or the caller's own):
// a window must hand the values over to its own thread before painting them. It may request
// a cancel through the run's TAnnullamento; the engine sees it at its next polling point.
class ISviluppoOsservatore {
  public:
    virtual ~ISviluppoOsservatore() = default;
    // `parti` is a set of TParteQuadro bits: what this update wrote.
    virtual void Aggiorna(const TQuadroSviluppo& quadro, unsigned parti) = 0;
    // The run ends abnormally (cancel, memory exhausted) and asks the dialog to close.
    virtual void Chiudi() {}
};

// Percentage truncated to a whole number; 0 when the divisor is 0.
std::int64_t Percentuale(std::int64_t parte, std::int64_t totale);
// Quotient with two decimals (Italian decimal comma), at least two characters wide.
std::string TestoFattore(std::int64_t a, std::int64_t b);
// Elapsed seconds as a time of day, h:mm:ss.
std::string TestoTempo(double secondi);
// "Colonne: 131 — minimo teorico ≥ 118 — 42 s"; without the bound part while the bound is 0.
std::string TestoMigliorata(std::int64_t colonne, std::int64_t limite, double secondi);

// The refresh rules of the dialog: which values a refresh writes and when it is worth
// repainting. Keeps the content and hands every change to the observer.
class TVistaSviluppo {
  public:
    TVistaSviluppo(ISviluppoOsservatore* osservatore, const TPrezzi& prezzi, int partecipanti);

    // The dialog as it opens for a run with these settings.
    void Apri(const TImpostazioniSviluppo& imp);

    void AggiornaCond(std::int64_t totali, std::int64_t ammesse, std::int64_t finali,
                      std::int64_t esaminate, bool completo);
    void AggiornaCondRid(std::int64_t totali, std::int64_t ammesse, std::int64_t finali,
                         std::int64_t esaminate, std::int64_t ridotte, bool completo);
    void AggiornaRidOtt(std::int64_t iniziali, std::int64_t ridotte, std::int64_t coperte,
                        bool completo);
    // The improved reduction: its best cover of the `iniziali` columns, the lower bound (0 =
    // not known), the gauge, the seconds since it started and those left (negative: no time
    // limit). Writes only what changed; `completo` also draws the reduction pie.
    void AggiornaMigliorata(std::int64_t iniziali, std::int64_t migliore, std::int64_t limite,
                            int percento, double trascorsi, double rimanenti, bool completo);

    // Whether a refresh that is not complete would write anything: the percentage has grown
    // by 2 points (AggiornaCond) or by 1 (the others).
    bool ScattaCond(std::int64_t esaminate, std::int64_t totali) const {
        return Percentuale(esaminate, totali) > quadro_.Indicatore + 1;
    }
    bool ScattaRid(std::int64_t parte, std::int64_t totale) const {
        return Percentuale(parte, totale) > quadro_.Indicatore;
    }

    void Stato(const std::string& testo);
    void MostraContatoriRiduzione(bool visibili);
    void MostraTortaSviluppo();
    void MostraTortaRiduzione();
    void InizialiRiduzione(std::int64_t n);
    void Chiudi();

    const TQuadroSviluppo& Quadro() const { return quadro_; }

  private:
    std::string Costo(std::int64_t n) const { return TestoCosto(n, prezzi_, partecipanti_); }
    void Notifica(unsigned parti);

    ISviluppoOsservatore* osservatore_;
    TPrezzi prezzi_;
    int partecipanti_;
    TQuadroSviluppo quadro_;
};

}  // namespace sirvela
