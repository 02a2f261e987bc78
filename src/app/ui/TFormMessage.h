#pragma once
#include <QDialog>
#include <QPushButton>
#include <QStyle>
#include <vector>

#include "core/Interfacce.h"

namespace sirvela {

// Where the words of a message go: each word's box, to the right of the icon.
struct TImpaginazioneTesto {
    std::vector<QRect> Parole;
    std::vector<QString> Testi;
    int Fondo = 0;  // lowest pixel used by the text
};

// Word by word from `sinistra` and 12 pixels from the top; a word that would pass 10 pixels
// before `larghezza` starts a new line. A line break in the text also starts one.
TImpaginazioneTesto ImpaginaTesto(const QString& testo, const QFontMetrics& fm, int sinistra,
                                  int larghezza);

// Left edges of n buttons of width `pulsante` spread with equal gaps over `larghezza`.
std::vector<int> PosizioniPulsanti(int larghezza, int pulsante, int n);

// The program's message box: a title, a text drawn beside an icon and the buttons of the
// given codes (1 Ok, 2 Si, 4 No, 8 Annulla), shown left to right as Si, Ok, No, Annulla.
// Returns the code pressed, 0 when the box was closed otherwise.
class TFormMessage : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kLarghezza = 400;
    static constexpr int kLarghezzaPulsante = 80;
    static constexpr int kAltezzaPulsante = 25;

    TFormMessage(const QString& titolo, const QString& testo, int pulsanti,
                 QStyle::StandardPixmap icona = QStyle::SP_MessageBoxInformation,
                 QWidget* parent = nullptr);

    int Esegui();
    int Risposta() const { return risposta_; }
    const QString& Testo() const { return testo_; }
    // The visible buttons, in their order on screen.
    const std::vector<QPushButton*>& Pulsanti() const { return pulsanti_; }
    const TImpaginazioneTesto& Impaginazione() const { return impaginazione_; }
    QRect RettangoloIcona() const { return QRect(12, 12, 32, 32); }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString testo_;
    QPixmap icona_;
    std::vector<QPushButton*> pulsanti_;
    TImpaginazioneTesto impaginazione_;
    int risposta_ = 0;
};

// The message box as the engine sees it.
class TMessaggiQt : public IMessaggi {
  public:
    explicit TMessaggiQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void ImpostaGenitore(QWidget* g) { genitore_ = g; }
    int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) override;
    void Errore(const std::string& testo) override;

  private:
    QWidget* genitore_;
};

}  // namespace sirvela
