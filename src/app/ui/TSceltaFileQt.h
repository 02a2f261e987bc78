#pragma once
#include <QString>
#include <QWidget>

#include "core/Interfacce.h"

namespace sirvela {

// "Desc|*.ext|Desc2|*.a;*.b" becomes "Desc (*.ext *.EXT ...);;Desc2 (...)". A description
// that already ends with its pattern in brackets keeps its text. Patterns also match the
// other letter cases, since file names of the other system differ only in case.
QString FiltroQt(const QString& filtro);

// Open and save dialogs of the platform.
class TSceltaFileQt : public ISceltaFile {
  public:
    explicit TSceltaFileQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void ImpostaGenitore(QWidget* g) { genitore_ = g; }
    std::optional<std::string> Apri(const TRichiestaFile& r) override;
    std::optional<std::string> Salva(const TRichiestaFile& r) override;

  private:
    std::optional<std::string> Esegui(const TRichiestaFile& r, bool salva);
    QWidget* genitore_;
};

}  // namespace sirvela
