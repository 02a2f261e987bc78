#include "app/ui/Risorse.h"

#include <QFile>
#include <QtGlobal>

static void InizializzaRisorseSirvela() {
    Q_INIT_RESOURCE(sirvela);
}

namespace sirvela {

void CaricaRisorse() {
    InizializzaRisorseSirvela();
}

bool InstallaSeManca(const QString& risorsa, const std::filesystem::path& destinazione) {
    std::error_code ec;
    if (std::filesystem::exists(destinazione, ec)) return true;
    std::filesystem::create_directories(destinazione.parent_path(), ec);
    const QString file = QString::fromStdString(destinazione.string());
    if (!QFile::copy(risorsa, file)) return false;
    // Resources are read-only; the copy belongs to the user.
    QFile::setPermissions(
        file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

}  // namespace sirvela
