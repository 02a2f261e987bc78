#include <gtest/gtest.h>

#include "app/ui/RigaDiComando.h"
#include "support/PaginaManuale.h"

using namespace sirvela;

namespace {

using TEsito = TRigaDiComando::TEsito;

TEST(RigaDiComando, OptionsFilesAndErrors) {
    struct Caso {
        QStringList argomenti;  // after the program's name
        TEsito esito;
        std::string cartella;  // empty: none asked for
        QStringList file;
        QString errore;
    };
    const Caso casi[] = {
        {{}, TEsito::Avvia, "", {}, ""},
        {{"Prova.Sst"}, TEsito::Avvia, "", {"Prova.Sst"}, ""},
        {{"--cartella", "/dati", "a.Sst"}, TEsito::Avvia, "/dati", {"a.Sst"}, ""},
        {{"a.Sst", "--cartella=/dati"}, TEsito::Avvia, "/dati", {"a.Sst"}, ""},
        // Two files reach the main window, which then opens neither.
        {{"a.Sst", "b.Sst"}, TEsito::Avvia, "", {"a.Sst", "b.Sst"}, ""},
        {{"--", "--help"}, TEsito::Avvia, "", {"--help"}, ""},
        {{"--help"}, TEsito::Aiuto, "", {}, ""},
        {{"-h", "a.Sst"}, TEsito::Aiuto, "", {}, ""},
        {{"--version"}, TEsito::Versione, "", {}, ""},
        {{"--versione"}, TEsito::Versione, "", {}, ""},
        {{"-V"}, TEsito::Versione, "", {}, ""},
        // The toolkit's options are still there before the toolkit starts.
        {{"-platform", "offscreen", "--version"}, TEsito::Versione, "", {}, ""},
        // A one-dash word holding an "h" is not the help.
        {{"-platformpluginpath", "/x"},
         TEsito::Errore,
         "",
         {},
         "Opzione sconosciuta: --platformpluginpath"},
        {{"--sconosciuta", "a.Sst"}, TEsito::Errore, "", {}, "Opzione sconosciuta: --sconosciuta"},
        {{"-x"}, TEsito::Errore, "", {}, "Opzione sconosciuta: -x"},
        {{"--cartella"}, TEsito::Errore, "", {}, "Manca il nome della cartella dopo --cartella"},
        {{"--cartella="}, TEsito::Errore, "", {}, "Manca il nome della cartella dopo --cartella"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.argomenti.join(' ').toStdString());
        const TRigaDiComando r = LeggiRigaDiComando(QStringList{"sirvela"} + c.argomenti);
        EXPECT_EQ(r.Esito, c.esito);
        EXPECT_EQ(r.Cartella.value_or("").string(), c.cartella);
        EXPECT_EQ(r.File, c.file);
        EXPECT_EQ(r.Errore, c.errore);
    }
}

// The help and the manual page name every option the program reads, and no other.
TEST(RigaDiComando, HelpAndManualPageListEveryOption) {
    std::set<std::string> opzioni;
    const QString aiuto = TestoAiutoRigaDiComando();
    for (const TOpzioneRiga& o : OpzioniRigaDiComando())
        for (const QString& n : o.Nomi) {
            const QString nome = (n.size() == 1 ? "-" : "--") + n;
            EXPECT_TRUE(aiuto.contains(nome)) << nome.toStdString();
            if (n.size() > 1) opzioni.insert(nome.toStdString());
        }
    std::set<std::string> pagina;
    for (const test::TVoceManuale& v : test::VociManuale(
             std::filesystem::path(SIRVELA_SORGENTI) / "pacchetto" / "sirvela.1", "OPZIONI"))
        pagina.insert(v.Opzioni.begin(), v.Opzioni.end());
    EXPECT_EQ(pagina, opzioni);
    EXPECT_EQ(TestoVersioneProgramma(), "sirvela 1.0\n");
}

}  // namespace
