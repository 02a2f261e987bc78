#pragma once
#include <cstdint>

namespace sirvela {

inline constexpr const char* kAnalisiArchivioInCorso = "Analisi dell'archivio in corso...";
inline constexpr const char* kAnalisiColonneInCorso = "Analisi delle colonne in corso...";

// The two passes an analysis shows in its progress window.
enum class TFaseAnalisi { Archivio, Colonne };

// What an analysis tells its progress window, and where it asks whether to stop. Every
// member has a default, so a caller without a window passes nothing.
class IAvanzamentoAnalisi {
  public:
    virtual ~IAvanzamentoAnalisi() = default;
    // The window opens on a pass whose gauge covers `scala` items.
    virtual void Apri(TFaseAnalisi /*fase*/, std::int64_t /*scala*/) {}
    virtual void Posizione(int /*percento*/) {}
    virtual void Chiudi() {}
    // The cancel poll; asked only at the points where an analysis looks for a cancel.
    virtual bool Annullato() { return false; }
};

// The gauge of one pass: counts the items done and moves the gauge to the rounded percentage
// only when that passes the shown position by more than 2, so it moves in steps of at least
// 3 %. Opens the window when made and closes it when destroyed.
class TContatoreAvanzamento {
  public:
    TContatoreAvanzamento(IAvanzamentoAnalisi* avanzamento, TFaseAnalisi fase, std::int64_t scala);
    ~TContatoreAvanzamento();
    TContatoreAvanzamento(const TContatoreAvanzamento&) = delete;
    TContatoreAvanzamento& operator=(const TContatoreAvanzamento&) = delete;

    void Avanza();
    bool Annullato() const { return avanzamento_ && avanzamento_->Annullato(); }
    int Mostrata() const { return mostrata_; }

  private:
    IAvanzamentoAnalisi* avanzamento_;
    std::int64_t scala_;
    std::int64_t fatti_ = 0;
    int mostrata_ = 0;
};

}  // namespace sirvela
