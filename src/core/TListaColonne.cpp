#include "core/TListaColonne.h"

#include <cstring>

#include "core/FileColonne.h"
#include "core/FlussoBinario.h"

namespace sirvela {

TListaColonne::Blocco TListaColonne::NuovoBlocco() {
    constexpr auto byte = static_cast<std::int64_t>(kBlocco * sizeof(TColonna));
    if (tetto_ && !tetto_->Prendi(byte)) throw std::bad_alloc();
    Blocco b;
    try {
        b.dati.reset(new TColonna[kBlocco]);
    } catch (...) {
        if (tetto_) tetto_->Rendi(byte);
        throw;
    }
    return b;
}

void TListaColonne::ImpostaTetto(TTettoMemoria* tetto) {
    if (tetto == tetto_) return;
    if (tetto_) tetto_->Rendi(ByteBlocchi());
    tetto_ = tetto;
    if (tetto_) tetto_->Aggiungi(ByteBlocchi());
}

void TListaColonne::Prendi(TListaColonne& altra) noexcept {
    testa_ = std::move(altra.testa_);
    coda_ = std::move(altra.coda_);
    quante_ = altra.quante_;
    altra.testa_.clear();
    altra.coda_.clear();
    altra.quante_ = 0;
    // The blocks keep counting against the ceiling they were taken under.
    if (tetto_ != altra.tetto_) {
        if (altra.tetto_) altra.tetto_->Rendi(ByteBlocchi());
        if (tetto_) tetto_->Aggiungi(ByteBlocchi());
    }
}

void TListaColonne::AccodaLista(TListaColonne&& altra) {
    if (this == &altra || altra.quante_ == 0) return;
    const std::int64_t byte = altra.ByteBlocchi();
    coda_.reserve(coda_.size() + altra.testa_.size() + altra.coda_.size());
    // Front blocks become back blocks, which are read from 0 to `fine`.
    for (auto it = altra.testa_.rbegin(); it != altra.testa_.rend(); ++it) {
        const std::size_t n = kBlocco - it->inizio;
        std::memmove(it->dati.get(), it->dati.get() + it->inizio, n * sizeof(TColonna));
        it->inizio = 0;
        it->fine = n;
        coda_.push_back(std::move(*it));
    }
    for (auto& b : altra.coda_) coda_.push_back(std::move(b));
    quante_ += altra.quante_;
    altra.testa_.clear();
    altra.coda_.clear();
    altra.quante_ = 0;
    if (altra.tetto_ != tetto_) {
        if (altra.tetto_) altra.tetto_->Rendi(byte);
        if (tetto_) tetto_->Aggiungi(byte);
    }
}

void TListaColonne::Svuota() {
    if (tetto_) tetto_->Rendi(ByteBlocchi());
    testa_.clear();
    coda_.clear();
    testa_.shrink_to_fit();
    coda_.shrink_to_fit();
    quante_ = 0;
}

void TListaColonne::AccodaInNuovoBlocco(const TColonna& c) {
    try {
        coda_.push_back(NuovoBlocco());
    } catch (...) {
        Svuota();
        throw;
    }
    Blocco& b = coda_.back();
    b.dati[b.fine++] = c;
    ++quante_;
}

void TListaColonne::InserisciInTesta(const TColonna& c) {
    try {
        if (testa_.empty() || testa_.back().inizio == 0) {
            testa_.push_back(NuovoBlocco());
            testa_.back().inizio = kBlocco;
        }
    } catch (...) {
        Svuota();
        throw;
    }
    Blocco& b = testa_.back();
    b.dati[--b.inizio] = c;
    ++quante_;
}

void TListaColonne::Copia(const TListaColonne& sorgente) {
    if (this == &sorgente) return;
    Svuota();
    sorgente.PerOgniBlocco([this](const TColonna* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) Accoda(p[i]);
        return true;
    });
}

void TListaColonne::const_iterator::Sistema() {
    // Moves to the first non-empty block at or after blocco_.
    const std::size_t nt = lista_->testa_.size();
    while (true) {
        const std::size_t tot = nt + lista_->coda_.size();
        if (blocco_ >= tot) {
            p_ = fine_ = nullptr;
            return;
        }
        if (blocco_ < nt) {
            const Blocco& b = lista_->testa_[nt - 1 - blocco_];
            p_ = b.dati.get() + b.inizio;
            fine_ = b.dati.get() + kBlocco;
        } else {
            const Blocco& b = lista_->coda_[blocco_ - nt];
            p_ = b.dati.get();
            fine_ = b.dati.get() + b.fine;
        }
        if (p_ != fine_) return;
        ++blocco_;
    }
}

