#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <string>

#include "core/Interfacce.h"
#include "printing/Taratura.h"

namespace sirvela {

class TListaColonne;
class T_Sistema;

// "Impostazioni del Tabulato": the spacing between the ticket cells and the font of the list
// print. "Antemprima" previews the list of the given columns with the values on screen
// without keeping them; on OK the caller takes Risultato() and saves the settings.
class TFormImpostaTabulato : public QDialog {
    Q_OBJECT
  public:
    TFormImpostaTabulato(const TImpTabulato& imp, const TListaColonne& colonne,
                         std::string nomeSistema, IMessaggi& messaggi, ISceltaFile& scelta,
                         QWidget* parent = nullptr);

    TImpTabulato Risultato() const;

    QSpinBox* Orizzontale() const { return orizzontale_; }
    QSpinBox* Verticale() const { return verticale_; }
    QLabel* NomeCarattere() const { return nome_; }
    QLabel* Dimensione() const { return dimensione_; }
    QLabel* Stile() const { return stile_; }
    QPushButton* Cambia() const { return cambia_; }
    QPushButton* Anteprima() const { return anteprima_; }

  private:
    void AggiornaCarattere();
    void BtnCambiaClick();
    void BtnAnteprimaClick();

    TCarattere carattere_;
    const TListaColonne& colonne_;
    std::string nomeSistema_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;

    QSpinBox* orizzontale_;
    QSpinBox* verticale_;
    QLabel* nome_;
    QLabel* dimensione_;
    QLabel* stile_;
    QPushButton* cambia_;
    QPushButton* anteprima_;
};

// "Impostazioni...": the dialog over the document's list settings; on OK they are kept and
// the settings files rewritten. Returns whether the user confirmed.
bool ModificaImpostazioniTabulato(QWidget* genitore, T_Sistema& sistema,
                                  const TListaColonne& colonne, IMessaggi& messaggi,
                                  ISceltaFile& scelta);

}  // namespace sirvela
