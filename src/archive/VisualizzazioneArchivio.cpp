#include "archive/VisualizzazioneArchivio.h"

#include <algorithm>
#include <cstring>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "core/TDatiSistema.h"

namespace sirvela {
namespace {

// The condition objects of the viewer, by their place in the list below.
enum Oggetto : int {
    kOggSomme,
    kOggSequenze,
    kOggCrescenze,
    kOggInterruzioni,
    kOggPariDispari,
    kOggSimmetrie,
    kOggVortici,
    kOggRipetizioniNum,
    kOggRipetizioniPD,
    kOggResti,
    kOggDistanze,
    kOggBaricentri,
    kOggConsecutivi,
    kOggSequele2,                     // seven sequele of length 2
    kOggSequele3 = kOggSequele2 + 7,  // seven of length 3
    kOggetti = kOggSequele3 + 7,
};

// Where a column's value comes from: an object, one of its categories, main or secondary.
struct TFonteValore {
    int Oggetto = 0;
    int Categoria = 0;
    bool Secondario = false;
};

struct TFonti {
    std::array<TFonteValore, 7> v{};
    int n = 0;
    constexpr TFonti& Metti(int oggetto, int categoria, bool secondario = false) {
        v[static_cast<std::size_t>(n++)] = {oggetto, categoria, secondario};
        return *this;
    }
};

struct TGruppoInterno {
    TGruppoVista Vista;
    TFonti Fonti;
};

constexpr TFonti Principali(int oggetto, std::initializer_list<int> categorie) {
    TFonti f;
    for (int c : categorie) f.Metti(oggetto, c);
    return f;
}
// Main value and longest run of each category.
constexpr TFonti ConSerie(int oggetto, std::initializer_list<int> categorie) {
    TFonti f;
    for (int c : categorie) f.Metti(oggetto, c).Metti(oggetto, c, true);
    return f;
}
constexpr TFonti Sequele(int primo) {
    TFonti f;
    for (int k = 0; k < 7; ++k) f.Metti(primo + k, 0);
    return f;
}

const std::array<TGruppoInterno, kGruppiVista> kGruppi = {{
    {{"Somme", "   Somme  ", "Tut Par Dis", "PtPtPt", "Tut|Par|Dis"},
     Principali(kOggSomme, {0, 1, 2})},
    {{"Num. di Sequenze", "Numero di Seq.", "L1    L2     L3    L4", "PtPtPtPt", "L1|L2|L3|L4"},
     Principali(kOggSequenze, {0, 1, 2, 3})},
    {{"Crescenze e Decr.", "Crescenze e Decr.", "  Cresc.     Decr.", "PtCsPtCs", "Cresc.||Decr.|"},
     ConSerie(kOggCrescenze, {0, 1})},
    {{"Interruzioni", " Interruzioni P.D. ", "    Gl.        Par  Dis", "PtCsPtPt", "Gl.||Par|Dis"},
     TFonti{}
         .Metti(kOggInterruzioni, 0)
         .Metti(kOggInterruzioni, 0, true)
         .Metti(kOggInterruzioni, 1)
         .Metti(kOggInterruzioni, 2)},
    {{"Pari e Dispari", "   Pari e Dispari", "  Pari       Dispari", "PtCsPtCs", "Pari||Dispari|"},
     ConSerie(kOggPariDispari, {0, 1})},
    {{"Simmetrie", " Simmetrie Pari Disp.", " Dirette   Inverse   Tot", "PtCsPtCsPt",
      "Dirette||Inverse||Tot"},
     ConSerie(kOggSimmetrie, {0, 1}).Metti(kOggSimmetrie, 2)},
    {{"Vortici", "Vort Dir  Vort Inv", "Ps.  Br.  Ps.  Br.", "PsBrPsBr", "Ps.|Br.|Ps.|Br."},
     Principali(kOggVortici, {0, 1, 2, 3})},
    {{"Ripetizioni", " Ripetizioni Num.", "1  Prec.   2 Prec.", "PtCsPtCs", "1 Prec.||2 Prec.|"},
     ConSerie(kOggRipetizioniNum, {0, 1})},
    {{"Ripetizioni", " Ripetizioni P.D.", "1  Prec.   2 Prec.", "PtCsPtCs", "1 Prec.||2 Prec.|"},
     ConSerie(kOggRipetizioniPD, {0, 1})},
    {{"Resti", " R6", " Pt", "Pt", "Pt"}, Principali(kOggResti, {0})},
    {{"Distanze", "   Distanze", " m   M    Tot", "PtPtPt", "m|M|Tot"},
     Principali(kOggDistanze, {0, 1, 2})},
    // The headings read even, odd, all: the kind computes all, even, odd.
    {{"Baricentri", "  Baricentri", "Par Dis Tut", "PtPtPt", "Par|Dis|Tut"},
     Principali(kOggBaricentri, {1, 2, 0})},
    {{"Consecutività N.", " Cs", " Cs", "Cs", "Cs"}, Principali(kOggConsecutivi, {0})},
    {{"Accoppiate", "             Sequele Di Lunghezza 2",
      "      M2       MN        B2       BN    J2    JN   S2", "PtPtPtPtPtPtPt",
      "M2|MN|B2|BN|J2|JN|S2"},
     Sequele(kOggSequele2)},
    {{"Terzine", "                     Sequele Di Lunghezza 3",
      "      M3       MN        B3       BN    J3    JN   S3", "PtPtPtPtPtPtPt",
      "M3|MN|B3|BN|J3|JN|S3"},
     Sequele(kOggSequele3)},
}};

// Start of each group's values in a row, and the row's length.
struct TInizi {
    std::array<int, kGruppiVista + 1> v{};
    TInizi() {
        for (std::size_t i = 0; i < kGruppi.size(); ++i) v[i + 1] = v[i] + kGruppi[i].Fonti.n;
    }
};
const TInizi& Inizi() {
    static const TInizi inizi;
    return inizi;
}
int ValoriPerRiga() {
    return Inizi().v[kGruppiVista];
}

// The seven sequele of one length, in the order of the headings: M, M with the "N" steps,
// B, B with "N", J, J with "N", S.
void CreaSequele(TDatiSistema* dati, int lunghezza,
                 std::vector<std::unique_ptr<TCondizione>>& oggetti) {
    struct TForma {
        int Tipo;
        bool PassoN;
    };
    constexpr TForma forme[] = {{2, false}, {2, true}, {3, false}, {3, true},
                                {4, false}, {4, true}, {5, false}};
    for (const TForma& f : forme) {
        auto s = std::make_unique<TCondSequela>(dati);
        s->TipoSequela = f.Tipo;
        s->Lunghezza = lunghezza;
        s->PassoTrovata = f.PassoN ? lunghezza : 1;
        s->PassoNonTrovata = 1;
        s->ImpostaSecondaria();
        oggetti.push_back(std::move(s));
    }
}

std::string Combinazione(const TColonna& c) {
    std::string t;
    for (std::size_t p = 0; p < 8; ++p) {
        const int v = c[p];
        if (p) t += ' ';
        if (v < 10) t += ' ';
        t += v == 0 ? "-" : std::to_string(v);
    }
    return t;
}

}  // namespace

int TGruppoVista::Colonne() const {
    return static_cast<int>(std::char_traits<char>::length(Sigle) / 2);
}

std::string TGruppoVista::Sigla(int colonna) const {
    return std::string(Sigle + 2 * colonna, 2);
}

std::vector<TGruppoVista::TSottotitolo> TGruppoVista::Sottotitolo() const {
    std::vector<TSottotitolo> v;
    const std::string testo = Sottotitoli;
    std::size_t inizio = 0;
    for (int c = 0; c < Colonne(); ++c) {
        const std::size_t fine = std::min(testo.find('|', inizio), testo.size());
        std::string parte = inizio < testo.size() ? testo.substr(inizio, fine - inizio) : "";
        if (!parte.empty() || v.empty())
            v.push_back({std::move(parte), c, 1});
        else
            ++v.back().Colonne;
        inizio = fine + 1;
    }
    return v;
}

const std::array<TGruppoVista, kGruppiVista>& GruppiVista() {
    static const std::array<TGruppoVista, kGruppiVista> gruppi = [] {
        std::array<TGruppoVista, kGruppiVista> a;
        for (std::size_t i = 0; i < a.size(); ++i) a[i] = kGruppi[i].Vista;
        return a;
    }();
    return gruppi;
}

const std::array<const char*, kColonneFisseVista>& IntestazioniFisseVista() {
    static const std::array<const char*, kColonneFisseVista> t = {"Anno", "Num", "Pos.",
                                                                  "      Combinazione"};
    return t;
}

TVisualizzazioneArchivio::TVisualizzazioneArchivio(TDatiSistema& dati) : dati_(dati) {
    TDatiSistema* d = &dati;
    condizioni_.push_back(std::make_unique<TCondSomme>(d));
    condizioni_.push_back(std::make_unique<TCondNumeroSequenze>(d));
    condizioni_.push_back(std::make_unique<TCondCrescenzeDecrescenze>(d));
    condizioni_.push_back(std::make_unique<TCondInterruzioni>(d));
    condizioni_.push_back(std::make_unique<TCondPariDispari>(d));
    condizioni_.push_back(std::make_unique<TCondSimmetrie>(d));
    condizioni_.push_back(std::make_unique<TCondVortici>(d));
    condizioni_.push_back(std::make_unique<TCondRipetizioni>(d));
    auto pariDispari = std::make_unique<TCondRipetizioni>(d);
    pariDispari->Opzione = 1;
    condizioni_.push_back(std::move(pariDispari));
    auto resti = std::make_unique<TCondResti>(d);
    resti->Divisore = 6;  // the column is headed "R6"
    condizioni_.push_back(std::move(resti));
    condizioni_.push_back(std::make_unique<TCondDistanzeGlobali>(d));
    condizioni_.push_back(std::make_unique<TCondBaricentri>(d));
    condizioni_.push_back(std::make_unique<TCondNumeriConsecutivi>(d));
    CreaSequele(d, 2, condizioni_);
    CreaSequele(d, 3, condizioni_);
    visibili_.fill(true);
    Ricolonna();
    Rinnova();
}

TVisualizzazioneArchivio::~TVisualizzazioneArchivio() = default;

int TVisualizzazioneArchivio::Righe() const {
    return dati_.Archivio.Quante();
}

void TVisualizzazioneArchivio::ImpostaVisibile(int gruppo, bool si) {
    if (gruppo < 0 || gruppo >= kGruppiVista) return;
    visibili_[static_cast<std::size_t>(gruppo)] = si;
    Ricolonna();
}

void TVisualizzazioneArchivio::Ricolonna() {
    colonne_.clear();
    for (int g = 0; g < kGruppiVista; ++g) {
        if (!Visibile(g)) continue;
        const int n = kGruppi[static_cast<std::size_t>(g)].Fonti.n;
        for (int k = 0; k < n; ++k) colonne_.push_back({g, k});
    }
}

void TVisualizzazioneArchivio::Rinnova() const {
    const auto righe = static_cast<std::size_t>(std::max(Righe(), 0));
    valori_.assign(righe * static_cast<std::size_t>(ValoriPerRiga()), kValoreAssente);
    calcolate_.assign(righe, 0);
}

void TVisualizzazioneArchivio::CalcolaRiga(int riga, std::int32_t* valori) const {
    std::array<TValoriColonna, kOggetti> calcolati;
    for (int o = 0; o < kOggetti; ++o)
        condizioni_[static_cast<std::size_t>(o)]->CalcolaValoriEstrazione(
            riga, calcolati[static_cast<std::size_t>(o)]);
    int k = 0;
    for (const TGruppoInterno& g : kGruppi) {
        for (int f = 0; f < g.Fonti.n; ++f) {
            const TFonteValore& s = g.Fonti.v[static_cast<std::size_t>(f)];
            const TValoriColonna& v = calcolati[static_cast<std::size_t>(s.Oggetto)];
            int valore = kValoreAssente;
            if (s.Categoria < v.Quante) {
                const auto& coppia = v.Valori[static_cast<std::size_t>(s.Categoria)];
                valore = s.Secondario ? coppia.Secondario : coppia.Principale;
            }
            valori[k++] = valore < 0 ? kValoreAssente : valore;
        }
    }
}

const std::int32_t* TVisualizzazioneArchivio::ValoriRiga(int riga) const {
    const auto r = static_cast<std::size_t>(riga);
    if (calcolate_.size() != static_cast<std::size_t>(Righe())) Rinnova();
    std::int32_t* valori = valori_.data() + r * static_cast<std::size_t>(ValoriPerRiga());
    if (!calcolate_[r]) {
        CalcolaRiga(riga, valori);
        calcolate_[r] = 1;
    }
    return valori;
}

int TVisualizzazioneArchivio::Valore(int riga, int gruppo, int indice) const {
    return ValoriRiga(riga)[Inizi().v[static_cast<std::size_t>(gruppo)] + indice];
}

double TVisualizzazioneArchivio::CaratteriColonna(int colonna) const {
    static constexpr double kFisse[kColonneFisseVista] = {6, 5, 7, 25};
    if (colonna < kColonneFisseVista) return kFisse[colonna];
    const TColonnaVista& c = colonne_[static_cast<std::size_t>(colonna - kColonneFisseVista)];
    const TGruppoVista& g = GruppiVista()[static_cast<std::size_t>(c.Gruppo)];
    const double testo =
        static_cast<double>(std::max(std::strlen(g.Intestazione1), std::strlen(g.Intestazione2)));
    return std::max(3.0, (testo + 1) / g.Colonne());
}

std::string TVisualizzazioneArchivio::Testo(int riga, int colonna) const {
    if (riga < 0 || riga >= Righe() || colonna < 0 || colonna >= ColonneTotali()) return {};
    const TEstrazione& e = dati_.Archivio[riga];
    switch (colonna) {
        case 0:
            return std::to_string(e.Anno);
        case 1:
            return " " + std::to_string(e.Numero);
        case 2:
            return std::to_string(riga + 1);
        case 3:
            return Combinazione(e.Vincente);
        default:
            break;
    }
    const TColonnaVista& c = colonne_[static_cast<std::size_t>(colonna - kColonneFisseVista)];
    const int v = Valore(riga, c.Gruppo, c.Indice);
    return v == kValoreAssente ? std::string() : std::to_string(v);
}

}  // namespace sirvela
