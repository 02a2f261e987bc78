#include "printing/ui/EseguiStampa.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "printing/qt/SuperficieQt.h"
#include "tools/Progresso.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

constexpr const char* kSovrascriviPdf = "Il file è già Presente su Disco. Vuoi Sovrascriverlo ? ";

// The progress window of a running print. It comes up only once the drawing has gone on for a
// moment, from the drawing itself and never by a timer of its own: a window that showed itself
// meanwhile would cover and block whatever the print is asking (the file name, the overwrite
// question, the pause between tickets). Its "Annulla" asks the layout to stop at its next page
// or row.
class TAvanzamentoStampa : public IProgressoStrumenti {
  public:
    static constexpr int kAttesaMs = 400;

    TAvanzamentoStampa(QWidget* genitore, const QString& titolo)
        : genitore_(genitore), titolo_(titolo) {
        orologio_.start();
        controllo_.Annulla = &annulla_;
        controllo_.Progresso = this;
    }
    // What the layout listens to while it draws.
    TControlloStampa& Controllo() { return controllo_; }
    void Avanzamento(int percento) override {
        if (!finestra_) {
            if (orologio_.elapsed() < kAttesaMs) return;
            Crea();
        }
        finestra_->setValue(percento);
    }

  private:
    void Crea() {
        finestra_ =
            std::make_unique<QProgressDialog>("Stampa in corso...", "Annulla", 0, 100, genitore_);
        finestra_->setWindowTitle(titolo_);
        finestra_->setWindowModality(Qt::WindowModal);
        finestra_->setMinimumDuration(0);
        finestra_->setAutoClose(false);
        finestra_->setAutoReset(false);
        QObject::connect(finestra_.get(), &QProgressDialog::canceled,
                         [this] { annulla_.Richiedi(); });
        finestra_->show();
    }

    QWidget* genitore_;
    QString titolo_;
    TAnnullamento annulla_;
    TControlloStampa controllo_;
    QElapsedTimer orologio_;
    std::unique_ptr<QProgressDialog> finestra_;
};

bool Sovrascrivi(const std::string& percorso, IMessaggi& messaggi) {
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec)) return true;
    return messaggi.Mostra("Informazione", kSovrascriviPdf, PulsanteSi | PulsanteNo) == PulsanteSi;
}

// Turns the program's printer for one command and back afterwards.
class TOrientamento {
  public:
    explicit TOrientamento(bool orizzontale)
        : stampante_(StampanteProgramma()), prima_(stampante_.pageLayout().orientation()) {
        if (orizzontale) stampante_.setPageOrientation(QPageLayout::Landscape);
    }
    ~TOrientamento() { stampante_.setPageOrientation(prima_); }
    TOrientamento(const TOrientamento&) = delete;
    TOrientamento& operator=(const TOrientamento&) = delete;

  private:
    QPrinter& stampante_;
    QPageLayout::Orientation prima_;
};

TEsitoStampa SuCarta(QWidget* genitore, const TComandoStampa& c) {
    QPrinter& stampante = StampanteProgramma();
    TOrientamento orientamento(c.Orizzontale);
    stampante.setDocName(QS(c.Titolo));
    TSuperficieQt superficie(stampante, false);
    superficie.AlAnnullamento = [&stampante] { stampante.abort(); };
    TmmPrinter p(superficie);
    TAvanzamentoStampa avanzamento(genitore, QS(c.Titolo));
    const bool completa = c.Disegna(p, avanzamento.Controllo(), TModoStampa::Stampa);
    if (!completa) p.Annulla();
    return completa ? TEsitoStampa::Completata : TEsitoStampa::Annullata;
}

TEsitoStampa InAnteprima(QWidget* genitore, const TComandoStampa& c) {
    TOrientamento orientamento(c.Orizzontale);
    QPrintPreviewDialog anteprima(&StampanteProgramma(), genitore);
    anteprima.setWindowTitle("Anteprima di Stampa - " + QS(c.Titolo));
    anteprima.resize(900, 700);
    bool fallita = false;
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, [&](QPrinter* stampante) {
        try {
            TSuperficieQt superficie(*stampante, true);
            TmmPrinter p(superficie);
            TControlloStampa k;
            c.Disegna(p, k, TModoStampa::Anteprima);
            superficie.Chiudi();
        } catch (const TErroreStampa&) {
            fallita = true;
        }
    });
    anteprima.exec();
    return fallita ? TEsitoStampa::Fallita : TEsitoStampa::Completata;
}

// The file is asked for (and the overwrite question answered) before anything is drawn.
TEsitoStampa InPdf(QWidget* genitore, const TComandoStampa& c, IMessaggi& messaggi,
                   ISceltaFile& scelta) {
    TRichiestaFile r;
    r.Titolo = "Salva in PDF";
    r.Filtro = "Documenti PDF (*.pdf)|*.pdf";
    r.Estensione = "pdf";
    r.Cartella = CartellaProgramma.string();
    r.Nome = c.NomePdf;
    const auto percorso = scelta.Salva(r);
    if (!percorso || !Sovrascrivi(*percorso, messaggi)) return TEsitoStampa::Annullata;
    TAvanzamentoStampa avanzamento(genitore, QS(c.Titolo));
    bool completa = false;
    try {
        completa = StampaSuPdfOrientata(
            *percorso, c.Titolo,
            [&](TmmPrinter& p) {
                return c.Disegna(p, avanzamento.Controllo(), TModoStampa::SalvaPdf);
            },
            c.Orizzontale);
    } catch (const TErroreStampa& e) {
        // The command's own message, then what went wrong with which file.
        messaggi.Errore(c.Errore + "\n" + e.what());
        return TEsitoStampa::Fallita;
    }
    if (completa) return TEsitoStampa::Completata;
    messaggi.Mostra("Informazione", kStampaAnnullataPdf, PulsanteOk);
    return TEsitoStampa::Annullata;
}

}  // namespace

