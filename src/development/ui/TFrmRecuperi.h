#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <array>

#include "core/Interfacce.h"
#include "development/ModelloRecuperi.h"
#include "development/ui/ConteggioDalVivo.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

class TGestoreLink;
class TLGraphpt;

// "Recupero Condizioni": per link letter the tables that use it (a double click opens that
// condition's dialog) and the accepted numbers of errors in the link and over all links, on a
// working copy of the link manager that "OK" writes back. "Analisi" shows the columns the last
// development filtered, while its statistics belong to the settings shown. At the bottom the
// line of the live count shows the columns the system would keep with the tables shown.
class TFrmRecuperi : public QDialog, public IFonteConteggio {
    Q_OBJECT
  public:
    TFrmRecuperi(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    // The manager to edit; a working copy is made of it.
    void ImpostaLink(TGestoreLink& gestore);
    // After the dialog closed: the document changed (a table taken, or a condition edited
    // from the list).
    bool Cambiato() const { return cambiato_; }
    const TModelloRecuperi& Modello() const { return modello_; }

    // The letter of the pressed button, and pressing one.
    char WichDown() const { return modello_.Lettera(); }
    void SetDown(char lettera);
    QToolButton* Lettera(char lettera) const {
        return lettere_[static_cast<std::size_t>(lettera - 'A')];
    }
    QLabel* Titolo() const { return titolo_; }
    QListWidget* Elenco() const { return elenco_; }
    QScrollBar* Scorrimento() const { return scorrimento_; }
    TLGraphpt* EditorLink() const { return editorLink_; }
    TLGraphpt* EditorTotale() const { return editorTotale_; }
    QLineEdit* MaxLink() const { return maxLink_; }
    QLineEdit* MaxTotale() const { return maxTotale_; }
    QPushButton* BtnAnalisi() const { return analisi_; }
    QPushButton* BtnAzzera() const { return azzera_; }
    QPushButton* BtnOk() const { return ok_; }
    QPushButton* BtnAnnulla() const { return annulla_; }
    QPushButton* BtnAiuto() const { return aiuto_; }

    // A double click on a line of the list.
    void ApriCondizione(int riga);

    // The system with the link tables as shown.
    std::unique_ptr<TDatiSistema> CopiaConteggio(TSostituzioni s) override;
    TRigaConteggio* RigaConteggio() const { return rigaConteggio_; }

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // The copy examined afresh: the letters' colours, "Analisi", then AggiornaForm.
    void Attiva();
    void AggiornaForm();
    // The editors into the copy; a fault is shown and false returned.
    bool AcquisisceForm();
    void Change(char lettera);
    void MostraElenco();
    void Analisi();

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TGestoreLink* gestore_ = nullptr;
    TModelloRecuperi modello_;
    bool cambiato_ = false;
    bool attivato_ = false;
    std::array<QToolButton*, 26> lettere_{};
    QLabel* titolo_;
    QListWidget* elenco_;
    QScrollBar* scorrimento_;
    TLGraphpt* editorLink_;
    TLGraphpt* editorTotale_;
    QLineEdit* maxLink_;
    QLineEdit* maxTotale_;
    QPushButton* analisi_;
    QPushButton* azzera_;
    QPushButton* ok_;
    QPushButton* annulla_;
    QPushButton* aiuto_;
    TRigaConteggio* rigaConteggio_;
};

// "Analisi Delle Colonne Filtrate": for the letter pressed in "Recupero Condizioni", the three
// tables of refusals of the last development, as counts ("Valori") or percentages ("%"), and
// their print as shown.
class TFrmRecAna : public QDialog {
    Q_OBJECT
  public:
    TFrmRecAna(const TGestoreLink& gestore, char lettera, IMessaggi& messaggi, ISceltaFile& scelta,
               QWidget* parent = nullptr);

    // Fills the tables from the manager's statistics.
    void Aggiorna();
    QTableWidget* Tabella(int t) const { return tabelle_[static_cast<std::size_t>(t)]; }
    QToolButton* BtnPercentuali() const { return percentuali_; }
    QToolButton* BtnValori() const { return valori_; }
    TPulsantiStampa* PulsantiStampa() const { return stampa_; }

  private:
    void Mostra();
    TEsitoStampa Stampa(TModoStampa modo);

    const TGestoreLink& gestore_;
    char lettera_;
    TAnalisiRecuperi analisi_;
    std::array<QTableWidget*, 3> tabelle_{};
    QToolButton* percentuali_;
    QToolButton* valori_;
    TPulsantiStampa* stampa_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
};

}  // namespace sirvela
