#include "core/FileColonne.h"

#include "core/FlussoBinario.h"
#include "core/MotiviFile.h"
#include "core/TListaColonne.h"

namespace sirvela {

std::string TControlloColonne::Difetto(const TColonna& c) const {
    if (Valida(c)) return {};
    if (ComeParola(c) == 0) return "colonna vuota";
    return piloti_.Difetto(c);
}

std::string MessaggioColonneNonValide(const std::filesystem::path& file, std::int64_t record,
                                      const std::string& motivo) {
    return "Il file " + NomeMostrato(file) + " non è un file di colonne valido (record " +
           std::to_string(record) + ": " + motivo + ").";
}

std::string ControllaDimensioneColonne(const std::filesystem::path& file,
                                       std::uint64_t dimensione) {
    if (dimensione % 8 == 0) return {};
    return "Il file " + NomeMostrato(file) + " non è un file di colonne valido (" +
           std::to_string(dimensione) + " byte, non un multiplo di 8).";
}

std::string MessaggioLetturaColonne(const std::filesystem::path& file, const std::string& motivo) {
    std::string testo = kErroreLetturaColonne;
    testo.pop_back();  // its final period: the file and the reason follow
    return ConFile(testo + " di", file, motivo);
}

std::string CaricaFileColonne(TListaColonne& lista, const std::filesystem::path& percorso,
                              const TControlloColonne& controllo, const std::string& testo) {
    auto lettura = [&](const std::string& motivo) {
        return testo.empty() ? MessaggioLetturaColonne(percorso, motivo)
                             : ConFile(testo, percorso, motivo);
    };
    lista.Svuota();
    TLettore l(percorso);
    if (!l.Aperto()) return lettura(MotivoLettura(percorso));
    if (auto errore = ControllaDimensioneColonne(percorso, l.Dimensione()); !errore.empty())
        return errore;
    TDifettoLettura difetto;
    if (lista.LeggiDaFile(l, &controllo, &difetto)) return {};
    if (difetto.Record >= 0)
        return MessaggioColonneNonValide(percorso, difetto.Record + 1,
                                         controllo.Difetto(difetto.Colonna));
    return lettura(difetto.Memoria ? "memoria esaurita" : "errore di lettura");
}

}  // namespace sirvela
