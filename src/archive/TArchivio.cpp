#include "archive/TArchivio.h"

#include "core/BloccoAggiornamento.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/MotiviFile.h"

namespace sirvela {

bool TEstrazione::Completa() const {
    for (auto v : Vincente)
        if (v < 1 || v > NumeroPiloti) return false;
    return true;
}

bool TEstrazione::Salva(TScrittore& s) const {
    return s.ScriviU8(Numero) && s.ScriviI32(Anno) && s.Scrivi(Vincente.data(), 8);
}

bool TEstrazione::Carica(TLettore& l) {
    return l.LeggiU8(Numero) && l.LeggiI32(Anno) && l.Leggi(Vincente.data(), 8);
}

bool TClasseDiEstrazioni::Salva(TScrittore& s) const {
    return s.ScriviBool(Tutte) && s.ScriviI32(Dal) && s.ScriviI32(Al);
}

bool TClasseDiEstrazioni::Carica(TLettore& l) {
    return l.LeggiBool(Tutte) && l.LeggiI32(Dal) && l.LeggiI32(Al);
}

std::filesystem::path TArchivio::FileLocale() {
    return CartellaArchivi() / "sirarch.dat";
}

void TArchivio::InserisciIn(int indice, const TEstrazione& e) {
    if (indice < 0) indice = 0;
    if (indice > Quante()) indice = Quante();
    Estrazioni.insert(Estrazioni.begin() + indice, e);
}

void TArchivio::EliminaIn(int indice) {
    if (indice >= 0 && indice < Quante()) Estrazioni.erase(Estrazioni.begin() + indice);
}

bool TArchivio::CaricaDa(const std::filesystem::path& percorso) {
    Estrazioni.clear();
    TLettore l(percorso);
    if (!l.Aperto()) return false;
    while (!l.FineFile()) {
        TEstrazione e;
        const bool intera = e.Carica(l);
        Estrazioni.push_back(e);  // a short last record is kept as far as it goes
        if (!intera) break;
    }
    return true;
}

bool TArchivio::Carica(bool dalRipristino) {
    if (dalRipristino) return CaricaDa(FileRipristino);
    if (CaricaDa(FileLocale())) return true;
    Estrazioni.assign(1, TEstrazione{});
    return false;
}

bool TArchivio::SalvaSu(const std::filesystem::path& percorso) const {
    TScrittore s(percorso);
    for (const auto& e : Estrazioni)
        if (!e.Salva(s)) break;
    return s.Chiudi();
}

bool TArchivio::Salva(bool sulRipristino, bool* occupato) const {
    if (sulRipristino) return SalvaSu(FileRipristino);
    TBloccoAggiornamento blocco(CartellaProgramma);
    if (occupato) *occupato = blocco.Occupato();
    return !blocco.Occupato() && SalvaSu(FileLocale());
}

std::string TestoErroreSalvaArchivi(bool occupato) {
    return occupato ? std::string(kErroreSalvaArchivi) + "\n" + kAggiornamentoInCorso
                    : kErroreSalvaArchivi;
}

int TArchivio::Inserisce(const TEstrazione& e) {
    int i = 0;
    while (i < Quante() && Estrazioni[static_cast<std::size_t>(i)].Chiave() <= e.Chiave()) ++i;
    Estrazioni.insert(Estrazioni.begin() + i, e);
    return i;
}

bool TArchivio::Esiste(std::int32_t anno, int numero) const {
    for (const auto& e : Estrazioni)
        if (e.Anno == anno && e.Numero == numero) return true;
    return false;
}

namespace {

// A copy to restore from: every record whole, or nothing.
bool LeggiCopia(const std::filesystem::path& percorso, std::vector<TEstrazione>& estrazioni) {
    TLettore l(percorso);
    if (!l.Aperto() || l.Dimensione() % 13 != 0) return false;
    estrazioni.reserve(static_cast<std::size_t>(l.Dimensione() / 13));
    while (!l.FineFile()) {
        TEstrazione e;
        if (!e.Carica(l)) return false;
        estrazioni.push_back(e);
    }
    return true;
}

}  // namespace

std::string ErroreCaricaArchivi(const std::filesystem::path& file) {
    return ConFile(kErroreCaricaArchivi, file, MotivoLettura(file));
}

std::string ErroreSalvaArchivi(const std::filesystem::path& file) {
    return ConFile(kErroreSalvaArchivi, file, MotivoScrittura(file));
}

TEsitoRipristino RipristinaArchivi(TArchivio& archivio) {
    TEsitoRipristino esito;
    TArchivio copia;
    if (archivio.FileRipristino.empty()) {
        esito.Messaggi.emplace_back(kErroreRipristinoArchivi);
        return esito;
    }
    if (!LeggiCopia(archivio.FileRipristino, copia.Estrazioni)) {
        const auto& f = archivio.FileRipristino;
        esito.Messaggi.push_back(
            ConFile(kErroreRipristinoArchivi, f,
                    MotivoNonLeggibile(f).value_or("non è un archivio (record di 13 byte)")));
        return esito;
    }
    bool occupato = false;
    if (!copia.Salva(false, &occupato)) {
        esito.Messaggi.push_back(occupato ? TestoErroreSalvaArchivi(true)
                                          : ErroreSalvaArchivi(TArchivio::FileLocale()));
        return esito;
    }
    archivio.Estrazioni = std::move(copia.Estrazioni);
    esito.Ripristinato = true;
    esito.Messaggi.emplace_back(kArchiviRipristinati);
    return esito;
}

std::string CopiaArchivi(const TArchivio& archivio, const std::filesystem::path& destinazione) {
    return archivio.SalvaSu(destinazione) ? std::string(kSalvataggioCompletato)
                                          : ErroreSalvaArchivi(destinazione);
}

}  // namespace sirvela
