#pragma once
// Printing works in three layers.
//
//  1. ISuperficieStampa (this file): a page surface measured in millimetres from the page's
//     top-left corner: texts in a chosen font (also rotated), filled and outlined rectangles,
//     lines, pages and print jobs, text measurement. The Qt backend (printing/qt) draws it on
//     a printer, a print preview or a PDF; TSuperficieRegistrata records it for the tests and
//     for on-screen previews.
//  2. TmmPrinter (TmmPrinter.h): the page numbers and their footer "Pagina Nº n", centred
//     titles, grid tables and the bottom limit a layout must keep above the footer.
//  3. The layouts, plain functions of the engine that draw on a TmmPrinter: the tickets and
//     the calibration test (StampaSchedine.h), the list print (StampaTabulato.h), the summary
//     sheet (StampaProspetto.h), each condition's settings block (TCondizione::Stampa).
//
// A new print is one more layout: `void StampaX(TmmPrinter& p, ...)` calls p.Inizia(job name),
// draws with positions in millimetres, p.NuovaPagina() between pages, p.Termina() at the end,
// and polls a TControlloStampa between pages or rows. Test it on a TSuperficieRegistrata.
// A window runs it with EseguiStampa (printing/ui/EseguiStampa.h), which offers "Stampa",
// "Anteprima" and "Salva PDF" and turns a device failure (TErroreStampa) into the window's
// own message; the command line draws it into a PDF with the same backend.
#include <string>

#include "core/Errore.h"

namespace sirvela {

// A font asked for by name; a missing one falls back to a similar font of the system
// ("Courier New" to the monospaced one).
struct TCarattereStampa {
    std::string Nome = "Courier New";
    double Punti = 10;
    bool Grassetto = false;
    bool Corsivo = false;
    bool operator==(const TCarattereStampa&) const = default;
};

// The printer or the file refused a page or a job.
class TErroreStampa : public TErroreSirvela {
  public:
    using TErroreSirvela::TErroreSirvela;
};

// One page surface in millimetres. Every operation may throw TErroreStampa.
class ISuperficieStampa {
  public:
    virtual ~ISuperficieStampa() = default;

    // A print job. A PDF or a preview puts several jobs one after the other in one file.
    virtual void IniziaDocumento(const std::string& titolo) = 0;
    virtual void NuovaPagina() = 0;
    virtual void TerminaDocumento() = 0;
    // Drops the job under way (the user cancelled); nothing of it reaches paper or file.
    virtual void AnnullaDocumento() = 0;

    // Width of the page and the distance from its top to the printable bottom.
    virtual double LarghezzaPagina() const = 0;
    virtual double AltezzaPagina() const = 0;

    virtual void ImpostaCarattere(const TCarattereStampa& c) = 0;
    // Extent of a text in the current font: advance width and line height.
    virtual double LarghezzaTesto(const std::string& testo) const = 0;
    virtual double AltezzaTesto() const = 0;

    // A text whose cell has its top-left corner at (x, y).
    virtual void Testo(double x, double y, const std::string& testo) = 0;
    // A text turned counter-clockwise by `gradi` about the top-left corner of its cell.
    virtual void TestoRuotato(double x, double y, double gradi, const std::string& testo) = 0;
    // A black filled rectangle.
    virtual void Rettangolo(double x, double y, double larghezza, double altezza) = 0;
    // The outline of a rectangle drawn with a pen `spessore` millimetres wide.
    virtual void Riquadro(double x, double y, double larghezza, double altezza,
                          double spessore) = 0;
    virtual void Linea(double x1, double y1, double x2, double y2, double spessore) = 0;
};

}  // namespace sirvela
