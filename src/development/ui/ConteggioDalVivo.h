#pragma once
#include <QLabel>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "development/Conteggio.h"

namespace sirvela {

class TDatiSistema;

// What a window counts: the main window gives the system, a condition dialog the system with
// its own values in place of its condition (and of what the dialogs opened from it show).
class IFonteConteggio {
  public:
    virtual ~IFonteConteggio() = default;
    // A copy of the system with `s` in place; null when there is nothing to count (the live
    // count switched off, a development running, a dialog without its object).
    virtual std::unique_ptr<TDatiSistema> CopiaConteggio(TSostituzioni s) = 0;
};
// The nearest source among the parents of `o` (`o` itself excluded); null without one.
IFonteConteggio* FonteConteggio(const QObject* o);

// The live count of one window: results come on the window's thread, only for its latest
// request; a copy that counts the same as the one counted last is not counted again.
class TConteggioQt : public QObject {
    Q_OBJECT
  public:
    explicit TConteggioQt(QObject* parent = nullptr);
    ~TConteggioQt() override;

    // True when a new count started.
    bool Richiedi(std::unique_ptr<TDatiSistema> copia);
    // Nothing more is reported; the next request counts anew.
    void Annulla();
    // Stops a count still running, so that a window opened over this one counts alone; the
    // next request counts anew. A count that ended stays.
    void Sospendi();
    // The latest result of the latest request; empty until one came.
    const std::optional<TEsitoConteggio>& Ultimo() const { return ultimo_; }
    // Requests made so far, and the one the latest result belongs to.
    std::uint64_t Richieste() const { return richieste_; }
    std::uint64_t RichiestaUltimo() const { return richiestaUltimo_; }
    // What the latest request counts (ImprontaConteggio of its copy).
    const std::vector<std::uint8_t>& Impronta() const { return impronta_; }

  signals:
    // A result of the latest request: estimates while the exact count runs, then the count.
    void Risultato(const TEsitoConteggio& esito);

  private:
    std::unique_ptr<TConteggioDalVivo> motore_;
    std::uint64_t richiesta_ = 0;  // the engine's number of the latest request
    std::uint64_t richieste_ = 0;
    std::uint64_t richiestaUltimo_ = 0;
    std::vector<std::uint8_t> impronta_;
    std::optional<TEsitoConteggio> ultimo_;
    bool finito_ = false;  // the latest request's final result came
};

// The line at the bottom of a condition dialog: "Con queste impostazioni: 9.244 colonne
// (−5.754)" for the values the dialog shows, counted again after a short pause in editing
// and compared with the count of the values the dialog opened with. Hidden while there is
// nothing to count.
class TRigaConteggio : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kPausaMs = 300;

    // `copia` gives the system with the dialog's values, or null.
    TRigaConteggio(std::function<std::unique_ptr<TDatiSistema>()> copia, QWidget* dialogo);

    // Counts what the dialog shows now.
    void Aggiorna();
    const TConteggioQt& Conteggio() const { return conteggio_; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void Mostra(const TEsitoConteggio& e);

    std::function<std::unique_ptr<TDatiSistema>()> copia_;
    QWidget* dialogo_;
    TConteggioQt conteggio_;
    QTimer pausa_;
    // The values the dialog opened with, and their count.
    std::optional<std::vector<std::uint8_t>> improntaPrima_;
    std::optional<TEsitoConteggio> prima_;
    bool osserva_ = false;  // looking at the input events of the application
};

}  // namespace sirvela
