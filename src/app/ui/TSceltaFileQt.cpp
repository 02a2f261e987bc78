#include "app/ui/TSceltaFileQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

QString ModelliInOgniCaso(const QString& modelli) {
    QStringList out;
    for (QString m : modelli.split(QRegularExpression("[;\\s]+"), Qt::SkipEmptyParts)) {
        for (const QString& v : {m, m.toLower(), m.toUpper()})
            if (!out.contains(v)) out << v;
    }
    return out.join(' ');
}

}  // namespace

QString FiltroQt(const QString& filtro) {
    const QStringList parti = filtro.split('|');
    QStringList voci;
    for (int i = 0; i + 1 < parti.size(); i += 2) {
        QString descrizione = parti[i].trimmed();
        const QString modelli = ModelliInOgniCaso(parti[i + 1]);
        // Qt reads the last bracketed group as the patterns, so a description that already
        // shows them loses that group.
        const int aperta = descrizione.lastIndexOf('(');
        if (aperta > 0 && descrizione.endsWith(')'))
            descrizione = descrizione.left(aperta).trimmed();
        voci << descrizione + " (" + modelli + ")";
    }
    if (voci.isEmpty() && !filtro.isEmpty()) voci << filtro;
    return voci.join(";;");
}

std::optional<std::string> TSceltaFileQt::Apri(const TRichiestaFile& r) {
    return Esegui(r, false);
}

std::optional<std::string> TSceltaFileQt::Salva(const TRichiestaFile& r) {
    return Esegui(r, true);
}

std::optional<std::string> TSceltaFileQt::Esegui(const TRichiestaFile& r, bool salva) {
    QFileDialog d(genitore_ ? genitore_ : QApplication::activeWindow(), QS(r.Titolo));
    d.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The program asks its own overwrite question.
    d.setOption(QFileDialog::DontConfirmOverwrite, true);
    d.setFileMode(salva ? QFileDialog::AnyFile
                        : (r.DeveEsistere ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    if (!r.Filtro.empty()) d.setNameFilter(FiltroQt(QS(r.Filtro)));
    if (!r.Estensione.empty()) d.setDefaultSuffix(QS(r.Estensione));
    if (!r.Cartella.empty()) d.setDirectory(QS(r.Cartella));
    if (!r.Nome.empty()) d.selectFile(QS(r.Nome));
    // Italian even where the toolkit's translations are not installed.
    d.resize(760, 460);
    d.setLabelText(QFileDialog::LookIn, "Cerca in:");
    d.setLabelText(QFileDialog::FileName, "Nome file:");
    d.setLabelText(QFileDialog::FileType, "Tipo file:");
    d.setLabelText(QFileDialog::Accept, salva ? "Salva" : "Apri");
    d.setLabelText(QFileDialog::Reject, "Annulla");
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return SS(QDir::toNativeSeparators(d.selectedFiles().first()));
}

}  // namespace sirvela
