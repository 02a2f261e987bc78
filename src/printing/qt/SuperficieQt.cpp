#include "printing/qt/SuperficieQt.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIODevice>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "core/FlussoBinario.h"
#include "core/SalvataggioSicuro.h"
#include "printing/TmmPrinter.h"

namespace sirvela {

namespace {

// Device units per millimetre as the printer canvas counts them.
constexpr double kPolliciPerMm = 0.03937;
constexpr int kRisoluzionePdf = 1200;

QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool Monospaziato(const std::string& nome) {
    const QString n = Q(nome).toLower();
    return n.contains("courier") || n.contains("mono") || n.contains("fixed");
}

// The PDF writer's output, handed to the safe save as it comes. Keeps the last bytes, so the
// end of the document can be checked.
class TDispositivoPdf : public QIODevice {
  public:
    explicit TDispositivoPdf(TScrittore& file) : file_(file) { open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }
    // The bytes ended with the PDF's end-of-file mark and every one was written.
    bool Completo() const { return file_.Ok() && coda_.trimmed().endsWith("%%EOF"); }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dati, qint64 n) override {
        if (!file_.Scrivi(dati, static_cast<std::size_t>(n))) return -1;
        coda_.append(dati, n);
        if (coda_.size() > 64) coda_ = coda_.right(64);
        return n;
    }

  private:
    TScrittore& file_;
    QByteArray coda_;
};

}  // namespace

QFont CarattereQt(const TCarattereStampa& c) {
    QFont f(Q(c.Nome));
    const bool fisso = Monospaziato(c.Nome);
    f.setStyleHint(fisso ? QFont::TypeWriter : QFont::SansSerif);
    if (QFontInfo(f).family().compare(Q(c.Nome), Qt::CaseInsensitive) != 0)
        f.setFamily(
            QFontDatabase::systemFont(fisso ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont)
                .family());
    f.setPointSizeF(c.Punti > 0 ? c.Punti : 10);
    f.setBold(c.Grassetto);
    f.setItalic(c.Corsivo);
    return f;
}

TSuperficieQt::TSuperficieQt(QPagedPaintDevice& dispositivo, bool unicoDocumento)
    : d_(dispositivo),
      carattere_(CarattereQt({})),
      metriche_(carattere_, &dispositivo),
      unico_(unicoDocumento),
      fx_(kPolliciPerMm * dispositivo.logicalDpiX()),
      fy_(kPolliciPerMm * dispositivo.logicalDpiY()) {}

TSuperficieQt::~TSuperficieQt() {
    if (p_.isActive()) p_.end();
}

int TSuperficieQt::X(double mm) const {
    return static_cast<int>(std::lround(mm * fx_));
}

int TSuperficieQt::Y(double mm) const {
    return static_cast<int>(std::lround(mm * fy_));
}

void TSuperficieQt::Attivo() const {
    if (!p_.isActive()) throw TErroreStampa("Nessun documento in stampa");
}

void TSuperficieQt::IniziaDocumento(const std::string& titolo) {
    if (unico_ && iniziata_) {
        NuovaPagina();
        return;
    }
    if (!p_.begin(&d_)) throw TErroreStampa("Impossibile iniziare la stampa " + titolo);
    iniziata_ = true;
    p_.setFont(carattere_);
}

void TSuperficieQt::NuovaPagina() {
    Attivo();
    if (!d_.newPage()) throw TErroreStampa("Impossibile passare a una nuova pagina");
}

void TSuperficieQt::TerminaDocumento() {
    Attivo();
    if (unico_) return;
    if (!p_.end()) throw TErroreStampa("Impossibile completare la stampa");
}

void TSuperficieQt::Chiudi() {
    if (p_.isActive() && !p_.end()) throw TErroreStampa("Impossibile completare la stampa");
}

void TSuperficieQt::AnnullaDocumento() {
    annullata_ = true;
    if (!p_.isActive()) return;
    if (AlAnnullamento) AlAnnullamento();
    p_.end();
}

double TSuperficieQt::LarghezzaPagina() const {
    return d_.pageLayout().fullRect(QPageLayout::Millimeter).width();
}

double TSuperficieQt::AltezzaPagina() const {
    return d_.pageLayout().paintRect(QPageLayout::Millimeter).bottom();
}

void TSuperficieQt::ImpostaCarattere(const TCarattereStampa& c) {
    carattere_ = CarattereQt(c);
    metriche_ = QFontMetricsF(carattere_, &d_);
    if (p_.isActive()) p_.setFont(carattere_);
}

