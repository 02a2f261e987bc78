#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <sodium.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "app/ListaPiloti.h"
#include "archive/TArchivio.h"
#include "cli/CliSupporto.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "download/Sostituzione.h"
#include "download/TDownload.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/ServerFtp.h"
#include "support/Supporto.h"

using namespace sirvela;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string Leggi(const fs::path& p) {
    const auto b = test::LeggiByte(p);
    return std::string(b.begin(), b.end());
}

// A tar.gz holding one member.
void CreaPacchetto(const fs::path& p, const std::string& membro, const std::string& contenuto) {
    struct archive* a = archive_write_new();
    archive_write_add_filter_gzip(a);
    archive_write_set_format_pax_restricted(a);
    archive_write_open_filename(a, p.c_str());
    struct archive_entry* e = archive_entry_new();
    archive_entry_set_pathname(e, membro.c_str());
    archive_entry_set_size(e, static_cast<la_int64_t>(contenuto.size()));
    archive_entry_set_filetype(e, AE_IFREG);
    archive_entry_set_perm(e, 0755);
    archive_write_header(a, e);
    archive_write_data(a, contenuto.data(), contenuto.size());
    archive_entry_free(e);
    archive_write_close(a);
    archive_write_free(a);
}

struct TCoppia {
    TChiavePubblica Pubblica{};
    unsigned char Segreta[crypto_sign_SECRETKEYBYTES]{};
    TCoppia() {
        EXPECT_GE(sodium_init(), 0);
        crypto_sign_keypair(Pubblica.data(), Segreta);
    }
    void Firma(const fs::path& file, const fs::path& firma) const {
        const auto dati = test::LeggiByte(file);
        std::vector<std::uint8_t> s(crypto_sign_BYTES);
        crypto_sign_detached(s.data(), nullptr, dati.data(), dati.size(), Segreta);
        test::ScriviByte(firma, s);
    }
};

class TVistaFinta : public IVistaDownload {
  public:
    void Apri(const std::string& titolo, const std::string& stato,
              const std::string& passo) override {
        Testi = {titolo, stato, passo};
    }
    void Percentuale(int p) override {
        Percentuali.push_back(p);
        if (SuPercentuale) SuPercentuale(p);
    }
    void Chiudi() override { ++Chiusure; }
    std::vector<std::string> Testi;
    std::vector<int> Percentuali;
    int Chiusure = 0;
    std::function<void(int)> SuPercentuale;
};

test::TServerFtp::Opzioni Rifiuta() {
    test::TServerFtp::Opzioni o;
    o.Rifiuta = true;
    return o;
}
test::TServerFtp::Opzioni Taglia(const char* file) {
    test::TServerFtp::Opzioni o;
    o.Taglia = {file};
    return o;
}
test::TServerFtp::Opzioni Blocca(const char* file) {
    test::TServerFtp::Opzioni o;
    o.Blocca = {file};
    return o;
}

std::vector<std::uint8_t> Archivio(int concorsi) {
    std::vector<std::uint8_t> b;
    for (int i = 0; i < concorsi; ++i) {
        for (int v : {i % 200 + 1, 0xD0, 0x07, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8})
            b.push_back(static_cast<std::uint8_t>(v));
    }
    return b;
}

// The archive and the pilot list on the server, the old ones in the program folder.
struct Download : ::testing::Test {
    test::GlobaliSalvati globali;
    test::CartellaTemporanea c;
    fs::path programma = c / "programma";
    fs::path radice = c / "server";
    test::TMessaggiFinti messaggi;
    TVistaFinta vista;
    TAnnullamento annulla;
    std::unique_ptr<T_Sistema> sistema;
    std::unique_ptr<test::TServerFtp> server;
    const std::vector<std::uint8_t> vecchio = Archivio(1);
    TCoppia chiavi;
    TInstallazione installazione;

