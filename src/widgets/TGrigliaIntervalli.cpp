#include "widgets/TGrigliaIntervalli.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace sirvela {

namespace {

constexpr int kRigaLivello = 2;
constexpr int kLarghezzaColonna = 36;
constexpr int kLarghezzaColonnaRecupero = 52;
constexpr int kAltezzaRiga = 22;
constexpr int kCifre = 9;  // characters a bound cell takes

// Bounds are typed freely (the check reports what is not a whole number); the level is a
// number 1..99.
class TDelegatoCelle : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& o,
                          const QModelIndex& i) const override {
        if (i.row() == kRigaLivello) {
            auto* s = new QSpinBox(parent);
            s->setRange(1, TModelloGraphpt::kLivelloMassimo);
            s->setFrame(false);
            return s;
        }
        auto* e = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, o, i));
        if (e) e->setMaxLength(kCifre);
        return e;
    }
};

QTableWidget* NuovaPagina(QWidget* parent, const QStringList& righe, int larghezza) {
    auto* t = new QTableWidget(righe.size(), TModelloIntervalli::kColonne, parent);
    t->setVerticalHeaderLabels(righe);
    t->setItemDelegate(new TDelegatoCelle(t));
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setDefaultSectionSize(larghezza);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(kAltezzaRiga);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    return t;
}

// The table's height for its rows, its header and, when it shows, its scroll bar.
void AltezzaFissa(QTableWidget* t, bool barra) {
    t->setHorizontalScrollBarPolicy(barra ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int h = t->horizontalHeader()->sizeHint().height() + t->rowCount() * kAltezzaRiga +
                  (barra ? t->horizontalScrollBar()->sizeHint().height() : 0) + 2 * t->frameWidth();
    t->setFixedHeight(h);
}

}  // namespace

TGrigliaIntervalli::TGrigliaIntervalli(QWidget* parent) : QTabWidget(parent) {
    pagine_[0] = NuovaPagina(this, {"Min", "Max"}, kLarghezzaColonna);
    pagine_[0]->setObjectName("IntervalliAmmessi");
    const int larghezza = pagine_[0]->verticalHeader()->sizeHint().width() +
                          TModelloIntervalli::kColonne * kLarghezzaColonna +
                          2 * pagine_[0]->frameWidth();
    pagine_[0]->setFixedWidth(larghezza);
    addTab(pagine_[0], "Intervalli Ammessi");

    auto* recupero = new QWidget(this);
    pagine_[1] = NuovaPagina(recupero, {"Min", "Max", "Liv."}, kLarghezzaColonnaRecupero);
    pagine_[1]->setObjectName("IntervalliInRecupero");
    AltezzaFissa(pagine_[1], true);
    // Three intervals in sight.
    pagine_[1]->setFixedWidth(pagine_[1]->verticalHeader()->sizeHint().width() +
                              3 * kLarghezzaColonnaRecupero + 2 * pagine_[1]->frameWidth());
    lettera_ = new QComboBox(recupero);
    lettera_->setObjectName("Link");
    for (char l = 'A'; l <= 'Z'; ++l) lettera_->addItem(QString(QChar(l)));
    auto* l = new QHBoxLayout(recupero);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(pagine_[1]);
    l->addSpacing(16);
    auto* link = new QVBoxLayout;
    link->addWidget(new QLabel("Link", recupero));
    link->addWidget(lettera_);
    link->addStretch();
    l->addLayout(link);
    l->addStretch();
    addTab(recupero, "Intervalli In Rec.");

    for (int p = 0; p < 2; ++p)
        connect(pagine_[p], &QTableWidget::itemChanged, this,
                [this, p](QTableWidgetItem* i) { CellaCambiata(p, i); });
    connect(this, &QTabWidget::currentChanged, this, &TGrigliaIntervalli::AltezzaDellaPagina);
    connect(lettera_, &QComboBox::activated, this, [this](int i) {
        const char prima = modello_.Lettera();
        modello_.ImpostaLettera(static_cast<char>('A' + i));
        if (modello_.Lettera() != prima) emit Modificato();
    });
    Aggiorna();
    AltezzaDellaPagina();
}

void TGrigliaIntervalli::AltezzaDellaPagina() {
    // The pages behind do not count towards the notebook's size.
    for (int i = 0; i < count(); ++i)
        widget(i)->setSizePolicy(QSizePolicy::Preferred, i == currentIndex()
                                                             ? QSizePolicy::Preferred
                                                             : QSizePolicy::Ignored);
    updateGeometry();
}

void TGrigliaIntervalli::Aggiorna() {
    for (int p = 0; p < 2; ++p) {
        QTableWidget* t = pagine_[p];
        const QSignalBlocker blocco(t);
        t->setColumnCount(modello_.Colonne(p));
        for (int c = 0; c < modello_.Colonne(p); ++c) {
            const auto& cella = modello_.Cella(p, c);
            t->setItem(0, c, new QTableWidgetItem(QString::fromStdString(cella.Min)));
            t->setItem(1, c, new QTableWidgetItem(QString::fromStdString(cella.Max)));
            if (p == TModelloIntervalli::kPaginaRecupero) {
                auto* livello = new QTableWidgetItem;
                livello->setData(Qt::EditRole, cella.Livello);
                t->setItem(kRigaLivello, c, livello);
            }
            for (int r = 0; r < t->rowCount(); ++r)
                t->item(r, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // Every accepted interval is in sight, unless a list from a file holds more than 21.
    AltezzaFissa(pagine_[0], modello_.Colonne(0) > TModelloIntervalli::kColonne);
    const QSignalBlocker blocco(lettera_);
    lettera_->setCurrentIndex(modello_.Lettera() - 'A');
}

void TGrigliaIntervalli::CellaCambiata(int pagina, QTableWidgetItem* item) {
    const int c = item->column();
    if (item->row() == kRigaLivello) {
        modello_.ImpostaLivello(c, item->data(Qt::EditRole).toInt());
    } else {
        const std::string testo = item->text().toStdString();
        if (item->row() == 0)
            modello_.ImpostaMin(pagina, c, testo);
        else
            modello_.ImpostaMax(pagina, c, testo);
    }
    if (modello_.Modificato) emit Modificato();
}

void TGrigliaIntervalli::MostraErrore(const TErroreGriglia& errore) {
    setCurrentIndex(errore.Pagina);
    QTableWidget* t = pagine_[errore.Pagina];
    t->setCurrentCell(0, errore.Colonna);
    t->scrollToItem(t->item(0, errore.Colonna));
    t->setFocus();
}

}  // namespace sirvela
