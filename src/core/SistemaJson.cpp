#include "core/SistemaJson.h"

#include "conditions/CondizioniJson.h"
#include "conditions/TCondizione.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"

namespace sirvela {

using namespace json;

namespace {
constexpr const char* kFormato = "sirvela-sistema";
}  // namespace

Uscita EsportaSistema(const T_Sistema& s, bool conColonne) {
    const TDatiSistema& d = s.Dati;
    Uscita o;
    o["Formato"] = kFormato;
    o["VersioneFormato"] = VersioneFormato;
    Uscita pronostico = Uscita::array();
    for (const auto& p : d.Pronostico.Posizione) pronostico.push_back(EsportaCombinazione(p));
    o["Pronostico"] = pronostico;
    o["Concorso"] = d.Concorso;
    Uscita condizioni = Uscita::array();
    for (int k = 1; k <= 18; ++k)
        condizioni.push_back(EsportaCondizione(*d.Condizioni->Condizione(k)));
    o["Condizioni"] = condizioni;
    Uscita link = Uscita::object();
    for (int i = 0; i < 26; ++i) {
        const auto& tabella = d.Recuperi->Gruppi[i]->ErroriAmmessi;
        if (!TabellaVuota(tabella.Principale, tabella.Massimo) ||
            !TabellaVuota(tabella.Secondaria, tabella.Massimo) || tabella.CampoDa != 1 ||
            tabella.CampoA != 8)
            link[std::string(1, static_cast<char>('A' + i))] = EsportaValori(tabella);
    }
    link["Totali"] = EsportaValori(d.Recuperi->ErroriAmmessiTotali);
    o["Link"] = link;
    o["Sorgente"] = {{"DaPronostico", d.Sorgente.DaPronostico},
                     {"FileSorgente", d.Sorgente.FileSorgente}};
    const auto& imp = d.ImpSviluppo;
    o["ImpSviluppo"] = {{"UsaCondizioni", imp.UsaCondizioni},
                        {"Autoriduzione", imp.Autoriduzione},
                        {"InMemoria", imp.InMemoria},
                        {"Ottimizzata", imp.Ottimizzata},
                        {"Migliorata", imp.Migliorata},
                        {"Garanzia", imp.Garanzia},
                        {"VinciteMultiple", imp.VinciteMultiple},
                        {"FileDestinazione", imp.FileDestinazione},
                        {"SecondiMigliorata", imp.SecondiMigliorata},
                        {"IterazioniMigliorata", imp.IterazioniMigliorata},
                        {"SemeMigliorata", imp.SemeMigliorata}};
    o["Commento"] = s.Commento;
    o["Partecipanti"] = s.Partecipanti;
    o["NumPartecipanti"] = s.NumPartecipanti;
    o["SpecificaNomi"] = s.SpecificaNomi;
    const auto& sel = d.Archivio.Selezione;
    o["Selezione"] = {{"Tutte", sel.Tutte}, {"Dal", sel.Dal}, {"Al", sel.Al}};
    if (conColonne) {
        Uscita colonne = Uscita::array();
        for (const auto& c : d.Colonne) colonne.push_back(Colonna8(c));
        o["Colonne"] = colonne;
    }
    return o;
}

Uscita EsportaFileSistema(const std::filesystem::path& percorso) {
    T_Sistema s;
    if (!s.CaricaSistema(percorso)) throw TErroreSirvela(s.ErroreCaricamento(percorso));
    // The file has no count of its columns: they are there when it goes past the selection.
    s.Dati.SalvaColonne = false;
    TScrittore senza;
    s.SalvaSistema(senza);
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    return EsportaSistema(s, !ec && dimensione > senza.Dati().size());
}

void ImportaSistema(const Valore& j, T_Sistema& s, bool& conColonne) {
    Oggetto(j, "(radice)");
    TDatiSistema& d = s.Dati;
    Se(j, "Formato", "", [&](const Valore& v, const std::string& c) {
        if (Testo(v, c) != kFormato) Rifiuta(c, "atteso \"" + std::string(kFormato) + "\"");
    });
    Se(j, "VersioneFormato", "",
       [&](const Valore& v, const std::string& c) { VersioneFormato = Int32(v, c); });
    Se(j, "Pronostico", "", [&](const Valore& v, const std::string& c) {
        Lista(v, c);
        if (v.size() != 8) Rifiuta(c, "attese 8 posizioni");
        for (std::size_t i = 0; i < 8; ++i) {
            const std::string posizione = Elemento(c, i);
            TCombinazione p = ImportaCombinazione(v[i], posizione);
            // A system file keeps only pilots 1..25, each once: anything else would be lost
            // without a word when the file is read back.
            TCombinazione visti;
            for (int k = 0; k < p.Conta(); ++k) {
                const int pilota = p.Numeri[static_cast<std::size_t>(k)];
                const std::string campo =
                    v[i].is_array() ? Elemento(posizione, static_cast<std::size_t>(k))
                                    : Elemento(posizione + ".Slot", static_cast<std::size_t>(k));
                if (pilota < 1 || pilota > kMaxPiloti)
                    Rifiuta(campo, std::to_string(pilota) + " non è un pilota (da 1 a " +
                                       std::to_string(kMaxPiloti) + ")");
                if (!visti.Aggiungi(pilota))
                    Rifiuta(campo, "il pilota " + std::to_string(pilota) + " è ripetuto");
            }
            d.Pronostico.Posizione[i] = p;
        }
    });
    Se(j, "Concorso", "", [&](const Valore& v, const std::string& c) { d.Concorso = Int32(v, c); });
    Se(j, "Condizioni", "", [&](const Valore& v, const std::string& c) {
        Lista(v, c);
        if (v.size() != 18) Rifiuta(c, "attese 18 condizioni, una per tipo da 1 a 18");
        TLimiteLettura limite(0);
        for (int k = 1; k <= 18; ++k)
            d.Condizioni->Sostituisci(k, ImportaCondizione(v[k - 1], &d, k, Elemento(c, k - 1)));
    });
    Se(j, "Link", "", [&](const Valore& v, const std::string& c) {
        Oggetto(v, c);
        for (auto it = v.begin(); it != v.end(); ++it) {
            if (it.key() == "Totali") {
                ImportaValori(it.value(), d.Recuperi->ErroriAmmessiTotali, c + ".Totali");
                continue;
            }
            if (it.key().size() != 1 || it.key()[0] < 'A' || it.key()[0] > 'Z')
                Rifiuta(c + "." + it.key(), "attesa una lettera da A a Z o \"Totali\"");
            ImportaValori(it.value(), d.Recuperi->Gruppi[it.key()[0] - 'A']->ErroriAmmessi,
                          c + "." + it.key());
        }
    });
    Se(j, "Sorgente", "", [&](const Valore& v, const std::string& c) {
        Oggetto(v, c);
        Se(v, "DaPronostico", c, [&](const Valore& x, const std::string& n) {
            d.Sorgente.DaPronostico = Booleano(x, n);
        });
        Se(v, "FileSorgente", c,
           [&](const Valore& x, const std::string& n) { d.Sorgente.FileSorgente = Testo(x, n); });
    });
    Se(j, "ImpSviluppo", "", [&](const Valore& v, const std::string& c) {
        Oggetto(v, c);
        auto& imp = d.ImpSviluppo;
        Se(v, "UsaCondizioni", c,
           [&](const Valore& x, const std::string& n) { imp.UsaCondizioni = Booleano(x, n); });
        Se(v, "Autoriduzione", c,
           [&](const Valore& x, const std::string& n) { imp.Autoriduzione = Booleano(x, n); });
        Se(v, "InMemoria", c,
           [&](const Valore& x, const std::string& n) { imp.InMemoria = Booleano(x, n); });
        Se(v, "Ottimizzata", c,
           [&](const Valore& x, const std::string& n) { imp.Ottimizzata = Booleano(x, n); });
        Se(v, "Migliorata", c,
           [&](const Valore& x, const std::string& n) { imp.Migliorata = Booleano(x, n); });
        Se(v, "Garanzia", c, [&](const Valore& x, const std::string& n) {
            imp.Garanzia = static_cast<std::uint8_t>(Intero(x, n, 0, 255));
        });
        Se(v, "VinciteMultiple", c, [&](const Valore& x, const std::string& n) {
            imp.VinciteMultiple = static_cast<std::uint8_t>(Intero(x, n, 0, 255));
        });
        Se(v, "FileDestinazione", c,
           [&](const Valore& x, const std::string& n) { imp.FileDestinazione = Testo(x, n); });
        using T = TImpostazioniSviluppo;
        Se(v, "SecondiMigliorata", c, [&](const Valore& x, const std::string& n) {
            imp.SecondiMigliorata = static_cast<std::uint32_t>(Intero(x, n, 0, T::kSecondiMassimi));
        });
        Se(v, "IterazioniMigliorata", c, [&](const Valore& x, const std::string& n) {
            imp.IterazioniMigliorata = Intero(x, n, 0, T::kIterazioniMassime);
        });
        Se(v, "SemeMigliorata", c, [&](const Valore& x, const std::string& n) {
            imp.SemeMigliorata = static_cast<std::uint64_t>(
                Intero(x, n, 0, static_cast<long long>(T::kSemeMassimo)));
        });
    });
    Se(j, "Commento", "", [&](const Valore& v, const std::string& c) { s.Commento = Righe(v, c); });
    Se(j, "Partecipanti", "",
       [&](const Valore& v, const std::string& c) { s.Partecipanti = Righe(v, c); });
    Se(j, "NumPartecipanti", "",
       [&](const Valore& v, const std::string& c) { s.NumPartecipanti = Int32(v, c); });
    Se(j, "SpecificaNomi", "",
       [&](const Valore& v, const std::string& c) { s.SpecificaNomi = Booleano(v, c); });
    Se(j, "Selezione", "", [&](const Valore& v, const std::string& c) {
        Oggetto(v, c);
        auto& sel = d.Archivio.Selezione;
        Se(v, "Tutte", c,
           [&](const Valore& x, const std::string& n) { sel.Tutte = Booleano(x, n); });
        Se(v, "Dal", c, [&](const Valore& x, const std::string& n) { sel.Dal = Int32(x, n); });
        Se(v, "Al", c, [&](const Valore& x, const std::string& n) { sel.Al = Int32(x, n); });
    });
    conColonne = false;
    d.Colonne.Svuota();
    Se(j, "Colonne", "", [&](const Valore& v, const std::string& c) {
        Lista(v, c);
        conColonne = true;
        for (std::size_t i = 0; i < v.size(); ++i) d.Colonne.Accoda(Colonna8(v[i], Elemento(c, i)));
    });
}

void ImportaFileSistema(const Valore& j, const std::filesystem::path& percorso) {
    T_Sistema s;
    bool conColonne = false;
    const auto versione = VersioneFormato;
    try {
        ImportaSistema(j, s, conColonne);
    } catch (...) {
        VersioneFormato = versione;
        throw;
    }
    s.Dati.SalvaColonne = conColonne;
    s.NomeFile = percorso.string();
    if (!s.SalvaSistema()) throw TErroreSirvela(ErroreSalvaSistema(percorso));
}

}  // namespace sirvela