    Download() {
        fs::create_directories(programma / "Archivi");
        fs::create_directories(c / "bin");
        CartellaProgramma = programma;
        test::ScriviByte(TArchivio::FileLocale(), vecchio);
        test::ScriviTesto(FileListaPiloti(), "Vecchio Pilota\r\n");
        sistema = std::make_unique<T_Sistema>();
        sistema->Dati.Archivio.Carica(false);
        fs::create_directories(radice / "archivi");
        test::ScriviByte(radice / "archivi" / "sirarch.dat", Archivio(3000));
        test::ScriviTesto(radice / "archivi" / "listapiloti.txt", "Anna Rossi\r\nBruno Verdi\r\n");
        installazione.Eseguibile = c / "bin" / "sirvela";
        installazione.Aggiornatore = c / "bin" / "sirvela-aggiorna";
        installazione.Chiave = chiavi.Pubblica;
        test::ScriviTesto(installazione.Eseguibile, "#!/bin/sh\necho vecchio\n");
        test::ScriviTesto(
            installazione.Aggiornatore,
            "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/argomenti.tmp\"\n"
            "mv \"$(dirname \"$0\")/argomenti.tmp\" \"$(dirname \"$0\")/argomenti\"\n");
        fs::permissions(installazione.Aggiornatore, fs::perms(0755));
    }
    ~Download() override { sistema.reset(); }
    void Avvia(const test::TServerFtp::Opzioni& o = {}) {
        server = std::make_unique<test::TServerFtp>(radice, o);
        ASSERT_GT(server->Porta(), 0);
        test::ScriviDescrizione(radice, server->Host());
        test::PuntaAlServer(programma, *server);
    }
    TEsitoDownload Esegui(TModoDownload modo, std::chrono::milliseconds sorveglianza = 20s) {
        TImpostazioniFtp imp;
        imp.Attesa = 20s;
        imp.Sorveglianza = sorveglianza;
        TClientFtpCurl client(imp, &annulla);
        TDownload d(*sistema, client, messaggi, &vista);
        d.Installazione = installazione;
        return d.Aggiorna(modo);
    }
    std::vector<std::string> Testi() const {
        std::vector<std::string> t = messaggi.Errori;
        for (const auto& d : messaggi.Domande) t.push_back(d.Testo);
        return t;
    }
    // Nothing of a download is left in the program folder.
    void NienteAvanzi() const {
        for (const auto& e : fs::recursive_directory_iterator(programma))
            EXPECT_TRUE(e.path().extension() != ".tmp" && e.path().extension() != ".arc" &&
                        e.path().extension() != ".sig" && e.path().filename() != "dwninfo.txt")
                << e.path();
    }
};

TEST_F(Download, ArchiveAndPilotListReplacedAndReloaded) {
    Avvia();
    TEsitoDownload e = Esegui(TModoDownload::Archivi);
    EXPECT_TRUE(e.Riuscito);
    EXPECT_EQ(test::LeggiByte(TArchivio::FileLocale()), Archivio(3000));
    EXPECT_EQ(sistema->Dati.Archivio.Quante(), 3000);
    EXPECT_EQ(Testi(), std::vector<std::string>{kArchiviAggiornati});
    EXPECT_EQ(vista.Testi, (std::vector<std::string>{"Aggiornamento degli Archivi",
                                                     "Aggiornamento in Corso...", "Passo 1 di 1"}));
    ASSERT_FALSE(vista.Percentuali.empty());
    EXPECT_EQ(vista.Percentuali.back(), 100);
    EXPECT_EQ(vista.Chiusure, 1);

    messaggi.Domande.clear();
    sistema->Dati.NomiPiloti[2] = "resta se la lista è corta";
    e = Esegui(TModoDownload::Piloti);
    EXPECT_TRUE(e.Riuscito);
    EXPECT_EQ(Leggi(FileListaPiloti()), "Anna Rossi\r\nBruno Verdi\r\n");
    EXPECT_EQ(sistema->Dati.NomiPiloti[1], "Anna Rossi");
    EXPECT_EQ(sistema->Dati.NomiPiloti[2], "Bruno Verdi");
    EXPECT_EQ(sistema->Dati.NomiPiloti[3], "");
    EXPECT_EQ(vista.Testi[0], "Aggiornamento dei Piloti");
    EXPECT_EQ(Testi(), std::vector<std::string>{kPilotiAggiornati});
    NienteAvanzi();
}

