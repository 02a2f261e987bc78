#pragma once
#include <QDialog>
#include <QDialogButtonBox>

namespace sirvela {

// A dialog's OK (the default button, "BtnOk"), "Annulla" ("BtnAnnulla", closing it) and
// "Aiuto" opening its help topic. The caller connects `accepted` to what OK does.
QDialogButtonBox* PulsantiOkAnnullaAiuto(QDialog& dialogo, const QString& argomento);

}  // namespace sirvela
