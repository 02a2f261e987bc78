#include "conditions/EditoriValori.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace sirvela {

void TModelloGraphpt::ImpostaForma(int ptTotali, int ptVisibili, int ptIniziale) {
    ptTotali_ = std::max(ptTotali, 0);
    ptVisibili_ = std::max(ptVisibili, 1);
    ptIniziale_ = std::max(ptIniziale, 0);
    scostamento_ = std::min(scostamento_, MassimoScostamento());
    CorrenteInVista();
}

void TModelloGraphpt::ImpostaTipi(bool punti, bool cons, bool campo) {
    tipi_ = {punti, cons, campo};
    if (tipi_[modo_]) return;
    for (int m = kModoPunti; m <= kModoCampo; ++m)
        if (tipi_[m]) {
            modo_ = m;
            return;
        }
}

void TModelloGraphpt::ImpostaNumEvents(int n) {
    numEvents_ = std::max(n, 1);
    campoDa_ = std::min(campoDa_, numEvents_);
    campoA_ = std::min(campoA_, numEvents_);
}

void TModelloGraphpt::Carica(const TValoriAmmessi& v) {
    principale_ = v.Principale;
    secondaria_ = v.Secondaria;
    for (TTabellaValori* t : {&principale_, &secondaria_})
        for (TVoceValore& voce : t->Voci)
            if (voce.Livello == 0) voce.Livello = 1;
    campoDa_ = v.CampoDa;
    campoA_ = v.CampoA;
    scostamento_ = 0;
    corrente_ = 0;
    Modificato = false;
}

void TModelloGraphpt::Salva(TValoriAmmessi& v) const {
    v.Principale = principale_;
    v.Secondaria = secondaria_;
    v.CampoDa = static_cast<std::uint16_t>(campoDa_);
    v.CampoA = static_cast<std::uint16_t>(campoA_);
}

void TModelloGraphpt::Azzera() {
    principale_.Azzera();
    secondaria_.Azzera();
    campoDa_ = 1;
    campoA_ = std::min(8, numEvents_);
    Modifica();
}

void TModelloGraphpt::ImpostaModo(int modo) {
    if (modo < kModoPunti || modo > kModoCampo || !tipi_[modo]) return;
    modo_ = modo;
}

int TModelloGraphpt::Box() const {
    return std::min(ptVisibili_, ptTotali_);
}

int TModelloGraphpt::MassimoScostamento() const {
    return std::max(ptTotali_ - ptVisibili_, 0);
}

bool TModelloGraphpt::ScorriIndietro() {
    if (scostamento_ < 1) return false;
    --scostamento_;
    CorrenteInVista();
    return true;
}

bool TModelloGraphpt::ScorriAvanti() {
    if (ptTotali_ - ptVisibili_ <= scostamento_) return false;
    ++scostamento_;
    CorrenteInVista();
    return true;
}

void TModelloGraphpt::CorrenteInVista() {
    corrente_ = std::clamp(corrente_, scostamento_, scostamento_ + std::max(Box(), 1) - 1);
}

bool TModelloGraphpt::SpostaCorrente(int passi) {
    const int prima = corrente_;
    corrente_ = std::clamp(corrente_ + passi, 0, std::max(ptTotali_ - 1, 0));
    if (corrente_ < scostamento_) scostamento_ = corrente_;
    if (corrente_ >= scostamento_ + Box()) scostamento_ = corrente_ - Box() + 1;
    return corrente_ != prima;
}

void TModelloGraphpt::ImpostaBoxCorrente(int box) {
    if (box >= 0 && box < Box()) corrente_ = scostamento_ + box;
}

const TVoceValore* TModelloGraphpt::Voce(int box) const {
    if (box < 0 || box >= Box()) return nullptr;
    const int v = ValoreBox(box);
    if (v >= ptIniziale_ + ptTotali_ || v >= TTabellaValori::kValori) return nullptr;
    return &Mostrata().Voci[static_cast<std::size_t>(v)];
}

