#include "core/ControlloreDocumento.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/MotiviFile.h"
#include "core/Testo.h"

namespace sirvela {
namespace {

std::string Cartella(const std::string& percorso) {
    auto p = percorso.find_last_of("/\\");
    return p == std::string::npos ? std::string() : percorso.substr(0, p);
}

std::string Maiuscolo(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::toupper(c); });
    return t;
}

}  // namespace

TControlloreDocumento::TControlloreDocumento(T_Sistema& sistema, IMessaggi& messaggi,
                                             ISceltaFile& file, IVistaDocumento* vista)
    : sistema_(sistema), messaggi_(messaggi), file_(file), vista_(vista) {}

void TControlloreDocumento::Ridisegna() {
    if (vista_) vista_->RidisegnaTutto();
}

bool TControlloreDocumento::ConfermaAbbandono() {
    if (!sistema_.Modificato) return true;
    int r = messaggi_.Mostra("Informazione", kDomandaSalvaSistema,
                             PulsanteSi | PulsanteNo | PulsanteAnnulla);
    if (r == PulsanteSi) {
        // A save that was cancelled or failed must not let the system be thrown away.
        Salva();
        return !sistema_.Modificato;
    }
    return r == PulsanteNo;
}

void TControlloreDocumento::Nuovo() {
    if (!ConfermaAbbandono()) return;
    sistema_.Nuovo();
    Ridisegna();
    sistema_.Modificato = false;
}

void TControlloreDocumento::Carica() {
    if (!ConfermaAbbandono()) return;
    TRichiestaFile r;
    r.Titolo = "Caricare il Sistema";
    r.Filtro = "Sistemi    *.Sst|*.Sst";
    r.Estensione = "Sst";
    r.Cartella = Cartella(sistema_.NomeFile);
    r.Nome = NomeSenzaCartella(sistema_.NomeFile);
    r.DeveEsistere = true;
    auto scelto = file_.Apri(r);
    if (scelto) CaricaFile(*scelto);
    if (vista_) vista_->AggiornaStato();
}

bool TControlloreDocumento::CaricaFile(const std::string& percorso) {
    // The redraw refills the selectors, which would empty the columns just read.
    inCaricamento_ = true;
    bool ok = sistema_.CaricaSistema(percorso);
    sistema_.NomeFile = percorso;
    Ridisegna();
    inCaricamento_ = false;
    if (!ok) {
        messaggi_.Errore(sistema_.ErroreCaricamento(percorso));
        return false;
    }
    sistema_.Modificato = false;
    for (const std::string& avviso : AvvisiSistema(sistema_))
        messaggi_.Mostra("Informazione", avviso, PulsanteOk);
    return true;
}

bool TControlloreDocumento::SalvaConNome(const std::string& cartella, const std::string& nome,
                                         const std::string& domandaSovrascrittura) {
    TRichiestaFile r;
    r.Titolo = "Salva il Sistema";
    r.Filtro = "Sistemi|*.Sst";
    r.Estensione = "Sst";
    r.Cartella = cartella;
    r.Nome = nome;
    auto scelto = file_.Salva(r);
    if (!scelto) return false;
    std::error_code ec;
    if (std::filesystem::exists(*scelto, ec) &&
        messaggi_.Mostra("Informazione", domandaSovrascrittura, PulsanteSi | PulsanteNo) !=
            PulsanteSi)
        return false;
    sistema_.NomeFile = *scelto;
    if (!sistema_.SalvaSistema()) {
        messaggi_.Errore(ErroreSalvaSistema(*scelto));
        Ridisegna();
        return false;
    }
    Ridisegna();
    sistema_.SenzaNome = false;
    sistema_.Modificato = false;
    return true;
}

void TControlloreDocumento::Salva() {
    if (sistema_.SenzaNome && Maiuscolo(NomeSenzaCartella(sistema_.NomeFile)) == "SENZANOME.SST") {
        SalvaConNome(CartellaSistemi().string(), NomeSenzaCartella(sistema_.NomeFile),
                     "Il file è già Presente su Disco. Vuoi Sovrascriverlo ? ");
        return;
    }
    if (!sistema_.SalvaSistema()) messaggi_.Errore(ErroreSalvaSistema(sistema_.NomeFile));
}

