#pragma once
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QObject>
#include <QString>
#include <functional>

#include "app/StatoComandi.h"

namespace sirvela {

class TFormPrincipale;

// One menu of the main window: it builds its items, enables them from the command state and
// runs their commands. The main window only lists its menus in order; a new window adds its
// item to its menu's class and nothing else.
//
// Pattern of a menu class:
//   TMenuArchivio::TMenuArchivio(TFormPrincipale& f) : TMenuComandi(f, "&Archivio", "MenuArchivio")
//   {
//       Voce("Aggiornamento", "Aggiornamento", [this] { ComandoAggiornamento(); });
//   }
//   void TMenuArchivio::AggiornaStato(const TStatoComandi& s) { ... setEnabled ... }
// Items are QActions named by their object name, so tests and the tool bar find them with
// TFormPrincipale::Azione(nome). Commands open their dialogs over Finestra() and work on
// Finestra().Sistema() with Finestra().Messaggi() and Finestra().SceltaFile().
class TMenuComandi : public QObject {
    Q_OBJECT
  public:
    TMenuComandi(TFormPrincipale& finestra, const QString& titolo, const QString& nome);
    ~TMenuComandi() override;

    QMenu* Menu() const { return menu_; }
    // Enables the items from the command state; called after every change of the position
    // sets, the settings or the column list.
    virtual void AggiornaStato(const TStatoComandi&) {}

  protected:
    // An item of `dove` (the menu itself when null) running `comando`.
    QAction* Voce(const QString& nome, const QString& testo, std::function<void()> comando,
                  const QKeySequence& tasto = {}, QMenu* dove = nullptr);
    QMenu* Sottomenu(const QString& titolo, const QString& nome);
    TFormPrincipale& Finestra() const { return finestra_; }

  private:
    TFormPrincipale& finestra_;
    QMenu* menu_;
};

}  // namespace sirvela
