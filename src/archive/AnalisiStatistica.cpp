#include "archive/AnalisiStatistica.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "archive/TArchivio.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TCondizione.h"
#include "core/Colonna.h"
#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/MotiviFile.h"
#include "core/TDatiSistema.h"
#include "core/TListaColonne.h"
#include "development/Sviluppo.h"

namespace sirvela {

namespace {

constexpr std::size_t kLunghezzaNome = 30;

// What a kind's member decides: its pages (one measure each) and its titles.
struct TSchemaAnalisi {
    struct TPagina {
        std::string Nome;
        int Categoria = 0;
        int Massimo = 0;                     // highest row value
        std::vector<std::string> Etichette;  // replaces the default labels when given
    };
    std::vector<TPagina> Pagine;
    std::array<std::string, 4> Titoli;  // main, frequency, delay, column analysis
    bool RigheEtichettate = false;
};

// Titles in the order main / column / delay / frequency, as the members list them.
void Titoli(TSchemaAnalisi& s, std::string principale, std::string colonne, std::string ritardi,
            std::string frequenze) {
    s.Titoli[TRisultatiAnalisi::kPrincipale] = std::move(principale);
    s.Titoli[TRisultatiAnalisi::kColonne] = std::move(colonne);
    s.Titoli[TRisultatiAnalisi::kRitardi] = std::move(ritardi);
    s.Titoli[TRisultatiAnalisi::kFrequenze] = std::move(frequenze);
}

// One page per category listed, each with the category's highest value.
void PagineCategorie(TSchemaAnalisi& s, const TCondizione& c,
                     std::initializer_list<std::pair<const char*, int>> pagine) {
    for (const auto& [nome, categoria] : pagine)
        s.Pagine.push_back({nome, categoria, c.MassimoStatistica(categoria), {}});
}

// The rows of an interval list: "min-max" per interval, then "Altri".
std::vector<std::string> EtichetteIntervalli(const TIntervalliAmmessi& lista) {
    std::vector<std::string> e;
    for (int i = 0; i < lista.Conta(); ++i)
        e.push_back(TestoIntervallo(lista.Intervalli[static_cast<std::size_t>(i)]));
    e.push_back("Altri");
    return e;
}

// ---------------------------------------------------------------------------------------------
// One member per kind.

void Somme(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    auto& somme = static_cast<TCondSomme&>(c);
    const std::pair<const char*, const TIntervalliAmmessi*> liste[] = {
        {"Tutti", &somme.Tutti}, {"Pari", &somme.Pari}, {"Dispari", &somme.Dispari}};
    const bool qualcuna = somme.Tutti.Attivo || somme.Pari.Attivo || somme.Dispari.Attivo;
    for (int k = 0; k < 3; ++k) {
        const auto& [nome, lista] = liste[k];
        if (qualcuna && !lista->Attivo) continue;
        s.Pagine.push_back({nome, k, lista->Conta(), EtichetteIntervalli(*lista)});
    }
    s.RigheEtichettate = true;
    Titoli(s, "Analisi Statistica delle Somme", "Analisi delle Somme",
           "Analisi Statistica dei Ritardi nelle Somme", "");
}

void PariDispari(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Pari", 0}, {"Dispari", 1}});
    Titoli(s, "Analisi Statistica dei Pari e Dispari", "Analisi dei Pari e Dispari",
           "Analisi Statistica del Ritardo nei Pari e Dispari",
           "Analisi Statistica delle Frequenze dei Pari e Dispari");
}

void Baricentri(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Tutti", 0}, {"Pari", 1}, {"Dispari", 2}});
    Titoli(s, "Analisi Statistica dei Baricentri", "Analisi dei Baricentri",
           "Analisi Statistica del Ritardo nei Baricentri",
           "Analisi Statistica della Frequenza dei Baricentri");
}

void DistanzeGlobali(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Minima", 0}, {"Massima", 1}, {"Totale", 2}});
    Titoli(s, "Analisi Statistica della Distanza ", "Analisi della Distanza",
           "Analisi Statistica del Ritardo nella Distanza",
           "Analisi Statistica della Frequenza della Distanza");
}

void Vortici(TCondizione& c, const TParametriAnalisi& p, TSchemaAnalisi& s) {
    const int primo = p.VorticeInverso ? 2 : 0;
    PagineCategorie(s, c, {{"Posizione", primo}, {"Bracci", primo + 1}});
    if (p.VorticeInverso)
        Titoli(s, "Analisi Statistica del Vortice Inverso", "Analisi del Vortice Inverso",
               "Analisi Statistica dei Ritardi nel Vortice Inverso",
               "Analisi Statistica della Frequenza del Vortice Inverso");
    else
        Titoli(s, "Analisi Statistica del Vortice Diretto", "Analisi del Vortice Diretto",
               "Analisi Statistica dei Ritardi del Vortice Diretto",
               "Analisi Statistica della Frequenza del Vortice Diretto");
}

void NumeriConsecutivi(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Consecutivita", 0}});
    Titoli(s, "Analisi Statistica della consecutivita Numerica",
           "Analisi della consecutivita Numerica",
           "Analisi Statistica dei ritardi nella consecutivita Numerica",
           "Analisi Statistica delle Frequenze della consecutivita Numerica");
}

void Simmetrie(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Dirette", 0}, {"Inverse", 1}, {"Totali", 2}});
    Titoli(s, "Analisi Statistica delle Simmetrie", "Analisi delle Simmetrie",
           "Analisi Statistica del Ritardo nelle Simmetrie",
           "Analisi Statistica della Frequenza delle Simmetrie");
}

void Interruzioni(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Globali", 0}, {"Segni Pari", 1}, {"Segni Dispari", 2}});
    Titoli(s, "Analisi Statistica delle Interruzioni", "Analisi delle Interruzioni",
           "Analisi Statistica del Ritardo nelle Interruzioni",
           "Analisi Statistica della Frequenza delle Interruzioni");
}

void Ripetizioni(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Una Prec.", 0}, {"Due Prec.", 1}});
    Titoli(s, "Analisi Statistica delle Ripetizioni", "Analisi delle Ripetizione",
           "Analisi Statistica del Ritardo nelle Ripetizioni",
           "Analisi Statistica della Frequenza delle Ripetizioni");
}

void CrescenzeDecrescenze(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Crescenze", 0}, {"Decrescenze", 1}});
    Titoli(s, "Analisi Statistica delle Crescenze e Decrescenze",
           "Analisi delle Crescenze e Decrescenze",
           "Analisi Statistica del Ritardo nelle Crescenze e Decrescenze",
           "Analisi Statistica delle Frequenze delle Crescenze e Decrescenze");
}

void NumeroSequenze(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    const auto& n = static_cast<TCondNumeroSequenze&>(c);
    const int lunghezza = std::clamp<int>(n.LunghezzaMostrata, 1, 4);
    const std::string l = std::to_string(lunghezza);
    s.Pagine.push_back(
        {"Seq. di lung. " + l, lunghezza - 1, c.MassimoStatistica(lunghezza - 1), {}});
    Titoli(s, "Analisi Statistica del Numero di Sequenze di lunghezza " + l,
           "Analisi Colonnare del Numero di Sequenze di lunghezza " + l,
           "Analisi Statistica del Ritardo del Numero di Sequenze di lunghezza " + l,
           "Analisi Statistica delle Frequenze nel Numero di Sequenze di lunghezza " + l);
}

void Quadro(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Quadro", 0}});
    Titoli(s, "Analisi Statistica del Quadro", "Analisi del Quadro" + c.Nome,
           "Analisi Statistica del Ritardo del Quadro " + c.Nome,
           "Analisi Statistica della Frequenza del Quadro " + c.Nome);
}

void PuntiTra(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    auto& tra = static_cast<TCondPuntiTra&>(c);
    const int g = tra.GruppoStatistiche();
    const TIntervalliAmmessi& lista = tra.Punti(g);
    // A group restricted by intervals counts its interval rows and "Altri".
    if (lista.Conta() > 0) {
        s.Pagine.push_back({"Punti Tra", g - 1, lista.Conta(), EtichetteIntervalli(lista)});
        s.RigheEtichettate = true;
    } else {
        s.Pagine.push_back({"Punti Tra", g - 1, c.MassimoStatistica(g - 1), {}});
    }
    const std::string n = std::to_string(g);
    Titoli(s, "Analisi Statistica dei Punti Tra del Gruppo " + n,
           "Analisi dei Punti Tra del Gruppo " + n,
           "Analisi Statistica del Ritardo nei Punti Tra del Gruppo " + n,
           "Analisi Statistica della Frequenza dei Punti Tra del Gruppo " + n);
}

void ConsecutivitaDifferenziata(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    const bool pari = static_cast<TCondConsecDiff&>(c).Segno == 1;
    s.Pagine.push_back({pari ? "Consecutivita Segno Pari" : "ConsecutivitaSegno Dispari",
                        1,
                        c.MassimoStatistica(1),
                        {}});
    const std::string segno = pari ? " Segno Pari" : " Segno Dispari";
    Titoli(s, "Analisi Statistica della Consecutivita del" + segno,
           "Analisi della Consecutivita del" + segno,
           "Analisi Statistica del Ritardo nella Consecutivita del" + segno,
           "Analisi Statistica della Frequenza nella Consecutivita del" + segno);
}

void DistanzeSpecifiche(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    const auto& d = static_cast<TCondDistanzeSpecifiche&>(c);
    s.Pagine.push_back(
        {"Distanza tra " + std::to_string(d.Posizione1) + " e " + std::to_string(d.Posizione2),
         0,
         c.MassimoStatistica(0),
         {}});
    Titoli(s, "Analisi Statistica della Distanze Particolari", "Analisi delle Distanze Particolari",
           "Analisi Statistica del Ritardo delle Distanze Particolari",
           "Analisi Statistica delle Frequenze delle Distanze Particolari");
}

void Resti(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    const int divisore = static_cast<TCondResti&>(c).Divisore;
    std::vector<std::string> etichette;
    for (int v = 0; v <= std::max(divisore, 0); ++v) etichette.push_back(std::to_string(v));
    s.Pagine.push_back(
        {"Resto " + std::to_string(divisore), 0, std::max(divisore - 1, 0), std::move(etichette)});
    Titoli(s, "Analisi Statistica dei Resti", "Analisi dei Resti",
           "Analisi Statistica del Ritardo dei Resti",
           "Analisi Statistica delle Frequenze dei Resti");
}

void ColonnaFiltro(TCondizione& c, const TParametriAnalisi& p, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Colonna Filtro", 0}});
    const std::string n = std::to_string(p.Numero);
    Titoli(s, "Analisi Statistica della Colonna Filtro " + n, "Analisi della Colonna Filtro " + n,
           "Analisi Statistica del Ritardo della Colonna Filtro " + n,
           "Analisi Statistica delle Frequenze della Colonna Filtro " + n);
}

void Sequela(TCondizione& c, const TParametriAnalisi&, TSchemaAnalisi& s) {
    PagineCategorie(s, c, {{"Sequela", 0}});
    const int tipo = static_cast<TCondSequela&>(c).TipoSequela;
    if (tipo == 1) {
        // One given pattern.
        const std::string k = "Particolare";
        Titoli(s, "Analisi Statistica della Sequela " + k, "Analisi della Sequela " + k,
               "Analisi Statistica del Ritardo della Sequela " + k,
               "Analisi Statistica della Frequenza della Sequela " + k);
        return;
    }
    static const char* const kTipi[] = {"Monotermine", "Bitermine", "Generiche", "a Specchio"};
    const std::string k = tipo >= 2 && tipo <= 5 ? kTipi[tipo - 2] : "";
    Titoli(s, "Analisi Statistica delle Sequele " + k, "Analisi delle Sequele " + k,
           "Analisi Statistica del Ritardo delle Sequele " + k,
           "Analisi Statistica della Frequenza delle Sequele " + k);
}

using TMembro = void (*)(TCondizione&, const TParametriAnalisi&, TSchemaAnalisi&);

// The kinds with an analysis, by type code.
constexpr std::pair<int, TMembro> kMembri[] = {
    {kSomme, &Somme},
    {kPariDispari, &PariDispari},
    {kBaricentri, &Baricentri},
    {kDistanzeGlobali, &DistanzeGlobali},
    {kVortici, &Vortici},
    {kNumeriConsecutivi, &NumeriConsecutivi},
    {kSimmetrie, &Simmetrie},
    {kInterruzioni, &Interruzioni},
    {kRipetizioni, &Ripetizioni},
    {kCrescenzeDecrescenze, &CrescenzeDecrescenze},
    {kNumeroSequenze, &NumeroSequenze},
    {kQuadro, &Quadro},
    {kPuntiTra, &PuntiTra},
    {kConsecutivitaDifferenziata, &ConsecutivitaDifferenziata},
    {kDistanzeSpecifiche, &DistanzeSpecifiche},
    {kResti, &Resti},
    {kColonnaFiltro, &ColonnaFiltro},
    {kSequela, &Sequela},
};

TMembro MembroDi(int tipo) {
    for (const auto& [t, membro] : kMembri)
        if (t == tipo) return membro;
    return nullptr;
}

void Copia(T_FrequenzeRitardi& destinazione, const std::vector<T_FrequenzeRitardi>& sorgenti,
           int categoria) {
    if (categoria < 0 || categoria >= static_cast<int>(sorgenti.size())) {
        destinazione.Inizializza(0);
        return;
    }
    destinazione = sorgenti[static_cast<std::size_t>(categoria)];
    destinazione.LeggiPrimaria = true;
}

// Every column of the system's source: the position sets developed on the fly, or the
// source column file. Each well-formed column (eight different pilots in play) goes to the
// condition. The cancel is looked for at the candidates whose index is a multiple of 100.
bool PassaSorgente(TCondizione& c, TRisultatiAnalisi& r, IAvanzamentoAnalisi* avanzamento) {
    TDatiSistema* d = c.Proprietario;
    if (!d) return true;
    std::int64_t indice = 0;
    bool annullata = false;
    const TPilotiInGioco piloti = d->PilotiInGioco();
    auto esamina = [&](const TColonna& colonna, TContatoreAvanzamento& gauge) {
        if (piloti.ColonnaGiocabile(colonna)) {
            c.AnalisiEstrazione(colonna);
            ++r.ColonneLette;
        }
        if (indice % 100 == 0 && gauge.Annullato()) annullata = true;
        ++indice;
        gauge.Avanza();
    };
    if (d->Sorgente.DaPronostico) {
        const TPronostico inGioco = d->PronosticoInGioco();
        TContatoreAvanzamento gauge(avanzamento, TFaseAnalisi::Colonne, inGioco.ColonneIniziali());
        TAnnullamento ferma;
        SviluppaPronostico(
            inGioco,
            [&](const TColonna& colonna) {
                if (annullata) return;
                esamina(colonna, gauge);
                if (annullata) ferma.Richiedi();
            },
            &ferma);
        return !annullata;
    }
    const std::string nome = NomeFileColonne(d->Sorgente.FileSorgente, CartellaColonne());
    TLettore l(nome);
    if (!l.Aperto()) throw TErroreSirvela(ConFile(kErroreCaricaColonne, nome, MotivoLettura(nome)));
    const std::uint64_t quante = l.Dimensione() / 8;
    TContatoreAvanzamento gauge(avanzamento, TFaseAnalisi::Colonne,
                                static_cast<std::int64_t>(quante));
    std::array<TColonna, TListaColonne::kRecordPerIO> blocco;
    for (std::uint64_t lette = 0; lette < quante && !annullata;) {
        const auto n = static_cast<std::size_t>(
            std::min<std::uint64_t>(quante - lette, TListaColonne::kRecordPerIO));
        // A short read ends the source, as it ends a development.
        if (!l.Leggi(blocco.data(), n * 8)) break;
        for (std::size_t i = 0; i < n && !annullata; ++i) esamina(blocco[i], gauge);
        lette += n;
    }
    return !annullata;
}

}  // namespace

bool ArchivioUsabile(const TArchivio& archivio) {
    return archivio.Quante() >= 2;
}

int TRisultatiAnalisi::Righe(int pagina) const {
    const TPaginaAnalisi& p = Pagine[static_cast<std::size_t>(pagina)];
    return RigheEtichettate ? p.RigheEtichettate + 1 : std::max(p.MaxValore - PrimaRiga + 1, 0);
}

std::string TRisultatiAnalisi::Etichetta(int pagina, int riga) const {
    const auto& e = Pagine[static_cast<std::size_t>(pagina)].Etichette;
    if (riga >= 0 && riga < static_cast<int>(e.size())) return e[static_cast<std::size_t>(riga)];
    long long ultimo = 0;
    if (!e.empty()) {
        try {
            ultimo = std::stoll(e.back());
        } catch (...) {
            ultimo = 0;
        }
    }
    return std::to_string(ultimo + (riga - static_cast<long long>(e.size()) + 1));
}

bool TRisultatiAnalisi::ConConsecutivita() const {
    for (int i = 0; i < QuantePagine; ++i)
        if (Pagine[static_cast<std::size_t>(i)].HaConsecutivita) return true;
    return false;
}

bool EseguiAnalisi(TCondizione& c, const TParametriAnalisi& parametri, TRisultatiAnalisi& r,
                   IAvanzamentoAnalisi* avanzamento) {
    r = TRisultatiAnalisi{};
    r.SoloArchivio = parametri.SoloArchivio;
    for (TPaginaAnalisi& p : r.Pagine)
        for (int v = 0; v <= 8; ++v) p.Etichette.push_back(std::to_string(v));
    const TMembro membro = MembroDi(c.TipoCondizione);
    if (!membro) return true;

    c.AggiornaStato();
    r.Attiva = c.Attivato;
    const TArchivio* archivio = c.Proprietario ? &c.Proprietario->Archivio : nullptr;
    r.PiuConcorsi = archivio && archivio->Quante() > 1;
    c.PreparaStatistiche();
    TSchemaAnalisi schema;
    membro(c, parametri, schema);

    if (archivio && ArchivioUsabile(*archivio)) {
        if (!c.AnalisiArchivio(avanzamento)) {
            r.Annullata = true;
            return false;
        }
    } else {
        c.AzzeraStatistiche();
    }

    const auto& categorie = c.Categorie();
    r.QuantePagine =
        std::min<int>(static_cast<int>(schema.Pagine.size()), TRisultatiAnalisi::kPagine);
    r.RigheEtichettate = schema.RigheEtichettate;
    for (int i = 0; i < 4; ++i)
        r.Titoli[static_cast<std::size_t>(i)] = schema.Titoli[static_cast<std::size_t>(i)];
    for (int i = 0; i < r.QuantePagine; ++i) {
        const auto& s = schema.Pagine[static_cast<std::size_t>(i)];
        TPaginaAnalisi& p = r.Pagine[static_cast<std::size_t>(i)];
        p.Nome = s.Nome.substr(0, kLunghezzaNome);
        if (!s.Etichette.empty()) p.Etichette = s.Etichette;
        p.MaxValore = s.Massimo;
        p.RigheEtichettate = s.Massimo;
        if (s.Categoria >= 0 && s.Categoria < static_cast<int>(categorie.size())) {
            const TCategoria& cat = categorie[static_cast<std::size_t>(s.Categoria)];
            if (cat.Valori) {
                p.Valori = *cat.Valori;
                p.HaConsecutivita = cat.Valori->SecondariaAbilitata;
            }
            if (cat.Intervalli) p.Intervalli = *cat.Intervalli;
        }
        Copia(p.StatArchivio, c.StatArchivio, s.Categoria);
    }
    if (parametri.SoloArchivio) return true;

    // The columns in memory ("Cond."), then every source column ("Integr.", "Cond.S.").
    if (c.Proprietario && c.Proprietario->Colonne.Quante() > 0) {
        c.AnalisiColonne();
    } else {
        c.PreparaStatistiche();
        c.AzzeraStatistiche();
    }
    for (int i = 0; i < r.QuantePagine; ++i)
        Copia(r.Pagine[static_cast<std::size_t>(i)].StatColonne, c.StatColonne,
              schema.Pagine[static_cast<std::size_t>(i)].Categoria);
    c.PreparaStatistiche();
    c.AzzeraStatistiche();
    c.AggiornaStato();
    if (!PassaSorgente(c, r, avanzamento)) {
        r.Annullata = true;
        return false;
    }
    for (int i = 0; i < r.QuantePagine; ++i) {
        const int categoria = schema.Pagine[static_cast<std::size_t>(i)].Categoria;
        TPaginaAnalisi& p = r.Pagine[static_cast<std::size_t>(i)];
        Copia(p.StatIntegrale, c.StatArchivio, categoria);
        Copia(p.StatCondSingola, c.StatColonne, categoria);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

bool RigaAccettata(const TRisultatiAnalisi& r, int pagina, int riga, bool secondaria) {
    if (r.RigheEtichettate) return riga < r.Righe(pagina) - 1;
    const TPaginaAnalisi& p = r.Pagine[static_cast<std::size_t>(pagina)];
    if (!p.Valori) return true;
    // The table as set, whether or not the condition is switched on: a switched-off
    // condition still tells which past results it would have kept.
    const TValoriAmmessi& va = *p.Valori;
    const TTabellaValori& t = secondaria ? va.Secondaria : va.Principale;
    if ((secondaria && !va.SecondariaAbilitata) || !t.HaValori(va.Massimo))
        return true;  // a table without values takes everything
    return riga >= 0 && riga <= va.Massimo && riga < TTabellaValori::kValori &&
           t.Voci[static_cast<std::size_t>(riga)].Stato != 0;
}

TMisureColonne MisureColonne(const TRisultatiAnalisi& r, int pagina, bool secondaria) {
    TMisureColonne m;
    if (pagina < 0 || pagina >= r.QuantePagine) return m;
    const TPaginaAnalisi& p = r.Pagine[static_cast<std::size_t>(pagina)];
    auto lista = [secondaria](const T_FrequenzeRitardi& t) -> const std::vector<TElemRFRM>& {
        return secondaria ? t.Secondaria : t.Primaria;
    };
    auto frequenza = [&](const T_FrequenzeRitardi& t, int riga) -> std::int64_t {
        const auto& l = lista(t);
        const int v = riga + r.PrimaRiga;
        return v >= 0 && v < static_cast<int>(l.size()) ? l[static_cast<std::size_t>(v)].Frequenza
                                                        : 0;
    };
    std::int64_t accettati = 0, storici = 0, scartate = 0;
    const int righe = r.Righe(pagina);
    for (int riga = 0; riga < righe; ++riga) {
        const bool presa = RigaAccettata(r, pagina, riga, secondaria);
        const std::int64_t f = frequenza(p.StatArchivio, riga);
        storici += f;
        if (presa)
            accettati += f;
        else
            scartate += frequenza(p.StatIntegrale, riga);
    }
    if (storici > 0 && (r.RigheEtichettate || r.PiuConcorsi))
        m.FrequenzaStorica = static_cast<double>(accettati) * 100.0 / static_cast<double>(storici);
    // A condition switched off filters nothing.
    if (r.Attiva && r.ColonneLette > 0)
        m.ColonneFiltrate =
            static_cast<double>(scartate) * 100.0 / static_cast<double>(r.ColonneLette);
    m.ColonneRimanenti = 100.0 - m.ColonneFiltrate;
    m.ConFattore = m.FrequenzaStorica < 100.0;
    if (m.ConFattore) m.Fattore = m.ColonneFiltrate / (100.0 - m.FrequenzaStorica);
    return m;
}

std::string TestoPercentuale(std::int64_t conta, std::int64_t totale) {
    const double v =
        totale == 0 ? 0.0 : static_cast<double>(conta) * 100.0 / static_cast<double>(totale);
    return TestoDueDecimali(v, 4);
}

std::string TestoFattore(const TMisureColonne& m) {
    std::string t = "Fattore di convenienza : ";
    if (m.ConFattore) t += TestoDueDecimali(m.Fattore, 4);
    return t;
}

}  // namespace sirvela
