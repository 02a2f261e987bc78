#include "archive/StampaAndamentoCondizioni.h"

#include <algorithm>

#include "archive/VisualizzazioneArchivio.h"

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

}  // namespace

bool StampaAndamentoCondizioni(TmmPrinter& p, const TVisualizzazioneArchivio& vista, int dal,
                               int al, TControlloStampa& controllo) {
    dal = std::max(dal, 1);
    al = std::min(al, vista.Righe());
    p.Inizia(kTitoloAndamentoCondizioni);
    p.Carattere(kCarattereAndamento);
    const double carattere = p.LarghezzaTesto("0");
    std::vector<double> larghezze;
    for (int c = 0; c < vista.ColonneTotali(); ++c)
        larghezze.push_back(vista.CaratteriColonna(c) * carattere + kSpazioCella);

    // Whole groups fill each page's width after the fixed columns; a group wider than a page
    // alone still gets a page of its own.
    double fisse = 0;
    for (int c = 0; c < kColonneFisseVista; ++c) fisse += larghezze[static_cast<std::size_t>(c)];
    const double spazio = p.LarghezzaPagina() - 2 * kMargine - fisse;
    std::vector<TFascia> fasce;
    int c = kColonneFisseVista;
    do {
        TFascia f{c, c};
        double usato = 0;
        while (f.A < vista.ColonneTotali()) {
            const auto& col = vista.Colonne()[static_cast<std::size_t>(f.A - kColonneFisseVista)];
            const int n = GruppiVista()[static_cast<std::size_t>(col.Gruppo)].Colonne();
            double gruppo = 0;
            for (int k = 0; k < n; ++k) gruppo += larghezze[static_cast<std::size_t>(f.A + k)];
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
                    if (col.Indice == 0) {
                        p.Scrivi(x + 1, kCima, g.Intestazione1);
                        p.Scrivi(x + 1, kCima + kRiga, g.Intestazione2);
                    }
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
