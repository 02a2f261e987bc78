#include "archive/ui/TFrmvisArc.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "app/ui/TFormAiuto.h"
#include "archive/ui/TFormStampaArchCond.h"
#include "widgets/Conversioni.h"

namespace sirvela {

int TModelloVistaArchivio::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : vista_.Righe();
}

int TModelloVistaArchivio::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : vista_.ColonneTotali();
}

QVariant TModelloVistaArchivio::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid()) return {};
    if (ruolo == Qt::DisplayRole) return QS(vista_.Testo(i.row(), i.column()));
    if (ruolo == Qt::TextAlignmentRole)
        return QVariant::fromValue(i.column() == 3 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TModelloVistaArchivio::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (o != Qt::Horizontal || ruolo != Qt::DisplayRole) return {};
    if (sezione < kColonneFisseVista)
        return QString(IntestazioniFisseVista()[static_cast<std::size_t>(sezione)]);
    const auto& c = vista_.Colonne()[static_cast<std::size_t>(sezione - kColonneFisseVista)];
    return QS(GruppiVista()[static_cast<std::size_t>(c.Gruppo)].Sigla(c.Indice));
}

int TModelloIntestazioniArchivio::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : vista_.ColonneTotali();
}

QVariant TModelloIntestazioniArchivio::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid() || ruolo != Qt::DisplayRole || i.column() < kColonneFisseVista) return {};
    const auto& c = vista_.Colonne()[static_cast<std::size_t>(i.column() - kColonneFisseVista)];
    if (c.Indice != 0) return {};
    const TGruppoVista& g = GruppiVista()[static_cast<std::size_t>(c.Gruppo)];
    return QString(i.row() == 0 ? g.Intestazione1 : g.Intestazione2);
}

TFrmvisArc::TFrmvisArc(TDatiSistema& dati, IMessaggi& messaggi, ISceltaFile& scelta,
                       QWidget* parent)
    : QDialog(parent),
      dati_(dati),
      messaggi_(messaggi),
      scelta_(scelta),
      vista_(dati),
      modello_(vista_),
      modelloIntestazioni_(vista_) {
    setObjectName("FrmvisArc");
    setWindowTitle("Visualizzazione Archivio");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto* gruppo = new QGroupBox("Condizioni da Visualizzare", this);
    auto* lg = new QGridLayout(gruppo);
    lg->setVerticalSpacing(2);
    for (int g = 0; g < kGruppiVista; ++g) {
        auto* c = new QCheckBox(GruppiVista()[static_cast<std::size_t>(g)].Casella, gruppo);
        c->setObjectName(QString("Gruppo%1").arg(g));
        c->setToolTip(QString(GruppiVista()[static_cast<std::size_t>(g)].Intestazione1).trimmed());
        c->setChecked(true);
        caselle_[static_cast<std::size_t>(g)] = c;
        lg->addWidget(c, g / 5, g % 5);
        connect(c, &QCheckBox::toggled, this, [this, g](bool si) {
            vista_.ImpostaVisibile(g, si);
            Ricolonna();
        });
    }

    // Both grids in a fixed-pitch font, so the sub-titles stand over their columns.
    const QFont fisso = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    intestazioni_ = new QTableView(this);
    intestazioni_->setObjectName("GridInt");
    intestazioni_->setModel(&modelloIntestazioni_);
    intestazioni_->setFont(fisso);
    intestazioni_->horizontalHeader()->hide();
    intestazioni_->verticalHeader()->hide();
    intestazioni_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    intestazioni_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    intestazioni_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    intestazioni_->setSelectionMode(QAbstractItemView::NoSelection);
    intestazioni_->setFocusPolicy(Qt::NoFocus);
    intestazioni_->verticalHeader()->setDefaultSectionSize(QFontMetrics(fisso).height() + 4);
    intestazioni_->setFixedHeight(2 * (QFontMetrics(fisso).height() + 4) + 2);

    griglia_ = new QTableView(this);
    griglia_->setObjectName("GridNum");
    griglia_->setModel(&modello_);
    griglia_->setFont(fisso);
    griglia_->horizontalHeader()->setFont(fisso);
    griglia_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->verticalHeader()->hide();
    griglia_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->verticalHeader()->setDefaultSectionSize(QFontMetrics(fisso).height() + 4);
    griglia_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    griglia_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    griglia_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    griglia_->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia_->setWordWrap(false);
    connect(griglia_->horizontalScrollBar(), &QScrollBar::valueChanged,
            intestazioni_->horizontalScrollBar(), &QScrollBar::setValue);

    // The headings stop where the data grid's vertical scroll bar begins.
    auto* riga = new QHBoxLayout;
    riga->setSpacing(0);
    riga->addWidget(intestazioni_);
    riga->addSpacing(style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);

    stampa_ = new QPushButton("Stampa", this);
    stampa_->setEnabled(vista_.Righe() > 0);
    connect(stampa_, &QPushButton::clicked, this, [this] {
        TFormStampaArchCond d(dati_, vista_, messaggi_, scelta_, this);
        d.exec();
    });
    auto* ok = new QPushButton("OK", this);
    auto* aiuto = new QPushButton("Aiuto", this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(stampa_);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(aiuto);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "visualizzazione-archivio"); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(gruppo);
    l->addSpacing(4);
    l->setSpacing(0);
    l->addLayout(riga);
    l->addWidget(griglia_, 1);
    l->addSpacing(8);
    l->addLayout(pulsanti);
    resize(980, 620);
    Ricolonna();
    // The latest contests first in sight.
    griglia_->scrollToBottom();
}

void TFrmvisArc::Ricolonna() {
    modello_.Ricolonna();
    modelloIntestazioni_.Ricolonna();
    intestazioni_->clearSpans();
    const QFontMetrics fm(griglia_->font());
    const int carattere = fm.horizontalAdvance('0');
    const int margine = 10;
    for (int c = 0; c < kColonneFisseVista; ++c) {
        const int l = static_cast<int>(vista_.CaratteriColonna(c) * carattere) + margine;
        griglia_->setColumnWidth(c, l);
        intestazioni_->setColumnWidth(c, l);
    }
    int c = kColonneFisseVista;
    while (c < vista_.ColonneTotali()) {
        const auto& colonna = vista_.Colonne()[static_cast<std::size_t>(c - kColonneFisseVista)];
        const int n = GruppiVista()[static_cast<std::size_t>(colonna.Gruppo)].Colonne();
        const int l = static_cast<int>(vista_.CaratteriColonna(c) * carattere) + 2;
        for (int k = 0; k < n; ++k) {
            griglia_->setColumnWidth(c + k, l);
            intestazioni_->setColumnWidth(c + k, l);
        }
        if (n > 1) {
            intestazioni_->setSpan(0, c, 1, n);
            intestazioni_->setSpan(1, c, 1, n);
        }
        c += n;
    }
    intestazioni_->horizontalScrollBar()->setValue(griglia_->horizontalScrollBar()->value());
}

}  // namespace sirvela
