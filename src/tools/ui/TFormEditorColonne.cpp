#include "tools/ui/TFormEditorColonne.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

// ---------------------------------------------------------------------------------------------

void TModelloGrigliaEditor::Imposta(const TEditorColonne::TCelle& celle, std::int64_t primo) {
    celle_ = celle;
    primo_ = primo;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QVariant TModelloGrigliaEditor::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid()) return {};
    if (ruolo == Qt::DisplayRole || ruolo == Qt::EditRole)
        return QS(celle_[static_cast<std::size_t>(i.column())][static_cast<std::size_t>(i.row())]);
    if (ruolo == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

bool TModelloGrigliaEditor::setData(const QModelIndex& i, const QVariant& valore, int ruolo) {
    if (!i.isValid() || ruolo != Qt::EditRole) return false;
    celle_[static_cast<std::size_t>(i.column())][static_cast<std::size_t>(i.row())] =
        SS(valore.toString());
    emit dataChanged(i, i);
    return true;
}

QVariant TModelloGrigliaEditor::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (ruolo == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (ruolo != Qt::DisplayRole) return {};
    // Grid columns are numbered as the list entries they show.
    if (o == Qt::Horizontal) return QString::number(primo_ + sezione + 1);
    return QString("%1º").arg(sezione + 1);
}

Qt::ItemFlags TModelloGrigliaEditor::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// ---------------------------------------------------------------------------------------------

void TGrigliaEditor::currentChanged(const QModelIndex& attuale, const QModelIndex& precedente) {
    nuova_ = true;
    QTableView::currentChanged(attuale, precedente);
}

void TGrigliaEditor::keyPressEvent(QKeyEvent* e) {
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !model()) return QTableView::keyPressEvent(e);
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit Invio(i.column(), i.row());
        return;
    }
    char tasto = 0;
    if (e->key() == Qt::Key_Backspace)
        tasto = '\b';
    else if (e->text().size() == 1 && e->text()[0].unicode() < 128)
        tasto = static_cast<char>(e->text()[0].unicode());
    const bool cifra = (tasto >= '0' && tasto <= '9') || tasto == ' ';
    if (!cifra && tasto != '\b') return QTableView::keyPressEvent(e);
    std::string testo = nuova_ && cifra ? std::string() : SS(i.data().toString());
    if (TEditorColonne::TastoAccettato(testo, tasto)) {
        if (tasto == '\b') {
            if (!testo.empty()) testo.pop_back();
        } else {
            testo += tasto;
        }
        model()->setData(i, QS(testo));
        nuova_ = false;
        emit Digitato();
    }
    e->accept();
}

// ---------------------------------------------------------------------------------------------

TFormSalta::TFormSalta(std::int64_t massimo, QWidget* parent) : QDialog(parent) {
    setObjectName("FormSalta");
    setWindowTitle("Salta");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    numero_ = new QSpinBox(this);
    numero_->setObjectName("Numero");
    numero_->setRange(
        1, static_cast<int>(std::clamp<std::int64_t>(massimo, 1, std::numeric_limits<int>::max())));
    numero_->setMinimumWidth(100);
    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->addButton("OK", QDialogButtonBox::AcceptRole)->setObjectName("OK");
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole)->setObjectName("Annulla");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel("Salta alla Colonna Numero", this));
    l->addWidget(numero_);
    l->addWidget(pulsanti);
    setMinimumWidth(240);
}

// ---------------------------------------------------------------------------------------------

