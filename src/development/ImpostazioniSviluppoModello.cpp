#include "development/ImpostazioniSviluppoModello.h"

#include <algorithm>
#include <filesystem>

#include "core/Globali.h"
#include "core/TListaColonne.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"

namespace sirvela {

TModelloImpSviluppo TModelloImpSviluppo::Da(const T_Sistema& sistema) {
    TModelloImpSviluppo m;
    m.Sorgente = sistema.Dati.Sorgente;
    m.Impostazioni = sistema.Dati.ImpSviluppo;
    m.ApplicaRegole();
    m.Cambiato = false;
    return m;
}

void TModelloImpSviluppo::ApplicaRegole() {
    auto& i = Impostazioni;
    i.Garanzia = static_cast<std::uint8_t>(i.GaranziaEffettiva());
    i.VinciteMultiple = static_cast<std::uint8_t>(i.VinciteEffettive());
    if (!VinciteAbilitate()) i.VinciteMultiple = 1;
    i.LimitaRicerca();
    // Both ticks never stand together; a stored file cannot even say so.
    if (i.Ottimizzata && i.Migliorata) i.Migliorata = false;
}

std::string TModelloImpSviluppo::FileSorgenteEffettivo() const {
    return NomeFileColonne(Sorgente.FileSorgente, CartellaColonne());
}

std::string TModelloImpSviluppo::Verifica() const {
    if (Sorgente.DaPronostico) return {};
    // The same file the development will open, and a file, not a folder.
    std::error_code ec;
    if (Sorgente.FileSorgente.empty() ||
        !std::filesystem::is_regular_file(FileSorgenteEffettivo(), ec))
        return kErroreSorgenteMancante;
    return {};
}

void TModelloImpSviluppo::Applica(T_Sistema& sistema) const {
    TDatiSistema& d = sistema.Dati;
    TSorgente sorgente = Sorgente;
    sorgente.FileSorgente = TagliaStringaCorta(sorgente.FileSorgente);
    TImpostazioniSviluppo imp = Impostazioni;
    imp.FileDestinazione = TagliaStringaCorta(imp.FileDestinazione);
    const bool diversi = !(d.Sorgente == sorgente && d.ImpSviluppo == imp);
    d.Sorgente = sorgente;
    d.ImpSviluppo = imp;
    if (Cambiato) d.Sviluppato = false;
    if (!d.Sviluppato) d.Colonne.Svuota();
    // A new guarantee or file name is worth saving as much as a click.
    if (Cambiato || diversi) sistema.Modificato = true;
}

namespace {

TRichiestaFile RichiestaColonnare(const std::string& voce) {
    TRichiestaFile r;
    r.Filtro = "File Colonnare (*.Scl)|*.Scl";
    r.Estensione = "Scl";
    r.Cartella = CartellaColonne().string();
    if (voce.empty()) return r;
    const std::string completo = NomeFileColonne(voce, CartellaColonne());
    r.Nome = NomeSenzaCartella(completo);
    const auto separatore = completo.find_last_of("/\\");
    if (separatore != std::string::npos)
        r.Cartella = completo.substr(0, separatore == 0 ? 1 : separatore);
    return r;
}

}  // namespace

TRichiestaFile RichiestaFileSorgente(const std::string& voce) {
    TRichiestaFile r = RichiestaColonnare(voce);
    r.Titolo = "Seleziona il File di Combinazioni";
    r.DeveEsistere = true;
    return r;
}

TRichiestaFile RichiestaFileDestinazione(const std::string& voce) {
    TRichiestaFile r = RichiestaColonnare(voce);
    r.Titolo = "Salva sul File di Combinazioni";
    return r;
}

}  // namespace sirvela
