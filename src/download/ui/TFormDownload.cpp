#include "download/ui/TFormDownload.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormDownload::TFormDownload(QWidget* parent) : QDialog(parent) {
    setObjectName("FormDownload");
    setWindowTitle(kTitoloDownload);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowModality(Qt::ApplicationModal);
    titolo_ = new QLabel(this);
    titolo_->setObjectName("Titolo");
    QFont grassetto = titolo_->font();
    grassetto.setBold(true);
    grassetto.setPointSizeF(grassetto.pointSizeF() * 1.2);
    titolo_->setFont(grassetto);
    stato_ = new QLabel(this);
    stato_->setObjectName("Stato");
    passo_ = new QLabel(this);
    passo_->setObjectName("Passo");
    indicatore_ = new QProgressBar(this);
    indicatore_->setObjectName("Indicatore");
    indicatore_->setRange(0, 100);
    annullaBtn_ = new QPushButton("Annulla", this);
    annullaBtn_->setObjectName("BtnAnnulla");
    auto* aiuto = new QPushButton("Aiuto", this);
    aiuto->setObjectName("BtnAiuto");
    aiuto->setAutoDefault(false);
    connect(annullaBtn_, &QPushButton::clicked, this, &TFormDownload::reject);
    connect(aiuto, &QPushButton::clicked, this, &TFormDownload::BtnAiutoClick);

    auto* riga = new QHBoxLayout;
    riga->addWidget(stato_, 1);
    riga->addWidget(passo_);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(annullaBtn_);
    pulsanti->addWidget(aiuto);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(16, 14, 16, 12);
    l->setSpacing(10);
    l->addWidget(titolo_);
    l->addLayout(riga);
    l->addWidget(indicatore_);
    l->addLayout(pulsanti);
    setMinimumWidth(420);
}

void TFormDownload::Apri(const std::string& titolo, const std::string& stato,
                         const std::string& passo) {
    titolo_->setText(QS(titolo));
    stato_->setText(QS(stato));
    passo_->setText(QS(passo));
    indicatore_->setValue(0);
    annullaBtn_->setEnabled(true);
    show();
    raise();
    emit Aperta();
}

void TFormDownload::Percentuale(int percento) {
    indicatore_->setValue(percento);
}

void TFormDownload::Chiudi() {
    hide();
}

void TFormDownload::reject() {
    // The transfer sees the request at its next progress call and stops; the flow then
    // closes the window.
    annulla_.Richiedi();
    annullaBtn_->setEnabled(false);
}

void TFormDownload::BtnAiutoClick() {
    MostraAiuto(this, "internet");
}

}  // namespace sirvela