TEST_F(Download, FailuresBeforeTheTransferChangeNothing) {
    struct Caso {
        const char* Nome;
        std::function<void()> Prepara;
        test::TServerFtp::Opzioni Opzioni;
        const char* Messaggio;
    };
    const Caso casi[] = {
        {"log-in refused", [] {}, Rifiuta(), kErroreCollegamento},
        {"no description", [&] { fs::remove(radice / "dwninfo.txt"); }, {}, kErroreParametri},
        // The archive does not use exedir, but a description without it is refused all the same.
        {"no exedir",
         [&] {
             test::ScriviTesto(radice / "dwninfo.txt",
                               "sirvela 1\nhostname=" + server->Host() + "\narchividir=archivi\n");
         },
         {},
         kErroreParametri},
        {"download host refuses",
         [&] { test::ScriviDescrizione(radice, "127.0.0.1:1"); },
         {},
         kErroreCollegamento},
        {"folder missing on the server",
         [&] { fs::remove_all(radice / "archivi"); },
         {},
         kErroreTrasferimento},
        {"archive of a wrong size",
         [&] {
             test::ScriviByte(radice / "archivi" / "sirarch.dat", std::vector<std::uint8_t>(14));
         },
         {},
         kArchivioRicevutoNonValido},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Nome);
        messaggi = {};
        Avvia(k.Opzioni);
        k.Prepara();
        const TEsitoDownload e = Esegui(TModoDownload::Archivi);
        EXPECT_FALSE(e.Riuscito);
        EXPECT_EQ(Testi(), std::vector<std::string>{k.Messaggio});
        EXPECT_EQ(test::LeggiByte(TArchivio::FileLocale()), vecchio);
        EXPECT_EQ(sistema->Dati.Archivio.Quante(), 1);
        NienteAvanzi();
        fs::remove_all(radice);
        fs::create_directories(radice / "archivi");
        test::ScriviByte(radice / "archivi" / "sirarch.dat", Archivio(3000));
    }
}

TEST_F(Download, CutCancelledOrStalledTransfersLeaveTheOldFile) {
    struct Caso {
        const char* Nome;
        test::TServerFtp::Opzioni Opzioni;
        bool Annulla;
        std::vector<std::string> Messaggi;
    };
    const Caso casi[] = {
        {"cut", Taglia("sirarch.dat"), false, {kErroreTrasferimento}},
        {"cancelled", Blocca("sirarch.dat"), true, {}},
        {"stalled", Blocca("sirarch.dat"), false, {kErroreTrasferimento}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Nome);
        messaggi = {};
        annulla.Azzera();
        vista.SuPercentuale = [&](int p) {
            if (k.Annulla && p > 0) annulla.Richiedi();
        };
        Avvia(k.Opzioni);
        const TEsitoDownload e = Esegui(TModoDownload::Archivi, 1500ms);
        EXPECT_FALSE(e.Riuscito);
        EXPECT_EQ(e.Annullato, k.Annulla);
        EXPECT_EQ(Testi(), k.Messaggi);
        EXPECT_EQ(test::LeggiByte(TArchivio::FileLocale()), vecchio);
        EXPECT_EQ(vista.Chiusure, 1);
        vista.Chiusure = 0;
        NienteAvanzi();
    }
}

TEST_F(Download, OnlyACorrectlySignedProgramIsStaged) {
    TCoppia altra;
    const fs::path pacchetto = radice / "programma" / kPacchettoProgramma;
    const fs::path firma = radice / "programma" / kFirmaPacchetto;
    const std::string nuovo = "#!/bin/sh\necho nuovo\n";
    struct Caso {
        const char* Nome;
        std::function<void()> Prepara;
        const char* Messaggio;  // nullptr: staged
    };
    const Caso casi[] = {
        {"signed", [&] { chiavi.Firma(pacchetto, firma); }, nullptr},
        {"unsigned", [&] { fs::remove(firma); }, kFirmaNonValida},
        {"other key", [&] { altra.Firma(pacchetto, firma); }, kFirmaNonValida},
        {"altered after signing",
         [&] {
             chiavi.Firma(pacchetto, firma);
             CreaPacchetto(pacchetto, kMembroProgramma, "#!/bin/sh\necho altro\n");
         },
         kFirmaNonValida},
        {"signed but without the program",
         [&] {
             CreaPacchetto(pacchetto, "leggimi.txt", nuovo);
             chiavi.Firma(pacchetto, firma);
         },
         kProgrammaRicevutoNonValido},
    };
    Avvia();
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Nome);
        messaggi = {};
        fs::remove(installazione.InAttesa());
        CreaPacchetto(pacchetto, kMembroProgramma, nuovo);
        test::ScriviTesto(firma, "");
        k.Prepara();
        const TEsitoDownload e = Esegui(TModoDownload::Programma);
        EXPECT_EQ(e.Riuscito, k.Messaggio == nullptr);
        EXPECT_EQ(Leggi(installazione.Eseguibile), "#!/bin/sh\necho vecchio\n");
        if (k.Messaggio) {
            EXPECT_EQ(Testi(), std::vector<std::string>{k.Messaggio});
            EXPECT_FALSE(fs::exists(installazione.InAttesa()));
        } else {
            EXPECT_TRUE(Testi().empty());
            EXPECT_EQ(vista.Testi[0], "Aggiornamento di Sirvela");
            EXPECT_EQ(Leggi(installazione.InAttesa()), nuovo);
            EXPECT_TRUE(EseguibileValido(installazione.InAttesa()));
        }
        NienteAvanzi();
    }

    // The staged program is handed to the updater with this process to wait for.
    TClientFtpCurl client;
    TDownload d(*sistema, client, messaggi, &vista);
    d.Installazione = installazione;
    test::ScriviTesto(installazione.InAttesa(), nuovo);
    ASSERT_TRUE(d.AvviaAggiornatore({"--cartella", "X"}));
    const fs::path argomenti = c / "bin" / "argomenti";
    for (int i = 0; i < 100 && !fs::exists(argomenti); ++i) std::this_thread::sleep_for(50ms);
    EXPECT_EQ(Leggi(argomenti), std::to_string(getpid()) + " " + installazione.Eseguibile.string() +
                                    " " + installazione.InAttesa().string() + " --cartella X\n");
}

