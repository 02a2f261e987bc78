#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <map>

namespace sirvela {

// The remembered values of one dialog: lines "name*kind*value", one per control.
struct TDataForm {
    QString Nome;
    QStringList Righe;
};

// Remembers the controls of the dialogs for the whole run (never on disk): a dialog is
// restored before it is shown and saved after it closes. Controls are found by their object
// names; those without a name, or with a Qt-internal one, are skipped.
class TFormSaver {
  public:
    // Replaces the dialog's lines with the current values of its controls.
    void Salva(const QWidget& dialogo);
    // Applies the dialog's lines, if any, to the controls found by name.
    void Ripristina(QWidget& dialogo) const;
    // Restore, run modally, save; returns the dialog's result.
    int Esegui(QDialog& dialogo);

    const TDataForm* Cerca(const QString& nome) const;
    // The kind and the value of one control; false for a kind that is not remembered.
    static bool Descrivi(const QWidget& controllo, QString& tipo, QString& valore);
    static void Applica(QWidget& controllo, const QString& tipo, const QString& valore);

  private:
    std::map<QString, TDataForm> dati_;
};

}  // namespace sirvela
