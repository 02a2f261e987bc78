#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/TFormSaver.h"
#include "app/ui/TSceltaFileQt.h"
#include "widgets/TGraphNumSelector.h"
#include "widgets/TLCasSelector.h"

#include "support/Finti.h"

using namespace sirvela;

namespace {

// A dialog with one named control of every remembered kind.
struct Dialogo : QDialog {
    test::TMessaggiFinti messaggi;
    QComboBox* combo = Aggiungi<QComboBox>("Combo");
    QCheckBox* check = Aggiungi<QCheckBox>("Check");
    QRadioButton* radio = Aggiungi<QRadioButton>("Radio");
    QToolButton* speed = Aggiungi<QToolButton>("Speed");
    QLineEdit* edit = Aggiungi<QLineEdit>("Edit");
    QLabel* panel = Aggiungi<QLabel>("Panel");
    QSpinBox* spin = Aggiungi<QSpinBox>("Spin");
    TGraphNumSelector* griglia = Aggiungi<TGraphNumSelector>("Griglia");
    TLCasSelector* caselle = Nomina(new TLCasSelector(messaggi, this), "Caselle");
    QLineEdit* anonimo = Aggiungi<QLineEdit>("");

    explicit Dialogo(const QString& nome) {
        setObjectName(nome);
        combo->addItems({"a", "b", "c"});
        speed->setCheckable(true);
        spin->setRange(0, 100);
        caselle->ImpostaTotaleNumeri(3);
        // Radio buttons in one parent exclude each other; give this one company.
        Aggiungi<QRadioButton>("Altro")->setChecked(true);
    }
    template <typename T>
    T* Aggiungi(const QString& nome) {
        return Nomina(new T(this), nome);
    }
    template <typename T>
    static T* Nomina(T* w, const QString& nome) {
        w->setObjectName(nome);
        return w;
    }
    void Imposta(int indice, bool acceso, const QString& testo, int valore) {
        combo->setCurrentIndex(indice);
        check->setChecked(acceso);
        radio->setChecked(acceso);
        speed->setChecked(acceso);
        edit->setText(testo);
        panel->setText(testo);
        spin->setValue(valore);
        anonimo->setText(testo);
    }
};

}  // namespace

TEST(FormSaver, WritesOneLinePerNamedControl) {
    Dialogo d("Operazioni");
    d.Imposta(2, true, "a*b", 42);
    TCombinazione scelti;
    for (int v : {7, 3}) scelti.Aggiungi(v);
    d.griglia->ImpostaSelezionati(scelti);
    d.caselle->Cella(1)->setText("5");
    d.caselle->Cella(2)->setText("*");
    d.caselle->Cella(3)->setText("7");

    TFormSaver saver;
    saver.Salva(d);
    const TDataForm* f = saver.Cerca("Operazioni");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Nome, "Operazioni");
    EXPECT_EQ(f->Righe,
              (QStringList{"Combo*TComboBox*2", "Check*TCheckbox*1", "Radio*TRadioButton*1",
                           "Speed*TSpeedButton*1", "Edit*TEdit*a*b", "Panel*TPanel*a*b",
                           "Spin*TSpinEdit*42", "Griglia*TGraphNumSelector*7 3",
                           "Caselle*TLCasSelector*5 90 7", "Altro*TRadioButton*0"}));
    EXPECT_EQ(saver.Cerca("Prospetto"), nullptr);
}

TEST(FormSaver, RestoresEachDialogByName) {
    TFormSaver saver;
    {
        Dialogo d("Operazioni");
        d.Imposta(1, true, "uno", 17);
        TCombinazione scelti;
        scelti.Aggiungi(21);
        d.griglia->ImpostaSelezionati(scelti);
        d.caselle->Cella(1)->setText("*");
        d.caselle->Cella(2)->setText("*");
        d.caselle->Cella(3)->setText("4");
        saver.Salva(d);
    }
    {
        Dialogo d("Prospetto");
        d.Imposta(0, false, "due", 3);
        saver.Salva(d);
    }

    Dialogo nuovo("Operazioni");
    saver.Ripristina(nuovo);
    EXPECT_EQ(nuovo.combo->currentIndex(), 1);
    EXPECT_TRUE(nuovo.check->isChecked());
    EXPECT_TRUE(nuovo.radio->isChecked());
    EXPECT_TRUE(nuovo.speed->isChecked());
    EXPECT_EQ(nuovo.edit->text(), "uno");
    EXPECT_EQ(nuovo.panel->text(), "uno");
    EXPECT_EQ(nuovo.spin->value(), 17);
    EXPECT_EQ(nuovo.anonimo->text(), "");  // unnamed controls are not remembered
    EXPECT_EQ(nuovo.griglia->Selezionati().Conta(), 1);
    EXPECT_EQ(nuovo.griglia->Selezionati().Numeri[0], 21);
    EXPECT_EQ(nuovo.caselle->Cella(1)->text(), "*");
    EXPECT_EQ(nuovo.caselle->Cella(2)->text(), "*");
    EXPECT_EQ(nuovo.caselle->Cella(3)->text(), "4");

    Dialogo altro("Prospetto");
    saver.Ripristina(altro);
    EXPECT_EQ(altro.edit->text(), "due");
    EXPECT_EQ(altro.spin->value(), 3);

    Dialogo mai("Conversione Formati");
    saver.Ripristina(mai);  // nothing remembered: untouched
    EXPECT_EQ(mai.edit->text(), "");
}

TEST(FormSaver, BadOrForeignLinesAreIgnored) {
    TFormSaver saver;
    Dialogo d("Operazioni");
    saver.Salva(d);
    // Values that do not fit their controls leave them as they are.
    TFormSaver::Applica(*d.combo, "TComboBox", "7");
    EXPECT_EQ(d.combo->currentIndex(), 0);
    TFormSaver::Applica(*d.spin, "TSpinEdit", "x");
    EXPECT_EQ(d.spin->value(), 0);
    TFormSaver::Applica(*d.griglia, "TGraphNumSelector", "a b");
    EXPECT_EQ(d.griglia->Selezionati().Conta(), 0);
    TFormSaver::Applica(*d.edit, "TCheckbox", "1");  // kind and control disagree
    EXPECT_EQ(d.edit->text(), "");
}

TEST(FiltroQt, ConvertsTheDescriptionPatternPairs) {
    EXPECT_EQ(FiltroQt("Scl file|*.Scl"), "Scl file (*.Scl *.scl *.SCL)");
    EXPECT_EQ(FiltroQt("Sistemi    *.Sst|*.Sst"), "Sistemi    *.Sst (*.Sst *.sst *.SST)");
    EXPECT_EQ(FiltroQt("File di Combinaizoni (*.Scl)|*.Scl"),
              "File di Combinaizoni (*.Scl *.scl *.SCL)");
    EXPECT_EQ(FiltroQt("Testo|*.txt|Tutti|*.*"), "Testo (*.txt *.TXT);;Tutti (*.*)");
    EXPECT_EQ(FiltroQt("Due|*.a;*.b"), "Due (*.a *.A *.b *.B)");
}
