#pragma once
// Helpers shared by the tests of the framework, the links, Punti Tra and Quadri.
#include <memory>
#include <vector>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/Fabbrica.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"
#include "test_ProprietaComuni.h"

namespace sirvela::test {

// The preparation the development does before testing columns.
inline void Prepara(TDatiSistema& dati) {
    auto& insieme = *dati.Condizioni;
    insieme.AzzeraTutteStatistiche();
    insieme.AggiornaTutte();
    insieme.CostruisciAttive();
    insieme.RaccogliErrori = false;
    dati.Recuperi->Esamina();
    dati.Recuperi->AzzeraStatistiche();
    dati.Recuperi->AggiornaStato();
}

template <typename T>
T& Slot(TDatiSistema& dati, int slot) {
    return dynamic_cast<T&>(*dati.Condizioni->Condizione(slot));
}

inline std::vector<std::uint8_t> RecordInsieme(const TDatiSistema& dati) {
    TScrittore s;
    EXPECT_TRUE(dati.Condizioni->Salva(s));
    return s.Dati();
}

// A Resti member accepting the given remainders.
inline std::unique_ptr<TCondResti> Resto(TDatiSistema& dati, int divisore,
                                         std::initializer_list<int> ammessi) {
    auto r = std::make_unique<TCondResti>(&dati);
    r->Divisore = divisore;
    Ammetti(r->Resto.Principale, ammessi);
    return r;
}

// A set with every container holding members, nested Quadri, recovery values and Punti Tra.
inline void RiempiSistemaCompleto(TDatiSistema& dati) {
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Dispari.Intervalli[2] = {7.5, 19, 2, 3};
    somme.Dispari.Quanti = 3;
    somme.Dispari.LetteraLink = 'S';
    Ammetti(Slot<TCondPariDispari>(dati, kPariDispari).Dispari.Secondaria, {2});
    Slot<TCondVortici>(dati, kVortici).PosizioneDiretto.CampoDa = 3;
    Slot<TCondRipetizioni>(dati, kRipetizioni).Opzione = 1;
    Slot<TCondNumeroSequenze>(dati, kNumeroSequenze).LunghezzaMostrata = 3;
    Slot<TCondSimmetrie>(dati, kSimmetrie).Attivato = false;
    for (int contenitore = 11; contenitore <= 15; ++contenitore) {
        auto& g = Slot<TCondGruppo>(dati, contenitore);
        g.AggiungiMembro();
        auto* m = g.AggiungiMembro();
        m->Attivato = false;
        if (auto* f = dynamic_cast<TCondColonnaFiltro*>(m)) {
            f->ColonnaFiltro = Col({9, 90, 0, 1, 2, 3, 4, 5});
            f->PilotiFiltro.Aggiungi(17);
        }
        if (auto* s = dynamic_cast<TCondSequela*>(m)) s->TipoSequela = 5;
    }
    auto& tra = Slot<TCondPuntiTra>(dati, kPuntiTra);
    tra.Punti(2).Intervalli[0] = {3, 4, 1, 0};
    tra.Punti(2).Quanti = 1;

    auto& q = Slot<TCondQuadro>(dati, kQuadro);
    q.Commento = {"prima riga", "è la seconda"};
    q.Relazione = kXor;
    q.Aggiungi(CreaCondizione(kBaricentri, &dati));
    auto gruppo = CreaCondizione(kGruppoSequele, &dati);
    dynamic_cast<TCondGruppo&>(*gruppo).AggiungiMembro();
    q.Aggiungi(std::move(gruppo));
    auto sub = std::make_unique<TCondQuadro>(&dati, kNomeSubQuadro);
    sub->Preset = false;
    Ammetti(sub->Accettate.Secondaria, {0, 999});
    auto subsub = std::make_unique<TCondQuadro>(&dati, kNomeSubQuadro);
    subsub->Nome = "Profondo";
    subsub->Aggiungi(CreaCondizione(kColonnaFiltro, &dati));
    subsub->Aggiungi(CreaCondizione(kPuntiTra, &dati));
    sub->Aggiungi(std::move(subsub));
    sub->Aggiungi(CreaCondizione(kResti, &dati));
    q.Aggiungi(std::move(sub));
    q.Aggiungi(CreaCondizione(kGruppoColonneFiltro, &dati));
    // Values in play everywhere, some in recovery, some gathered by Punti Tra.
    AmmettiDa(Slot<TCondBaricentri>(dati, kBaricentri).Tutti.Principale, 3, 20);
    auto& dist = Slot<TCondDistanzeGlobali>(dati, kDistanzeGlobali);
    AmmettiDa(dist.Totale.Principale, 10, 89);
    dist.Totale.Principale.Voci[40] = {2, 2};
    dist.Totale.Principale.LetteraLink = 'D';
    dist.Totale.Principale.GruppoTra = 2;
    for (int contenitore = 11; contenitore <= 15; ++contenitore)
        for (auto& m : Slot<TCondGruppo>(dati, contenitore).Membri)
            for (const TCategoria& cat : m->Categorie())
                if (cat.Valori) AmmettiDa(cat.Valori->Principale, 0, 5);
    Ammetti(dati.Recuperi->Gruppo('D')->ErroriAmmessi.Principale, {0, 1});
}

}  // namespace sirvela::test