double TSuperficieQt::LarghezzaTesto(const std::string& testo) const {
    return metriche_.horizontalAdvance(Q(testo)) / fx_;
}

double TSuperficieQt::AltezzaTesto() const {
    return metriche_.height() / fy_;
}

void TSuperficieQt::Testo(double x, double y, const std::string& testo) {
    Attivo();
    p_.drawText(QPointF(X(x), Y(y) + metriche_.ascent()), Q(testo));
}

void TSuperficieQt::TestoRuotato(double x, double y, double gradi, const std::string& testo) {
    Attivo();
    p_.save();
    p_.translate(X(x), Y(y));
    p_.rotate(-gradi);  // the painter turns clockwise
    p_.drawText(QPointF(0, metriche_.ascent()), Q(testo));
    p_.restore();
}

void TSuperficieQt::Rettangolo(double x, double y, double larghezza, double altezza) {
    Attivo();
    const int x1 = X(x), y1 = Y(y);
    p_.fillRect(QRect(x1, y1, X(x + larghezza) - x1, Y(y + altezza) - y1), Qt::black);
}

void TSuperficieQt::Riquadro(double x, double y, double larghezza, double altezza,
                             double spessore) {
    Attivo();
    p_.save();
    p_.setPen(QPen(Qt::black, spessore * fx_));
    p_.setBrush(Qt::NoBrush);
    const int x1 = X(x), y1 = Y(y);
    p_.drawRect(QRect(x1, y1, X(x + larghezza) - x1, Y(y + altezza) - y1));
    p_.restore();
}

void TSuperficieQt::Linea(double x1, double y1, double x2, double y2, double spessore) {
    Attivo();
    p_.save();
    p_.setPen(QPen(Qt::black, spessore * fx_));
    p_.drawLine(QPoint(X(x1), Y(y1)), QPoint(X(x2), Y(y2)));
    p_.restore();
}

void PreparaQt() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The command line reports its own errors; the toolkit's notes about the environment
    // (no runtime folder, no display) are of no use to its user.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(testo));
    });
    static int argc = 1;
    static char nome[] = "sirvela-cli";
    static char* argv[] = {nome, nullptr};
    // Lives until the process ends: fonts and painting need it for every print.
    static QGuiApplication* applicazione = new QGuiApplication(argc, argv);
    (void)applicazione;
}

bool StampaSuPdf(const std::filesystem::path& percorso, const std::string& titolo,
                 const TDisegnoStampa& disegno) {
    return StampaSuPdfOrientata(percorso, titolo, disegno, false);
}

bool StampaSuPdfOrientata(const std::filesystem::path& percorso, const std::string& titolo,
                          const TDisegnoStampa& disegno, bool orizzontale) {
    if (auto errore = ErrorePercorsoPdf(percorso)) throw TErroreStampa(*errore);
    TScrittore file(percorso);
    return StampaSuPdfOrientata(file, titolo, disegno, orizzontale);
}

bool StampaSuPdfOrientata(TScrittore& file, const std::string& titolo,
                          const TDisegnoStampa& disegno, bool orizzontale) {
    PreparaQt();
    bool completa = false;
    bool chiuso = false;
    {
        TDispositivoPdf dispositivo(file);
        QPdfWriter pdf(&dispositivo);
        pdf.setResolution(kRisoluzionePdf);
        pdf.setCreator("Sirvela");
        pdf.setTitle(Q(titolo));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        TSuperficieQt superficie(pdf, true);
        TmmPrinter p(superficie);
        try {
            completa = disegno(p) && !superficie.Annullata();
            if (completa && !superficie.Iniziata()) {
                // Nothing to print still makes a file the user can open: one blank page.
                superficie.IniziaDocumento(titolo);
            }
            superficie.Chiudi();
        } catch (...) {
            try {
                superficie.Chiudi();
            } catch (...) {
            }
            file.Abbandona();
            throw;
        }
        // The painter does not report a failed last write: the file is judged by what reached
        // it, and a document cut short is never put in place of the old one.
        chiuso = dispositivo.Completo();
    }
    if (!completa) {
        file.Abbandona();
        return false;
    }
    if (!chiuso || file.Scritti() == 0) {
        const int errore = file.Ok() ? EIO : file.Errore();
        file.Abbandona();
        throw TErroreStampa(TestoErroreScrittura("PDF", file.Destinazione(), errore));
    }
    if (!file.Chiudi())
        throw TErroreStampa(TestoErroreScrittura("PDF", file.Destinazione(), file.Errore()));
    return true;
}

}  // namespace sirvela
