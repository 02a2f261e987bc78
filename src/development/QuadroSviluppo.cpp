#include "development/QuadroSviluppo.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "development/ImpostazioniSviluppo.h"

namespace sirvela {

std::int64_t Percentuale(std::int64_t parte, std::int64_t totale) {
    return totale == 0 ? 0 : parte * 100 / totale;
}

std::string TestoFattore(std::int64_t a, std::int64_t b) {
    return TestoDueDecimali(static_cast<double>(a) / static_cast<double>(b), 2);
}

std::string TestoTempo(double secondi) {
    auto s = static_cast<std::int64_t>(secondi < 0 ? 0 : secondi);
    s %= 24 * 3600;  // a time of day
    return fmt::format("{}:{:02}:{:02}", s / 3600, s / 60 % 60, s % 60);
}

namespace {

// A pie: the part's percentage first, the rest second.
void Fette(int (&torta)[2], std::int64_t parte, std::int64_t totale) {
    torta[0] = static_cast<int>(Percentuale(parte, totale));
    torta[1] = 100 - torta[0];
}

}  // namespace

std::string TestoMigliorata(std::int64_t colonne, std::int64_t limite, double secondi) {
    std::string t = "Colonne: " + std::to_string(colonne);
    if (limite > 0) t += " — minimo teorico ≥ " + std::to_string(limite);
    return t + " — " + std::to_string(static_cast<std::int64_t>(std::max(secondi, 0.0))) + " s";
}

TVistaSviluppo::TVistaSviluppo(ISviluppoOsservatore* osservatore, const TPrezzi& prezzi,
                               int partecipanti)
    : osservatore_(osservatore), prezzi_(prezzi), partecipanti_(partecipanti) {}

void TVistaSviluppo::Notifica(unsigned parti) {
    if (osservatore_) osservatore_->Aggiorna(quadro_, parti);
}

void TVistaSviluppo::Apri(const TImpostazioniSviluppo& imp) {
    quadro_ = TQuadroSviluppo{};
    quadro_.RiduzioneAbilitata = imp.Autoriduzione;
    if (imp.Autoriduzione)
        quadro_.TitoloRiduzione =
            "Autoriduzione a Garanzia del punteggio " + std::to_string(imp.GaranziaEffettiva());
    Notifica(~0u);
}

void TVistaSviluppo::AggiornaCond(std::int64_t totali, std::int64_t ammesse, std::int64_t finali,
                                  std::int64_t esaminate, bool completo) {
    const std::int64_t p = Percentuale(esaminate, totali);
    unsigned parti = 0;
    if (p > quadro_.Indicatore + 1 || completo) {
        quadro_.Indicatore = static_cast<int>(p);
        quadro_.Ammesse = std::to_string(ammesse);
        quadro_.Finali = Costo(finali);
        quadro_.Filtrate = std::to_string(ammesse - finali);
        parti |= ParteIndicatore | ParteAmmesse | ParteFinali | ParteFiltrate;
    }
    if (completo) {
        quadro_.Totali = std::to_string(totali);
        Fette(quadro_.TortaSviluppo, finali, ammesse);
        parti |= ParteTotali | ParteTortaSviluppo;
    }
    if (parti) Notifica(parti);
}

void TVistaSviluppo::AggiornaCondRid(std::int64_t totali, std::int64_t ammesse, std::int64_t finali,
                                     std::int64_t esaminate, std::int64_t ridotte, bool completo) {
    const std::int64_t p = Percentuale(esaminate, totali);
    unsigned parti = 0;
    if (p > quadro_.Indicatore || completo) {
        quadro_.Indicatore = static_cast<int>(p);
        quadro_.Ammesse = std::to_string(ammesse);
        quadro_.Finali = Costo(finali);
        quadro_.Filtrate = std::to_string(ammesse - finali);
        quadro_.RidIniziali = Costo(finali);
        quadro_.RidFinali = Costo(ridotte);
        quadro_.FattoreRiduzione = ridotte < 1 ? std::string() : TestoFattore(finali, ridotte);
        parti |= ParteIndicatore | ParteAmmesse | ParteFinali | ParteFiltrate | ParteRidIniziali |
                 ParteRidFinali | ParteFattore;
    }
    if (completo) {
        quadro_.Totali = std::to_string(totali);
        Fette(quadro_.TortaSviluppo, finali, ammesse);
        Fette(quadro_.TortaRiduzione, ridotte, finali);
        parti |= ParteTotali | ParteTortaSviluppo | ParteTortaRiduzione;
    }
    if (parti) Notifica(parti);
}

void TVistaSviluppo::AggiornaRidOtt(std::int64_t iniziali, std::int64_t ridotte,
                                    std::int64_t coperte, bool completo) {
    const std::int64_t p = Percentuale(coperte, iniziali);
    unsigned parti = 0;
    if (p > quadro_.Indicatore || completo) {
        quadro_.Indicatore = static_cast<int>(p);
        quadro_.RidFinali = Costo(ridotte);
        quadro_.FattoreRiduzione = ridotte < 1 ? std::string() : TestoFattore(coperte, ridotte);
        parti |= ParteIndicatore | ParteRidFinali | ParteFattore;
    }
    if (completo) {
        Fette(quadro_.TortaRiduzione, ridotte, iniziali);
        parti |= ParteTortaRiduzione;
    }
    if (parti) Notifica(parti);
}

void TVistaSviluppo::AggiornaMigliorata(std::int64_t iniziali, std::int64_t migliore,
                                        std::int64_t limite, int percento, double trascorsi,
                                        double rimanenti, bool completo) {
    unsigned parti = 0;
    const int gauge = std::clamp(percento, 0, 100);
    if (gauge != quadro_.Indicatore) {
        quadro_.Indicatore = gauge;
        parti |= ParteIndicatore;
    }
    std::string testo = TestoMigliorata(migliore, limite, trascorsi);
    if (testo != quadro_.Migliorata || completo) {
        quadro_.Migliorata = std::move(testo);
        parti |= ParteMigliorata;
    }
    std::string costo = Costo(migliore);
    if (costo != quadro_.RidFinali || completo) {
        quadro_.RidFinali = std::move(costo);
        quadro_.FattoreRiduzione = migliore < 1 ? std::string() : TestoFattore(iniziali, migliore);
        parti |= ParteRidFinali | ParteFattore;
    }
    std::string stato = "Riduzione Migliorata in Corso...";
    if (rimanenti >= 0) stato += "   Tempo Rimanente : " + TestoTempo(std::ceil(rimanenti));
    if (stato != quadro_.Stato) {
        quadro_.Stato = std::move(stato);
        parti |= ParteStato;
    }
    if (completo) {
        Fette(quadro_.TortaRiduzione, migliore, iniziali);
        parti |= ParteTortaRiduzione;
    }
    if (parti) Notifica(parti);
}

void TVistaSviluppo::Stato(const std::string& testo) {
    quadro_.Stato = testo;
    Notifica(ParteStato);
}

void TVistaSviluppo::MostraContatoriRiduzione(bool visibili) {
    quadro_.ContatoriRiduzioneVisibili = visibili;
    Notifica(ParteContatoriRiduzione);
}

void TVistaSviluppo::MostraTortaSviluppo() {
    quadro_.TortaSviluppoVisibile = true;
    Notifica(ParteTortaSviluppo);
}

void TVistaSviluppo::MostraTortaRiduzione() {
    quadro_.TortaRiduzioneVisibile = true;
    Notifica(ParteTortaRiduzione);
}

void TVistaSviluppo::InizialiRiduzione(std::int64_t n) {
    quadro_.RidIniziali = std::to_string(n);
    Notifica(ParteRidIniziali);
}

void TVistaSviluppo::Chiudi() {
    if (osservatore_) osservatore_->Chiudi();
}

}  // namespace sirvela