TVoceValore* TModelloGraphpt::Voce(int box) {
    return const_cast<TVoceValore*>(std::as_const(*this).Voce(box));
}

int TModelloGraphpt::Grado(int box) const {
    const TVoceValore* v = Voce(box);
    return v ? v->Stato : 0;
}

int TModelloGraphpt::Livello(int box) const {
    const TVoceValore* v = Voce(box);
    return v ? std::clamp<int>(v->Livello, 1, kLivelloMassimo) : 1;
}

bool TModelloGraphpt::Clic(int box) {
    TVoceValore* v = Voce(box);
    if (!v) return false;
    if (v->Stato == 0)
        v->Stato = 1;
    else if (v->Stato == 1 && RecVisibili)
        v->Stato = 2;
    else
        v->Stato = 0;
    // A value put in recovery always carries a level the link groups can count.
    if (v->Stato == 2) v->Livello = static_cast<std::uint8_t>(Livello(box));
    Modifica();
    return true;
}

bool TModelloGraphpt::AlzaLivello(int box) {
    return CambiaLivello(box, 1);
}

bool TModelloGraphpt::AbbassaLivello(int box) {
    return CambiaLivello(box, -1);
}

bool TModelloGraphpt::CambiaLivello(int box, int passi) {
    return ImpostaLivello(box, Livello(box) + passi);
}

bool TModelloGraphpt::ImpostaLivello(int box, int livello) {
    TVoceValore* v = Voce(box);
    livello = std::clamp(livello, 1, kLivelloMassimo);
    if (!v || v->Stato != 2 || livello == Livello(box)) return false;
    v->Livello = static_cast<std::uint8_t>(livello);
    Modifica();
    return true;
}

void TModelloGraphpt::ImpostaLettera(char lettera) {
    if (lettera < 'A' || lettera > 'Z' || lettera == Lettera()) return;
    MostrataW().LetteraLink = lettera;
    Modifica();
}

void TModelloGraphpt::ImpostaGruppoTra(int gruppo) {
    if (gruppo < 0 || gruppo > kGruppiTra || gruppo == GruppoTra()) return;
    MostrataW().GruppoTra = static_cast<std::uint16_t>(gruppo);
    Modifica();
}

void TModelloGraphpt::ImpostaCampo(int& estremo, int posizione) {
    posizione = std::clamp(posizione, 1, numEvents_);
    if (posizione == estremo) return;
    estremo = posizione;
    if (campoDa_ > campoA_) campoA_ = campoDa_;
    Modifica();
}

// ---------------------------------------------------------------------------------------------

namespace {

std::string Spazi(const std::string& s) {
    const auto inizio = s.find_first_not_of(" \t");
    if (inizio == std::string::npos) return "";
    const auto fine = s.find_last_not_of(" \t");
    return s.substr(inizio, fine - inizio + 1);
}

std::string TestoValore(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        return fmt::format("{}", static_cast<long long>(v));
    return fmt::format("{}", v);
}

}  // namespace

bool LeggiIntero(const std::string& testo, int& valore) {
    std::string t = Spazi(testo);
    if (t.empty()) {
        valore = 0;
        return true;
    }
    if (t.front() == '+') t.erase(0, 1);
    const char* fine = t.data() + t.size();
    const auto [p, ec] = std::from_chars(t.data(), fine, valore);
    return ec == std::errc() && p == fine;
}

TModelloIntervalli::TModelloIntervalli() {
    Azzera();
    Modificato = false;
}

void TModelloIntervalli::Azzera() {
    for (auto& p : pagine_) p.assign(kColonne, TCella{});
    lettera_ = 'A';
    Modificato = true;
}

