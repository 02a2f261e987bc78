#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "archive/AnalisiStatistica.h"
#include "conditions/ModelloDialogo.h"
#include "core/Interfacce.h"
#include "development/ui/ConteggioDalVivo.h"

namespace sirvela {

class TCondizione;
class TGrigliaIntervalli;
class TLGraphpt;
class TRigaConteggio;

// One option of a choice: its text and its object name.
struct TOpzione {
    QString Testo;
    QString Nome;
};
// A frame titled `titolo` with two options side by side (the "Stato :" switch and the like).
QGroupBox* NuovaScelta(QWidget* parent, const QString& titolo, const TOpzione& primo,
                       QRadioButton*& primoBtn, const TOpzione& secondo, QRadioButton*& secondoBtn);

// Base of the condition dialogs.
//
// A dialog for one condition object derives from TFrmCondizione (or from TFrmValori when every
// category is a value table: it only lists the editors' shapes); a dialog for a container of
// members ("Gruppo Resti" and the like) derives from TFrmCondGruppo. In its constructor it
//   - creates one editor per category with NuovoEditore(categoria, titolo) (a value table,
//     shaped with FormaEditore or the TLGraphpt setters) or NuovaGriglia(categoria, titolo) (an
//     interval list), `categoria` being the category's place in TCondizione::Categorie();
//   - puts any further control in Corpo() and reports its edits with ParametroCambiato();
//     the values go in and out through AggiornaParametri/AcquisisceParametri (one object)
//     or AggiornaMembro (members, edited directly on the member's copy, or through an
//     IModelloMembro given with ImpostaModelloMembro when they are checked on leaving);
//   - is opened with ImpostaOggetto(condition) and exec(); Cambiato() then says whether "OK"
//     changed the object (the caller marks the system modified).
// The kind goes in the table of Modifica.cpp, so the "Condizioni" menu opens it, and its help
// page in resources/aiuto/<argomento>.html.
// The base supplies the "Stato :" switch, "OK" (grids checked, changed editors copied back,
// Attivo recomputed), "Annulla", "Azzera ", "Aiuto" (the topic given to the constructor),
// "Archivio" (the archive statistics of the settings shown, before "OK") and "Analisi " (the
// column analysis of the same). A dialog whose kind needs more than its object for the analysis
// (the inverse vortex shown) overrides ParametriAnalisi. At the bottom the line of the live
// count shows the columns the system would keep with the values shown.
class TFrmCondizione : public QDialog, public IFonteConteggio {
    Q_OBJECT
  public:
    TFrmCondizione(IMessaggi& messaggi, const QString& titolo, const QString& argomentoAiuto,
                   QWidget* parent = nullptr);
    ~TFrmCondizione() override;

    // Hands the object over and shows it.
    virtual void ImpostaOggetto(TCondizione& c);
    // After the dialog closed: "OK" changed the object.
    bool Cambiato() const { return cambiato_; }
    const QString& ArgomentoAiuto() const { return aiuto_; }
    // The file dialogs (the platform's own until one is given): the Quadro's files, the
    // statistics saved as PDF.
    void ImpostaSceltaFile(ISceltaFile& scelta) { scelta_ = &scelta; }
    ISceltaFile& SceltaFile() const { return *scelta_; }

    const std::vector<TLGraphpt*>& Editori() const { return editori_; }
    const std::vector<TGrigliaIntervalli*>& Griglie() const { return griglie_; }
    QGroupBox* BoxStato() const { return boxStato_; }
    QRadioButton* Attivato() const { return attivato_; }
    QRadioButton* Disattivato() const { return disattivato_; }
    QPushButton* BtnOk() const { return ok_; }
    QPushButton* BtnAnnulla() const { return annulla_; }
    QPushButton* BtnAzzera() const { return azzera_; }
    QPushButton* BtnAiuto() const { return aiutoBtn_; }
    QPushButton* BtnArchivio() const { return archivioBtn_; }
    QPushButton* BtnAnalisi() const { return analisiBtn_; }

    // A copy of the condition as the controls show it now (the member shown in a container);
    // null when there is nothing to analyse.
    virtual std::unique_ptr<TCondizione> CopiaPerAnalisi();
    virtual TParametriAnalisi ParametriAnalisi() const { return {}; }

    // The live count: the system with what this dialog shows in place of its object, and what
    // the dialogs opened from it show in place of theirs.
    std::unique_ptr<TDatiSistema> CopiaConteggio(TSostituzioni s) override;
    TRigaConteggio* RigaConteggio() const { return rigaConteggio_; }

  public slots:
    void accept() override;

  protected:
    // Where the dialog puts its editors and controls, above the switch and the buttons.
    QVBoxLayout* Corpo() const { return corpo_; }
    // A new editor for a category in a frame titled `titolo`, added to Corpo() unless a
    // layout is given. A negative category links nothing: the dialog links the models the
    // editor shows itself.
    TLGraphpt* NuovoEditore(int categoria, const QString& titolo, QBoxLayout* dove = nullptr);
    TGrigliaIntervalli* NuovaGriglia(int categoria, const QString& titolo,
                                     QBoxLayout* dove = nullptr);
    // A control beyond the categories was edited.
    virtual void ParametroCambiato() { parametri_ = true; }

    // The model the editors belong to: the object's own, or the member's in a container.
    virtual TModelloCondizione& ModelloEditori() { return modello_; }
    // For the live count: the condition the dialog edits, a copy of it as shown (a container
    // or a Quadro whole), and the working copy the conditions of dialogs opened from this one
    // live in (null: they live in the system).
    virtual const TCondizione* OriginaleConteggio() const { return modello_.Oggetto(); }
    virtual std::unique_ptr<TCondizione> CopiaPerConteggio() { return CopiaPerAnalisi(); }
    virtual const TCondizione* RadiceLavoro() const { return nullptr; }
    // The object and the switch into the controls.
    virtual void AggiornaForm();
    // "OK": false keeps the dialog open (after showing what is wrong).
    virtual bool AcquisisceForm();
    virtual void Azzera();
    virtual void ClicStato(bool attivato) { modello_.ClicAttivato(attivato); }
    // Fields of the object beyond its categories.
    virtual void AggiornaParametri() {}
    virtual void AcquisisceParametri() {}

