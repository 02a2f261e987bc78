#pragma once
#include <array>

namespace sirvela {

class TCondizione;

// One item of the "&Condizioni" menu: its caption, its command name, the condition slot it
// opens (0 for "Link", which opens the link and error-recovery dialog) and its shortcut.
struct TVoceCondizioni {
    const char* Testo;
    const char* Nome;
    int Slot;
    const char* Tasto;  // empty: none
};

inline constexpr std::array<TVoceCondizioni, 19> kVociCondizioni{{
    {"Somme", "CondSomme", 1, "Ctrl+S"},
    {"Consecutività Numerica", "CondConsecutivitaNumerica", 6, ""},
    {"Numero di Sequenze", "CondNumeroSequenze", 16, ""},
    {"Pari e Dispari", "CondPariDispari", 2, "Ctrl+P"},
    {"Crescenze e Decrescenze", "CondCrescenzeDecrescenze", 10, ""},
    {"Consecutività Differenziata", "CondConsecutivitaDifferenziata", 13, ""},
    {"Baricentri", "CondBaricentri", 3, ""},
    {"Distanze Globali", "CondDistanzeGlobali", 4, ""},
    {"Distanze Specifiche", "CondDistanzeSpecifiche", 11, ""},
    {"Interruzioni", "CondInterruzioni", 8, ""},
    {"Vortici", "CondVortici", 5, ""},
    {"Simmetrie", "CondSimmetrie", 7, ""},
    {"Resti", "CondResti", 12, ""},
    {"Ripetizioni", "CondRipetizioni", 9, ""},
    {"Colonne Filtro", "CondColonneFiltro", 15, "Ctrl+F"},
    {"Sequele", "CondSequele", 14, ""},
    {"Quadri", "CondQuadri", 17, "Ctrl+Q"},
    {"Link", "CondLink", 0, "Ctrl+L"},
    {"Punti Tra", "CondPuntiTra", 18, "Ctrl+T"},
}};

// Whether a condition is in play as its menu item shows it: switched on with some accepted
// value, computed afresh (a loaded file's flags are not trusted) without touching it.
bool CondizioneAttiva(const TCondizione& c);

}  // namespace sirvela
