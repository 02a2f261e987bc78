#include "archive/InserimentoFiltri.h"

#include <algorithm>

#include "archive/TArchivio.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondQuadro.h"
#include "core/Errore.h"
#include "core/FileColonne.h"
#include "core/TDatiSistema.h"
#include "core/TListaColonne.h"

namespace sirvela {

TIntervalloArchivio::TIntervalloArchivio(int quante)
    : quante_(std::max(quante, 0)), inizio_(quante_), fine_(quante_) {}

void TIntervalloArchivio::ImpostaInizio(int ordinale) {
    if (quante_ == 0) return;
    inizio_ = std::min(std::clamp(ordinale, 1, quante_), fine_);
}

void TIntervalloArchivio::ImpostaFine(int ordinale) {
    if (quante_ == 0) return;
    fine_ = std::max(std::clamp(ordinale, 1, quante_), inizio_);
}

std::vector<TFiltroQuadro> FiltriDaArchivio(const TArchivio& archivio, int inizio, int fine,
                                            TTipoConfronto tipo, std::size_t limite) {
    std::vector<TFiltroQuadro> filtri;
    const int primo = std::max(inizio, 1);
    const int ultimo = std::min(fine, archivio.Quante());
    for (int ordinale = primo; ordinale <= ultimo && filtri.size() < limite; ++ordinale) {
        const TColonna& vincente = archivio[ordinale - 1].Vincente;
        if (!ColonnaPiena(vincente)) continue;
        TFiltroQuadro f;
        if (tipo == TTipoConfronto::DiPosizione) {
            f.DiPosizione = true;
            f.ColonnaFiltro = vincente;
            f.Confronto = 0;
        } else {
            f.PilotiFiltro = ListaDaColonna(vincente);
            f.Confronto = 1;
        }
        filtri.push_back(f);
    }
    return filtri;
}

std::vector<TFiltroQuadro> FiltriDaFile(const std::filesystem::path& file,
                                        const TPilotiInGioco& piloti, std::size_t limite) {
    TListaColonne colonne;
    if (auto errore = CaricaFileColonne(colonne, file, TControlloColonne(piloti),
                                        kErroreLetturaFileColonnare);
        !errore.empty())
        throw TErroreSirvela(errore);
    std::vector<TFiltroQuadro> filtri;
    for (const TColonna& c : colonne) {
        if (filtri.size() >= limite) break;
        TFiltroQuadro f;
        f.PilotiFiltro = ListaDaColonna(c);
        filtri.push_back(f);
    }
    return filtri;
}

int AggiungiFiltri(TCondQuadro& q, std::span<const TFiltroQuadro> filtri,
                   const TCombinazione& punti) {
    int aggiunti = 0;
    for (const TFiltroQuadro& f : filtri) {
        auto filtro = NuovaColonnaFiltro(q.Proprietario, punti);
        if (f.DiPosizione)
            filtro->ColonnaFiltro = f.ColonnaFiltro;
        else
            filtro->PilotiFiltro = f.PilotiFiltro;
        if (f.Confronto) filtro->Confronto = *f.Confronto;
        if (!q.Aggiungi(std::move(filtro))) break;  // the quadro is full
        ++aggiunti;
    }
    return aggiunti;
}

int TInserimentoFiltri::Esegui(TCondQuadro& q, const TArchivio& archivio) const {
    const auto posto =
        static_cast<std::size_t>(std::max(TCondQuadro::kMaxMembri - q.QuantiMembri(), 0));
    const std::vector<TFiltroQuadro> filtri =
        Sorgente == TSorgenteFiltri::Archivio
            ? FiltriDaArchivio(archivio, Intervallo.Inizio(), Intervallo.Fine(), Tipo, posto)
            : FiltriDaFile(
                  File, q.Proprietario ? q.Proprietario->PilotiInGioco() : TPilotiInGioco(), posto);
    return AggiungiFiltri(q, filtri, Punti);
}

}  // namespace sirvela
