#pragma once
#include <string>

#include "core/Interfacce.h"
#include "development/ImpostazioniSviluppo.h"

namespace sirvela {

class T_Sistema;

inline constexpr const char* kErroreSorgenteMancante = "Il File Sorgente non Esiste.";

// What the "Impostazioni di Sviluppo" dialog edits: a copy of the document's source and
// development settings, the enabling of the controls and the changed mark.
struct TModelloImpSviluppo {
    TSorgente Sorgente;
    TImpostazioniSviluppo Impostazioni;
    // Set by every click on a radio or check box; typing a name does not set it.
    bool Cambiato = false;

    // The document's values as the dialog shows them, with the enabling rules applied and
    // the mark cleared.
    static TModelloImpSviluppo Da(const T_Sistema& sistema);

    bool SorgenteAbilitata() const { return !Sorgente.DaPronostico; }
    bool DestinazioneAbilitata() const { return !Impostazioni.InMemoria; }
    bool GaranziaAbilitata() const { return Impostazioni.Autoriduzione; }
    bool OttimizzataAbilitata() const { return Impostazioni.Autoriduzione; }
    bool MigliorataAbilitata() const { return Impostazioni.Autoriduzione; }
    // Time, iterations and seed of the improved reduction's search.
    bool RicercaAbilitata() const { return Impostazioni.Autoriduzione && Impostazioni.Migliorata; }
    // The improved reduction covers each column that many times; the optimised one cannot.
    bool VinciteAbilitate() const {
        return Impostazioni.Autoriduzione && !Impostazioni.Ottimizzata;
    }

    // The values the controls can hold: guarantee 30..92, passes 1..10, and 1 pass while
    // that control is disabled; search settings within their ranges.
    void ApplicaRegole();
    // A click on a radio or check box, after its new state was taken.
    void Clic() {
        Cambiato = true;
        ApplicaRegole();
    }
    // Clicks on "Riduzione Ottimizzata" and "Riduzione Migliorata": ticking one clears the
    // other, only one reduction runs after the development.
    void SpuntaOttimizzata(bool spuntata) {
        Impostazioni.Ottimizzata = spuntata;
        if (spuntata) Impostazioni.Migliorata = false;
        Clic();
    }
    void SpuntaMigliorata(bool spuntata) {
        Impostazioni.Migliorata = spuntata;
        if (spuntata) Impostazioni.Ottimizzata = false;
        Clic();
    }

    // The file the development reads from the source name (default folder and extension).
    std::string FileSorgenteEffettivo() const;
    // Empty when OK may store the values, else the message to show.
    std::string Verifica() const;

    // OK: stores the values (names cut to 255 characters); the changed mark makes the system
    // undeveloped; an undeveloped system loses its columns. The document counts as modified
    // when the mark is set or a stored value changed.
    void Applica(T_Sistema& sistema) const;
};

// The file dialogs of the two "Cerca..": they open in the folder and on the name of the
// current entry, completed by the column-file name rule.
TRichiestaFile RichiestaFileSorgente(const std::string& voce);
TRichiestaFile RichiestaFileDestinazione(const std::string& voce);

}  // namespace sirvela
