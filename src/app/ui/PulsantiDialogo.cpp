#include "app/ui/PulsantiDialogo.h"

#include <QPushButton>

#include "app/ui/TFormAiuto.h"

namespace sirvela {

QDialogButtonBox* PulsantiOkAnnullaAiuto(QDialog& dialogo, const QString& argomento) {
    auto* pulsanti = new QDialogButtonBox(&dialogo);
    QPushButton* ok = pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("BtnOk");
    ok->setDefault(true);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole)->setObjectName("BtnAnnulla");
    QPushButton* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);
    aiuto->setObjectName("BtnAiuto");
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    QObject::connect(aiuto, &QPushButton::clicked, &dialogo,
                     [&dialogo, argomento] { MostraAiuto(&dialogo, argomento); });
    return pulsanti;
}

}  // namespace sirvela
