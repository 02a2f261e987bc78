#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "archive/TArchivio.h"
#include "core/PilotiInGioco.h"
#include "core/TCombinazione.h"
#include "core/TListaColonne.h"
#include "core/Testo.h"
#include "development/ImpostazioniSviluppo.h"
#include "printing/Taratura.h"

namespace sirvela {

class TInsiemeCondizioni;
class TGestoreLink;

// The data of the current system. Built without touching the disk; the start-up reads the
// archive, the pilot list and the configuration into it.
class TDatiSistema {
  public:
    TDatiSistema();
    ~TDatiSistema();
    TDatiSistema(const TDatiSistema&) = delete;
    TDatiSistema& operator=(const TDatiSistema&) = delete;

    TListaColonne Colonne;
    std::unique_ptr<TInsiemeCondizioni> Condizioni;
    TArchivio Archivio;
    std::unique_ptr<TGestoreLink> Recuperi;
    TPronostico Pronostico;
    std::int32_t Concorso = 1;
    std::string Sfondo;
    TTaratura Taratura;
    std::array<std::string, 4> DatiRicevitoria;  // heading, address, town, telephone
    TImpTabulato Tabulato;
    std::array<std::string, 26> NomiPiloti;  // pilots 1..25 (index 0 unused)
    std::int32_t PilotaEscluso = 100;
    bool Sviluppato = false;
    std::int32_t ColonneSviluppate = 0;
    TPrezzi Prezzi;  // PrezzoEuro, PrezzoLire, Euro
    bool SalvaColonne = true;
    std::int32_t Fili = 0;         // threads of a development; 0 = every core (a program setting)
    bool ConteggioDalVivo = true;  // the count follows every edit (a program setting)
    TSorgente Sorgente;
    TImpostazioniSviluppo ImpSviluppo;

    // Drops the condition set and the link manager and creates them anew ("Nuovo").
    void RicreaCondizioni();
    // 1..NumeroPiloti without PilotaEscluso.
    TPilotiInGioco PilotiInGioco() const;
    // The position sets as developed: only the pilots in play.
    TPronostico PronosticoInGioco() const;
};

}  // namespace sirvela
