#pragma once
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <map>
#include <random>
#include <vector>

#include "app/StatoComandi.h"
#include "app/ui/TFormSaver.h"
#include "core/ControlloreDocumento.h"
#include "core/Interfacce.h"
#include "core/TCombinazione.h"
#include "development/ui/ConteggioDalVivo.h"

namespace sirvela {

class T_Sistema;
class TFrmSviluppo;
class TGraphNumSelector;
class TMenuComandi;

// The background of the main window: a picture repeated over the whole area.
class TSfondoFinestra : public QWidget {
    Q_OBJECT
  public:
    explicit TSfondoFinestra(QWidget* parent = nullptr) : QWidget(parent) {}
    void ImpostaImmagine(const QPixmap& p);
    const QPixmap& Immagine() const { return immagine_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPixmap immagine_;
};

// The little looping animation of the main panel: 28 frames from one strip.
class TAnimazione : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kFotogrammi = 28;
    static constexpr int kIntervalloMs = 90;

    explicit TAnimazione(QWidget* parent = nullptr);
    void Avvia();
    void Ferma();
    bool Attiva() const { return timer_.isActive(); }
    int Fotogramma() const { return fotogramma_; }  // 1..28

  private:
    void Mostra(int fotogramma);

    std::vector<QPixmap> fotogrammi_;
    QTimer timer_;
    int fotogramma_ = 1;
};

// The main window: eight position selectors with their pilot dialogs, the contest box, the
// counts and the cost, the menus and the tool bar. It assembles the menu classes and forwards
// the panel's edits to the document's controller, which holds their rules. The status area
// also shows the live count of the columns the system would keep, with their cost.
class TFormPrincipale : public QMainWindow, public IVistaDocumento, public IFonteConteggio {
    Q_OBJECT
  public:
    TFormPrincipale(T_Sistema& sistema, IMessaggi& messaggi, ISceltaFile& scelta,
                    QWidget* parent = nullptr);

    // What happens when the window is first shown: a system named as the only argument is
    // loaded, everything is redrawn, the document counts as unmodified, the logo plays.
    void Avvia(const QStringList& argomenti);

    void RidisegnaTutto() override;
    void AggiornaStato() override;
    void RidisegnaSelettori();
    void AggiornaConteggi();
    // The live count follows the document: counted anew when what it depends on changed.
    void AggiornaConteggioDalVivo();
    std::unique_ptr<TDatiSistema> CopiaConteggio(TSostituzioni s) override;
    void AggiornaStatoMenu();
    void AggiornaTitolo();
    // Reads the configured background; says so when it cannot.
    bool CaricaSfondo();
    // Reset asked by the development window: empties the columns only while allowed.
    void AzzeraCondizionato();
    void ImpostaAzzeraColonne(bool si) { azzeraColonne_ = si; }
    bool AzzeraColonne() const { return azzeraColonne_; }
    // While a development runs on its thread every command waits and nothing reads the
    // document.
    bool ComandiSospesi() const { return comandiSospesi_; }

    const TStatoComandi& StatoComandi() const { return stato_; }
    TFormSaver& MemoriaDialoghi() { return memoria_; }
    T_Sistema& Sistema() { return sistema_; }
    TControlloreDocumento& Controllore() { return controllore_; }
    IMessaggi& Messaggi() { return messaggi_; }
    ISceltaFile& SceltaFile() { return scelta_; }
    // The one source of chance of the automatic tickets, seeded from the clock.
    std::mt19937& Caso() { return caso_; }

    // The controls, for the tests and for the windows built on top of this one.
    TGraphNumSelector* Selettore(int posizione) const { return selettori_[posizione - 1]; }
    QToolButton* PulsanteP(int posizione) const { return pulsantiP_[posizione - 1]; }
    QLineEdit* CampoConcorso() const { return concorso_; }
    QPushButton* PulsanteAzzera() const { return azzera_; }
    QLabel* PannelloTotali() const { return totali_; }
    QLabel* PannelloIniziali() const { return iniziali_; }
    QLabel* PannelloFinali() const { return finali_; }
    QLabel* PannelloPreviste() const { return previste_; }
    const TConteggioQt& ConteggioDalVivo() const { return *conteggio_; }
    TAnimazione* Animazione() const { return animazione_; }
    TSfondoFinestra* Sfondo() const { return sfondo_; }
    QWidget* Pannello() const { return pannello_; }
    // The long-lived "Sviluppo" window.
    TFrmSviluppo* DialogoSviluppo() const { return sviluppo_; }
    // A menu or tool-bar command by its object name; nullptr when it does not exist.
    QAction* Azione(const QString& nome) const;

    // A button of another command class, placed in the panel's bottom row after "Azzera" and
    // the buttons placed before it.
    void AggiungiAlPannello(QPushButton* pulsante);

    // The panel's own commands.
    void ComandoAzzera();
    void ComandoPiloti(int posizione);

    // What the menus need of the window.
    void RegistraAzione(QAction* a);
    void SospendiComandi(bool si);
    std::vector<std::string> NomiPiloti() const;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* e) override;

  private:
    void CreaPannello();
    void CreaBarraStato();
    void CreaComandi();
    void SelettoreCambiato(int posizione);
    void MostraPreviste();

    T_Sistema& sistema_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TControlloreDocumento controllore_;
    TFormSaver memoria_;
    TStatoComandi stato_;
    bool azzeraColonne_ = true;
    bool comandiSospesi_ = false;
    std::map<QAction*, bool> statiPrimaDellaSospensione_;

    TSfondoFinestra* sfondo_ = nullptr;
    QWidget* pannello_ = nullptr;
    std::array<TGraphNumSelector*, 8> selettori_{};
    std::array<QToolButton*, 8> pulsantiP_{};
    QLineEdit* concorso_ = nullptr;
    QPushButton* azzera_ = nullptr;
    QHBoxLayout* basso_ = nullptr;
    int aggiuntiAlPannello_ = 0;
    TAnimazione* animazione_ = nullptr;
    TFrmSviluppo* sviluppo_ = nullptr;
    QToolBar* barra_ = nullptr;
    QLabel* totali_ = nullptr;
    QLabel* iniziali_ = nullptr;
    QLabel* finali_ = nullptr;
    QLabel* previste_ = nullptr;
    TConteggioQt* conteggio_ = nullptr;
    std::map<QString, QAction*> azioni_;
    std::vector<TMenuComandi*> menu_;  // in the order of the menu bar
    std::mt19937 caso_;
};

}  // namespace sirvela