void TModelloIntervalli::Carica(const TIntervalliAmmessi& lista) {
    for (auto& p : pagine_) p.clear();
    for (int i = 0; i < lista.Conta(); ++i) {
        const TIntervallo& iv = lista.Intervalli[static_cast<std::size_t>(i)];
        // Any other grade accepts nothing: the grid has no page for it.
        if (iv.Tipo != 1 && iv.Tipo != 2) continue;
        const int livello = std::clamp<int>(iv.Livello, 1, TModelloGraphpt::kLivelloMassimo);
        pagine_[iv.Tipo == 1 ? kPaginaAmmessi : kPaginaRecupero].push_back(
            {TestoValore(iv.Min), TestoValore(iv.Max), iv.Tipo == 2 ? livello : 1});
    }
    for (auto& p : pagine_)
        if (p.size() < static_cast<std::size_t>(kColonne)) p.resize(kColonne);
    lettera_ = lista.LetteraLink >= 'A' && lista.LetteraLink <= 'Z' ? lista.LetteraLink : 'A';
    Modificato = false;
}

void TModelloIntervalli::ImpostaMin(int pagina, int colonna, const std::string& testo) {
    std::string& cella = pagine_[pagina][colonna].Min;
    if (cella == testo) return;
    cella = testo;
    Modificato = true;
}

void TModelloIntervalli::ImpostaMax(int pagina, int colonna, const std::string& testo) {
    std::string& cella = pagine_[pagina][colonna].Max;
    if (cella == testo) return;
    cella = testo;
    Modificato = true;
}

void TModelloIntervalli::ImpostaLivello(int colonna, int livello) {
    livello = std::clamp(livello, 1, TModelloGraphpt::kLivelloMassimo);
    int& cella = pagine_[kPaginaRecupero][colonna].Livello;
    if (cella == livello) return;
    cella = livello;
    Modificato = true;
}

void TModelloIntervalli::ImpostaLettera(char lettera) {
    if (lettera < 'A' || lettera > 'Z' || lettera == lettera_) return;
    lettera_ = lettera;
    Modificato = true;
}

TErroreGriglia TModelloIntervalli::Acquisisci(TIntervalliAmmessi& lista,
                                              const TLimiti* limiti) const {
    auto fuori = [limiti](int v) { return limiti && (v < limiti->Min || v > limiti->Max); };
    TIntervalliAmmessi nuova(lista.Proprietario);
    nuova.GruppoTra = lista.GruppoTra;
    nuova.LetteraLink = lettera_;
    for (int pagina = kPaginaAmmessi; pagina <= kPaginaRecupero; ++pagina) {
        for (int c = 0; c < Colonne(pagina); ++c) {
            const TCella& cella = Cella(pagina, c);
            auto errore = [&](const char* messaggio) {
                return TErroreGriglia{messaggio, 0, pagina, c};
            };
            if (Spazi(cella.Min).empty() && Spazi(cella.Max).empty()) continue;
            int min = 0, max = 0;
            if (!LeggiIntero(cella.Min, min)) return errore(kErroreMinimoIntervallo);
            if (!LeggiIntero(cella.Max, max)) return errore(kErroreMassimoIntervallo);
            if (fuori(min)) return errore(kErroreMinimoIntervallo);
            if (fuori(max)) return errore(kErroreMassimoIntervallo);
            if (max < min) return errore(kErroreMinimoSopraMassimo);
            // Touching bounds overlap too: a value would belong to two intervals.
            for (int k = 0; k < nuova.Quanti; ++k) {
                const TIntervallo& prima = nuova.Intervalli[static_cast<std::size_t>(k)];
                if (!(min > prima.Max || max < prima.Min)) return errore(kErroreIntervalliContigui);
            }
            if (nuova.Quanti >= TIntervalliAmmessi::kIntervalli)
                return errore(kErroreTroppiIntervalli);
            const bool recupero = pagina == kPaginaRecupero;
            nuova.Intervalli[static_cast<std::size_t>(nuova.Quanti++)] = {
                static_cast<double>(min), static_cast<double>(max),
                static_cast<std::uint16_t>(recupero ? 2 : 1),
                static_cast<std::int16_t>(recupero ? cella.Livello : 0)};
        }
    }
    lista.CopiaDa(nuova);
    return {};
}

}  // namespace sirvela
