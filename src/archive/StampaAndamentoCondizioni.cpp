#include "archive/StampaAndamentoCondizioni.h"

#include <algorithm>

#include "archive/VisualizzazioneArchivio.h"
#include "core/Testo.h"

namespace sirvela {

namespace {

constexpr double kMargine = 5;  // left and right
constexpr double kCima = 10;    // the group headings
constexpr double kRiga = 4;     // a heading line and a table row
constexpr double kSpazioCella = 2;

// The columns of one page: the fixed ones, then whole groups from `Da` up to `A` excluded.
struct TFascia {
    int Da, A;
};

// Width of `n` columns from column `da`.
double Ampiezza(const std::vector<double>& larghezze, int da, int n) {
    double a = 0;
    for (int k = da; k < da + n; ++k) a += larghezze[static_cast<std::size_t>(k)];
    return a;
}

// Width of the columns in millimetres: as many characters as on screen, and at least what the
// texts over and in them need in the font of the print (a proportional one may be wider than
// its digits): the headings of the fixed columns, the short labels, the printed rows, each
// group's two headings over the columns they stand on.
std::vector<double> LarghezzeColonne(TmmPrinter& p, const TVisualizzazioneArchivio& vista, int dal,
                                     int al) {
    const double carattere = p.LarghezzaTesto("0");
    std::vector<double> l;
    auto almeno = [&](int c, const std::string& testo) {
        auto& v = l[static_cast<std::size_t>(c)];
        v = std::max(v, p.LarghezzaTesto(testo) + kSpazioCella);
    };
    for (int c = 0; c < vista.ColonneTotali(); ++c)
        l.push_back(vista.CaratteriColonna(c) * carattere + kSpazioCella);
    for (int c = 0; c < kColonneFisseVista; ++c)
        almeno(c, IntestazioniFisseVista()[static_cast<std::size_t>(c)]);
    for (int r = dal; r <= al; ++r)
        for (int c = 0; c < vista.ColonneTotali(); ++c) almeno(c, vista.Testo(r - 1, c));
    // Spreads what a heading still lacks evenly over the columns under it.
    auto sopra = [&](int da, int n, const std::string& testo) {
        const double manca = p.LarghezzaTesto(testo) + kSpazioCella - Ampiezza(l, da, n);
        if (manca > 0)
            for (int k = da; k < da + n; ++k) l[static_cast<std::size_t>(k)] += manca / n;
    };
    for (int c = kColonneFisseVista; c < vista.ColonneTotali(); ++c) {
        const auto& col = vista.Colonne()[static_cast<std::size_t>(c - kColonneFisseVista)];
        const TGruppoVista& g = GruppiVista()[static_cast<std::size_t>(col.Gruppo)];
        almeno(c, g.Sigla(col.Indice));
        if (col.Indice != 0) continue;
        for (const auto& st : g.Sottotitolo()) sopra(c + st.Da, st.Colonne, st.Testo);
        sopra(c, g.Colonne(), Trim(g.Intestazione1));
    }
    return l;
}

// A group's two headings, each centred over the columns it names; the group starts at column
// `c`, at x. The on-screen headings are padded with blanks to stand over their columns in a
// fixed font; on paper each is placed by measure.
void Intestazioni(TmmPrinter& p, const TGruppoVista& g, const std::vector<double>& larghezze, int c,
                  double x) {
    auto centrato = [&](double y, double da, double larghezza, const std::string& testo) {
        p.Scrivi(da + std::max(0.0, (larghezza - p.LarghezzaTesto(testo)) / 2), y, testo);
    };
    auto ampiezza = [&](int da, int n) { return Ampiezza(larghezze, da, n); };
    centrato(kCima, x, ampiezza(c, g.Colonne()), Trim(g.Intestazione1));
    for (const auto& st : g.Sottotitolo())
        centrato(kCima + kRiga, x + ampiezza(c, st.Da), ampiezza(c + st.Da, st.Colonne), st.Testo);
}

}  // namespace

bool StampaAndamentoCondizioni(TmmPrinter& p, const TVisualizzazioneArchivio& vista, int dal,
                               int al, TControlloStampa& controllo) {
    dal = std::max(dal, 1);
    al = std::min(al, vista.Righe());
    p.Inizia(kTitoloAndamentoCondizioni);
    p.Carattere(kCarattereAndamento);
    const std::vector<double> larghezze = LarghezzeColonne(p, vista, dal, al);

    // Whole groups fill each page's width after the fixed columns; a group wider than a page
    // alone still gets a page of its own.
    const double spazio =
        p.LarghezzaPagina() - 2 * kMargine - Ampiezza(larghezze, 0, kColonneFisseVista);
    std::vector<TFascia> fasce;
    int c = kColonneFisseVista;
    do {
        TFascia f{c, c};
        double usato = 0;
        while (f.A < vista.ColonneTotali()) {
            const auto& col = vista.Colonne()[static_cast<std::size_t>(f.A - kColonneFisseVista)];
            const int n = GruppiVista()[static_cast<std::size_t>(col.Gruppo)].Colonne();
            const double gruppo = Ampiezza(larghezze, f.A, n);
            if (f.A > f.Da && usato + gruppo > spazio) break;
            usato += gruppo;
            f.A += n;
        }
        fasce.push_back(f);
        c = f.A;
    } while (c < vista.ColonneTotali());

    const int pagine = static_cast<int>(fasce.size()) * ((al - dal) / kRigheAndamento + 1);
    int pagina = 0;
    TTabellaStampa t;
    t.AltezzaRiga = kRiga;
    for (int da = dal; da <= al; da += kRigheAndamento) {
        const int a = std::min(al, da + kRigheAndamento - 1);
        for (const TFascia& f : fasce) {
            if (pagina++ > 0) p.NuovaPagina();
            p.TitoloCentrato(3, kTitoloAndamentoCondizioni);
            std::vector<int> colonne;
            for (int k = 0; k < kColonneFisseVista; ++k) colonne.push_back(k);
            for (int k = f.Da; k < f.A; ++k) colonne.push_back(k);

            t.Larghezze.clear();
            t.Celle.assign(1, {});
            double x = kMargine;
            for (int k : colonne) {
                const double l = larghezze[static_cast<std::size_t>(k)];
                if (k < kColonneFisseVista) {
                    t.Celle[0].push_back(IntestazioniFisseVista()[static_cast<std::size_t>(k)]);
                } else {
                    const auto& col =
                        vista.Colonne()[static_cast<std::size_t>(k - kColonneFisseVista)];
                    const TGruppoVista& g = GruppiVista()[static_cast<std::size_t>(col.Gruppo)];
                    t.Celle[0].push_back(g.Sigla(col.Indice));
                    if (col.Indice == 0) Intestazioni(p, g, larghezze, k, x);
                }
                t.Larghezze.push_back(l);
                x += l;
            }
            for (int r = da; r <= a; ++r) {
                std::vector<std::string> riga;
                for (int k : colonne) riga.push_back(vista.Testo(r - 1, k));
                t.Celle.push_back(std::move(riga));
            }
            p.Tabella(kMargine, kCima + 2 * kRiga, t);
            controllo.Avanzamento(pagina, pagine);
            if (controllo.Annullata()) return false;
        }
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