void TListaColonne::const_iterator::ProssimoBlocco() {
    ++blocco_;
    Sistema();
}

TListaColonne::const_iterator TListaColonne::begin() const {
    const_iterator it;
    it.lista_ = this;
    it.Sistema();
    return it;
}

std::vector<TColonna> TListaColonne::ComeVettore() const {
    std::vector<TColonna> v;
    v.reserve(static_cast<std::size_t>(quante_));
    PerOgniBlocco([&v](const TColonna* p, std::size_t n) {
        v.insert(v.end(), p, p + n);
        return true;
    });
    return v;
}

bool TListaColonne::ScriviSuFile(TScrittore& s) const {
    // Each storage run goes out in one write: the file holds the same bytes as writing 1000
    // records at a time, without copying every column through a block buffer first.
    bool ok = true;
    PerOgniBlocco([&](const TColonna* p, std::size_t n) {
        ok = s.Scrivi(p, n * sizeof(TColonna));
        return ok;
    });
    return ok;
}

namespace {

// The first of n records that is not eight different pilots of `inGioco` (bit v for pilot
// v), or n. No branch inside a record and no bit count: every pilot adds its bit, and the sum
// equals the union only when no pilot repeats.
std::size_t PrimaNonGiocabile(const TColonna* p, std::size_t n, std::uint64_t inGioco) {
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t visti = 0, somma = 0;
        unsigned alti = 0;
        for (std::uint8_t v : p[i]) {
            alti |= v;
            const std::uint64_t bit = std::uint64_t{1} << (v & 63);
            visti |= bit;
            somma += bit;
        }
        if ((alti & 0xC0u) != 0 || somma != visti || (visti & ~inGioco) != 0) return i;
    }
    return n;
}

}  // namespace

bool TListaColonne::LeggiDaFile(TLettore& l, const TControlloColonne* controllo,
                                TDifettoLettura* difetto) {
    Svuota();
    const std::uint64_t r = l.Rimanenti();
    std::uint64_t pieni = r / (kRecordPerIO * 8);
    const std::size_t ultimo = static_cast<std::size_t>((r % (kRecordPerIO * 8)) / 8);
    std::vector<TColonna> buffer(kRecordPerIO);
    try {
        while (true) {
            const std::size_t n = pieni > 0 ? kRecordPerIO : ultimo;
            if (n > 0 && !l.Leggi(buffer.data(), n * 8)) {
                Svuota();
                return false;
            }
            // The block is checked while it is still in the cache. The quick test passes the
            // plain columns; only the others go to the full check (an empty record may be
            // allowed there).
            const std::uint64_t inGioco = controllo ? controllo->Piloti().Maschera() : 0;
            for (std::size_t i = controllo ? PrimaNonGiocabile(buffer.data(), n, inGioco) : n;
                 i < n; i += 1 + PrimaNonGiocabile(buffer.data() + i + 1, n - i - 1, inGioco)) {
                if (controllo->Valida(buffer[i])) continue;
                if (difetto) {
                    difetto->Record = quante_ + static_cast<std::int64_t>(i);
                    difetto->Colonna = buffer[i];
                }
                Svuota();
                return false;
            }
            for (std::size_t i = 0; i < n; ++i) Accoda(buffer[i]);
            if (pieni == 0) break;
            --pieni;
        }
    } catch (const std::bad_alloc&) {
        Svuota();
        if (difetto) difetto->Memoria = true;
        return false;
    }
    return true;
}

bool TListaColonne::SalvaSuFile(const std::filesystem::path& percorso) const {
    TScrittore s(percorso);
    if (!s.Aperto()) return false;
    bool ok = ScriviSuFile(s);
    return s.Chiudi() && ok;
}

bool TListaColonne::CaricaDaFile(const std::filesystem::path& percorso) {
    TLettore l(percorso);
    if (!l.Aperto()) {
        Svuota();
        return false;
    }
    return LeggiDaFile(l);
}

std::string NomeFileColonne(const std::string& nome, const std::filesystem::path& cartella,
                            const std::string& estensione) {
    std::string risultato = nome;
    if (nome.find_first_of("/\\") == std::string::npos) risultato = (cartella / nome).string();
    auto separatore = risultato.find_last_of("/\\");
    std::string file =
        separatore == std::string::npos ? risultato : risultato.substr(separatore + 1);
    if (file.find('.') == std::string::npos) risultato += "." + estensione;
    return risultato;
}

}  // namespace sirvela
