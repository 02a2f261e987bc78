#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "conditions/ModelloPuntiTra.h"
#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

class TGrigliaIntervalli;

// "Punti Tra": the group chosen in "Gruppo Tra :", the tables assigned to it (a double click
// opens that condition's dialog), the lowest and highest total it can reach, and its accepted
// intervals on one grid.
class TFrmPtTra : public TFrmCondizione {
    Q_OBJECT
  public:
    explicit TFrmPtTra(IMessaggi& messaggi, QWidget* parent = nullptr);

    void ImpostaOggetto(TCondizione& c) override;
    const TModelloPuntiTra& Modello() const { return modello_; }

    QSpinBox* Gruppo() const { return gruppo_; }
    QLabel* Intestazione() const { return intestazione_; }
    QListWidget* Elenco() const { return elenco_; }
    QLineEdit* Min() const { return min_; }
    QLineEdit* Max() const { return max_; }
    TGrigliaIntervalli* Griglia() const { return griglia_; }

    // The analyses look at the group shown, with the intervals as the grid has them.
    std::unique_ptr<TCondizione> CopiaPerAnalisi() override { return modello_.CopiaCorrente(); }

  protected:
    void AggiornaForm() override;
    bool AcquisisceForm() override;
    void Azzera() override;
    void ClicStato(bool attivato) override { modello_.ClicAttivato(attivato); }
    const TCondizione* OriginaleConteggio() const override { return modello_.Oggetto(); }

  private:
    void GruppoCambiato(int gruppo);
    void MostraGruppo();
    void ApriCondizione(int riga);
    void SegnalaErrore(const TErroreGriglia& e);

    TModelloPuntiTra modello_;
    QSpinBox* gruppo_;
    QLabel* intestazione_;
    QListWidget* elenco_;
    QLineEdit* min_;
    QLineEdit* max_;
    TGrigliaIntervalli* griglia_;
};

}  // namespace sirvela
