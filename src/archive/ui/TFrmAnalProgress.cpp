#include "archive/ui/TFrmAnalProgress.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <new>
#include <thread>

#include "core/Errore.h"

namespace sirvela {

TFrmAnalProgress::TFrmAnalProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmAnalProgress");
    setWindowTitle("Analisi");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    testo_ = new QLabel(kAnalisiArchivioInCorso, this);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    barra_->setMinimumWidth(300);
    annullaBtn_ = new QPushButton("Annulla", this);
    annullaBtn_->setObjectName("CancelBtn");
    connect(annullaBtn_, &QPushButton::clicked, this, [this] { annulla_.store(true); });
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo_);
    l->addWidget(barra_);
    l->addWidget(annullaBtn_, 0, Qt::AlignHCenter);
}

void TFrmAnalProgress::Apri(TFaseAnalisi fase, std::int64_t) {
    // Every pass starts with the cancel cleared.
    annulla_.store(false);
    const QString testo =
        fase == TFaseAnalisi::Archivio ? kAnalisiArchivioInCorso : kAnalisiColonneInCorso;
    QMetaObject::invokeMethod(
        this,
        [this, testo] {
            testo_->setText(testo);
            barra_->setValue(0);
            show();
        },
        Qt::QueuedConnection);
}

void TFrmAnalProgress::Posizione(int percento) {
    QMetaObject::invokeMethod(
        this, [this, percento] { barra_->setValue(percento); }, Qt::QueuedConnection);
}

void TFrmAnalProgress::Chiudi() {
    QMetaObject::invokeMethod(
        this, [this] { hide(); }, Qt::QueuedConnection);
}

bool EseguiConProgresso(QWidget* parent, const std::function<bool(IAvanzamentoAnalisi&)>& lavoro,
                        std::string& errore) {
    TFrmAnalProgress finestra(parent);
    bool esito = false;
    QEventLoop attesa;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::thread filo([&] {
        try {
            esito = lavoro(finestra);
        } catch (const std::bad_alloc&) {
            errore = "Memoria Esaurita.";
        } catch (const std::exception& e) {
            errore = e.what();
        }
        QMetaObject::invokeMethod(&attesa, &QEventLoop::quit, Qt::QueuedConnection);
    });
    attesa.exec();
    filo.join();
    QApplication::restoreOverrideCursor();
    // What the worker queued last (closing the window) is done before the window goes.
    QCoreApplication::sendPostedEvents(&finestra);
    return esito && errore.empty();
}

bool AnalisiConProgresso(QWidget* parent, IMessaggi& messaggi, TCondizione& condizione,
                         const TParametriAnalisi& parametri, TRisultatiAnalisi& risultati) {
    std::string errore;
    const bool ok = EseguiConProgresso(
        parent,
        [&](IAvanzamentoAnalisi& a) { return EseguiAnalisi(condizione, parametri, risultati, &a); },
        errore);
    if (!errore.empty()) messaggi.Errore(errore);
    return ok;
}

}  // namespace sirvela
