#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "core/Interfacce.h"
#include "tools/TConversione.h"
#include "tools/ui/EsecuzioneStrumenti.h"

namespace sirvela {

// "Conversione di Files di Combinazioni": the files chosen in the source folder converted to
// another format in the destination folder. Folders come from the platform's folder chooser.
class TFormConversione : public TDialogoConLavoro {
    Q_OBJECT
  public:
    // Asks for a folder; an empty answer means the user cancelled.
    using TSceltaCartella =
        std::function<QString(QWidget*, const QString& titolo, const QString& iniziale)>;

    explicit TFormConversione(IMessaggi& messaggi, QWidget* parent = nullptr);
    void ImpostaSceltaCartella(TSceltaCartella s) { sceltaCartella_ = std::move(s); }
    // The pilots the columns may hold.
    void ImpostaPiloti(const TPilotiInGioco& piloti) { piloti_ = piloti; }

    TConversione AcquisisceForm() const;
    // The selected files in list order.
    std::vector<std::string> FileScelti() const;
    void AggiornaElenco();
    void BtnConvertiClick();

    QLineEdit* CartellaSorgente() const { return cartellaSorgente_; }
    QComboBox* FormatoSorgente() const { return formatoSorgente_; }
    QListWidget* Elenco() const { return elenco_; }
    QPushButton* SelezionaTutti() const { return tutti_; }
    QPushButton* AzzeraSelezione() const { return nessuno_; }
    QPushButton* SfogliaSorgente() const { return sfogliaSorgente_; }
    QLineEdit* CartellaDestinazione() const { return cartellaDestinazione_; }
    QComboBox* FormatoDestinazione() const { return formatoDestinazione_; }
    QLabel* FileCreati() const { return fileCreati_; }
    QPushButton* PulsanteConverti() const { return PulsanteAvvio(); }

  signals:
    // Each file written, with the count so far.
    void FileConvertiti(int quanti);

  private:
    void Sfoglia(QLineEdit* campo, const QString& titolo);
    void ImpostaInCorso(bool si) override;
    void AggiornaPulsanti();

    IMessaggi& messaggi_;
    TSceltaCartella sceltaCartella_;
    TPilotiInGioco piloti_;

    QLineEdit* cartellaSorgente_;
    QPushButton* sfogliaSorgente_;
    QComboBox* formatoSorgente_;
    QListWidget* elenco_;
    QPushButton* tutti_;
    QPushButton* nessuno_;
    QLineEdit* cartellaDestinazione_;
    QPushButton* sfogliaDestinazione_;
    QComboBox* formatoDestinazione_;
    QLabel* fileCreati_;
};

}  // namespace sirvela