TEST_F(Download, CommandLineWithTheSameMessagesAndExitStatus) {
    Avvia();
    test::TEsitoCli e = test::Cli({"aggiorna", "archivi", "--progresso"}, c);
    EXPECT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(e.Out, std::string(kArchiviAggiornati) + "\n");
    EXPECT_NE(e.Err.find("Aggiornamento degli Archivi ["), std::string::npos);
    EXPECT_NE(e.Err.find("100%"), std::string::npos);
    EXPECT_EQ(test::LeggiByte(TArchivio::FileLocale()), Archivio(3000));

    fs::remove(radice / "archivi" / "listapiloti.txt");
    e = test::Cli({"aggiorna", "piloti"}, c);
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Out, "");
    EXPECT_EQ(e.Err, std::string(kErroreTrasferimento) + "\n");
    EXPECT_EQ(Leggi(FileListaPiloti()), "Vecchio Pilota\r\n");
}

// The updater is built only where the program updates itself.
#ifdef SIRVELA_AGGIORNATORE_EXE
TEST(Aggiornatore, ReplacesKeepsABackupAndStartsTheNewProgram) {
    test::CartellaTemporanea c;
    const fs::path installato = c / "sirvela", nuovo = c / "sirvela.nuovo";
    const std::string vecchio = "#!/bin/sh\necho \"$SIRVELA_ESITO_AGGIORNAMENTO\" > \"$0.esito\"\n";
    const std::string aggiornato = "#!/bin/sh\necho \"$@\" > \"$0.avviato\"\n";
    auto Prepara = [&](const std::string& staged, fs::perms permessi) {
        test::ScriviTesto(installato, vecchio);
        fs::permissions(installato, fs::perms(0755));
        test::ScriviTesto(nuovo, staged);
        fs::permissions(nuovo, permessi);
    };
    // Runs the real updater against a child process that ends after a moment.
    auto Esegui = [&] {
        const pid_t attesa = AvviaProgramma("/bin/sleep", {"0.3"});
        const pid_t p = AvviaProgramma(
            SIRVELA_AGGIORNATORE_EXE,
            {std::to_string(attesa), installato.string(), nuovo.string(), "uno", "due"});
        int stato = -1;
        for (int i = 0; i < 200 && waitpid(p, &stato, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(50ms);
        waitpid(attesa, nullptr, WNOHANG);
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    };
    auto Aspetta = [](const fs::path& p) {
        std::error_code ec;
        for (int i = 0; i < 100 && (!fs::exists(p) || fs::file_size(p, ec) == 0); ++i)
            std::this_thread::sleep_for(50ms);
        return Leggi(p);
    };

    Prepara(aggiornato, fs::perms(0755));
    EXPECT_EQ(Esegui(), 0);
    EXPECT_EQ(Leggi(installato), aggiornato);
    EXPECT_EQ(Leggi(FileBackup(installato)), vecchio);
    EXPECT_FALSE(fs::exists(nuovo));
    EXPECT_EQ(Aspetta(c / "sirvela.avviato"), "uno due\n");

    // A bad staged file: the installed program stays, is started again and is told why.
    const std::pair<std::string, fs::perms> cattivi[] = {
        {"", fs::perms(0755)}, {aggiornato, fs::perms(0644)}, {"MZ\x90", fs::perms(0755)}};
    for (const auto& [staged, permessi] : cattivi) {
        SCOPED_TRACE(staged);
        fs::remove(c / "sirvela.esito");
        Prepara(staged, permessi);
        EXPECT_EQ(Esegui(), 1);
        EXPECT_EQ(Leggi(installato), vecchio);
        EXPECT_FALSE(fs::exists(nuovo));
        EXPECT_EQ(Aspetta(c / "sirvela.esito"), std::string(kProgrammaRicevutoNonValido) + "\n");
    }
}
#endif

}  // namespace
