#include "printing/StampaProspetto.h"

#include <fmt/format.h>
#include <algorithm>
#include <ctime>

#include "conditions/TInsiemeCondizioni.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "printing/StampaSchedine.h"
#include "printing/StampaTabulato.h"
#include "printing/Superficie.h"

namespace sirvela {

namespace {

constexpr double kSinistra = 10;
constexpr double kDopoBlocco = 10;
// Sizes of the sheet's tables are given in screen units of 0.34 mm.
constexpr double kMmPerUnita = 0.34;
const TCarattereStampa kCarattereIntestazione{"Arial", 10, false, false};
const TCarattereStampa kCarattereTitolo{"Arial", 14, true, false};
const TCarattereStampa kCarattereTitoletto{"Arial", 10, true, false};
const TCarattereStampa kCarattereInformazioni{"Arial", 8, false, false};
const TCarattereStampa kCarattereSchedina{"Arial", 10, false, false};

int NumeroCopie(const T_Sistema& s, const TSceltaProspetto& scelta) {
    if (scelta.PerPartecipante && CopiaPerPartecipanteDisponibile(s)) return s.NumPartecipanti;
    return std::clamp(scelta.Copie, 1, kCopieMassime);
}

class TProspetto {
  public:
    TProspetto(TmmPrinter& p, T_Sistema& s, const std::string& data) : p_(p), s_(s), data_(data) {}

    void Copia(const std::string& titolo, const TSceltaProspetto& scelta) {
        p_.Inizia(kLavoroProspetto);
        p_.Carattere(kCarattereIntestazione);
        p_.TitoloCentrato(1, "Sirvela " + TestoVersione(VersioneFormato));
        p_.Carattere(kCarattereTitolo);
        p_.TitoloCentrato(10, titolo);
        y_ = 10 + p_.AltezzaTesto() + 5;
        if (scelta.Informazioni) Informazioni();
        if (s_.NumPartecipanti > 1) Partecipanti();
        if (scelta.Schedina) Schedina();
        if (scelta.Condizioni) Condizioni();
        p_.Termina();
    }

  private:
    void Titoletto(const std::string& testo) {
        p_.Carattere(kCarattereTitoletto);
        y_ = p_.Spazio(y_, 3 * p_.AltezzaTesto());
        p_.Scrivi(kSinistra, y_, testo);
        y_ += p_.AltezzaTesto() + 1;
    }

    void Tabella(TTabellaStampa t) {
        // A cell grows to hold its text, as far as the page allows: room the other columns
        // do not need goes first, then the last column gives way (its text is then written
        // smaller, never across the border).
        const double spazio = p_.LarghezzaPagina() - 2 * kSinistra;
        std::vector<double> serve(t.Larghezze.size(), 0.0);
        for (std::size_t c = 0; c < t.Larghezze.size(); ++c) {
            for (const auto& riga : t.Celle)
                if (c < riga.size()) serve[c] = std::max(serve[c], p_.LarghezzaTesto(riga[c]) + 2);
            t.Larghezze[c] = std::max(t.Larghezze[c], serve[c]);
        }
        for (std::size_t c = 0; c < t.Larghezze.size() && t.Larghezza() > spazio; ++c) {
            const double libero = t.Larghezze[c] - serve[c];
            t.Larghezze[c] -= std::min(libero, t.Larghezza() - spazio);
        }
        if (t.Larghezza() > spazio)
            t.Larghezze.back() = std::max(t.Larghezze.back() - (t.Larghezza() - spazio), 0.0);
        y_ = p_.Spazio(y_, t.Altezza());
        y_ += p_.Tabella(kSinistra, y_, t) + kDopoBlocco;
    }

    void Informazioni() {
        const auto& d = s_.Dati;
        const TPronostico inGioco = d.PronosticoInGioco();
        const std::int64_t colonne = d.Colonne.Quante();
        std::string finali = " " + TestoColonneFinali(colonne, d.Prezzi, s_.NumPartecipanti);
        if (s_.NumPartecipanti > 1)
            finali += "  Costo Totale : " + SimboloValuta(d.Prezzi.Euro) + " " +
                      FormattaImporto(d.Prezzi.Prezzo() * static_cast<double>(colonne),
                                      d.Prezzi.Euro ? 2 : 0);
        Titoletto("Informazioni Generali sul Sistema");
        p_.Carattere(kCarattereInformazioni);
        TTabellaStampa t;
        t.Larghezze = {270 * kMmPerUnita, 270 * kMmPerUnita};
        t.AltezzaRiga = 20 * kMmPerUnita;
        t.Celle = {
            {"  Nome del Sistema : " + NomeSenzaEstensione(s_.NomeFile),
             "  Stampato il : " + data_},
            {" " + TestoPilotiSelezionati(inGioco.PilotiSelezionati()),
             "  Sistema " + TestoTipoSistema(d.ImpSviluppo)},
            {" " + TestoColonneIniziali(inGioco.ColonneIniziali()), finali},
        };
        Tabella(std::move(t));
    }

