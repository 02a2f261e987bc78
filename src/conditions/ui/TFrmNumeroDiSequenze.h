#pragma once
#include <QToolButton>
#include <array>

#include "conditions/ModelliDialoghi.h"
#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

class TLGraphpt;

// "Numero di Sequenze": one editor "PtPresenze" showing the table of the length chosen in
// "Lunghezza della sequenza" ("1".."4"); the choice is kept in the object.
class TFrmNumeroDiSequenze : public TFrmCondizione {
    Q_OBJECT
  public:
    explicit TFrmNumeroDiSequenze(IMessaggi& messaggi, QWidget* parent = nullptr);
    QToolButton* BtnLunghezza(int lunghezza) const {
        return lunghezze_[static_cast<std::size_t>(lunghezza - 1)];
    }
    TLGraphpt* Editore() const { return editore_; }

  protected:
    void AggiornaParametri() override;
    void AcquisisceParametri() override;

  private:
    void MostraLunghezza();

    TModelloSequenze sequenze_;
    TLGraphpt* editore_;
    std::array<QToolButton*, 4> lunghezze_{};
};

}  // namespace sirvela
