#pragma once
#include <array>
#include <string>

namespace sirvela {

class IMessaggi;
class TDatiSistema;
class T_Sistema;

// "Dati Ricevitoria": the shop's heading, address, town and telephone, kept with the
// program settings.
struct TModelloDatiRicevitoria {
    static constexpr int kLunghezzaDialogo = 50;  // what a field takes when typing
    static constexpr int kLunghezzaMassima = 60;  // what is stored
    static constexpr std::array<const char*, 4> kEtichette = {"Intestazione", "Indirizzo", "Città",
                                                              "Telefono"};

    std::array<std::string, 4> Testi;

    static TModelloDatiRicevitoria Da(const TDatiSistema& dati);
    // OK: the four texts, each cut to 60 characters, go into the document and the settings
    // files are rewritten; a failed write is reported and the texts stay in memory.
    bool Applica(T_Sistema& sistema, IMessaggi* messaggi) const;
};

}  // namespace sirvela
