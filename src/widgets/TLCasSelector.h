#pragma once
#include <QFont>
#include <QLineEdit>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/PilotiInGioco.h"
#include "core/TCombinazione.h"

namespace sirvela {

class IMessaggi;
class TLCasSelector;

// One entry cell: a pilot number of at most two digits or "*" (any pilot).
class TCellaCas : public QLineEdit {
    Q_OBJECT
  public:
    TCellaCas(TLCasSelector* selettore, int indice);
    int Indice() const { return indice_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    TLCasSelector* selettore_;
    int indice_;  // 1-based
};

// A row (or block) of entry cells holding one pilot number each; the first NumFisse cells
// are the fixed ones, marked by a caption over a red bracket.
class TLCasSelector : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMaxCelle = TCombinazione::kCapacita;

    // `messaggi` tells the user why a cell was refused.
    explicit TLCasSelector(IMessaggi& messaggi, QWidget* parent = nullptr);

    void ImpostaTotaleNumeri(int n);
    void ImpostaNumFisse(int n);
    void ImpostaNumeriPerRiga(int n);
    void ImpostaCella(int larghezza, int altezza);
    void ImpostaDistanze(int orizzontale, int verticale);
    void ImpostaFontNormale(const QFont& f);
    void ImpostaFontFisse(const QFont& f);
    void ImpostaTestoFisse(const QString& t);
    void ImpostaReadOnly(bool r);
    // Enter in the last cell goes on to the window (its default button) instead of stopping
    // there: for a window whose cells are all it asks for.
    void ImpostaInvioAllaFinestra(bool si) { invioAllaFinestra_ = si; }

    // Cell i shows slot i: a number, "*" for 90, nothing for 0.
    void ImpostaValori(const TCombinazione& valori);
    const TCombinazione& Valori() const { return valori_; }
    // Reads the cells into `destinazione` in cell order, as a result's cells are read; on the
    // first bad cell says why (unless silent), focuses it and returns false.
    bool Acquisisci(TCombinazione& destinazione, bool silenzioso);
    // The pilots a cell may name; until set, 1..NumeroPiloti (what the archive takes).
    void ImpostaPiloti(const TPilotiInGioco& piloti) { piloti_ = piloti; }

    int TotaleNumeri() const { return totale_; }
    int NumFisse() const { return numFisse_; }
    int NumeriPerRiga() const { return perRiga_; }
    TCellaCas* Cella(int i) const;  // 1-based, nullptr outside
    bool MostraTestoFisse() const { return numFisse_ >= 1 && numFisse_ < perRiga_; }
    int MargineSinistro() const;
    int MargineSuperiore() const;

    // Moves the focus to cell i when it exists.
    void FuocoACella(int i);

  signals:
    void Cambiato();

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    friend class TCellaCas;
    void Ricostruisci();
    void TestoCambiato(int i, const QString& testo);
    static QString TestoValore(int valore);
    QFont FontDidascalia() const;

    std::vector<TCellaCas*> celle_;
    TCombinazione valori_;
    int totale_ = 10, numFisse_ = 0, perRiga_ = 4;
    int larghezza_ = 30, altezza_ = 20;
    int distOrizz_ = 5, distVert_ = 5;
    QFont fontNormale_, fontFisse_;
    QString testoFisse_ = "Fisse";
    bool readOnly_ = false;
    bool invioAllaFinestra_ = false;
    bool ricostruendo_ = false;
    std::optional<TPilotiInGioco> piloti_;
    IMessaggi& messaggi_;
};

}  // namespace sirvela
