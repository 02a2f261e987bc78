#pragma once
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <vector>

namespace sirvela {

// One option of the desktop program's command line, as the help and the manual page list it.
struct TOpzioneRiga {
    QStringList Nomi;  // "h", "help": one letter is a short option
    QString Valore;    // name of the value it takes, empty for a flag
    QString Descrizione;
};
const std::vector<TOpzioneRiga>& OpzioniRigaDiComando();

// What the command line asks of the desktop program.
struct TRigaDiComando {
    enum class TEsito { Avvia, Aiuto, Versione, Errore };
    TEsito Esito = TEsito::Avvia;
    std::optional<std::filesystem::path> Cartella;  // --cartella
    QStringList File;                               // the system files named, in order
    QString Errore;                                 // the Italian message of an Errore
};

// Reads the arguments (the program's name first). Help and version win over everything else,
// so they are answered even beside options the toolkit would take for itself.
TRigaDiComando LeggiRigaDiComando(const QStringList& argomenti);

// The texts of --help and --version.
QString TestoAiutoRigaDiComando();
QString TestoVersioneProgramma();

}  // namespace sirvela
