#pragma once
#include "development/Sviluppo.h"

namespace sirvela {

class T_Sistema;
class TInsiemeCondizioni;
class TGestoreLink;

// A system's condition set and link manager as the development's column test.
class TTestCondizioni : public ITestColonne {
  public:
    TTestCondizioni(TInsiemeCondizioni& condizioni, TGestoreLink& recuperi)
        : condizioni_(condizioni), recuperi_(recuperi) {}
    void Prepara() override;
    bool Verifica(const TColonna& c) override;
    bool VerificaPreFiltrata(const TColonna& c) override;
    std::unique_ptr<ITestColonne> CopiaPerFilo() override;
    void Unisci(ITestColonne& copia) override;
    bool PreFiltro(TPreFiltro& filtro) const override;

  private:
    TInsiemeCondizioni& condizioni_;
    TGestoreLink& recuperi_;
};

// "Calcolo Colonne" on the open document: develops its position sets (or source file) with
// its conditions into its column list or destination file, and records the outcome in the
// document (Sviluppato, ColonneSviluppate, ContaAmmesse) also when the run ends with an
// error. The threads are the program setting unless `servizi` names them. The test of `servizi` is
// replaced by the document's conditions. Throws TErroreSirvela like the engine.
void SviluppaSistema(T_Sistema& sistema, const TServiziSviluppo& servizi, TEsitoSviluppo& esito);

}  // namespace sirvela