QPrinter& StampanteProgramma() {
    // Lives as long as the program: the printer chosen stays chosen.
    static QPrinter* stampante = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setFullPage(true);
        return p;
    }();
    return *stampante;
}

void ImpostaStampante(QWidget* genitore) {
    QPrintDialog d(&StampanteProgramma(), genitore);
    d.setWindowTitle("Imposta Stampante");
    d.setOption(QAbstractPrintDialog::PrintToFile, false);
    // The dialog only chooses the printer: its button confirms, it prints nothing.
    for (auto* pulsanti : d.findChildren<QDialogButtonBox*>())
        for (auto* b : pulsanti->buttons())
            if (pulsanti->buttonRole(b) == QDialogButtonBox::AcceptRole) b->setText("OK");
    d.exec();
    StampanteProgramma().setFullPage(true);
}

TEsitoStampa EseguiStampa(QWidget* genitore, TModoStampa modo, const TComandoStampa& comando,
                          IMessaggi& messaggi, ISceltaFile& scelta) {
    if (modo == TModoStampa::SalvaPdf) return InPdf(genitore, comando, messaggi, scelta);
    TEsitoStampa esito = TEsitoStampa::Fallita;
    try {
        esito = modo == TModoStampa::Anteprima ? InAnteprima(genitore, comando)
                                               : SuCarta(genitore, comando);
    } catch (const TErroreStampa&) {
        esito = TEsitoStampa::Fallita;
    }
    if (esito == TEsitoStampa::Fallita) messaggi.Errore(comando.Errore);
    return esito;
}

TPulsantiStampa::TPulsantiStampa(QWidget* parent, const QString& testoStampa) : QWidget(parent) {
    stampa_ = new QPushButton(testoStampa, this);
    stampa_->setObjectName("BtnStampa");
    anteprima_ = new QPushButton("Anteprima", this);
    anteprima_->setObjectName("BtnAnteprima");
    pdf_ = new QPushButton("Salva PDF", this);
    pdf_->setObjectName("BtnSalvaPdf");
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(stampa_);
    l->addWidget(anteprima_);
    l->addWidget(pdf_);
    connect(stampa_, &QPushButton::clicked, this, [this] { emit Scelto(TModoStampa::Stampa); });
    connect(anteprima_, &QPushButton::clicked, this,
            [this] { emit Scelto(TModoStampa::Anteprima); });
    connect(pdf_, &QPushButton::clicked, this, [this] { emit Scelto(TModoStampa::SalvaPdf); });
}

QHBoxLayout* RigaStampa(QDialog& dialogo, TPulsantiStampa*& pulsanti,
                        std::function<TEsitoStampa(TModoStampa)> stampa,
                        const QString& argomentoAiuto) {
    pulsanti = new TPulsantiStampa(&dialogo);
    QObject::connect(
        pulsanti, &TPulsantiStampa::Scelto, &dialogo,
        [&dialogo, stampa = std::move(stampa)](TModoStampa modo) {
            if (stampa(modo) == TEsitoStampa::Completata && modo != TModoStampa::Anteprima)
                dialogo.accept();
        });
    auto* chiudi = new QDialogButtonBox(&dialogo);
    chiudi->addButton("Annulla", QDialogButtonBox::RejectRole)->setObjectName("BtnAnnulla");
    QPushButton* aiuto = chiudi->addButton("Aiuto", QDialogButtonBox::HelpRole);
    QObject::connect(chiudi, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    QObject::connect(aiuto, &QPushButton::clicked, &dialogo,
                     [&dialogo, argomentoAiuto] { MostraAiuto(&dialogo, argomentoAiuto); });
    auto* riga = new QHBoxLayout;
    riga->addWidget(pulsanti);
    riga->addStretch();
    riga->addWidget(chiudi);
    return riga;
}

void CollegaIntervallo(QSpinBox* primo, QSpinBox* ultimo) {
    QObject::connect(primo, &QSpinBox::valueChanged, ultimo, [ultimo](int v) {
        if (ultimo->value() < v) ultimo->setValue(v);
    });
    QObject::connect(ultimo, &QSpinBox::valueChanged, primo, [primo](int v) {
        if (primo->value() > v) primo->setValue(v);
    });
}

QGroupBox* GruppoOrientamento(QWidget* genitore, QRadioButton*& verticale,
                              QRadioButton*& orizzontale) {
    auto* g = new QGroupBox("Orientamento", genitore);
    verticale = new QRadioButton("Verticale", g);
    verticale->setObjectName("Verticale");
    orizzontale = new QRadioButton("Orizzontale", g);
    orizzontale->setObjectName("Orizzontale");
    auto* l = new QHBoxLayout(g);
    l->addWidget(verticale);
    l->addWidget(orizzontale);
    return g;
}

}  // namespace sirvela
