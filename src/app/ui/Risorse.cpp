#include "app/ui/Risorse.h"

#include <QFile>
#include <QtGlobal>

#include "core/FlussoBinario.h"

static void InizializzaRisorseSirvela() {
    Q_INIT_RESOURCE(sirvela);
}

namespace sirvela {

void CaricaRisorse() {
    InizializzaRisorseSirvela();
}

bool SalvaByte(const std::filesystem::path& destinazione, const QByteArray& dati) {
    TScrittore s(destinazione);
    return s.Scrivi(dati.constData(), static_cast<std::size_t>(dati.size())) && s.Chiudi();
}

bool InstallaSeManca(const QString& risorsa, const std::filesystem::path& destinazione) {
    std::error_code ec;
    if (std::filesystem::exists(destinazione, ec)) return true;
    std::filesystem::create_directories(destinazione.parent_path(), ec);
    QFile file(risorsa);
    // A file cut short by a crash would count as installed from then on: it is saved safely.
    return file.open(QIODevice::ReadOnly) && SalvaByte(destinazione, file.readAll());
}

}  // namespace sirvela
