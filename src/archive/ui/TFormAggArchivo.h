#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/ui/CursoreAttesa.h"
#include "archive/AggiornamentoArchivio.h"

namespace sirvela {

class IMessaggi;
class TLCasSelector;

// "Aggiornamento Archivio": browse, add, change and delete archived contests. The edits work
// on the live archive; OK saves it, "Annulla" or the close box reloads the file when something
// changed.
class TFormAggArchivo : public QDialog {
    Q_OBJECT
  public:
    TFormAggArchivo(TArchivio& archivio, IMessaggi& messaggi, QWidget* parent = nullptr);

    const TAggiornamentoArchivio& Modello() const { return modello_; }
    QLabel* Numero() const { return numero_; }
    QLabel* Anno() const { return anno_; }
    QLabel* Posizione() const { return posizione_; }
    TLCasSelector* Piloti() const { return piloti_; }
    QToolButton* Primo() const { return primo_; }
    QToolButton* Precedente() const { return precedente_; }
    QToolButton* Successivo() const { return successivo_; }
    QToolButton* Ultimo() const { return ultimo_; }
    QToolButton* AnnoIndietro() const { return annoIndietro_; }
    QToolButton* AnnoAvanti() const { return annoAvanti_; }
    QPushButton* Modifica() const { return modifica_; }
    QPushButton* Aggiungi() const { return aggiungi_; }
    QPushButton* Elimina() const { return elimina_; }

    void done(int r) override;

  private:
    void AggiornaForm();
    template <class F>
    void Naviga(F&& passo) {
        passo(modello_);
        AggiornaForm();
    }
    void BtnAggiungiClick();
    void BtnModificaClick();

    TArchivio& archivio_;
    IMessaggi& messaggi_;
    TCursoreAttesa attesa_;  // the model's message box: the hourglass goes before a message
    TAggiornamentoArchivio modello_;
    QLabel* numero_;
    QLabel* anno_;
    QLabel* posizione_;
    TLCasSelector* piloti_;
    QToolButton* primo_;
    QToolButton* precedente_;
    QToolButton* successivo_;
    QToolButton* ultimo_;
    QToolButton* annoIndietro_;
    QToolButton* annoAvanti_;
    QPushButton* modifica_;
    QPushButton* aggiungi_;
    QPushButton* elimina_;
};

}  // namespace sirvela
