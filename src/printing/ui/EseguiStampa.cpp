#include "printing/ui/EseguiStampa.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <filesystem>
#include <optional>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "printing/qt/SuperficieQt.h"
#include "tools/Progresso.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

constexpr const char* kSovrascriviPdf = "Il file è già Presente su Disco. Vuoi Sovrascriverlo ? ";

// The progress window of a running print: repainted as the print goes on, its "Annulla"
// asks the layout to stop at its next page or row.
class TAvanzamentoStampa : public IProgressoStrumenti {
  public:
    TAvanzamentoStampa(QWidget* genitore, TAnnullamento& annulla, const QString& titolo)
        : finestra_("Stampa in corso...", "Annulla", 0, 100, genitore) {
        finestra_.setWindowTitle(titolo);
        finestra_.setWindowModality(Qt::WindowModal);
        finestra_.setMinimumDuration(400);
        finestra_.setAutoClose(false);
        finestra_.setAutoReset(false);
        QObject::connect(&finestra_, &QProgressDialog::canceled,
                         [&annulla] { annulla.Richiedi(); });
    }
    void Avanzamento(int percento) override { finestra_.setValue(percento); }

  private:
    QProgressDialog finestra_;
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

TEsitoStampa SuCarta(const TComandoStampa& c, TControlloStampa& k) {
    QPrinter& stampante = StampanteProgramma();
    TOrientamento orientamento(c.Orizzontale);
    stampante.setDocName(QS(c.Titolo));
    TSuperficieQt superficie(stampante, false);
    superficie.AlAnnullamento = [&stampante] { stampante.abort(); };
    TmmPrinter p(superficie);
    const bool completa = c.Disegna(p, k, TModoStampa::Stampa);
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

TEsitoStampa InPdf(const TComandoStampa& c, TControlloStampa& k, IMessaggi& messaggi,
                   ISceltaFile& scelta) {
    TRichiestaFile r;
    r.Titolo = "Salva in PDF";
    r.Filtro = "Documenti PDF (*.pdf)|*.pdf";
    r.Estensione = "pdf";
    r.Cartella = CartellaProgramma.string();
    r.Nome = c.NomePdf;
    const auto percorso = scelta.Salva(r);
    if (!percorso || !Sovrascrivi(*percorso, messaggi)) return TEsitoStampa::Annullata;
    const bool completa = StampaSuPdfOrientata(
        *percorso, c.Titolo, [&](TmmPrinter& p) { return c.Disegna(p, k, TModoStampa::SalvaPdf); },
        c.Orizzontale);
    return completa ? TEsitoStampa::Completata : TEsitoStampa::Annullata;
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
    TAnnullamento annulla;
    TEsitoStampa esito = TEsitoStampa::Fallita;
    try {
        if (modo == TModoStampa::Anteprima) {
            esito = InAnteprima(genitore, comando);
        } else {
            TAvanzamentoStampa avanzamento(genitore, annulla, QS(comando.Titolo));
            TControlloStampa k;
            k.Annulla = &annulla;
            k.Progresso = &avanzamento;
            esito = modo == TModoStampa::Stampa ? SuCarta(comando, k)
                                                : InPdf(comando, k, messaggi, scelta);
        }
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
