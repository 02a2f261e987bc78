#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/Avvio.h"
#include "app/Cartelle.h"
#include "app/ui/RigaDiComando.h"
#include "app/ui/Risorse.h"
#include "app/ui/TFormMessage.h"
#include "app/ui/TFormPrincipale.h"
#include "app/ui/TFormTitolo.h"
#include "app/ui/TSceltaFileQt.h"
#include "core/Errore.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "download/Sostituzione.h"
#include "widgets/Conversioni.h"

using namespace sirvela;

namespace {

QStringList Argomenti(int argc, char** argv) {
    QStringList a;
    for (int i = 0; i < argc; ++i) a << QString::fromLocal8Bit(argv[i]);
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version are answered before the toolkit looks for a display.
    const TRigaDiComando prima = LeggiRigaDiComando(Argomenti(argc, argv));
    if (prima.Esito == TRigaDiComando::TEsito::Aiuto) {
        std::cout << TestoAiutoRigaDiComando().toStdString();
        return 0;
    }
    if (prima.Esito == TRigaDiComando::TEsito::Versione) {
        std::cout << TestoVersioneProgramma().toStdString();
        return 0;
    }

    QApplication app(argc, argv);  // takes its own options out of argv
    app.setApplicationName("Sirvela");
    app.setDesktopFileName("it.sirvela.Sirvela");
    const TRigaDiComando riga = LeggiRigaDiComando(app.arguments());
    if (riga.Esito == TRigaDiComando::TEsito::Errore) {
        std::cerr << riga.Errore.toStdString() << "\n\"sirvela --help\" descrive le opzioni.\n";
        return 2;
    }
    CaricaRisorse();
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128, 256})
        icona.addFile(QString(":/icona/sirvela-%1.png").arg(lato));
    app.setWindowIcon(icona);
    // The toolkit's own texts (file dialogs, context menus) in Italian too, when installed.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator traduzione;
    if (traduzione.load(QLocale(QLocale::Italian), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduzione);
    TMessaggiQt messaggi;

    // The program folder first: the document takes its file name from it.
    TAvvio avvio;
    try {
        std::vector<std::string> file;
        for (const QString& f : riga.File) file.push_back(f.toLocal8Bit().toStdString());
        avvio = PreparaAvvio(riga.Cartella, std::move(file), CartellaEseguibile(argv[0]));
    } catch (const TErroreSirvela& e) {
        messaggi.Errore(e.what());
        return 1;
    }
    QStringList argomenti;
    for (const auto& a : avvio.Argomenti)
        argomenti << QString::fromLocal8Bit(PercorsoDaRigaDiComando(avvio, a).c_str());

    auto sistema = std::make_unique<T_Sistema>();
    CaricaDatiAvvio(*sistema);
    TSceltaFileQt scelta;

    TFormTitolo titolo(QS((CartellaProgramma / "intro.bmp").string()));
    std::unique_ptr<TFormPrincipale> principale;
    QObject::connect(&titolo, &TFormTitolo::Avvia, [&] {
        try {
            principale = std::make_unique<TFormPrincipale>(*sistema, messaggi, scelta);
            messaggi.ImpostaGenitore(principale.get());
            scelta.ImpostaGenitore(principale.get());
            principale->show();
            principale->Avvia(argomenti);
            titolo.accept();
            // The updater started the untouched program again after a failed update.
            if (const char* esito = std::getenv(kVariabileEsitoAggiornamento)) {
                const std::string testo = esito;
                unsetenv(kVariabileEsitoAggiornamento);
                if (!testo.empty()) messaggi.Errore(testo);
            }
        } catch (const std::exception&) {
            principale.reset();
            messaggi.Errore("Errore durante l'avvio del programma");
            titolo.reject();
        }
    });
    if (titolo.exec() != QDialog::Accepted || !principale) return 0;
    return app.exec();
}
