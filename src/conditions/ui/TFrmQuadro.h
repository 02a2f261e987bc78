#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <array>
#include <memory>

#include "conditions/ModelloQuadro.h"
#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

class TLGraphpt;

// "Quadro": the name, the switch, "Preset"/"Particolari" with the accepted counts of satisfied
// members ("PtAccettate"), the relation, the member panel (seven in sight) with its pop-up
// menu, and the buttons that load, save, leave the Quadro shown and draw the tree. Double
// clicking a member opens its dialog, or enters it when it is a Quadro. Everything is done on
// a copy of the whole Quadro that "OK" puts in place.
class TFrmQuadro : public TFrmCondizione {
    Q_OBJECT
  public:
    static constexpr int kMembriVisibili = 7;

    explicit TFrmQuadro(IMessaggi& messaggi, QWidget* parent = nullptr);
    ~TFrmQuadro() override;

    void ImpostaOggetto(TCondizione& c) override;
    TModelloQuadro& Modello() { return modello_; }

    QLineEdit* Nome() const { return nome_; }
    QLabel* Percorso() const { return percorso_; }
    QRadioButton* Relazione(int r) const { return relazioni_[static_cast<std::size_t>(r)]; }
    QRadioButton* Preset() const { return preset_; }
    QRadioButton* Particolari() const { return particolari_; }
    QListWidget* Membri() const { return membri_; }
    TLGraphpt* Accettate() const { return accettate_; }
    QPushButton* BtnCaricaQuadro() const { return caricaQuadro_; }
    QPushButton* BtnSalvaQuadro() const { return salvaQuadro_; }
    QPushButton* BtnQuadroPrecedente() const { return precedente_; }
    QPushButton* BtnAlbero() const { return albero_; }
    QMenu* Popup() const { return popup_; }
    // The pop-up menu as it opens at a member place (after the last member beyond the list).
    void PreparaPopup(int posto);
    QAction* AzionePopup(const QString& nome) const;

    // The analyses look at the Quadro shown, as the dialog has it.
    std::unique_ptr<TCondizione> CopiaPerAnalisi() override {
        return modello_.Livello.CopiaCorrente();
    }

    // A double click on a member.
    void ApriMembro(int indice);
    // What a double click on a box of the tree does: a Quadro is shown here.
    bool ApriNodo(const TNodoAlbero& nodo);

  protected:
    TModelloCondizione& ModelloEditori() override { return modello_.Livello; }
    const TCondizione* OriginaleConteggio() const override { return modello_.Oggetto(); }
    std::unique_ptr<TCondizione> CopiaPerConteggio() override { return modello_.CopiaIntera(); }
    const TCondizione* RadiceLavoro() const override {
        return modello_.Oggetto() ? &modello_.Radice() : nullptr;
    }
    void AggiornaForm() override;
    bool AcquisisceForm() override;
    void ClicStato(bool attivato) override { modello_.Livello.ClicAttivato(attivato); }

  private:
    void CreaPopup();
    void MostraMembri();
    // Shows a failed outcome; true when it succeeded.
    bool Esito(const TEsito& e);
    bool Conferma();
    void Selezione();
    void BtnAzzeraClick();
    void CaricaQuadroClick();
    void SalvaQuadroClick();
    void AlberoClick();
    void Nuova(std::uint8_t tipo);
    void SalvaCondizioni();
    void CaricaCondizioni();
    void Commento();
    // "Ins. Automatico Col. Filtro": filter columns from the archive or a column file.
    void InsAutomaticoColFiltro();

    TModelloQuadro modello_;
    int posto_ = 0;
    QLineEdit* nome_;
    QLabel* percorso_;
    std::array<QRadioButton*, 4> relazioni_{};
    QRadioButton* preset_;
    QRadioButton* particolari_;
    QListWidget* membri_;
    TLGraphpt* accettate_;
    QPushButton* caricaQuadro_;
    QPushButton* salvaQuadro_;
    QPushButton* precedente_;
    QPushButton* albero_;
    QMenu* popup_;
};

}  // namespace sirvela
