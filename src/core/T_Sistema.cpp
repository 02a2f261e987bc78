#include "core/T_Sistema.h"

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Cp1252.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/MotiviFile.h"

namespace sirvela {

T_Sistema::T_Sistema() : NomeFile(NomeNuovoSistema()) {}

std::string T_Sistema::NomeNuovoSistema() {
    return (CartellaSistemi() / "SenzaNome.Sst").string();
}

void T_Sistema::Nuovo() {
    // A version read from some earlier file says nothing about the new one.
    VersioneFormato = kVersioneFormatoProgramma;
    NomeFile = NomeNuovoSistema();
    SenzaNome = true;
    Modificato = false;
    Statistiche = T_FrequenzeRitardi{};
    for (auto& p : Dati.Pronostico.Posizione) p.Svuota();
    Dati.ImpSviluppo.Predefiniti();
    Dati.Sorgente.Predefiniti();
    Dati.Concorso = 1;
    Dati.Sviluppato = false;
    Dati.Colonne.Svuota();
    Dati.RicreaCondizioni();
    Commento.clear();
    Partecipanti.clear();
    NumPartecipanti = 1;
}

bool SalvaListaStringhe(TScrittore& s, const std::vector<std::string>& righe) {
    for (const auto& r : righe) {
        const std::string byte = ACp1252(r);
        if (!s.ScriviI32(static_cast<std::int32_t>(byte.size())) ||
            !s.Scrivi(byte.data(), byte.size()))
            return false;
    }
    return s.ScriviI32(-1);
}

bool CaricaListaStringhe(TLettore& l, std::vector<std::string>& righe) {
    righe.clear();
    while (!l.FineFile()) {
        std::int32_t lunghezza = 0;
        if (!l.LeggiI32(lunghezza)) return false;
        if (lunghezza == -1) return true;
        // A length the file cannot hold is a damaged file, never an allocation.
        if (lunghezza < 0 || static_cast<std::uint64_t>(lunghezza) > l.Rimanenti()) {
            l.Fallisci();
            return false;
        }
        std::string byte(static_cast<std::size_t>(lunghezza), '\0');
        if (!l.Leggi(byte.data(), byte.size())) return false;
        righe.push_back(DaCp1252(byte));
    }
    return true;
}

bool T_Sistema::SalvaSistema(TScrittore& s) {
    bool ok = s.ScriviI32(VersioneFormato) && Dati.Pronostico.Salva(s) &&
              s.ScriviI32(Dati.Concorso) && Dati.Condizioni->Salva(s) && Dati.Recuperi->Salva(s) &&
              SalvaSviluppo(s, Dati.Sorgente, Dati.ImpSviluppo) &&
              SalvaListaStringhe(s, Commento) && SalvaListaStringhe(s, Partecipanti) &&
              s.ScriviI32(NumPartecipanti) && s.ScriviBool(SpecificaNomi) &&
              Dati.Archivio.Selezione.Salva(s);
    if (ok && Dati.SalvaColonne) ok = s.ScriviU8(1) && Dati.Colonne.ScriviSuFile(s);
    return ok;
}

bool T_Sistema::SalvaSistema() {
    TScrittore s{std::filesystem::path(NomeFile)};
    if (!s.Aperto()) return false;
    if (!SalvaSistema(s)) {
        s.Abbandona();
        return false;
    }
    if (!s.Chiudi()) return false;
    Modificato = false;
    return true;
}

bool T_Sistema::CaricaSistema(TLettore& l) {
    std::int32_t versione = VersioneFormato;
    bool ok = l.LeggiI32(versione);
    if (ok) VersioneFormato = versione;
    ok = ok && Dati.Pronostico.Carica(l) && l.LeggiI32(Dati.Concorso) &&
         Dati.Condizioni->Carica(l) && Dati.Recuperi->Carica(l) &&
         CaricaSviluppo(l, Dati.Sorgente, Dati.ImpSviluppo) && CaricaListaStringhe(l, Commento) &&
         CaricaListaStringhe(l, Partecipanti) && l.LeggiI32(NumPartecipanti) &&
         l.LeggiBool(SpecificaNomi) && Dati.Archivio.Selezione.Carica(l);
    std::uint8_t flag = 0;
    if (ok && !l.FineFile() && l.LeggiU8(flag) && flag != 0) {
        ok = Dati.Colonne.LeggiDaFile(l);
    } else {
        Dati.Colonne.Svuota();
    }
    // A number that is no pilot at all (0, above 25) or a repeated one would go into the
    // developed columns as a wrong byte or a duplicate column.
    Dati.Pronostico.TogliNonSelezionabili(kMaxPiloti, 0);
    Dati.Sviluppato = true;
    if (ok) Modificato = false;
    return ok;
}

bool T_Sistema::CaricaSistema(const std::filesystem::path& percorso) {
    TLettore l(percorso);
    if (!l.Aperto()) return false;
    return CaricaSistema(l);
}

std::string T_Sistema::ErroreCaricamento() const {
    if (Dati.Condizioni && Dati.Condizioni->LimiteSuperato)
        return std::string(kErroreCaricaSistema) + ": " + kMotivoTroppeCondizioni + ".";
    return kErroreCaricaSistema;
}

std::string T_Sistema::ErroreCaricamento(const std::filesystem::path& percorso) const {
    if (Dati.Condizioni && Dati.Condizioni->LimiteSuperato)
        return ConFile(kErroreCaricaSistema, percorso, kMotivoTroppeCondizioni);
    return ErroreCaricaSistema(percorso);
}

std::string ErroreCaricaSistema(const std::filesystem::path& percorso) {
    return ErroreCaricamento(kErroreCaricaSistema, percorso);
}

std::string ErroreSalvaSistema(const std::filesystem::path& percorso) {
    return ConFile(kErroreSalvaSistema, percorso, MotivoScrittura(percorso));
}

std::vector<std::string> AvvisiSistema(const T_Sistema& sistema) {
    std::vector<std::string> avvisi;
    const TDatiSistema& d = sistema.Dati;
    if (auto piloti = AvvisoPilotiFuoriGioco(d.Pronostico, d.PilotiInGioco()); !piloti.empty())
        avvisi.push_back(std::move(piloti));
    const int garanzia = d.ImpSviluppo.Garanzia;
    if (garanzia != d.ImpSviluppo.GaranziaEffettiva())
        avvisi.push_back("La garanzia memorizzata nel sistema, " + std::to_string(garanzia) +
                         ", è fuori dall'intervallo " +
                         std::to_string(TImpostazioniSviluppo::kGaranziaMinima) + "-" +
                         std::to_string(TImpostazioniSviluppo::kGaranziaMassima) + ": si usa " +
                         std::to_string(d.ImpSviluppo.GaranziaEffettiva()) + ".");
    return avvisi;
}

std::string T_Sistema::Titolo() const {
    return TitoloProgramma(VersioneFormato, NomeFile);
}

}  // namespace sirvela
