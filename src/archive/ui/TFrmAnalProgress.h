#pragma once
#include <QDialog>
#include <atomic>
#include <functional>
#include <string>

#include "archive/AnalisiStatistica.h"
#include "archive/AvanzamentoAnalisi.h"
#include "core/Interfacce.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace sirvela {

// The progress window of the statistics passes: "Analisi dell'archivio in corso..." over the
// selected contests or "Analisi delle colonne in corso..." over the source, a gauge and
// "Annulla" ("CancelBtn"). The analysis runs on a worker thread, so the window stays painted
// and the cancel is seen at the points where the analysis looks for it.
class TFrmAnalProgress : public QDialog, public IAvanzamentoAnalisi {
    Q_OBJECT
  public:
    explicit TFrmAnalProgress(QWidget* parent = nullptr);

    // Any thread.
    void Apri(TFaseAnalisi fase, std::int64_t scala) override;
    void Posizione(int percento) override;
    void Chiudi() override;
    bool Annullato() override { return annulla_.load(); }

    QLabel* Testo() const { return testo_; }
    QProgressBar* Barra() const { return barra_; }
    QPushButton* BtnAnnulla() const { return annullaBtn_; }

  private:
    QLabel* testo_;
    QProgressBar* barra_;
    QPushButton* annullaBtn_;
    std::atomic<bool> annulla_{false};
};

// Runs `lavoro` on a worker thread with the progress window (shown by the passes themselves)
// while this thread keeps the windows alive. Returns what `lavoro` returns; an error it throws
// is put in `errore` and counts as false.
bool EseguiConProgresso(QWidget* parent, const std::function<bool(IAvanzamentoAnalisi&)>& lavoro,
                        std::string& errore);

// A condition's analysis so run; an error goes to the message box. False when cancelled or
// failed (nothing to show).
bool AnalisiConProgresso(QWidget* parent, IMessaggi& messaggi, TCondizione& condizione,
                         const TParametriAnalisi& parametri, TRisultatiAnalisi& risultati);

}  // namespace sirvela