void TControlloreDocumento::SalvaCome() {
    SalvaConNome(Cartella(sistema_.NomeFile), NomeSenzaCartella(sistema_.NomeFile),
                 "Il file è già Presente su Disco. Vuoi sovrascriverlo ?");
}

void TControlloreDocumento::Cancella() {
    TRichiestaFile r;
    r.Titolo = "Cancella il Sistema";
    r.Filtro = "Sistemi    *.Sst|*.Sst";
    r.Estensione = "Sst";
    r.Cartella = CartellaSistemi().string();
    r.DeveEsistere = true;
    auto scelto = file_.Apri(r);
    if (!scelto) return;
    {
        TLettore prova{std::filesystem::path(*scelto)};
        if (!prova.Aperto()) {
            messaggi_.Errore(ConFile(kErroreCancellaSistema, *scelto, MotivoLettura(*scelto)));
            return;
        }
    }
    int risposta =
        messaggi_.Mostra("Conferma", "Vuoi Cancellare " + NomeSenzaCartella(*scelto) + "?",
                         PulsanteSi | PulsanteNo | PulsanteAnnulla);
    if (risposta != PulsanteSi) return;
    std::error_code ec;
    if (!std::filesystem::remove(*scelto, ec) || ec)
        messaggi_.Errore(ConFile(kErroreCancellaSistema, *scelto, MotivoScrittura(*scelto)));
}

bool TControlloreDocumento::ImpostaPosizione(int posizione, const TCombinazione& piloti) {
    if (posizione < 1 || posizione > 8) return false;
    TCombinazione& p = sistema_.Dati.Pronostico.Posizione[posizione - 1];
    if (p == piloti) return false;
    p = piloti;
    if (!inCaricamento_) sistema_.Dati.Colonne.Svuota();
    sistema_.Modificato = true;
    if (vista_) vista_->AggiornaStato();
    return true;
}

void TControlloreDocumento::AzzeraPronostico() {
    for (int p = 1; p <= 8; ++p) ImpostaPosizione(p, TCombinazione{});
    Ridisegna();
}

void TControlloreDocumento::ImpostaConcorso(const std::string& testo) {
    if (testo.empty()) return;
    char* fine = nullptr;
    errno = 0;
    const long v = std::strtol(testo.c_str(), &fine, 10);
    if (*fine != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return;
    if (sistema_.Dati.Concorso == v) return;
    sistema_.Dati.Concorso = static_cast<std::int32_t>(v);
    sistema_.Modificato = true;
}

void TControlloreDocumento::ImpostaCommento(const std::vector<std::string>& righe) {
    if (righe == sistema_.Commento) return;
    sistema_.Commento = righe;
    sistema_.Modificato = true;
}

TCombinazione TControlloreDocumento::PilotiSelezionabili() const {
    TCombinazione s;
    const TPilotiInGioco piloti = sistema_.Dati.PilotiInGioco();
    for (int v = 1; v <= kMaxPiloti; ++v)
        if (piloti.InGioco(v)) s.Aggiungi(v);
    return s;
}

std::string TControlloreDocumento::ImpostaPartecipanti(int numero, bool specificaNomi,
                                                       std::vector<std::string>& righe) {
    righe.erase(std::remove_if(righe.begin(), righe.end(),
                               [](const std::string& r) { return Comprimi(r).empty(); }),
                righe.end());
    if (specificaNomi && numero != 1 && static_cast<int>(righe.size()) != numero)
        return kErrorePartecipanti;
    std::vector<std::string> nomi;
    if (specificaNomi) nomi = righe;
    if (nomi != sistema_.Partecipanti || numero != sistema_.NumPartecipanti ||
        specificaNomi != sistema_.SpecificaNomi)
        sistema_.Modificato = true;
    sistema_.Partecipanti = std::move(nomi);
    sistema_.NumPartecipanti = numero;
    sistema_.SpecificaNomi = specificaNomi;
    if (vista_) vista_->AggiornaStato();
    return {};
}

}  // namespace sirvela
