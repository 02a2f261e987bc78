#include "app/ui/MenuArchivio.h"

#include "app/ui/CursoreAttesa.h"
#include "app/ui/TFormPrincipale.h"
#include "archive/ui/TForm90Numeri.h"
#include "archive/ui/TFormAggArchivo.h"
#include "archive/ui/TFormImpostazioniDiRicerca.h"
#include "archive/ui/TFrmAnalisiCombinazioni.h"
#include "archive/ui/TFrmvisArc.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"

namespace sirvela {
namespace {

// The logo rests while a window of the archive is open.
struct TAnimazioneFerma {
    explicit TAnimazioneFerma(TFormPrincipale& f) : f_(f) { f_.Animazione()->Ferma(); }
    ~TAnimazioneFerma() { f_.Animazione()->Avvia(); }
    TFormPrincipale& f_;
};

TRichiestaFile RichiestaCopiaArchivi(const TArchivio& a) {
    TRichiestaFile r;
    r.Filtro = "Archivi (*.dat)|*.dat";
    r.Estensione = "dat";
    const auto& copia = a.FileRipristino;
    r.Cartella = (copia.empty() ? CartellaArchivi() : copia.parent_path()).string();
    r.Nome = copia.empty() ? std::string("sirarch.dat") : copia.filename().string();
    return r;
}

}  // namespace

TMenuArchivio::TMenuArchivio(TFormPrincipale& f) : TMenuComandi(f, "&Archivio", "MenuArchivio") {
    Voce("AggiornamentoArchivio", "Aggiornamento", [this] { ComandoAggiornamento(); });
    Voce("VisualizzaCondizioni", "Visualizza Condizioni",
         [this] { ComandoVisualizzaCondizioni(); });
    Voce("ImpostazioniDiRicerca", "Impostazioni di Ricerca",
         [this] { ComandoImpostazioniDiRicerca(); });
    Menu()->addSeparator();
    Voce("RipristinoArchivi", "Ripristino Archivi", [this] { ComandoRipristino(); });
    Voce("BackupArchivi", "Backup Archivi", [this] { ComandoBackup(); });

    archivio_ = new QPushButton("Archivio");
    archivio_->setObjectName("Archivio");
    archivio_->setToolTip("Analisi statistica dei partenti");
    connect(archivio_, &QPushButton::clicked, this, [this] { ComandoStatistichePiloti(); });
    f.AggiungiAlPannello(archivio_);
    analisi_ = new QPushButton("Analisi");
    analisi_->setObjectName("Analisi");
    analisi_->setToolTip("Frequenza dei Numeri nelle Colonne");
    analisi_->setEnabled(false);
    connect(analisi_, &QPushButton::clicked, this, [this] { ComandoFrequenzeColonne(); });
    f.AggiungiAlPannello(analisi_);
}

void TMenuArchivio::AggiornaStato(const TStatoComandi& s) {
    analisi_->setEnabled(s.ColonneInMemoria);
}

void TMenuArchivio::ComandoAggiornamento() {
    TFormPrincipale& f = Finestra();
    TAnimazioneFerma ferma(f);
    TFormAggArchivo d(f.Sistema().Dati.Archivio, f.Messaggi(), &f);
    d.exec();
}

void TMenuArchivio::ComandoVisualizzaCondizioni() {
    TFormPrincipale& f = Finestra();
    TAnimazioneFerma ferma(f);
    TFrmvisArc d(f.Sistema().Dati, f.Messaggi(), f.SceltaFile(), &f);
    f.MemoriaDialoghi().Esegui(d);
}

void TMenuArchivio::ComandoImpostazioniDiRicerca() {
    TFormPrincipale& f = Finestra();
    TFormImpostazioniDiRicerca d(f.Sistema().Dati.Archivio, &f);
    d.exec();
}

void TMenuArchivio::ComandoRipristino() {
    TFormPrincipale& f = Finestra();
    TArchivio& archivio = f.Sistema().Dati.Archivio;
    f.Messaggi().Mostra("Informazione", kInserireDiscoArchivi, PulsanteOk);
    TRichiestaFile r = RichiestaCopiaArchivi(archivio);
    r.Titolo = "Ripristino Archivi";
    r.DeveEsistere = true;
    const auto scelto = f.SceltaFile().Apri(r);
    if (!scelto) return;
    archivio.FileRipristino = *scelto;
    TCursoreAttesa attesa(f.Messaggi());
    attesa.Clessidra();
    const TEsitoRipristino esito = RipristinaArchivi(archivio);
    attesa.Normale();
    for (const std::string& m : esito.Messaggi) {
        if (esito.Ripristinato)
            f.Messaggi().Mostra("Informazione", m, PulsanteOk);
        else
            f.Messaggi().Errore(m);
    }
}

void TMenuArchivio::ComandoBackup() {
    TFormPrincipale& f = Finestra();
    TArchivio& archivio = f.Sistema().Dati.Archivio;
    TRichiestaFile r = RichiestaCopiaArchivi(archivio);
    r.Titolo = "Backup Archivi";
    const auto scelto = f.SceltaFile().Salva(r);
    if (!scelto) return;
    const std::string esito = CopiaArchivi(archivio, *scelto);
    if (esito == kSalvataggioCompletato) {
        archivio.FileRipristino = *scelto;  // the copy a later restore offers
        f.Messaggi().Mostra("Informazione", esito, PulsanteOk);
    } else {
        f.Messaggi().Errore(esito);
    }
}

void TMenuArchivio::ComandoStatistichePiloti() {
    TFormPrincipale& f = Finestra();
    TAnimazioneFerma ferma(f);
    TForm90Numeri d(f.Sistema().Dati.Archivio, f.Messaggi(), f.SceltaFile(), &f);
    f.MemoriaDialoghi().Esegui(d);
}

void TMenuArchivio::ComandoFrequenzeColonne() {
    TFormPrincipale& f = Finestra();
    if (f.Sistema().Dati.Colonne.Quante() == 0) return;
    TAnimazioneFerma ferma(f);
    TFrmAnalisiCombinazioni d(f.Sistema().Dati.Colonne, f.Messaggi(), f.SceltaFile(), &f);
    d.exec();
}

}  // namespace sirvela
