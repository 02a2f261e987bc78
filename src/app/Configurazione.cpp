#include "app/Configurazione.h"

#include <cmath>
#include <fstream>
#include <utility>

#include "app/Cartelle.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/Interfacce.h"
#include "core/MotiviFile.h"

namespace sirvela {
namespace {

// One field, taken only when it arrived whole.
template <typename T, typename Leggi>
bool Campo(T& campo, Leggi&& leggi) {
    T letto = campo;
    if (!leggi(letto)) return false;
    campo = std::move(letto);
    return true;
}

// A price that is no amount would print as "L. nan" on every ticket: the default stands in.
bool CorreggiPrezzi(TImpostazioniProgramma& imp) {
    bool corretti = false;
    for (auto [prezzo, predefinito] : {std::pair{&imp.PrezzoLire, TPrezzi{}.PrezzoLire},
                                       std::pair{&imp.PrezzoEuro, TPrezzi{}.PrezzoEuro}}) {
        if (std::isfinite(*prezzo) && *prezzo >= 0) continue;
        *prezzo = predefinito;
        corretti = true;
    }
    return corretti;
}

}  // namespace

std::string SfondoPredefinito() {
    return (CartellaSfondi() / "Deep_sea.Bmp").string();
}

std::filesystem::path FileConfigurazione() {
    return CartellaProgramma / kFileConfigurazione;
}

std::filesystem::path FileImpostazioniAggiunte(const std::filesystem::path& configurazione) {
    return configurazione.parent_path() / "Sirvela.ini";
}

void LeggiImpostazioniAggiunte(const std::filesystem::path& percorso, TImpostazioniProgramma& imp) {
    imp.Fili = 0;
    imp.ConteggioDalVivo = true;
    std::ifstream f(percorso);
    std::string riga;
    while (std::getline(f, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        const auto uguale = riga.find('=');
        if (uguale == std::string::npos) continue;
        const std::string nome = Trim(riga.substr(0, uguale));
        long long v = 0;
        if (!InteroDaTesto(Trim(riga.substr(uguale + 1)), v)) continue;
        if (nome == "Fili" && v >= 0 && v <= kFiliMassimi) imp.Fili = static_cast<std::int32_t>(v);
        if (nome == "ConteggioDalVivo" && (v == 0 || v == 1)) imp.ConteggioDalVivo = v == 1;
    }
}

bool ScriviImpostazioniAggiunte(const std::filesystem::path& percorso,
                                const TImpostazioniProgramma& imp) {
    TScrittore s(percorso);
    const std::string testo = "Fili=" + std::to_string(imp.Fili) +
                              "\r\nConteggioDalVivo=" + (imp.ConteggioDalVivo ? "1" : "0") + "\r\n";
    s.Scrivi(testo.data(), testo.size());
    return s.Chiudi();
}

TLetturaConfigurazione LeggiConfigurazione(TLettore& l, TImpostazioniProgramma& imp) {
    TLetturaConfigurazione esito;
    esito.Aperta = l.Aperto();
    auto stringa = [&](std::string& c, int capacita) {
        return Campo(c, [&](std::string& v) { return l.LeggiStringaCorta(v, capacita); });
    };
    auto reale = [&](double& c) { return Campo(c, [&](double& v) { return l.LeggiDouble(v); }); };
    auto flag = [&](bool& c) { return Campo(c, [&](bool& v) { return l.LeggiBool(v); }); };

    const bool prezzi = stringa(imp.Sfondo, 255) && reale(imp.PrezzoLire) && reale(imp.PrezzoEuro);
    esito.PrezziCorretti = CorreggiPrezzi(imp);
    if (!(prezzi && flag(imp.Euro))) return esito;
    if (!Campo(imp.NumeroPiloti, [&](std::int32_t& v) { return l.LeggiI32(v); })) return esito;
    esito.NumeroPilotiLetto = true;
    const std::int32_t limitato = LimitaNumeroPiloti(imp.NumeroPiloti);
    esito.NumeroPilotiCorretto = limitato != imp.NumeroPiloti;
    imp.NumeroPiloti = limitato;
    if (!flag(imp.SalvaColonne)) return esito;
    for (auto& dato : imp.DatiRicevitoria)
        if (!stringa(dato, kLunghezzaDatoRicevitoria)) return esito;
    esito.Completa = imp.Taratura.Carica(l) && imp.Tabulato.Carica(l);
    return esito;
}

TLetturaConfigurazione LeggiConfigurazione(const std::filesystem::path& percorso,
                                           TImpostazioniProgramma& imp) {
    imp.Sfondo = SfondoPredefinito();
    imp.Taratura.Predefiniti();
    TLettore l(percorso);
    if (!l.Aperto()) return {};
    return LeggiConfigurazione(l, imp);
}

bool ScriviConfigurazione(TScrittore& s, const TImpostazioniProgramma& imp) {
    if (!(s.ScriviStringaCorta(imp.Sfondo) && s.ScriviDouble(imp.PrezzoLire) &&
          s.ScriviDouble(imp.PrezzoEuro) && s.ScriviBool(imp.Euro) &&
          s.ScriviI32(imp.NumeroPiloti) && s.ScriviBool(imp.SalvaColonne)))
        return false;
    for (const auto& dato : imp.DatiRicevitoria)
        if (!s.ScriviStringaCorta(dato, kLunghezzaDatoRicevitoria)) return false;
    return imp.Taratura.Salva(s) && imp.Tabulato.Salva(s);
}

bool ScriviConfigurazione(const std::filesystem::path& percorso,
                          const TImpostazioniProgramma& imp) {
    TScrittore s(percorso);
    ScriviConfigurazione(s, imp);
    return s.Chiudi();
}

TLetturaImpostazioni CaricaImpostazioniDa(const std::filesystem::path& lista,
                                          const std::filesystem::path& configurazione,
                                          TPiloti& piloti, TImpostazioniProgramma& imp) {
    TLetturaImpostazioni esito;
    esito.Piloti = LeggiListaPiloti(lista, piloti);
    imp.NumeroPiloti = esito.Piloti.NumeroPiloti;
    esito.Configurazione = LeggiConfigurazione(configurazione, imp);
    LeggiImpostazioniAggiunte(FileImpostazioniAggiunte(configurazione), imp);
    const std::int32_t limitato = LimitaNumeroPiloti(imp.NumeroPiloti);
    esito.NumeroPilotiCorretto =
        esito.Configurazione.NumeroPilotiCorretto || limitato != imp.NumeroPiloti;
    imp.NumeroPiloti = limitato;
    NumeroPiloti = limitato;
    piloti.RicalcolaEscluso(limitato);
    return esito;
}

TLetturaImpostazioni CaricaImpostazioni(TPiloti& piloti, TImpostazioniProgramma& imp) {
    return CaricaImpostazioniDa(FileListaPiloti(), FileConfigurazione(), piloti, imp);
}

bool SalvaImpostazioniSu(const std::filesystem::path& lista,
                         const std::filesystem::path& configurazione, const TPiloti& piloti,
                         const TImpostazioniProgramma& imp, IMessaggi* messaggi) {
    const bool cfg = ScriviConfigurazione(configurazione, imp);
    const auto aggiunte = FileImpostazioniAggiunte(configurazione);
    const bool ini = ScriviImpostazioniAggiunte(aggiunte, imp);
    const bool nomi = ScriviListaPiloti(lista, piloti, imp.NumeroPiloti);
    if (cfg && ini && nomi) return true;
    if (messaggi) {
        const auto& file = !cfg ? configurazione : !ini ? aggiunte : lista;
        messaggi->Errore(ConFile(kErroreSalvaConfigurazione, file, MotivoScrittura(file)));
    }
    return false;
}

bool SalvaImpostazioni(const TPiloti& piloti, const TImpostazioniProgramma& imp,
                       IMessaggi* messaggi) {
    return SalvaImpostazioniSu(FileListaPiloti(), FileConfigurazione(), piloti, imp, messaggi);
}

}  // namespace sirvela
