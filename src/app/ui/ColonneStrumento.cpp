#include "app/ui/ColonneStrumento.h"

#include <QApplication>
#include <QCursor>

#include "app/ComandiColonne.h"
#include "app/ui/CursoreAttesa.h"

namespace sirvela {

namespace {

// Shows the hourglass from the moment a file was chosen.
class TSceltaConClessidra : public ISceltaFile {
  public:
    TSceltaConClessidra(ISceltaFile& s, TCursoreAttesa& c) : s_(s), c_(c) {}
    std::optional<std::string> Apri(const TRichiestaFile& r) override {
        auto p = s_.Apri(r);
        if (p) c_.Clessidra();
        return p;
    }
    std::optional<std::string> Salva(const TRichiestaFile& r) override { return s_.Salva(r); }

  private:
    ISceltaFile& s_;
    TCursoreAttesa& c_;
};

}  // namespace

bool ColonnePerStrumento(TOrigineColonne origine, const TDatiSistema& dati,
                         TListaColonne& strumento, IMessaggi& messaggi, ISceltaFile& scelta,
                         bool vuoteAmmesse) {
    if (origine == TOrigineColonne::DaMemoria) {
        strumento.Copia(dati.Colonne);
        return true;
    }
    TCursoreAttesa cursore(messaggi);
    TSceltaConClessidra conClessidra(scelta, cursore);
    const TControlloColonne controllo(dati.PilotiInGioco(), vuoteAmmesse);
    return ColonneDaFile(strumento, controllo, cursore, conClessidra) != TEsitoSorgente::Annullato;
}

}  // namespace sirvela