    void Partecipanti() {
        p_.Carattere(kCarattereIntestazione);
        const double riga = p_.AltezzaTesto();
        y_ = p_.Spazio(y_, 2 * riga);
        p_.Scrivi(kSinistra, y_,
                  "Numero di Partecipanti al Sistema : " + std::to_string(s_.NumPartecipanti));
        y_ += riga;
        if (s_.SpecificaNomi && !s_.Partecipanti.empty())
            y_ = p_.ScriviElenco(kSinistra, y_, "Nomi dei Partecipanti : ", s_.Partecipanti, ", ",
                                 p_.LarghezzaPagina() - kSinistra);
        y_ += kDopoBlocco;
    }

    void Schedina() {
        Titoletto("Pronostico  -  Concorso Nº " + std::to_string(s_.Dati.Concorso));
        // What is played: a pilot out of play is never developed, so not shown either.
        const TPronostico inGioco = s_.Dati.PronosticoInGioco();
        p_.Carattere(kCarattereSchedina);
        TTabellaStampa t;
        t.Larghezze = {150 * kMmPerUnita, 390 * kMmPerUnita};
        t.AltezzaRiga = 16 * kMmPerUnita;
        for (int i = 0; i < 8; ++i) {
            TCombinazione piloti = inGioco.Posizione[static_cast<std::size_t>(i)];
            piloti.Ordina();
            t.Celle.push_back({NomePosizione(i + 1) + " posizione", ListaInTesto(piloti)});
        }
        Tabella(std::move(t));
    }

    void Condizioni() {
        Titoletto("Elenco delle condizioni del sistema");
        auto& insieme = *s_.Dati.Condizioni;
        insieme.AggiornaTutte();
        // Conditions switched off for the development were not used.
        if (!s_.Dati.ImpSviluppo.UsaCondizioni) return;
        for (const auto& c : insieme.Condizioni) {
            if (!c->Attivo || !c->Attivato) continue;
            c->Stampa(p_, y_, kSinistra);
            y_ += 2;
        }
    }

    TmmPrinter& p_;
    T_Sistema& s_;
    const std::string& data_;
    double y_ = 0;
};

}  // namespace

bool CopiaPerPartecipanteDisponibile(const T_Sistema& s) {
    return s.NumPartecipanti > 1;
}

std::vector<std::string> TitoliCopie(const T_Sistema& s, const TSceltaProspetto& scelta) {
    const int n = NumeroCopie(s, scelta);
    if (n == 1) return {kTitoloProspetto};
    const bool perNome =
        scelta.PerPartecipante && CopiaPerPartecipanteDisponibile(s) && s.SpecificaNomi;
    std::vector<std::string> titoli;
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        if (perNome && i < s.Partecipanti.size())
            titoli.push_back(std::string(kTitoloProspetto) + "     Copia per " + s.Partecipanti[i]);
        else
            titoli.push_back(std::string(kTitoloProspetto) + "     Copia Nº " + std::to_string(k));
    }
    return titoli;
}

std::string TestoTipoSistema(const TImpostazioniSviluppo& imp) {
    std::string t;
    if (!imp.UsaCondizioni && !imp.Autoriduzione) t += "Integrale  ";
    if (imp.UsaCondizioni) t += "Condizionato ";
    if (imp.Autoriduzione) {
        const int vincite = imp.VinciteMultiple;
        if (vincite == 1)
            t += "ridotto a garanzia " + std::to_string(imp.Garanzia);
        else
            t += "ridotto a garanzia di " +
                 (vincite >= 1 && vincite <= 10 ? NumeroInParole(vincite)
                                                : std::to_string(vincite)) +
                 " " + std::to_string(imp.Garanzia);
    }
    return t;
}

std::string DataDiOggi() {
    const std::time_t ora = std::time(nullptr);
    std::tm tm{};
    localtime_r(&ora, &tm);
    return fmt::format("{:02}/{:02}/{:04}", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

bool StampaProspetto(TmmPrinter& p, T_Sistema& s, const TSceltaProspetto& scelta,
                     const std::string& data, TControlloStampa& controllo) {
    const auto titoli = TitoliCopie(s, scelta);
    // Checked before the first sheet, so a refused list leaves no half-printed job.
    if (scelta.Tabulato)
        if (auto errore = ControllaColonneStampabili(s.Dati.Colonne, s.Dati.PilotiInGioco());
            !errore.empty())
            throw TErroreStampa(errore);
    TProspetto prospetto(p, s, data);
    for (std::size_t k = 0; k < titoli.size(); ++k) {
        if (controllo.Annullata()) return false;
        prospetto.Copia(titoli[k], scelta);
        if (scelta.Tabulato) {
            TOpzioniTabulato o;
            o.NomeSistema = s.NomeFile;
            o.Impostazioni = s.Dati.Tabulato;
            o.Piloti = s.Dati.PilotiInGioco();
            if (!StampaTabulato(p, s.Dati.Colonne, o, controllo)) return false;
        }
        controllo.Avanzamento(static_cast<std::int64_t>(k + 1),
                              static_cast<std::int64_t>(titoli.size()));
    }
    return true;
}

}  // namespace sirvela
