#include "archive/ImpostazioniDiRicerca.h"

#include <algorithm>
#include <cstdint>

namespace sirvela {

TImpostazioniDiRicerca::TImpostazioniDiRicerca(const TArchivio& archivio) : archivio_(archivio) {
    const auto& sel = archivio.Selezione;
    Tutte = sel.Tutte;
    if (archivio.Quante() == 0) return;
    inizio_ = Limita(sel.Dal - 1);
    fine_ = sel.Al == -1 ? archivio.Quante() - 1 : Limita(sel.Al - 1);
    if (inizio_ > fine_) inizio_ = fine_;
}

int TImpostazioniDiRicerca::Limita(int indice) const {
    if (archivio_.Quante() == 0) return -1;
    return std::clamp(indice, 0, archivio_.Quante() - 1);
}

std::vector<std::string> TImpostazioniDiRicerca::Voci() const {
    std::vector<std::string> voci;
    voci.reserve(static_cast<std::size_t>(archivio_.Quante()));
    for (const auto& e : archivio_.Estrazioni)
        voci.push_back("N\u00BA" + std::to_string(e.Numero) + " " + std::to_string(e.Anno));
    return voci;
}

std::string TImpostazioniDiRicerca::AnnoFinale() const {
    if (archivio_.Quante() == 0) return {};
    return "Anno " + std::to_string(archivio_.Estrazioni.back().Anno);
}

void TImpostazioniDiRicerca::ScegliInizio(int indice) {
    inizio_ = Limita(indice);
    if (inizio_ > fine_) inizio_ = fine_;
}

void TImpostazioniDiRicerca::ScegliFine(int indice) {
    fine_ = Limita(indice);
    if (fine_ < inizio_) fine_ = inizio_;
}

std::string TImpostazioniDiRicerca::Testo(int indice) const {
    if (indice < 0) return {};
    const auto& e = archivio_[indice];
    return "Anno " + std::to_string(e.Anno) + "     Concorso N\u00BA " + std::to_string(e.Numero);
}

std::string TImpostazioniDiRicerca::TestoInizio() const {
    return Testo(inizio_);
}
std::string TImpostazioniDiRicerca::TestoFine() const {
    return Testo(fine_);
}

int TImpostazioniDiRicerca::Lunghezza() const {
    return inizio_ < 0 ? 0 : fine_ - inizio_ + 1;
}

int TImpostazioniDiRicerca::SinistraBarra() const {
    if (archivio_.Quante() == 0 || inizio_ < 0) return 0;
    return static_cast<int>(std::int64_t{inizio_} * kLarghezzaTraccia / archivio_.Quante());
}

int TImpostazioniDiRicerca::LarghezzaBarra() const {
    if (archivio_.Quante() == 0) return 0;
    return static_cast<int>(std::int64_t{Lunghezza()} * kLarghezzaTraccia / archivio_.Quante());
}

void TImpostazioniDiRicerca::Conferma(TClasseDiEstrazioni& selezione) const {
    selezione.Tutte = Tutte;
    if (inizio_ < 0) return;
    selezione.Dal = inizio_ + 1;
    selezione.Al = fine_ + 1;
}

}  // namespace sirvela
