#pragma once
#include <array>
#include <memory>
#include <string>

#include "conditions/EditoriValori.h"
#include "conditions/TCondPuntiTra.h"

namespace sirvela {

// The Punti Tra dialog without its controls: one interval grid that shows the group chosen in
// "Gruppo Tra :", the tables assigned to that group with the lowest and highest total they can
// reach together ("Min", "Max"), and the switch. Each group's intervals are edited on a copy and
// checked when the dialog leaves the group and on "OK": besides the rules of every interval
// grid, each bound must lie within the group's Min..Max (not checked when both are 0).
class TModelloPuntiTra {
  public:
    static constexpr int kGruppi = TCondPuntiTra::kGruppi;

    TModelloPuntiTra();

    // The grid of the dialog, which shows the group chosen.
    void Collega(TModelloIntervalli* griglia) { griglia_ = griglia; }
    // Copies of the 30 lists, the switch, the group the condition last looked at.
    void ImpostaOggetto(TCondPuntiTra* c);
    TCondPuntiTra* Oggetto() const { return oggetto_; }

    int Gruppo() const { return gruppo_; }
    // Leaves the group shown (its grid checked: a fault keeps it) and shows another, 1..30.
    TErroreGriglia ImpostaGruppo(int gruppo);
    // "Condizioni Nel Gruppo " and the group.
    std::string Intestazione() const;
    // The tables of the group shown, found again (after one of them was edited too).
    void Esamina();
    const TEsameGruppoTra& Esame() const { return esame_; }
    int Righe() const { return static_cast<int>(esame_.Esame.Elementi.size()); }
    // The condition's path and the table's name.
    std::string Riga(int i) const;
    TCondizione* CondizioneRiga(int i) const;

    bool Attivato() const { return attivato_; }
    void ClicAttivato(bool attivato);
    // "Azzera ": every group emptied, the switch on; the condition changes only on "OK".
    void Azzera();
    bool Cambiato() const;
    // "OK": every changed group checked (the first fault shows its group) and taken into the
    // condition with the switch; returns whether anything changed.
    bool Applica(TErroreGriglia* errore = nullptr);
    // A copy of the condition as the dialog shows it, looking at the group shown, the
    // condition left alone (the statistics windows analyse it before "OK"). A group whose
    // grid fails its check keeps the condition's own list. Null without a condition.
    std::unique_ptr<TCondizione> CopiaCorrente() const;

  private:
    void Mostra(int gruppo);
    TModelloIntervalli& Copia(int gruppo) { return copie_[static_cast<std::size_t>(gruppo - 1)]; }
    TErroreGriglia Verifica(int gruppo, TIntervalliAmmessi& lista) const;

    TCondPuntiTra* oggetto_ = nullptr;
    TModelloIntervalli* griglia_ = nullptr;
    std::array<TModelloIntervalli, kGruppi> copie_;
    int gruppo_ = 1;
    TEsameGruppoTra esame_;
    bool attivato_ = true;
    bool clic_ = false;
};

}  // namespace sirvela
