#pragma once
#include <QByteArray>
#include <QString>
#include <filesystem>

namespace sirvela {

// Registers the pictures and the help page built into the program; the linker would drop
// them from the static library otherwise. Call once after the application object exists.
void CaricaRisorse();

// Puts a file that comes with the program (a resource) back in the program folder when it
// went missing, creating its folder. True when the file is there afterwards.
bool InstallaSeManca(const QString& risorsa, const std::filesystem::path& destinazione);
// Saves bytes to a file through the safe save; false when they did not all reach the disk.
bool SalvaByte(const std::filesystem::path& destinazione, const QByteArray& dati);

}  // namespace sirvela