TFormEditorColonne::TFormEditorColonne(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), comandi_(editor_, messaggi, scelta) {
    setObjectName("FormEditorColonne");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    barra_ = new QToolBar(this);
    barra_->setObjectName("BarraEditor");
    barra_->setIconSize(QSize(24, 24));
    Pulsante("Azzera", "nuovo", "Azzera", [this] { comandi_.Azzera(); });
    Pulsante("CaricaColonne", "carica", "Carica Colonne", [this] { comandi_.CaricaColonne(); });
    Pulsante("InserisciFile", "inserisci-file", "Inserisci il File Colonnare",
             [this] { comandi_.InserisciFileColonnare(); });
    Pulsante("SalvaColonne", "salva", "Salva Colonne", [this] { comandi_.Salva(); });
    Pulsante("SalvaConNome", "salva-nome", "Salva Colonne con Nome",
             [this] { comandi_.SalvaConNome(); });
    barra_->addSeparator();
    Pulsante("SaltaAllaColonna", "salta", "Salta alla Colonna", [this] { SaltaAllaColonna(); });
    Pulsante("CancellaColonna", "cancella-colonna", "Cancella Colonna",
             [this] { editor_.CancellaCorrente(); });
    Pulsante("InserisceColonna", "inserisci-colonna", "Inserisce Colonna",
             [this] { editor_.InserisciVuota(); });
    Pulsante("Ordina", "ordina", "Ordina", [this] { comandi_.Ordina(); });
    Pulsante("SaltaAllaPrima", "prima", "Salta alla Prima", [this] { editor_.SaltaAllaPrima(); });
    Pulsante("SaltaAllUltima", "ultima", "Salta all'ultima", [this] { editor_.SaltaAllUltima(); });
    barra_->addSeparator();
    auto* aiuto = new QAction(QIcon(":/immagini/help.png"), "Help", this);
    aiuto->setObjectName("Help");
    connect(aiuto, &QAction::triggered, this, [this] { MostraAiuto(this, "editor-colonne"); });
    barra_->addAction(aiuto);
    auto* uscita = new QAction(QIcon(":/immagini/uscita.png"), "Uscita", this);
    uscita->setObjectName("Uscita");
    connect(uscita, &QAction::triggered, this, &TFormEditorColonne::reject);
    barra_->addAction(uscita);

    modello_ = new TModelloGrigliaEditor(this);
    griglia_ = new TGrigliaEditor(this);
    griglia_->setObjectName("Griglia");
    griglia_->setModel(modello_);
    griglia_->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->horizontalHeader()->setDefaultSectionSize(40);
    griglia_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->verticalHeader()->setDefaultSectionSize(24);
    griglia_->setFixedSize(
        griglia_->verticalHeader()->sizeHint().width() + 16 * 40 + 2 * griglia_->frameWidth() + 4,
        griglia_->horizontalHeader()->sizeHint().height() + 8 * 24 + 2 * griglia_->frameWidth());
    connect(griglia_, &TGrigliaEditor::Digitato, this, [this] { editor_.Modificato = true; });
    connect(griglia_, &TGrigliaEditor::Invio, this, &TFormEditorColonne::Invio);

    // The bar picks the first entry shown and always leaves room to type new columns.
    scorrimento_ = new QScrollBar(Qt::Horizontal, this);
    scorrimento_->setObjectName("Scorrimento");
    scorrimento_->setPageStep(TEditorColonne::kColonneGriglia);
    connect(scorrimento_, &QScrollBar::valueChanged, this, &TFormEditorColonne::Scorri);

    auto* l = new QVBoxLayout(this);
    l->setMenuBar(barra_);
    l->addWidget(griglia_);
    l->addWidget(scorrimento_);
    l->setSizeConstraint(QLayout::SetFixedSize);
    Ridisegna();
}

QAction* TFormEditorColonne::Pulsante(const char* nome, const char* icona, const char* suggerimento,
                                      std::function<void()> comando) {
    auto* a = new QAction(QIcon(QString(":/immagini/%1.png").arg(icona)), suggerimento, this);
    a->setObjectName(nome);
    a->setToolTip(suggerimento);
    connect(a, &QAction::triggered, this,
            [this, comando = std::move(comando)] { Esegui(comando); });
    barra_->addAction(a);
    return a;
}

QAction* TFormEditorColonne::Comando(const QString& nome) const {
    return findChild<QAction*>(nome);
}

void TFormEditorColonne::Esegui(const std::function<void()>& comando) {
    Memorizza();
    comando();
    Ridisegna();
}

void TFormEditorColonne::Memorizza() {
    editor_.MemorizzaVista(modello_->Celle());
    const QModelIndex i = griglia_->currentIndex();
    if (i.isValid()) editor_.Corrente = {editor_.Scorrimento + i.column(), i.row()};
}

void TFormEditorColonne::Ridisegna() {
    setWindowTitle(QS(editor_.Titolo()));
    modello_->Imposta(editor_.Vista(), editor_.Scorrimento);
    {
        const QSignalBlocker blocco(scorrimento_);
        scorrimento_->setRange(
            0, static_cast<int>(std::min<std::int64_t>(editor_.MassimoScorrimento(),
                                                       std::numeric_limits<int>::max())));
        scorrimento_->setValue(static_cast<int>(editor_.Scorrimento));
    }
    const std::int64_t colonna = editor_.Corrente.Voce - editor_.Scorrimento;
    if (colonna >= 0 && colonna < TEditorColonne::kColonneGriglia)
        griglia_->setCurrentIndex(
            modello_->index(editor_.Corrente.Riga, static_cast<int>(colonna)));
}

void TFormEditorColonne::Scorri(int posizione) {
    Memorizza();
    editor_.Scorrimento = posizione;
    Ridisegna();
}

void TFormEditorColonne::Invio(int colonna, int riga) {
    const TEditorColonne::TPassoInvio passo = TEditorColonne::Invio(colonna, riga);
    if (passo.Scorri) {
        Memorizza();
        ++editor_.Scorrimento;
        editor_.Corrente = {editor_.Scorrimento + passo.Colonna, passo.Riga};
        Ridisegna();
        return;
    }
    griglia_->setCurrentIndex(modello_->index(passo.Riga, passo.Colonna));
}

void TFormEditorColonne::SaltaAllaColonna() {
    editor_.RimuoviVuote();
    if (editor_.QuanteVoci() == 0) return;  // nothing to jump to
    Ridisegna();
    TFormSalta d(editor_.QuanteVoci(), this);
    if (d.exec() == QDialog::Accepted) editor_.SaltaAllaColonna(d.Numero());
}

void TFormEditorColonne::reject() {
    Memorizza();
    if (comandi_.Uscita()) QDialog::reject();
}

}  // namespace sirvela
