#include "development/ImpostazioniSviluppo.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/FlussoBinario.h"
#include "core/Globali.h"

namespace sirvela {

TImpostazioniSviluppo::TImpostazioniSviluppo() {
    Predefiniti();
}

void TImpostazioniSviluppo::Predefiniti() {
    UsaCondizioni = true;
    Autoriduzione = false;
    InMemoria = true;
    Ottimizzata = false;
    Migliorata = false;
    Garanzia = 80;
    VinciteMultiple = 1;
    RicercaAiPredefiniti();
    FileDestinazione = (CartellaColonne() / "DestinazioneDiDefault.Scl").string();
}

int TImpostazioniSviluppo::GaranziaEffettiva() const {
    return std::clamp<int>(Garanzia, kGaranziaMinima, kGaranziaMassima);
}

int TImpostazioniSviluppo::VinciteEffettive() const {
    return std::clamp<int>(VinciteMultiple, 1, kVinciteMassime);
}

bool TImpostazioniSviluppo::RicercaPredefinita() const {
    return SecondiMigliorata == kSecondiPredefiniti && IterazioniMigliorata == 0 &&
           SemeMigliorata == 1;
}

void TImpostazioniSviluppo::RicercaAiPredefiniti() {
    SecondiMigliorata = kSecondiPredefiniti;
    IterazioniMigliorata = 0;
    SemeMigliorata = 1;
}

void TImpostazioniSviluppo::LimitaRicerca() {
    SecondiMigliorata = std::min(SecondiMigliorata, kSecondiMassimi);
    IterazioniMigliorata = std::clamp<std::int64_t>(IterazioniMigliorata, 0, kIterazioniMassime);
    SemeMigliorata = std::min(SemeMigliorata, kSemeMassimo);
}

TSorgente::TSorgente() {
    Predefiniti();
}

void TSorgente::Predefiniti() {
    DaPronostico = true;
    FileSorgente = (CartellaColonne() / "SorgenteDiDefault.Scl").string();
}

namespace {

// The improved reduction is the value 2 of the byte of the optimised reduction.
constexpr std::uint8_t kByteMigliorata = 2;

// The search settings in the tail of a short string's 256 bytes: a signature, the seconds
// (4 bytes), the iterations and the seed (8 bytes each) and a check of all of them, little
// endian. The check keeps bytes left in the tail by other writers from passing for them.
constexpr std::size_t kCampo = 256;
constexpr std::size_t kCoda = 4 + 4 + 8 + 8 + 4;
constexpr std::array<std::uint8_t, 4> kFirma = {'S', 'R', 'M', 1};
static_assert(kCampo - kCoda - 1 == kNomeConRicerca);
using TCampo = std::array<std::uint8_t, kCampo>;

std::uint32_t Controllo(const std::uint8_t* p, std::size_t n) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 16777619u;
    return h;
}

void Metti(std::uint8_t* p, std::uint64_t v, int byte) {
    for (int i = 0; i < byte; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint64_t Prendi(const std::uint8_t* p, int byte) {
    std::uint64_t v = 0;
    for (int i = 0; i < byte; ++i) v |= std::uint64_t{p[i]} << (8 * i);
    return v;
}

// The bytes of a short string as the writer stores them, room left zero.
TCampo Campo(const std::string& testo) {
    TScrittore m;
    m.ScriviStringaCorta(testo);
    TCampo c{};
    std::copy(m.Dati().begin(), m.Dati().end(), c.begin());
    return c;
}

bool HaSpazio(const TCampo& c) {
    return c[0] <= kNomeConRicerca;
}

void ScriviCoda(TCampo& c, const TImpostazioniSviluppo& imp) {
    std::uint8_t* p = c.data() + kCampo - kCoda;
    std::copy(kFirma.begin(), kFirma.end(), p);
    Metti(p + 4, imp.SecondiMigliorata, 4);
    Metti(p + 8, static_cast<std::uint64_t>(imp.IterazioniMigliorata), 8);
    Metti(p + 16, imp.SemeMigliorata, 8);
    Metti(p + 24, Controllo(p, 24), 4);
}

bool LeggiCoda(const TCampo& c, TImpostazioniSviluppo& imp) {
    const std::uint8_t* p = c.data() + kCampo - kCoda;
    if (!HaSpazio(c) || !std::equal(kFirma.begin(), kFirma.end(), p) ||
        Prendi(p + 24, 4) != Controllo(p, 24))
        return false;
    imp.SecondiMigliorata = static_cast<std::uint32_t>(Prendi(p + 4, 4));
    imp.IterazioniMigliorata = static_cast<std::int64_t>(Prendi(p + 8, 8));
    imp.SemeMigliorata = Prendi(p + 16, 8);
    imp.LimitaRicerca();
    return true;
}

// A short string read whole, its text decoded as a plain read of it would.
bool LeggiCampo(TLettore& l, std::string& testo, TCampo& c) {
    const std::uint64_t prima = l.Posizione();
    const bool ok = l.Leggi(c.data(), c.size());
    TLettore m(std::span<const std::uint8_t>(c.data(), l.Posizione() - prima));
    m.LeggiStringaCorta(testo);
    return ok;
}

}  // namespace

bool SalvaSviluppo(TScrittore& s, const TSorgente& sorgente, const TImpostazioniSviluppo& imp) {
    TCampo fs = Campo(sorgente.FileSorgente), fd = Campo(imp.FileDestinazione);
    if (!imp.RicercaPredefinita()) {
        if (HaSpazio(fd))
            ScriviCoda(fd, imp);
        else if (HaSpazio(fs))
            ScriviCoda(fs, imp);
    }
    const std::uint8_t riduzione = imp.Migliorata ? kByteMigliorata : imp.Ottimizzata ? 1 : 0;
    return s.ScriviBool(sorgente.DaPronostico) && s.Scrivi(fs.data(), fs.size()) &&
           s.ScriviBool(imp.UsaCondizioni) && s.ScriviBool(imp.Autoriduzione) &&
           s.ScriviBool(imp.InMemoria) && s.ScriviU8(riduzione) && s.ScriviU8(imp.Garanzia) &&
           s.ScriviU8(imp.VinciteMultiple) && s.Scrivi(fd.data(), fd.size());
}

bool CaricaSviluppo(TLettore& l, TSorgente& sorgente, TImpostazioniSviluppo& imp) {
    TCampo fs{}, fd{};
    std::uint8_t riduzione = imp.Migliorata ? kByteMigliorata : imp.Ottimizzata ? 1 : 0;
    const bool ok = l.LeggiBool(sorgente.DaPronostico) &&
                    LeggiCampo(l, sorgente.FileSorgente, fs) && l.LeggiBool(imp.UsaCondizioni) &&
                    l.LeggiBool(imp.Autoriduzione) && l.LeggiBool(imp.InMemoria) &&
                    l.LeggiU8(riduzione) && l.LeggiU8(imp.Garanzia) &&
                    l.LeggiU8(imp.VinciteMultiple) && LeggiCampo(l, imp.FileDestinazione, fd);
    // Any other value but 0 is true, as for every other boolean of the file.
    imp.Migliorata = riduzione == kByteMigliorata;
    imp.Ottimizzata = riduzione != 0 && !imp.Migliorata;
    if (ok && !LeggiCoda(fd, imp) && !LeggiCoda(fs, imp)) imp.RicercaAiPredefiniti();
    return ok;
}

}  // namespace sirvela
