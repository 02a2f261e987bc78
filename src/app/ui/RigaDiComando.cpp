#include "app/ui/RigaDiComando.h"

#include <QCommandLineParser>

#include "core/Globali.h"
#include "core/Testo.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

const QString kAiuto = "help";
const QString kVersione = "version";
const QString kCartella = "cartella";

QString Trattini(const QString& nome) {
    return (nome.size() == 1 ? "-" : "--") + nome;
}

}  // namespace

const std::vector<TOpzioneRiga>& OpzioniRigaDiComando() {
    static const std::vector<TOpzioneRiga> opzioni = {
        {{"h", kAiuto}, "", "Mostra questo aiuto ed esce"},
        {{"V", kVersione, "versione"}, "", "Mostra la versione ed esce"},
        {{kCartella}, "CARTELLA", "Cartella dei dati e delle impostazioni"},
    };
    return opzioni;
}

TRigaDiComando LeggiRigaDiComando(const QStringList& argomenti) {
    QCommandLineParser parser;
    // "-platform" and the toolkit's other one-dash words are names, not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const TOpzioneRiga& o : OpzioniRigaDiComando())
        parser.addOption(QCommandLineOption(o.Nomi, o.Descrizione, o.Valore));

    TRigaDiComando riga;
    const bool letta = parser.parse(argomenti);
    if (parser.isSet(kAiuto)) {
        riga.Esito = TRigaDiComando::TEsito::Aiuto;
        return riga;
    }
    if (parser.isSet(kVersione)) {
        riga.Esito = TRigaDiComando::TEsito::Versione;
        return riga;
    }
    if (!letta) {
        riga.Esito = TRigaDiComando::TEsito::Errore;
        const QStringList sconosciute = parser.unknownOptionNames();
        if (!sconosciute.isEmpty())
            riga.Errore = "Opzione sconosciuta: " + Trattini(sconosciute.front());
        else if (!argomenti.empty() && argomenti.back().startsWith("--" + kCartella) &&
                 !argomenti.back().contains('='))
            riga.Errore = "Manca il nome della cartella dopo --cartella";
        else
            riga.Errore = "Riga di comando non valida: " + parser.errorText();
        return riga;
    }
    if (parser.isSet(kCartella)) {
        const QString cartella = parser.values(kCartella).back();
        if (cartella.isEmpty()) {
            riga.Esito = TRigaDiComando::TEsito::Errore;
            riga.Errore = "Manca il nome della cartella dopo --cartella";
            return riga;
        }
        riga.Cartella = std::filesystem::path(cartella.toLocal8Bit().toStdString());
    }
    riga.File = parser.positionalArguments();
    return riga;
}

QString TestoAiutoRigaDiComando() {
    QString testo = "Sirvela " + QS(TestoVersione(kVersioneFormatoProgramma)) +
                    " - sistemi per il gioco dell'ordine d'arrivo delle corse\n"
                    "Uso: sirvela [OPZIONI] [SISTEMA]\n\n"
                    "Argomenti:\n"
                    "  SISTEMA                     Il sistema (file .Sst) da aprire all'avvio\n\n"
                    "Opzioni:\n";
    for (const TOpzioneRiga& o : OpzioniRigaDiComando()) {
        QStringList nomi;
        for (const QString& n : o.Nomi) nomi << Trattini(n);
        QString voce = "  " + nomi.join(", ");
        if (!o.Valore.isEmpty()) voce += " " + o.Valore;
        voce = voce.size() < 30 ? voce.leftJustified(30) : voce + "\n" + QString(30, ' ');
        testo += voce + o.Descrizione + "\n";
    }
    testo +=
        "\nSenza --cartella la cartella del programma è SIRVELA_HOME, altrimenti quella\n"
        "dell'eseguibile se contiene \"Sirvela.cfg\", altrimenti $XDG_DATA_HOME/sirvela\n"
        "(~/.local/share/sirvela).\n";
    return testo;
}

QString TestoVersioneProgramma() {
    return "sirvela " + QS(TestoVersione(kVersioneFormatoProgramma)) + "\n";
}

}  // namespace sirvela
