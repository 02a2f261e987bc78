#pragma once
#include <QDialog>
#include <QHBoxLayout>
#include <QSpinBox>

#include "archive/AggiornamentoArchivio.h"

namespace sirvela {

class IMessaggi;
class TLCasSelector;

// "Editazione Concorso": number, year and the eight pilots of one contest. Accepted only when
// the editor's rules take the values; the result is then in Editor().Concorso.
class TFormModConc : public QDialog {
    Q_OBJECT
  public:
    TFormModConc(const TArchivio& archivio, IMessaggi& messaggi, TEditorConcorso::Modo modo,
                 const TEstrazione& iniziale, QWidget* parent = nullptr);

    const TEditorConcorso& Editor() const { return editor_; }
    QSpinBox* Numero() const { return numero_; }
    QSpinBox* Anno() const { return anno_; }
    TLCasSelector* Piloti() const { return piloti_; }
    void BtnOkClick();

  private:
    TEditorConcorso editor_;
    QSpinBox* numero_;
    QSpinBox* anno_;
    TLCasSelector* piloti_;
};

// The eight result boxes of the archive windows: one row of entry cells.
TLCasSelector* NuoveCaselleRisultato(IMessaggi& messaggi, QWidget* parent);
// "1º" .. "8º", each over its box.
QHBoxLayout* EtichettePosizioni(QWidget* parent);
// Cell i shows the pilot at position i; a position without a pilot is empty.
void MostraRisultato(TLCasSelector& caselle, const TColonna& vincente);

}  // namespace sirvela
