#include "printing/StampaSchedine.h"

#include <algorithm>

#include "core/TListaColonne.h"
#include "printing/Superficie.h"

namespace sirvela {

namespace {

const TCarattereStampa kCarattereScritta{"Courier New", 10, true, false};

// Boxes of the variable-pilot strip per position block.
constexpr int kCaselleStriscia = 4;

}  // namespace

TGeometriaSchedina::TGeometriaSchedina(const TValoriTaratura& valori, bool orizzontale,
                                       int numeroPiloti, int pilotaEscluso)
    : v_(valori),
      orizzontale_(orizzontale),
      numeroPiloti_(numeroPiloti),
      pilotaEscluso_(pilotaEscluso) {}

TPuntoMm TGeometriaSchedina::Origine(int k) const {
    if (orizzontale_)
        return {v_.YPrimaCol, kBordoOrizzontale - v_.XPrimaCol - k * v_.DistanzaColOriz};
    return {v_.XPrimaCol + k * v_.DistanzaColOriz, v_.YPrimaCol};
}

TRettangoloMm TGeometriaSchedina::Casella(double x0, double y0, int riga, int colonna,
                                          int blocco) const {
    const double passoX = v_.DistanzaSegniOriz + v_.LarghezzaOvale;
    const double passoY = v_.DistanzaSegniVert + v_.AltezzaOvale;
    if (orizzontale_)
        return {x0 + riga * passoY + blocco * v_.DistanzaColVert, y0 - colonna * passoX,
                v_.AltezzaOvale, v_.LarghezzaOvale};
    return {x0 + colonna * passoX, y0 + riga * passoY + blocco * v_.DistanzaColVert,
            v_.LarghezzaOvale, v_.AltezzaOvale};
}

std::optional<TRettangoloMm> TGeometriaSchedina::Segno(TPuntoMm origine, int posizione,
                                                       int pilota) const {
    if (pilota < 1 || pilota > numeroPiloti_ || pilota == pilotaEscluso_) return std::nullopt;
    const int b = pilota >= pilotaEscluso_ ? pilota - 2 : pilota - 1;
    return Casella(origine.X, origine.Y, b / kCasellePerRiga, b % kCasellePerRiga, posizione - 1);
}

TPuntoMm TGeometriaSchedina::Scritta() const {
    if (orizzontale_) return {67.5 - v_.ScrittaX + 2.0, v_.ScrittaY};
    return {v_.ScrittaX, v_.ScrittaY};
}

TRettangoloMm TGeometriaSchedina::Striscia(int casella, int blocco) const {
    // Two box widths before the first column, across the same blocks as a column.
    const double x0 = v_.XPrimaCol - 2 * (v_.DistanzaSegniOriz + v_.LarghezzaOvale);
    if (orizzontale_) return Casella(v_.YPrimaCol, kBordoOrizzontale - x0, casella, 0, blocco);
    return Casella(x0, v_.YPrimaCol, casella, 0, blocco);
}

TRettangoloMm TGeometriaSchedina::CasellaSistema() const {
    return Striscia(2, 0);
}

std::optional<TRettangoloMm> TGeometriaSchedina::CasellaVariabile(int pilota) const {
    if (pilota < 1 || pilota > numeroPiloti_) return std::nullopt;
    const int b = pilota - 1;
    return Striscia(b % kCaselleStriscia, b / kCaselleStriscia + 1);
}

const char* ControllaSchedineDaStampare(bool tutte, int da, int a) {
    if (!tutte && da > a) return kErroreNumeroSchedine;
    return nullptr;
}

namespace {

// The tickets da..a of a list of `quante` columns, as 1-based first and last.
std::pair<std::int64_t, std::int64_t> Intervallo(std::int64_t quante, int da, int a) {
    const std::int64_t totali = NumeroSchedine(quante);
    return {da < 1 ? 1 : da, a <= 0 || a > totali ? totali : a};
}

}  // namespace

std::string ControllaPrimaSchedina(std::int64_t colonne, int da) {
    const std::int64_t schedine = NumeroSchedine(colonne);
    if (std::max(da, 1) <= schedine) return {};
    return "Nessuna schedina da stampare: le schedine sono " + std::to_string(schedine) + ".";
}

std::string ControllaColonneStampabili(const TListaColonne& colonne, const TPilotiInGioco& piloti,
                                       int da, int a) {
    const auto [primo, ultimo] = Intervallo(colonne.Quante(), da, a);
    const std::int64_t inizio = (primo - 1) * kColonnePerSchedina;
    const std::int64_t fine = ultimo * kColonnePerSchedina;
    std::int64_t indice = 0, cattive = 0;
    TColonna prima{};
    for (const TColonna& c : colonne) {
        if (indice >= fine) break;
        if (indice++ < inizio) continue;
        for (std::uint8_t v : c)
            if (v != 0 && !piloti.InGioco(v)) {
                if (cattive++ == 0) prima = c;
                break;
            }
    }
    if (cattive == 0) return {};
    if (cattive == 1)
        return "1 colonna contiene piloti fuori gioco (" + ColonnaInTesto(prima) +
               ") e non può essere stampata.";
    return std::to_string(cattive) +
           " colonne contengono piloti fuori gioco (la prima: " + ColonnaInTesto(prima) +
           ") e non possono essere stampate.";
}

std::string ScrittaSchedina(const TOpzioniSchedine& o, std::int64_t schedina, double costo) {
    const std::string importo = FormattaImporto(costo, o.Prezzi.Euro ? 2 : 0);
    if (o.Automatiche) return kScrittaAutomatica + importo;
    return NomeSenzaCartella(o.NomeSistema) + " Sc. Nº " + std::to_string(schedina) + " L. " +
           importo;
}

namespace {

void Segna(TmmPrinter& p, const TRettangoloMm& r) {
    p.Rettangolo(r.X, r.Y, r.L, r.A);
}

void DisegnaColonna(TmmPrinter& p, const TGeometriaSchedina& g, TPuntoMm origine,
                    const TColonna& c) {
    for (int i = 0; i < 8; ++i)
        if (c[i] != 0)
            if (auto r = g.Segno(origine, i + 1, c[i])) Segna(p, *r);
}

void Scrivi(TmmPrinter& p, const TGeometriaSchedina& g, const std::string& testo) {
    p.Carattere(kCarattereScritta);
    const TPuntoMm s = g.Scritta();
    if (g.Orizzontale())
        p.ScriviRuotato(s.X, s.Y, 90, testo);
    else
        p.Scrivi(s.X, s.Y, testo);
}

TGeometriaSchedina Geometria(const TTaratura& t, const TOpzioniSchedine& o) {
    return {t.Valori[o.Orizzontale ? 1 : 0], o.Orizzontale, o.NumeroPiloti, o.PilotaEscluso};
}

}  // namespace

bool StampaSchedine(TmmPrinter& p, const TListaColonne& colonne, const TTaratura& t,
                    const TOpzioniSchedine& o, TControlloStampa& controllo) {
    const TGeometriaSchedina g = Geometria(t, o);
    const auto [primo, ultimo] = Intervallo(colonne.Quante(), o.Da, o.A);
    if (primo > ultimo) return true;
    if (auto errore = ControllaColonneStampabili(colonne, o.Piloti(), o.Da, o.A); !errore.empty())
        throw TErroreStampa(errore);

    auto it = colonne.begin();
    for (std::int64_t salta = (primo - 1) * kColonnePerSchedina; salta > 0; --salta) ++it;
    p.Inizia(kLavoroSchedine, false);
    for (std::int64_t s = primo;; ++s) {
        if (controllo.Annullata()) {
            p.Annulla();
            return false;
        }
        double costo = 0;
        for (int k = 0; k < kColonnePerSchedina && it != colonne.end(); ++k, ++it) {
            const TColonna& c = *it;
            if (c[0] == 0) continue;
            DisegnaColonna(p, g, g.Origine(k), c);
            costo += o.Prezzi.Prezzo();
        }
        if (t.StampaScritta) Scrivi(p, g, ScrittaSchedina(o, s, costo));
        controllo.Avanzamento(s - primo + 1, ultimo - primo + 1);
        if (it == colonne.end() || s + 1 > ultimo) break;
        if (o.Pausa) {
            p.Termina();
            o.Pausa();
            p.Inizia(kLavoroSchedine, false);
        } else {
            p.NuovaPagina();
        }
    }
    p.Termina();
    return true;
}

double CostoSchedinaSistema(const TColonna& fissi, const TCombinazione& variabili,
                            const TPrezzi& prezzi) {
    const int k = PostiVuoti(fissi);
    return Combinazioni(variabili.Conta(), k) * Fattoriale(k) * prezzi.Prezzo();
}

std::string ControllaSchedinaSistema(const TColonna& fissi, const TCombinazione& variabili,
                                     const TPilotiInGioco& piloti) {
    auto fuori = [&](int v) {
        return "Il pilota " + std::to_string(v) +
               " è fuori gioco: la schedina di sistema non può essere stampata.";
    };
    for (std::uint8_t v : fissi)
        if (v != 0 && !piloti.InGioco(v)) return fuori(v);
    for (int i = 0; i < variabili.Conta(); ++i)
        if (!piloti.InGioco(variabili[i])) return fuori(variabili[i]);
    return {};
}

void StampaSchedinaSistema(TmmPrinter& p, const TColonna& fissi, const TCombinazione& variabili,
                           const TTaratura& t, const TOpzioniSchedine& o) {
    const TGeometriaSchedina g = Geometria(t, o);
    if (auto errore = ControllaSchedinaSistema(fissi, variabili, o.Piloti()); !errore.empty())
        throw TErroreStampa(errore);
    p.Inizia(kLavoroSchedine, false);
    if (t.StampaScritta) {
        TOpzioniSchedine automatica = o;
        automatica.Automatiche = true;
        Scrivi(p, g,
               ScrittaSchedina(automatica, 1, CostoSchedinaSistema(fissi, variabili, o.Prezzi)));
    }
    // The fixed pilots fill the first blocks, in position order.
    TColonna compatti{};
    int m = 0;
    for (std::uint8_t v : fissi)
        if (v != 0) compatti[static_cast<std::size_t>(m++)] = v;
    DisegnaColonna(p, g, g.Origine(0), compatti);
    Segna(p, g.CasellaSistema());
    for (int i = 0; i < variabili.Conta(); ++i)
        if (auto r = g.CasellaVariabile(variabili[i])) Segna(p, *r);
    p.Termina();
}

void StampaProvaTaratura(TmmPrinter& p, const TTaratura& t, const TOpzioniSchedine& o) {
    const TGeometriaSchedina g = Geometria(t, o);
    p.Inizia(kLavoroSchedine, false);
    for (int k = 0; k < kColonnePerSchedina; ++k)
        for (int posizione = 1; posizione <= 8; ++posizione)
            for (int pilota = 1; pilota <= o.NumeroPiloti; ++pilota)
                if (auto r = g.Segno(g.Origine(k), posizione, pilota)) Segna(p, *r);
    if (t.StampaScritta) Scrivi(p, g, kScrittaProva);
    p.Termina();
}

}  // namespace sirvela