    // The editors show their models again.
    void AggiornaEditori();
    void MostraStato(bool attivato);
    // Shows the fault in the message box and brings its grid page (or the dialog's control)
    // to the front.
    virtual void MostraErrore(const TErroreGriglia& e);

    IMessaggi& messaggi_;
    TModelloCondizione modello_;
    QVBoxLayout* corpo_;
    bool parametri_ = false;  // a control beyond the categories was edited
    bool cambiato_ = false;

    // "Archivio" needs an archive of two contests or more; both need an object.
    void AggiornaAnalisi(const TCondizione* c);

  private:
    // An interval condition without intervals: says so and gives true.
    bool NienteDaAnalizzare(const TCondizione& copia, bool analisiColonne);
    void BtnAiutoClick();
    void BtnArchivioClick();
    void BtnAnalisiClick();

    QString aiuto_;
    std::unique_ptr<ISceltaFile> sceltaPropria_;
    ISceltaFile* scelta_;
    QGroupBox* boxStato_;
    QRadioButton* attivato_;
    QRadioButton* disattivato_;
    QPushButton* ok_;
    QPushButton* annulla_;
    QPushButton* azzera_;
    QPushButton* aiutoBtn_;
    QPushButton* archivioBtn_;
    QPushButton* analisiBtn_;
    QHBoxLayout* riga_;  // the switch and the buttons
    TRigaConteggio* rigaConteggio_;
    std::vector<TLGraphpt*> editori_;
    std::vector<TGrigliaIntervalli*> griglie_;
    std::vector<int> categorieGriglie_;
};

// Base of the dialogs of a container: one member shown at a time, "Nº" of the member, the
// navigation first/previous/next/last, "Aggiungi"/"Elimina" and the member's "Stato " switch,
// beside the container's "Stato generale :". Corpo() is the member's frame; the editors belong
// to the member shown; the dialog fills its further controls from the member's copy in
// AggiornaMembro and writes their edits straight into Membro(), calling ParametroCambiato().
class TFrmCondGruppo : public TFrmCondizione {
    Q_OBJECT
  public:
    // `etichetta` names one member: "Resto" gives "Resto Nº 2 di 3"; without members the
    // dialog shows "Nessun Resto", or "Nessuna Sequela" for a feminine name.
    TFrmCondGruppo(IMessaggi& messaggi, const QString& titolo, const QString& argomentoAiuto,
                   const QString& etichetta, bool femminile, QWidget* parent = nullptr);

    void ImpostaOggetto(TCondizione& c) override;
    const TModelloGruppo& Gruppo() const { return gruppo_; }
    // For a container that holds one member alone (a single member of a Quadro): no
    // navigation, no "Aggiungi"/"Elimina", no "Stato generale :".
    void SoloMembro();
    // The container holds a copy of `membro` alone: the live count puts the member shown in
    // its place.
    void ImpostaOriginaleConteggio(const TCondizione* membro) { sostituito_ = membro; }

    QLabel* Numero() const { return numero_; }
    QToolButton* BtnPrimo() const { return primo_; }
    QToolButton* BtnPrecedente() const { return precedente_; }
    QToolButton* BtnSuccessivo() const { return successivo_; }
    QToolButton* BtnUltimo() const { return ultimo_; }
    QPushButton* AggiungiBtn() const { return aggiungi_; }
    QPushButton* EliminaBtn() const { return elimina_; }
    QRadioButton* AttivatoS() const { return attivatoS_; }
    QRadioButton* DisattivatoS() const { return disattivatoS_; }

  protected:
    // The copy of the member shown; null when the container is empty.
    TCondizione* Membro() const { return gruppo_.Mostrato(); }
    // The model of the members' further fields (in the constructor, before any object).
    void ImpostaModelloMembro(IModelloMembro* m) { gruppo_.ImpostaModelloMembro(m); }
    // The member's further fields into the controls (without a member: a new member's).
    virtual void AggiornaMembro(TCondizione& membro) = 0;

    TModelloCondizione& ModelloEditori() override { return gruppo_.Membro; }
    const TCondizione* OriginaleConteggio() const override;
    std::unique_ptr<TCondizione> CopiaPerConteggio() override;
    std::unique_ptr<TCondizione> CopiaPerAnalisi() override;
    TParametriAnalisi ParametriAnalisi() const override;
    void AggiornaForm() override;
    bool AcquisisceForm() override;
    void Azzera() override;
    void ClicStato(bool attivato) override { gruppo_.ClicAttivato(attivato); }
    void ParametroCambiato() override { gruppo_.ParametroCambiato(); }

  private:
    void Naviga(const TErroreGriglia& esito);
    void MostraMembro();

    TModelloGruppo gruppo_;
    const TCondizione* sostituito_ = nullptr;
    QString etichetta_;
    QString nessuno_;
    QGroupBox* boxMembro_;
    QWidget* navigazione_;
    QLabel* numero_;
    QToolButton* primo_;
    QToolButton* precedente_;
    QToolButton* successivo_;
    QToolButton* ultimo_;
    QPushButton* aggiungi_;
    QPushButton* elimina_;
    QGroupBox* boxStatoMembro_;
    QRadioButton* attivatoS_;
    QRadioButton* disattivatoS_;
};

}  // namespace sirvela
