#include "printing/StampaCondizioni.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TCondizione.h"
#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {

namespace {

constexpr double kRientro = 4;  // parameters and categories under the name
constexpr double kRientroValori = 8;
constexpr double kRientroMembri = 6;
constexpr double kMargineDestro = 10;

std::string Corsa(int da, int a) {
    return da == a ? std::to_string(da) : std::to_string(da) + "-" + std::to_string(a);
}

std::string Livello(int livello) {
    return " (Liv. " + std::to_string(livello) + ")";
}

int Ultimo(const TValoriAmmessi& v) {
    return std::clamp<int>(v.Massimo, 0, TTabellaValori::kValori - 1);
}

const char* NomeSequela(int tipo) {
    switch (tipo) {
        case 1:
            return "Particolare";
        case 2:
            return "Monotermine";
        case 3:
            return "Bitermine";
        case 4:
            return "Generica";
        case 5:
            return "Coppie Speculari";
        default:
            return "";
    }
}

// The lines each kind prints between its name and its categories.
std::vector<std::string> Parametri(const TCondizione& c) {
    switch (c.TipoCondizione) {
        case kRipetizioni:
            return {std::string("Tipo :") + (c.Opzione == 1 ? " Pari Dispari" : " Numeriche")};
        case kResti:
            return {"Resto Della Divisione Per " +
                    std::to_string(static_cast<const TCondResti&>(c).Divisore)};
        case kDistanzeSpecifiche: {
            const auto& d = static_cast<const TCondDistanzeSpecifiche&>(c);
            return {"Prima Posizione : " + std::to_string(d.Posizione1) +
                    "    Seconda Posizione : " + std::to_string(d.Posizione2)};
        }
        case kConsecutivitaDifferenziata:
            return {std::string("Segno : ") +
                    (static_cast<const TCondConsecDiff&>(c).Segno ? "P" : "D")};
        case kColonnaFiltro: {
            const auto& f = static_cast<const TCondColonnaFiltro&>(c);
            if (f.Confronto == 0) {
                std::string colonna;
                for (std::uint8_t v : f.ColonnaFiltro)
                    colonna += (colonna.empty() ? "" : " ") + (v == 0        ? std::string("-")
                                                               : v == kJolly ? "*"
                                                                             : std::to_string(v));
                return {"Tipo di Confronto : di Posizione", "Colonna Filtro : " + colonna};
            }
            return {"Tipo di Confronto : a Girare", "Piloti : " + ListaInTesto(f.PilotiFiltro)};
        }
        case kSequela: {
            const auto& s = static_cast<const TCondSequela&>(c);
            std::vector<std::string> righe{std::string("Tipo : ") + NomeSequela(s.TipoSequela)};
            if (s.TipoSequela == 1) {
                std::string segni;
                for (std::uint8_t v : s.Sequela)
                    if (v != 0) segni += (segni.empty() ? "" : " ") + TestoCodiceSegno(v);
                righe.push_back("Sequela : " + segni);
            } else {
                righe.push_back("Lunghezza : " + std::to_string(s.Lunghezza));
            }
            righe.push_back("Passo Trovata : " + std::to_string(s.PassoTrovata) +
                            "    Passo NonTrovata : " + std::to_string(s.PassoNonTrovata));
            return righe;
        }
        case kQuadro: {
            const auto& q = static_cast<const TCondQuadro&>(c);
            if (!q.Preset) return {};
            return {"Relazione :" + std::string(TestoRelazione(q.Relazione))};
        }
        default:
            return {};
    }
}

// Vortici work on the Campo of their "Posizione" categories.
bool UsaCampo(const TCondizione& c, const TValoriAmmessi* v) {
    if (c.TipoCondizione != kVortici) return false;
    const auto& vortici = static_cast<const TCondVortici&>(c);
    return v == &vortici.PosizioneDiretto || v == &vortici.PosizioneInverso;
}

class TStampaBlocco {
  public:
    TStampaBlocco(TmmPrinter& p, double& y) : p_(p), y_(y) {}

