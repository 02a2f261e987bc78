#include <gtest/gtest.h>

#include "app/Avvio.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

TEST(AvvioDocumento, SettingsGoIntoTheDocumentAndBackToTheFiles) {
    test::TCartellaDiProva dir;
    test::ScriviTesto(dir / "listapiloti.txt", "Aldo Ferri\r\n \r\nCarlo Neri\r\n");

    T_Sistema s;
    auto esito = CaricaDatiAvvio(s);
    EXPECT_FALSE(esito.ArchivioCaricato);  // no archive yet: the default contest
    EXPECT_EQ(s.Dati.Archivio.Quante(), 1);
    EXPECT_EQ(s.Dati.NomiPiloti[1], "Aldo Ferri");
    // Three lines are fewer than any field holds: 20 pilots, the last nameless one excluded.
    EXPECT_EQ(NumeroPiloti, 20);
    EXPECT_EQ(s.Dati.PilotaEscluso, 20);

    s.Dati.Prezzi.Euro = true;
    s.Dati.SalvaColonne = false;
    s.Dati.NomiPiloti[2] = "Bruno Galli";
    test::TMessaggiFinti messaggi;
    ASSERT_TRUE(SalvaImpostazioniDi(s, &messaggi));
    T_Sistema r;
    CaricaDatiAvvio(r);
    EXPECT_TRUE(r.Dati.Prezzi.Euro);
    EXPECT_FALSE(r.Dati.SalvaColonne);
    EXPECT_EQ(r.Dati.NomiPiloti[2], "Bruno Galli");
    EXPECT_EQ(r.Dati.PilotaEscluso, 20);
    EXPECT_TRUE(messaggi.Errori.empty());
}
