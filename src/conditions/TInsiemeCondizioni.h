#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "conditions/TCondizione.h"

namespace sirvela {

class TCondPariDispari;
class TCondPuntiTra;
class TCondSomme;
class TDatiSistema;
class TLettore;
class TScrittore;

// The condition set of a system: one condition per type code 1..18 in its slot, the list of
// those in play, and the column test.
class TInsiemeCondizioni {
  public:
    explicit TInsiemeCondizioni(TDatiSistema* proprietario);
    ~TInsiemeCondizioni();

    TDatiSistema* Proprietario;
    std::array<std::unique_ptr<TCondizione>, 18> Condizioni;  // slot k is Condizioni[k - 1]
    std::array<TCondizione*, 18> Attive{};
    int QuanteAttive = 0;
    bool RaccogliErrori = false;
    std::vector<TErrore> ListaErrori;

    TCondizione* Condizione(int slot) const;  // 1..18, null outside
    // Puts a new condition of the slot's kind in its place (import, tests); a condition of
    // another kind is refused and false returned.
    bool Sostituisci(int slot, std::unique_ptr<TCondizione> nuova);
    TCondPuntiTra* PuntiTra() const;
    bool PuntiTraAttivo() const;

    void AggiornaTutte();
    void CostruisciAttive();
    void AzzeraTutteStatistiche();
    void ImpostaPercorsi();
    // Before the set tests columns (a development, a check against a result): the paths
    // that label conditions in lists and error records, the derived states, the list in play.
    void Prepara(bool raccogliErrori);
    // The column test: pre-test, conditions in play in slot order with early exit (normal
    // mode), then the link check.
    bool Verifica(const TColonna& c);
    // The same test for a column known to pass the pre-test (in normal mode): the rest only.
    bool VerificaDopoPreTest(const TColonna& c);
    bool Salva(TScrittore& s) const;
    // Fails also when the record holds more conditions than a system may (LimiteSuperato).
    bool Carica(TLettore& l);
    bool LimiteSuperato = false;  // the last Carica stopped at kMassimoCondizioni
    // The conditions of the set, members included.
    std::int64_t QuanteCondizioni() const;

  private:
    void RileggiSlot();
    // The slots the column test reaches directly; refreshed whenever the set is prepared.
    TCondSomme* somme_ = nullptr;
    TCondPariDispari* pariDispari_ = nullptr;
    TCondPuntiTra* puntiTra_ = nullptr;
};

}  // namespace sirvela
