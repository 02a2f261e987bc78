#pragma once
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace sirvela {

class T_Sistema;

// The whole system as readable JSON, and back. The form is lossless: importing an export
// writes the same bytes the system file had (see docs/sistema-json.md).
nlohmann::ordered_json EsportaSistema(const T_Sistema& sistema, bool conColonne);
// Reads a system file and exports it; throws TErroreSirvela when the file cannot be read.
nlohmann::ordered_json EsportaFileSistema(const std::filesystem::path& percorso);

// Fills the system from JSON; throws TErroreSirvela naming the faulty field. `conColonne`
// tells whether the JSON carries the column list (the file then stores it).
void ImportaSistema(const nlohmann::json& j, T_Sistema& sistema, bool& conColonne);
// Validates everything first, then writes the system file; nothing is written on error.
void ImportaFileSistema(const nlohmann::json& j, const std::filesystem::path& percorso);

}  // namespace sirvela
