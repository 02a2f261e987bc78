#include "app/ImpostazioniVarie.h"

#include <algorithm>
#include <cmath>

#include "app/Configurazione.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"
#include "core/Testo.h"

namespace sirvela {

namespace {

// A stored price may be anything a file held: never convert a value an int cannot take.
int Intero(double v, int minimo, int massimo) {
    if (!std::isfinite(v)) return minimo;
    return static_cast<int>(
        std::clamp(v, static_cast<double>(minimo), static_cast<double>(massimo)));
}

}  // namespace

TModelloImpostazioni TModelloImpostazioni::Da(const TDatiSistema& dati) {
    TModelloImpostazioni m;
    m.Euro = dati.Prezzi.Euro;
    m.Lire = Intero(std::trunc(dati.Prezzi.PrezzoLire), kLireMinime, kLireMassime);
    const double euro = dati.Prezzi.PrezzoEuro;
    const double interi = std::isfinite(euro) ? std::trunc(euro) : 0.0;
    m.EuroInteri = Intero(interi, 0, kEuroMassimi);
    m.Centesimi =
        std::isfinite(euro) ? Intero(std::round((euro - interi) * 100.0), 0, kCentesimiMassimi) : 0;
    m.SalvaColonne = dati.SalvaColonne;
    m.Sfondo = dati.Sfondo;
    m.Fili = std::clamp<int>(dati.Fili, 0, kFiliMassimi);
    m.ConteggioDalVivo = dati.ConteggioDalVivo;
    return m;
}

void TModelloImpostazioni::Applica(TDatiSistema& dati) const {
    dati.Prezzi.Euro = Euro;
    dati.Prezzi.PrezzoLire = std::clamp(Lire, kLireMinime, kLireMassime);
    dati.Prezzi.PrezzoEuro = std::clamp(EuroInteri, 0, kEuroMassimi) +
                             std::clamp(Centesimi, 0, kCentesimiMassimi) / 100.0;
    dati.SalvaColonne = SalvaColonne;
    dati.Sfondo = TagliaStringaCorta(Sfondo);
    dati.Fili = std::clamp(Fili, 0, kFiliMassimi);
    dati.ConteggioDalVivo = ConteggioDalVivo;
}

TRichiestaFile RichiestaFileSfondo(const std::string& voce) {
    TRichiestaFile r;
    r.Titolo = "Seleziona il File Bit Mapped";
    r.Filtro = "File Bit Map (*.BMP)|*.BMP";
    r.Estensione = "BMP";
    r.DeveEsistere = true;
    r.Cartella = CartellaSfondi().string();
    r.Nome = NomeSenzaCartella(voce);
    const auto separatore = voce.find_last_of("/\\");
    if (separatore != std::string::npos && separatore > 0) r.Cartella = voce.substr(0, separatore);
    return r;
}

}  // namespace sirvela
