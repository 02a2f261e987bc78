#include <gtest/gtest.h>

#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/Modifica.h"
#include "conditions/ui/TFrmCondizione.h"
#include "conditions/ui/TFrmRiferimento.h"
#include "core/TDatiSistema.h"
#include "gui/Schermate.h"
#include "support/Finti.h"

using namespace sirvela;

namespace {

template <class T>
T& Slot(TInsiemeCondizioni& insieme, int slot) {
    return static_cast<T&>(*insieme.Condizione(slot));
}

template <class T>
T& Nuovo(TInsiemeCondizioni& insieme, int slot) {
    return static_cast<T&>(*Slot<TCondGruppo>(insieme, slot).AggiungiMembro());
}

}  // namespace

// The dialogs of the run, shape and reference conditions with some values in.
TEST(Schermate, Condizioni2) {
    SALTA_SENZA_SCHERMATE();
    TDatiSistema d;
    d.Archivio.Estrazioni.resize(1);
    auto& insieme = *d.Condizioni;
    auto& cd = Slot<TCondCrescenzeDecrescenze>(insieme, kCrescenzeDecrescenze);
    for (int v : {2, 3, 4}) cd.Crescenze.Principale.Voci[std::size_t(v)] = {1, 0};
    cd.Crescenze.Principale.Voci[5] = {2, 3};
    auto& v = Slot<TCondVortici>(insieme, kVortici);
    v.PosizioneDiretto.Principale.Voci[4] = {1, 0};
    v.PosizioneDiretto.CampoDa = 2;
    auto& ns = Slot<TCondNumeroSequenze>(insieme, kNumeroSequenze);
    ns.Lunghezza2.Principale.Voci[1] = {1, 0};
    ns.LunghezzaMostrata = 2;
    auto& consec = Nuovo<TCondConsecDiff>(insieme, kGruppoConsecutivita);
    consec.Segni.Principale.Voci[4] = {1, 0};
    Nuovo<TCondConsecDiff>(insieme, kGruppoConsecutivita).Segno = 0;
    auto& posizione = Nuovo<TCondColonnaFiltro>(insieme, kGruppoColonneFiltro);
    posizione.Confronto = 0;
    posizione.ColonnaFiltro = {5, 3, 0, 2, 4, 6, 0, 8};
    auto& girare = Nuovo<TCondColonnaFiltro>(insieme, kGruppoColonneFiltro);
    for (int p : {7, 3, 12, 5}) girare.PilotiFiltro.Aggiungi(p);
    auto& particolare = Nuovo<TCondSequela>(insieme, kGruppoSequele);
    particolare.Sequela = {2, 1, 2};
    particolare.Lunghezza = 3;
    particolare.PassoTrovata = 3;
    auto& mono = Nuovo<TCondSequela>(insieme, kGruppoSequele);
    mono.TipoSequela = 5;
    mono.Lunghezza = 4;
    mono.PassoTrovata = mono.PassoNonTrovata = 2;

    test::TMessaggiFinti messaggi;
    const std::pair<int, const char*> dialoghi[] = {
        {kNumeriConsecutivi, "cond-numeri-consecutivi"},
        {kNumeroSequenze, "cond-numero-sequenze"},
        {kCrescenzeDecrescenze, "cond-crescenze-decrescenze"},
        {kGruppoConsecutivita, "cond-consecutivita-differenziata"},
        {kInterruzioni, "cond-interruzioni"},
        {kSimmetrie, "cond-simmetrie"},
        {kVortici, "cond-vortici"},
        {kRipetizioni, "cond-ripetizioni"},
        {kGruppoColonneFiltro, "cond-colonne-filtro"},
        {kGruppoSequele, "cond-sequele"},
    };
    for (const auto& [tipo, nome] : dialoghi) {
        auto f = CreaDialogoCondizione(tipo, messaggi, nullptr);
        ASSERT_TRUE(f);
        f->ImpostaOggetto(*insieme.Condizione(tipo));
        test::SalvaSchermata(*f, nome);
        if (auto* g = dynamic_cast<TFrmCondGruppo*>(f.get())) {
            g->BtnUltimo()->click();
            test::SalvaSchermata(*f, QString(nome) + "-ultimo");
        }
    }
}
