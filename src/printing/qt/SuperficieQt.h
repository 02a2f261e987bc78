#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <filesystem>
#include <functional>
#include <string>

#include "printing/StampaPdf.h"
#include "printing/Superficie.h"

class QPagedPaintDevice;

namespace sirvela {

class TmmPrinter;
class TScrittore;

// The page surface drawn with a QPainter on a paged device: a printer, the printer of a print
// preview, a PDF writer. Millimetres become device units at the device's own resolution
// (mm x 0.03937 x dots per inch, rounded), measured from the paper's top-left corner, so
// marks land on paper and in a PDF where the layouts put them.
class TSuperficieQt : public ISuperficieStampa {
  public:
    // `unicoDocumento`: every job goes on in the same document, as new pages (a preview, a
    // PDF); otherwise each job is one job of the device (a printer). The device must outlive
    // the surface; the origin must be the paper's corner (full-page printers, PDF writers
    // without margins).
    TSuperficieQt(QPagedPaintDevice& dispositivo, bool unicoDocumento);
    ~TSuperficieQt() override;
    TSuperficieQt(const TSuperficieQt&) = delete;
    TSuperficieQt& operator=(const TSuperficieQt&) = delete;

    // Runs while a cancelled job is still open: a printer drops the job there.
    std::function<void()> AlAnnullamento;

    // Ends the document of a single-document surface (the PDF is written, the preview shown).
    void Chiudi();
    bool Annullata() const { return annullata_; }
    bool Iniziata() const { return iniziata_; }

    void IniziaDocumento(const std::string& titolo) override;
    void NuovaPagina() override;
    void TerminaDocumento() override;
    void AnnullaDocumento() override;
    double LarghezzaPagina() const override;
    double AltezzaPagina() const override;
    void ImpostaCarattere(const TCarattereStampa& c) override;
    double LarghezzaTesto(const std::string& testo) const override;
    double AltezzaTesto() const override;
    void Testo(double x, double y, const std::string& testo) override;
    void TestoRuotato(double x, double y, double gradi, const std::string& testo) override;
    void Rettangolo(double x, double y, double larghezza, double altezza) override;
    void Riquadro(double x, double y, double larghezza, double altezza, double spessore) override;
    void Linea(double x1, double y1, double x2, double y2, double spessore) override;

  private:
    int X(double mm) const;
    int Y(double mm) const;
    void Attivo() const;

    QPagedPaintDevice& d_;
    QPainter p_;
    QFont carattere_;
    QFontMetricsF metriche_;  // of carattere_ on the device
    bool unico_;
    bool iniziata_ = false;  // a single document was begun
    bool pagineNelDocumento_ = false;
    bool annullata_ = false;
    double fx_, fy_;  // device units per millimetre
};

// The font asked for, or the system's monospaced or general font when it is not installed.
QFont CarattereQt(const TCarattereStampa& c);

// Makes sure a GUI application object exists for fonts and painting; without a display it
// uses the offscreen platform (the command line).
void PreparaQt();

// The PDF printer (see TStampaPdf). The file goes through the safe save and is put in place
// only when the whole document reached the disk, so a failed or cancelled print leaves an old
// file alone; a failed write throws "Impossibile scrivere il file PDF X: <motivo>.". A4
// portrait.
bool StampaSuPdf(const std::filesystem::path& percorso, const std::string& titolo,
                 const TDisegnoStampa& disegno);
// The same on A4 landscape when `orizzontale`.
bool StampaSuPdfOrientata(const std::filesystem::path& percorso, const std::string& titolo,
                          const TDisegnoStampa& disegno, bool orizzontale);
// The same into a file writer (one that fails after some bytes, in the tests).
bool StampaSuPdfOrientata(TScrittore& file, const std::string& titolo,
                          const TDisegnoStampa& disegno, bool orizzontale);

}  // namespace sirvela
