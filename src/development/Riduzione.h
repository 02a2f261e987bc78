#pragma once
#include <cstdint>
#include <vector>

#include "core/Colonna.h"
#include "core/Interfacce.h"
#include "core/TListaColonne.h"
#include "development/IndiceVicini.h"

namespace sirvela {

class TVistaSviluppo;

// The on-the-fly reduction: each column that survives the conditions is kept (inserted at
// the front of the column list), deferred, or dropped at once against the columns kept so
// far. Column x covers y when their score reaches the guarantee.
class TRiduzioneAlVolo {
  public:
    enum class TEsito { Tenuta, Sospesa, Scartata };

    TRiduzioneAlVolo(TListaColonne& colonne, int garanzia);

    // In pass 1 the threshold is relaxed by 20 points below a guarantee of 90: a column
    // covered only at the relaxed threshold is deferred. In pass p > 1 a column is kept
    // while fewer than p kept columns score exactly the guarantee and none scores more.
    TEsito AccettaColonna(const TColonna& c, int passo);
    // Some kept column scores at least the guarantee against c.
    bool Coperta(const TColonna& c) const;
    void Tieni(const TColonna& c);
    // The column list was emptied behind our back.
    void Svuota() {
        indice_.Svuota();
        indiceGaranzia_.Svuota();
    }

    int Garanzia() const { return garanzia_; }
    int SogliaPrimoPasso() const { return sogliaPasso1_; }

  private:
    TListaColonne& colonne_;
    int garanzia_;
    int sogliaPasso1_;
    // The kept columns, in the order they were kept, indexed for the relaxed threshold and
    // for the guarantee (the latter finds fewer, so looks at fewer).
    TIndiceVicini indice_;
    TIndiceVicini indiceGaranzia_;
};

// The columns of a list as 8-byte words, in list order.
std::vector<std::uint64_t> ParoleDelleColonne(const TListaColonne& colonne);

// The optimised reduction: a greedy set cover over the column list that leaves in the list
// the chosen columns, most recently chosen first, such that every column of the list scores
// at least 101 - perditaAmmessa against a chosen one. Reports through the dialog's reduction
// refresh and polls the cancel token after every ten candidates of a scan and after every
// selection step. Returns false when cancelled; the list is then empty.
bool RiduzioneOttimizzata(TListaColonne& colonne, int perditaAmmessa, TVistaSviluppo& vista,
                          const TAnnullamento* annullamento);

}  // namespace sirvela
