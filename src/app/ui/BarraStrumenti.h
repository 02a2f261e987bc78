#pragma once
#include <QToolBar>

namespace sirvela {

class TFormPrincipale;

// One button of the tool bar: it repeats the menu item named `Azione` under its own hint and
// is enabled whenever that item is. Buttons in the same group sit between separators.
struct TPulsanteBarra {
    const char* Nome;
    const char* Azione;  // object name of the menu item; null: the button's own command
    const char* Icona;   // picture ":/immagini/<Icona>.png"
    const char* Suggerimento;
    int Gruppo;
};

// In the order they appear. A button whose menu item does not exist is left out.
inline constexpr TPulsanteBarra kPulsantiBarra[] = {
    {"BarraNuovo", "Nuovo", "nuovo", "Nuovo Sistema", 0},
    {"BarraCarica", "Carica", "carica", "Carica Sistema", 0},
    {"BarraSalva", "Salva", "salva", "Salva Sistema", 0},
    {"BarraCommento", "Commento", "commento", "Commento", 0},
    {"BarraQuadri", "Quadri", "quadri", "Quadri", 1},
    {"BarraSviluppo", "CalcoloColonne", "sviluppo", "Sviluppo", 1},
    {"BarraVisualizza", "VisualizzazioneDaMemoria", "visualizza", "Visualizza colonne", 2},
    {"BarraSpoglio", "SpoglioDaMemoria", "spoglio", "Spoglio", 2},
    {"BarraStampaSchedine", "SchedineDaMemoria", "stampa", "Stampa Schedine", 2},
    {"BarraStampaProspetto", "Prospetto", "prospetto", "Stampa Prospetto", 2},
    {"BarraAggiornamento", "AggiornamentoArchivi", "aggiornamento", "Aggiornamento Archivi", 3},
    {"BarraHelp", nullptr, "help", "Help", 4},
    {"BarraUscita", "Uscita", "uscita", "Uscita", 4},
};

// Fills the bar once every menu exists.
void CreaBarraStrumenti(TFormPrincipale& f, QToolBar& barra);

}  // namespace sirvela
