#include "printing/qt/SuperficieQt.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <cmath>
#include <cstdio>

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
    PreparaQt();
    std::filesystem::path temporaneo = percorso;
    temporaneo += ".tmp";
    const QString nomeTemporaneo = QString::fromStdString(temporaneo.string());
    bool completa = false;
    {
        QPdfWriter pdf(nomeTemporaneo);
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
            superficie.Chiudi();
            QFile::remove(nomeTemporaneo);
            throw;
        }
    }
    std::error_code ec;
    if (!completa) {
        std::filesystem::remove(temporaneo, ec);
        return false;
    }
    std::filesystem::rename(temporaneo, percorso, ec);
    if (ec) {
        std::filesystem::remove(temporaneo, ec);
        throw TErroreStampa("Impossibile scrivere il file " + percorso.string());
    }
    return true;
}

}  // namespace sirvela
