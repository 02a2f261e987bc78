#include "app/ui/ColonneStrumento.h"

#include <QApplication>
#include <QCursor>

#include "app/ComandiColonne.h"

namespace sirvela {

namespace {

// The hourglass while the file is read; gone before any message box shows.
class TCursoreAttesa : public IMessaggi {
  public:
    explicit TCursoreAttesa(IMessaggi& m) : m_(m) {}
    int Mostra(const std::string& t, const std::string& x, int p) override {
        Normale();
        return m_.Mostra(t, x, p);
    }
    void Errore(const std::string& x) override {
        Normale();
        m_.Errore(x);
    }
    void Clessidra() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        attiva_ = true;
    }
    void Normale() {
        if (attiva_) QApplication::restoreOverrideCursor();
        attiva_ = false;
    }
    ~TCursoreAttesa() override { Normale(); }

  private:
    IMessaggi& m_;
    bool attiva_ = false;
};

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

bool ColonnePerStrumento(TOrigineColonne origine, const TListaColonne& memoria,
                         TListaColonne& strumento, IMessaggi& messaggi, ISceltaFile& scelta) {
    if (origine == TOrigineColonne::DaMemoria) {
        strumento.Copia(memoria);
        return true;
    }
    TCursoreAttesa cursore(messaggi);
    TSceltaConClessidra conClessidra(scelta, cursore);
    return ColonneDaFile(strumento, cursore, conClessidra) != TEsitoSorgente::Annullato;
}

}  // namespace sirvela
