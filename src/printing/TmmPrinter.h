#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "printing/Superficie.h"

namespace sirvela {

class IProgressoStrumenti;
class TAnnullamento;

// The small fixed font of the page footers and the two fixed-pitch fonts of the printouts.
inline const TCarattereStampa kCarattereFisso8{"Courier New", 8, false, false};
inline const TCarattereStampa kCarattereFisso10{"Courier New", 10, false, false};

// What a running print listens to: the cancel request, polled between pages or rows, and the
// progress bar of its window. Both may be absent.
struct TControlloStampa {
    const TAnnullamento* Annulla = nullptr;
    IProgressoStrumenti* Progresso = nullptr;

    bool Annullata() const;
    // Tells the window how far the print has gone (only when the percentage changes).
    void Avanzamento(std::int64_t fatti, std::int64_t totale);

  private:
    int ultimo_ = -1;
};

// A grid table: column widths and one row height in millimetres, the cells row by row (a row
// may hold fewer cells than columns). Texts start one millimetre inside their cell and are
// centred vertically.
struct TTabellaStampa {
    std::vector<double> Larghezze;
    double AltezzaRiga = 5;
    std::vector<std::vector<std::string>> Celle;
    double Spessore = 0.2;  // pen of the grid lines

    double Larghezza() const;
    double Altezza() const { return AltezzaRiga * static_cast<double>(Celle.size()); }
};

// Printing in millimetres on a surface, with page numbers: every page of a job ends with the
// footer "Pagina Nº " n in the small fixed font, centred, one millimetre above the printable
// bottom.
class TmmPrinter {
  public:
    static constexpr const char* kPiede = "Pagina Nº ";

    explicit TmmPrinter(ISuperficieStampa& superficie) : s_(superficie) {}

    // A job starts on page 1; ending it and starting a new page write the footer first.
    // Paper tickets go without footers: on a slip the footer would be a stray mark.
    void Inizia(const std::string& titolo, bool piedi = true);
    void NuovaPagina();
    void Termina();
    // Drops the job under way without a footer.
    void Annulla();
    int Pagina() const { return pagina_; }
    bool InCorso() const { return inCorso_; }

    double LarghezzaPagina() const { return s_.LarghezzaPagina(); }
    double AltezzaPagina() const { return s_.AltezzaPagina(); }
    // The lowest point a layout may draw at: just above the footer.
    double Fondo() const;

    void Carattere(const TCarattereStampa& c);
    const TCarattereStampa& Carattere() const { return carattere_; }
    double LarghezzaTesto(const std::string& testo) const { return s_.LarghezzaTesto(testo); }
    double AltezzaTesto() const { return s_.AltezzaTesto(); }

    void Scrivi(double x, double y, const std::string& testo) { s_.Testo(x, y, testo); }
    void ScriviRuotato(double x, double y, double gradi, const std::string& testo) {
        s_.TestoRuotato(x, y, gradi, testo);
    }
    // A text centred across the page, its top at y.
    void TitoloCentrato(double y, const std::string& testo);
    void Rettangolo(double x, double y, double l, double a) { s_.Rettangolo(x, y, l, a); }
    void Riquadro(double x, double y, double l, double a, double spessore) {
        s_.Riquadro(x, y, l, a, spessore);
    }
    void Linea(double x1, double y1, double x2, double y2, double spessore) {
        s_.Linea(x1, y1, x2, y2, spessore);
    }
    // Draws a grid table with its top-left corner at (x, y) in the current font; returns its
    // height. A text wider than its cell is written smaller (see ScriviInCella).
    double Tabella(double x, double y, const TTabellaStampa& t);
    // A text one millimetre inside the left edge of a cell, centred vertically. One that would
    // run past the cell's right edge is written in a smaller size of the current font, down to
    // 4 points, and past that loses characters at its end: it never crosses the border.
    void ScriviInCella(double x, double y, double larghezza, double altezza,
                       const std::string& testo);

    // Writes `etichetta` at (x, y) followed by the items joined by `separatore`, going on to
    // new lines aligned under the first item when a line would pass `destra`, on new pages when
    // needed. Returns the y just below the last line.
    double ScriviElenco(double x, double y, const std::string& etichetta,
                        const std::vector<std::string>& voci, const std::string& separatore,
                        double destra);

    // Starts a new page when `altezza` millimetres no longer fit below y; returns where to go
    // on drawing (y itself, or `cima` on the new page).
    double Spazio(double y, double altezza, double cima = 10);

  private:
    void Piede();

    ISuperficieStampa& s_;
    TCarattereStampa carattere_;
    int pagina_ = 0;
    bool inCorso_ = false;
    bool piedi_ = true;
    double altezzaPiede_ = 0;  // line height of the footer's font
};

}  // namespace sirvela
