#pragma once
// How a window prints. Its print command is an engine layout (see printing/Superficie.h)
// wrapped in a TComandoStampa; the window offers the three ways of running it with
// TPulsantiStampa ("Stampa", "Anteprima", "Salva PDF") and calls EseguiStampa with the one
// chosen:
//
//   TComandoStampa c;
//   c.Titolo = "Stampa Delle Tabelle";
//   c.Errore = "Impossibile Stampare Le Tabelle";
//   c.NomePdf = "Tabelle.pdf";
//   c.Disegna = [&](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
//       return StampaTabelle(p, dati, k);  // the engine layout
//   };
//   connect(pulsanti, &TPulsantiStampa::Scelto, this,
//           [=](TModoStampa m) { EseguiStampa(this, m, c, messaggi, scelta); });
//
// EseguiStampa keeps the window painted and "Annulla" working while the layout runs, and
// shows `Errore` when the printer or the file fails.
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>
#include <functional>
#include <string>

#include "core/Interfacce.h"
#include "printing/TmmPrinter.h"

class QPrinter;

namespace sirvela {

enum class TModoStampa { Stampa, Anteprima, SalvaPdf };

struct TComandoStampa {
    std::string Titolo;        // the job's name
    std::string Errore;        // shown when the printer or the file fails
    std::string NomePdf;       // suggested by "Salva PDF"
    bool Orizzontale = false;  // landscape pages, whatever the printer is set to
    // Draws the print; false when cancelled. The mode tells a layout whether it goes to paper
    // (the pause between tickets, for one, only makes sense there).
    std::function<bool(TmmPrinter&, TControlloStampa&, TModoStampa)> Disegna;
};

enum class TEsitoStampa { Completata, Annullata, Fallita };

// Told when a PDF print was stopped with "Annulla" while it was being drawn.
inline constexpr const char* kStampaAnnullataPdf = "Stampa annullata: nessun file scritto.";

// The printer of the program, set up by "Imposta Stampante"; millimetres are measured from
// the paper's corner.
QPrinter& StampanteProgramma();
// "Imposta Stampante": the platform's printer set-up dialog on the program's printer.
void ImpostaStampante(QWidget* genitore);

// Runs a print on the program's printer, in a preview window or into a PDF file the user
// picks. Whatever the print asks (the file name, the overwrite question) comes before the
// drawing; its progress window only while it draws. A failure shows the command's message (for
// a PDF followed by the reason) and is returned as Fallita; a PDF stopped with "Annulla" says
// that no file was written.
TEsitoStampa EseguiStampa(QWidget* genitore, TModoStampa modo, const TComandoStampa& comando,
                          IMessaggi& messaggi, ISceltaFile& scelta);

// The three buttons of a print command, side by side.
class TPulsantiStampa : public QWidget {
    Q_OBJECT
  public:
    explicit TPulsantiStampa(QWidget* parent = nullptr, const QString& testoStampa = "Stampa");
    QPushButton* Stampa() const { return stampa_; }
    QPushButton* Anteprima() const { return anteprima_; }
    QPushButton* Pdf() const { return pdf_; }

  signals:
    void Scelto(TModoStampa modo);

  private:
    QPushButton* stampa_;
    QPushButton* anteprima_;
    QPushButton* pdf_;
};

// The bottom row of a print dialog: the three print buttons, "Annulla" and "Aiuto" (opening
// the help topic). A print that completed on paper or into a PDF closes the dialog.
QHBoxLayout* RigaStampa(QDialog& dialogo, TPulsantiStampa*& pulsanti,
                        std::function<TEsitoStampa(TModoStampa)> stampa,
                        const QString& argomentoAiuto);

// The first and last item of a print range: moving one past the other moves the other along,
// so the first never passes the last.
void CollegaIntervallo(QSpinBox* primo, QSpinBox* ultimo);

// "Orientamento": "Verticale" / "Orizzontale".
QGroupBox* GruppoOrientamento(QWidget* genitore, QRadioButton*& verticale,
                              QRadioButton*& orizzontale);

}  // namespace sirvela