    void Condizione(const TCondizione& c, const std::string& titolo, double x) {
        Riga(kCarattereCondizione, x, titolo);
        for (const auto& r : Parametri(c)) Riga(kCarattereValori, x + kRientro, r);
        for (const TCategoria& cat : c.Categorie()) {
            if (const TValoriAmmessi* v = cat.Valori) {
                std::string nome = cat.Nome;
                if (UsaCampo(c, v)) nome += " (Campo " + Corsa(v->CampoDa, v->CampoA) + ")";
                Tabella(v->Principale, Ultimo(*v), nome, x + kRientro);
                if (v->SecondariaAbilitata)
                    Tabella(v->Secondaria, Ultimo(*v), cat.Nome + " (Serie)", x + kRientro);
            } else if (const TIntervalliAmmessi* l = cat.Intervalli) {
                if (l->Conta() == 0) continue;
                Riga(kCarattereCategoria, x + kRientro, cat.Nome);
                Valori(x + kRientroValori, VociIntervalli(*l, 1), VociIntervalli(*l, 2),
                       l->LetteraLink);
            }
        }
        if (const auto* g = dynamic_cast<const TCondContenitore*>(&c)) {
            int n = 0;
            for (const auto& m : g->Membri) {
                ++n;
                if (!m->Attivato || !m->Attivo) continue;
                Condizione(*m, m->Nome + " Nº " + std::to_string(n), x + kRientroMembri);
            }
        }
    }

  private:
    // Names and headings stay on the page of the line that follows them.
    void Riga(const TCarattereStampa& f, double x, const std::string& testo) {
        p_.Carattere(f);
        const bool titolo = f.Grassetto;
        y_ = p_.Spazio(y_, (titolo ? 2 : 1) * p_.AltezzaTesto());
        p_.Scrivi(x, y_, testo);
        y_ += p_.AltezzaTesto();
    }

    void Tabella(const TTabellaValori& t, int massimo, std::string nome, double x) {
        if (!t.HaValori(massimo)) return;
        if (t.GruppoTra != 0) nome += "  (Gruppo Tra " + std::to_string(t.GruppoTra) + ")";
        Riga(kCarattereCategoria, x, nome);
        Valori(x + kRientroValori - kRientro, VociTabella(t, massimo, 1),
               VociTabella(t, massimo, 2), t.LetteraLink);
    }

    void Valori(double x, const std::vector<std::string>& ammessi,
                std::vector<std::string> recupero, char link) {
        p_.Carattere(kCarattereValori);
        const double destra = p_.LarghezzaPagina() - kMargineDestro;
        if (!ammessi.empty())
            y_ = p_.ScriviElenco(x, y_, std::string(kIntervalliAmmessi) + " ", ammessi, ", ",
                                 destra);
        if (!recupero.empty()) {
            recupero.back() += "    Link " + std::string(1, link);
            y_ = p_.ScriviElenco(x, y_, std::string(kIntervalliInRecupero) + " ", recupero, ", ",
                                 destra);
        }
    }

    TmmPrinter& p_;
    double& y_;
};

}  // namespace

std::vector<std::string> VociTabella(const TTabellaValori& t, int massimo, int stato) {
    std::vector<std::string> voci;
    massimo = std::clamp(massimo, 0, TTabellaValori::kValori - 1);
    for (int v = 0; v <= massimo;) {
        const TVoceValore voce = t.Voci[static_cast<std::size_t>(v)];
        if (voce.Stato != stato) {
            ++v;
            continue;
        }
        int fine = v;
        while (fine < massimo && t.Voci[static_cast<std::size_t>(fine + 1)].Stato == stato &&
               (stato != 2 || t.Voci[static_cast<std::size_t>(fine + 1)].Livello == voce.Livello))
            ++fine;
        voci.push_back(Corsa(v, fine) + (stato == 2 ? Livello(voce.Livello) : ""));
        v = fine + 1;
    }
    return voci;
}

std::vector<std::string> VociIntervalli(const TIntervalliAmmessi& l, int tipo) {
    std::vector<std::string> voci;
    for (int i = 0; i < l.Conta(); ++i) {
        const TIntervallo& iv = l.Intervalli[static_cast<std::size_t>(i)];
        if (iv.Tipo != tipo) continue;
        std::string t = TestoIntervallo(iv);
        if (tipo == 2) t += Livello(iv.Livello);
        voci.push_back(std::move(t));
    }
    return voci;
}

void TCondizione::Stampa(TmmPrinter& p, double& y, double x) const {
    TStampaBlocco(p, y).Condizione(*this, Nome, x);
}

}  // namespace sirvela
