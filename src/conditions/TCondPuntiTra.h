#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "conditions/TCondizione.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TValoriAmmessi.h"

namespace sirvela {

class TDatiSistema;

// What a Punti Tra group gathers: the tables assigned to it and the lowest and highest total
// they can reach together.
struct TEsameGruppoTra {
    TEsameTraLink Esame;  // one element per table, with its lowest and highest accepted value
    std::int64_t Min = 0;
    std::int64_t Max = 0;
    // The distinct conditions of the group, in the order found.
    std::vector<TCondizione*> Condizioni() const;
};

// Punti Tra (18): totals of the values that the tables of each of the 30 groups gather while
// a column is tested, each tested against the group's accepted intervals.
class TCondPuntiTra : public TCondizione {
  public:
    static constexpr int kGruppi = 30;

    explicit TCondPuntiTra(TDatiSistema* proprietario);

    std::array<std::uint32_t, kGruppi + 1> Totali{};  // groups 1..30; [0] unused
    std::vector<TIntervalliAmmessi> PuntiAmmessi;     // group g is PuntiAmmessi[g - 1]
    std::int32_t QuantiGruppi = 0;                    // highest group in use, 0 = none
    std::int32_t GruppoScelto = 1;

    TIntervalliAmmessi& Punti(int gruppo) {
        return PuntiAmmessi[static_cast<unsigned>(gruppo - 1)];
    }
    const TIntervalliAmmessi& Punti(int gruppo) const {
        return PuntiAmmessi[static_cast<unsigned>(gruppo - 1)];
    }
    // The totals of the column under test: this thread's own on a development's worker
    // thread (see TStatoFilo), else Totali.
    std::array<std::uint32_t, kGruppi + 1>& TotaliInUso();
    void AzzeraTotali() { TotaliInUso().fill(0); }

    // The tables in use assigned to a group (from the conditions switched on).
    TEsameGruppoTra EsaminaGruppo(int gruppo) const;
    // The group's total for one column: each condition of the group is run once.
    std::uint32_t TotaleGruppo(const TColonna& c, int gruppo);
    // The same with the group's conditions already examined (a statistics pass over many
    // columns examines them once). Runs on the system's own Punti Tra, which gathers totals.
    std::uint32_t TotaleGruppo(const TColonna& c, int gruppo,
                               const std::vector<TCondizione*>& condizioni);

    bool Valuta(const TColonna& c) override;
    void AggiornaStato() override;

    // Statistics of the group GruppoScelto: its interval rows when its list holds intervals,
    // otherwise the totals 0..the highest the group can reach.
    void PreparaStatistiche() override;
    int MassimoStatistica(int categoria) const override;
    void ValoriStatistici(const TColonna& c, TValoriColonna& valori) override;
    int GruppoStatistiche() const;

  private:
    std::vector<TCondizione*> condizioniStat_;
    std::int64_t massimoStat_ = 0;
};

}  // namespace sirvela
