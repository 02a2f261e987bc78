#pragma once
#include <vector>

#include "conditions/TCondizione.h"
#include "development/Sviluppo.h"

namespace sirvela {

class T_Sistema;
class TInsiemeCondizioni;
class TGestoreLink;

// Conditions whose only effect is their verdict, tested in turn until one rejects: those that
// reject most go first. Which they are is learnt on the first columns, each tested by all.
class TElencoSemplice {
  public:
    static constexpr int kCampioni = 4096;
    void Svuota();
    void Aggiungi(TCondizione* c);
    bool Verifica(const TColonna& c) {
        if (daCampionare_ > 0) return Campiona(c);
        for (TCondizione* f : foglie_)
            if (!f->Valuta(c)) return false;
        return true;
    }
    const std::vector<TCondizione*>& Foglie() const { return foglie_; }

  private:
    bool Campiona(const TColonna& c);
    std::vector<TCondizione*> foglie_;
    std::vector<std::int64_t> rifiuti_;
    int daCampionare_ = 0;
};

// A system's condition set and link manager as the development's column test.
class TTestCondizioni : public ITestColonne {
  public:
    TTestCondizioni(TInsiemeCondizioni& condizioni, TGestoreLink& recuperi);
    ~TTestCondizioni() override;
    void Prepara() override;
    bool Verifica(const TColonna& c) override;
    bool VerificaPreFiltrata(const TColonna& c) override;
    std::unique_ptr<ITestColonne> CopiaPerFilo() override;
    std::int64_t MemoriaCopia() const override;
    std::unique_ptr<TStatisticheTest> PrendiStatistiche() override;
    void Unisci(TStatisticheTest& statistiche) override;
    bool PreFiltro(TPreFiltro& filtro) const override;
    const TPotatura* Potatura() const override;

    // After Prepara: whether the test is a plain AND of the conditions in play (see Semplice).
    bool Semplice() const { return semplice_; }

  private:
    class TCopia;
    void PreparaSemplice();
    void PreparaPotatura();

    TInsiemeCondizioni& condizioni_;
    TGestoreLink& recuperi_;
    // Without recovery values, Punti Tra or a link table that can refuse a column, a condition
    // has no effect but its verdict: the test walks the conditions in play as one flat list
    // (group members included, those the pre-filter decides left out of the second) and skips
    // the per-column link and Punti Tra bookkeeping.
    bool semplice_ = false;
    TElencoSemplice foglie_;
    TElencoSemplice dopoPreFiltro_;
    // Remainders of the total, decided by the pre-filter on the plain path.
    std::vector<TCondizione*> restiNelFiltro_;
    // The bounds of the conditions tried before any that may register a recovery error: a
    // subtree they rule out holds no column that would have touched the link groups.
    std::unique_ptr<TPotatura> potatura_;
};

// Copies what the column test of `da` reads into `in`: archive, position sets, pilots,
// contest, and the conditions and link tables through their records. False when a record does
// not read back.
bool CopiaPerTest(const TDatiSistema& da, TDatiSistema& in);

// What the development reads of a document. Pilots out of play stay in the document (and its
// file) but are never developed: `inGioco` holds the document's position sets without them and
// must outlive the result, which points at it.
TDatiSviluppo DatiDelSistema(const TDatiSistema& d, const TPronostico& inGioco);

// "Calcolo Colonne" on the open document: develops its position sets (or source file) with
// its conditions into its column list or destination file, and records the outcome in the
// document (Sviluppato, ColonneSviluppate, ContaAmmesse) also when the run ends with an
// error. The threads are the program setting unless `servizi` names them. The test of `servizi` is
// replaced by the document's conditions. Throws TErroreSirvela like the engine.
void SviluppaSistema(T_Sistema& sistema, const TServiziSviluppo& servizi, TEsitoSviluppo& esito);

}  // namespace sirvela
