#include "support/SistemaRicco.h"

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/Fabbrica.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"

namespace sirvela::test {
namespace {

void RiempiCategorie(TCondizione& c, int seme) {
    for (const auto& cat : c.Categorie()) {
        if (cat.Valori) {
            auto& v = *cat.Valori;
            v.Principale.Voci[seme % (v.Massimo + 1)].Stato = 1;
            v.Principale.Voci[(seme + 1) % (v.Massimo + 1)] = {
                2, static_cast<std::uint8_t>(1 + seme % 3)};
            v.Principale.LetteraLink = static_cast<char>('A' + seme % 3);
            v.Principale.GruppoTra = static_cast<std::uint16_t>(seme % 4);
            if (v.SecondariaAbilitata) v.Secondaria.Voci[1].Stato = 1;
        } else {
            auto& l = *cat.Intervalli;
            l.Intervalli[0] = {10.0 + seme, 20.0 + seme, 1, 0};
            l.Intervalli[1] = {30.5, 40.0, 2, static_cast<std::int16_t>(1 + seme % 2)};
            l.Quanti = 2;
            l.LetteraLink = 'C';
        }
    }
    c.AggiornaStato();
}

std::unique_ptr<TCondizione> Nuova(int tipo, TDatiSistema* d, int seme) {
    auto c = CreaCondizione(tipo, d);
    RiempiCategorie(*c, seme);
    if (auto g = dynamic_cast<TCondGruppo*>(c.get())) {
        for (int k = 0; k < 2; ++k) {
            auto m = CreaCondizione(g->TipoMembri(), d);
            RiempiCategorie(*m, seme + k);
            if (auto r = dynamic_cast<TCondResti*>(m.get())) r->Divisore = 7 + k;
            if (auto f = dynamic_cast<TCondColonnaFiltro*>(m.get())) {
                f->ColonnaFiltro = {1, 2, 3, 0, 90, 6, 7, 8};
                f->PilotiFiltro.Aggiungi(7);
                f->PilotiFiltro.Aggiungi(3);
                f->Confronto = k;
            }
            if (auto q = dynamic_cast<TCondSequela*>(m.get())) {
                q->TipoSequela = 1 + k * 3;
                q->Sequela = {1, 2, 1, 0, 0, 0, 0, 0};
                q->Lunghezza = 3;
                q->PassoTrovata = 2;
                q->ImpostaSecondaria();
            }
            m->Attivato = k == 0;
            g->Membri.push_back(std::move(m));
        }
    }
    return c;
}

}  // namespace

void RiempiSistemaRicco(T_Sistema& s) {
    TDatiSistema& d = s.Dati;
    for (int k = 1; k <= 16; ++k) {
        if (k == kQuadro) continue;
        d.Condizioni->Sostituisci(k, Nuova(k, &d, k));
    }
    auto* quadro = static_cast<TCondQuadro*>(d.Condizioni->Condizione(kQuadro));
    quadro->Nome = "Quadro di prova";
    quadro->Commento = {"primo", "", "più avanti"};
    quadro->Relazione = kOr;
    for (int tipo : {kSomme, kResti, kGruppoResti, kColonnaFiltro, kSequela, kNumeroSequenze})
        quadro->Membri.push_back(Nuova(tipo, &d, tipo));
    auto sub = std::make_unique<TCondQuadro>(&d, kNomeSubQuadro);
    sub->Membri.push_back(Nuova(kDistanzeSpecifiche, &d, 5));
    auto subsub = std::make_unique<TCondQuadro>(&d, "Profondo");
    subsub->Membri.push_back(Nuova(kConsecutivitaDifferenziata, &d, 2));
    sub->Membri.push_back(std::move(subsub));
    quadro->Membri.push_back(std::move(sub));
    quadro->ApplicaPreset();
    auto* tra = static_cast<TCondPuntiTra*>(d.Condizioni->Condizione(kPuntiTra));
    tra->Punti(3).Intervalli[0] = {5, 50, 1, 0};
    tra->Punti(3).Quanti = 1;
    d.Condizioni->AggiornaTutte();

    d.Recuperi->Gruppi[1]->ErroriAmmessi.Principale.Voci[2].Stato = 1;
    d.Recuperi->ErroriAmmessiTotali.Principale.Voci[3].Stato = 1;
    for (int p = 0; p < 8; ++p)
        for (int v = 1; v <= 10; v += 1 + p % 3) d.Pronostico.Posizione[p].Aggiungi(v);
    d.Concorso = 42;
    d.Archivio.Selezione = {false, 2, 9};
    d.ImpSviluppo.Autoriduzione = true;
    d.ImpSviluppo.Garanzia = 75;
    d.Sorgente.FileSorgente = "C:\\Sirvela\\Colonne\\Prova.Scl";
    s.Commento = {"Sistema per Monza", "", "velocità, curve e così via"};
    s.Partecipanti = {"Àlvaro", "Bea", "Ciro"};
    s.NumPartecipanti = 3;
    for (int i = 0; i < 30; ++i)
        d.Colonne.Accoda({1, 2, 3, 4, 5, 6, static_cast<std::uint8_t>(7 + i % 5),
                          static_cast<std::uint8_t>(20 - i % 7)});
}

}  // namespace sirvela::test
