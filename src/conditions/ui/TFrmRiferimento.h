#pragma once
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <array>

#include "conditions/ModelliDialoghi.h"
#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

class TGraphNumSelector;
class TLCasSelector;
class TLGraphpt;

// "Colonne Filtro": the members of "Gruppo Comb. Filtro", each compared "di Posizione" with
// the filter column of the eight boxes or "a Girare" with the pilots chosen in the selector
// (in the order they were chosen), and its editor "PtPunti".
class TFrmListaCombFiltro : public TFrmCondGruppo {
    Q_OBJECT
  public:
    explicit TFrmListaCombFiltro(IMessaggi& messaggi, QWidget* parent = nullptr);
    QRadioButton* DiPosizione() const { return diPosizione_; }
    QRadioButton* AGirare() const { return aGirare_; }
    TLCasSelector* Caselle() const { return caselle_; }
    TGraphNumSelector* Piloti() const { return piloti_; }
    QLabel* Ordine() const { return ordine_; }
    QWidget* PaginaPosizione() const { return posizione_; }
    QWidget* PaginaGirare() const { return girare_; }

  protected:
    void AggiornaMembro(TCondizione& membro) override;
    void MostraErrore(const TErroreGriglia& e) override;

  private:
    void MostraConfronto();

    TModelloColonnaFiltro filtro_;
    QRadioButton* diPosizione_;
    QRadioButton* aGirare_;
    QStackedWidget* pagine_;
    QWidget* posizione_;
    QWidget* girare_;
    TLCasSelector* caselle_;
    TGraphNumSelector* piloti_;
    QLabel* ordine_;
    bool aggiornando_ = false;  // the controls are being filled from the member
};

// "Sequele Pari Dispari": the members of "Gruppo Sequele", each with its type ("P", "M", "B",
// "J", "S"), the pattern of type "P", "Lunghezza" of the others, the steps beside "Passo :"
// and its editor "PtPresenze". "OK" refuses a pattern it could not look for.
class TFrmSequela : public TFrmCondGruppo {
    Q_OBJECT
  public:
    explicit TFrmSequela(IMessaggi& messaggi, QWidget* parent = nullptr);
    // Type 1..5, step button TModelloSequela::kPasso2..kPassoX.
    QToolButton* BtnTipo(int tipo) const { return tipi_[std::size_t(tipo - 1)]; }
    QToolButton* BtnPasso(int passo) const { return passi_[std::size_t(passo - 2)]; }
    TLCasSelector* Schema() const { return schema_; }
    QSpinBox* Lunghezza() const { return lunghezza_; }
    QSpinBox* PassoTrovata() const { return trovata_; }
    QSpinBox* PassoNonTrovata() const { return nonTrovata_; }
    TLGraphpt* Editore() const { return editore_; }

  protected:
    void AggiornaMembro(TCondizione& membro) override;
    void MostraErrore(const TErroreGriglia& e) override;

  private:
    // The controls from the model: values and enabling.
    void MostraSequela();

    TModelloSequela sequela_;
    std::array<QToolButton*, 5> tipi_{};
    std::array<QToolButton*, 5> passi_{};
    TLCasSelector* schema_;
    QSpinBox* lunghezza_;
    QSpinBox* trovata_;
    QSpinBox* nonTrovata_;
    TLGraphpt* editore_;
    bool aggiornando_ = false;
};

}  // namespace sirvela
