#include "app/ui/TFormSaver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "core/Errore.h"
#include "core/Testo.h"
#include "widgets/Conversioni.h"
#include "widgets/TGraphNumSelector.h"
#include "widgets/TLCasSelector.h"

namespace sirvela {

namespace {

// Line edits and buttons that belong to a composite control are that control's business.
bool DentroComposto(const QWidget& w) {
    for (QWidget* p = w.parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QSpinBox*>(p) || qobject_cast<QComboBox*>(p) ||
            qobject_cast<TLCasSelector*>(p))
            return true;
    return false;
}

QString Flag(bool b) {
    return b ? "1" : "0";
}

}  // namespace

bool TFormSaver::Descrivi(const QWidget& c, QString& tipo, QString& valore) {
    if (auto* x = qobject_cast<const TGraphNumSelector*>(&c)) {
        tipo = "TGraphNumSelector";
        valore = QS(ListaInTesto(x->Selezionati()));
    } else if (auto* x = qobject_cast<const TLCasSelector*>(&c)) {
        tipo = "TLCasSelector";
        TCombinazione letti;
        const_cast<TLCasSelector*>(x)->Acquisisci(letti, true);
        valore = QS(ListaInTesto(letti));
    } else if (auto* x = qobject_cast<const QComboBox*>(&c)) {
        tipo = "TComboBox";
        valore = QString::number(x->currentIndex());
    } else if (auto* x = qobject_cast<const QCheckBox*>(&c)) {
        tipo = "TCheckbox";
        valore = Flag(x->isChecked());
    } else if (auto* x = qobject_cast<const QRadioButton*>(&c)) {
        tipo = "TRadioButton";
        valore = Flag(x->isChecked());
    } else if (auto* x = qobject_cast<const QAbstractButton*>(&c);
               x && x->isCheckable() &&
               (qobject_cast<const QToolButton*>(x) || qobject_cast<const QPushButton*>(x))) {
        tipo = "TSpeedButton";
        valore = Flag(x->isChecked());
    } else if (auto* x = qobject_cast<const QSpinBox*>(&c)) {
        tipo = "TSpinEdit";
        valore = QString::number(x->value());
    } else if (auto* x = qobject_cast<const QLineEdit*>(&c)) {
        tipo = "TEdit";
        valore = x->text();
    } else if (auto* x = qobject_cast<const QLabel*>(&c)) {
        tipo = "TPanel";
        valore = x->text();
    } else {
        return false;
    }
    return true;
}

void TFormSaver::Applica(QWidget& c, const QString& tipo, const QString& valore) {
    const bool acceso = valore == "1";
    if (tipo == "TGraphNumSelector" || tipo == "TLCasSelector") {
        TCombinazione lista;
        try {
            lista = TestoInLista(SS(valore));
        } catch (const TErroreConversione&) {
            return;  // not a list of ours: leave the control as it is
        }
        if (auto* x = qobject_cast<TGraphNumSelector*>(&c); x && tipo == "TGraphNumSelector")
            x->ImpostaSelezionati(lista);
        if (auto* x = qobject_cast<TLCasSelector*>(&c); x && tipo == "TLCasSelector")
            x->ImpostaValori(lista);
    } else if (tipo == "TComboBox") {
        bool ok = false;
        const int i = valore.toInt(&ok);
        if (auto* x = qobject_cast<QComboBox*>(&c); x && ok && i >= -1 && i < x->count())
            x->setCurrentIndex(i);
    } else if (tipo == "TCheckbox" || tipo == "TRadioButton" || tipo == "TSpeedButton") {
        if (auto* x = qobject_cast<QAbstractButton*>(&c); x && x->isCheckable())
            x->setChecked(acceso);
    } else if (tipo == "TSpinEdit") {
        bool ok = false;
        const int v = valore.toInt(&ok);
        if (auto* x = qobject_cast<QSpinBox*>(&c); x && ok) x->setValue(v);
    } else if (tipo == "TEdit") {
        if (auto* x = qobject_cast<QLineEdit*>(&c)) x->setText(valore);
    } else if (tipo == "TPanel") {
        if (auto* x = qobject_cast<QLabel*>(&c)) x->setText(valore);
    }
}

void TFormSaver::Salva(const QWidget& dialogo) {
    TDataForm& d = dati_[dialogo.objectName()];
    d.Nome = dialogo.objectName();
    d.Righe.clear();
    for (const QWidget* w : dialogo.findChildren<QWidget*>()) {
        const QString nome = w->objectName();
        if (nome.isEmpty() || nome.startsWith("qt_") || DentroComposto(*w)) continue;
        QString tipo, valore;
        if (Descrivi(*w, tipo, valore)) d.Righe << nome + "*" + tipo + "*" + valore;
    }
}

void TFormSaver::Ripristina(QWidget& dialogo) const {
    const TDataForm* d = Cerca(dialogo.objectName());
    if (!d) return;
    for (const QString& riga : d->Righe) {
        const int primo = riga.indexOf('*');
        const int secondo = primo < 0 ? -1 : riga.indexOf('*', primo + 1);
        if (secondo < 0) continue;
        const QString nome = riga.left(primo);
        auto* w = dialogo.findChild<QWidget*>(nome);
        if (!w) continue;
        Applica(*w, riga.mid(primo + 1, secondo - primo - 1), riga.mid(secondo + 1));
    }
}

int TFormSaver::Esegui(QDialog& dialogo) {
    Ripristina(dialogo);
    const int r = dialogo.exec();
    Salva(dialogo);
    return r;
}

const TDataForm* TFormSaver::Cerca(const QString& nome) const {
    auto it = dati_.find(nome);
    return it == dati_.end() ? nullptr : &it->second;
}

}  // namespace sirvela
