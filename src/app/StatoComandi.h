#pragma once
#include <cstdint>

namespace sirvela {

// What the enabling of the main window's commands depends on.
struct TDatiComandi {
    std::int64_t ColonneIniziali = 0;
    bool DaPronostico = true;  // the development starts from the position sets
    bool UsaCondizioni = true;
    std::int64_t ColonneInMemoria = 0;
};

// Which commands of the menu and tool bar are enabled; recomputed after every change of the
// position sets, the settings or the column list.
struct TStatoComandi {
    bool CalcoloColonne = false;       // "Calcolo Colonne" and its tool-bar button
    bool MenuCondizioni = false;       // the whole menu "Condizioni"
    bool AnalisiCondizionato = false;  // "Analisi Statistica Condizionato"
    // "Da Memoria" items, "Colonne" > "Salva", "Visualizza colonne", "Spoglio",
    // "Stampa Schedine" and the "Analisi" button.
    bool ColonneInMemoria = false;

    bool operator==(const TStatoComandi&) const = default;
};

TStatoComandi CalcolaStatoComandi(const TDatiComandi& d);

}  // namespace sirvela
