// The live count in the main window, as a user sees it: a pilot clicked in a selector every
// `intervallo` ms (on and off by turns), the time from each click to the exact count on the
// status line, and the longest stall of the window's event loop meanwhile (a 1 ms timer
// measures the gaps between its ticks).
//   bench_finestra_conteggio SISTEMA.json [clic] [intervallo-ms]
// Runs with any Qt platform (QT_QPA_PLATFORM=offscreen without a display).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/ui/TFormPrincipale.h"
#include "core/Globali.h"
#include "core/SistemaJson.h"
#include "core/T_Sistema.h"
#include "widgets/TGraphNumSelector.h"

using namespace sirvela;

namespace {

class TMessaggiMuti : public IMessaggi {
  public:
    int Mostra(const std::string&, const std::string&, int) override { return PulsanteOk; }
    void Errore(const std::string&) override {}
};

class TSceltaMuta : public ISceltaFile {
  public:
    std::optional<std::string> Apri(const TRichiestaFile&) override { return {}; }
    std::optional<std::string> Salva(const TRichiestaFile&) override { return {}; }
};

// Waits in the event loop, as the window does between the user's actions.
void Attendi(int ms) {
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench_finestra_conteggio SISTEMA.json [clic] [intervallo-ms]\n");
        return 2;
    }
    const int clic = argc > 2 ? std::atoi(argv[2]) : 20;
    const int intervallo = argc > 3 ? std::atoi(argv[3]) : 1500;
    std::ifstream in(argv[1]);
    T_Sistema sistema;
    bool colonne = false;
    ImportaSistema(nlohmann::json::parse(in), sistema, colonne);
    for (int i = 1; i <= 25; ++i) sistema.Dati.NomiPiloti[i] = "Pilota " + std::to_string(i);
    sistema.Dati.PilotaEscluso = 100;
    NumeroPiloti = 25;
    TMessaggiMuti messaggi;
    TSceltaMuta scelta;
    TFormPrincipale f(sistema, messaggi, scelta);
    f.resize(1000, 700);
    f.show();
    f.Avvia({});

    // The gaps between the ticks of a 1 ms timer: the longest is the worst stall.
    QElapsedTimer orologio;
    orologio.start();
    qint64 ultimo = 0, stallo = 0;
    QTimer battito;
    battito.setInterval(1);
    QObject::connect(&battito, &QTimer::timeout, [&] {
        const qint64 t = orologio.nsecsElapsed();
        if (ultimo) stallo = std::max(stallo, t - ultimo);
        ultimo = t;
    });

    // Pilot 25 in position 8 is clicked on and off: two systems by turns, both counted anew.
    TGraphNumSelector* s = f.Selettore(8);
    const QPoint cella = s->RettangoloCella(std::min(NumeroPiloti, 25)).center();
    QTest::qWait(2000);  // the first count, at start
    const TConteggioQt& c = f.ConteggioDalVivo();
    auto esatto = [&] {
        return c.RichiestaUltimo() == c.Richieste() && c.Ultimo() && c.Ultimo()->Esatto;
    };
    // One round of clicks; `attendi`: each waits for the exact count before the next.
    auto giro = [&](int quanti, int ogni, bool attendi, std::vector<double>& tempi) {
        ultimo = 0;
        stallo = 0;
        double clicPiuLungo = 0;
        battito.start();
        for (int k = 0; k < quanti; ++k) {
            const std::uint64_t prima = c.Richieste();
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(s, Qt::LeftButton, {}, cella);
            clicPiuLungo = std::max(clicPiuLungo, static_cast<double>(t.nsecsElapsed()) / 1e6);
            while (attendi && (c.Richieste() == prima || !esatto()) && t.elapsed() < 60000)
                Attendi(2);
            if (attendi) tempi.push_back(static_cast<double>(t.nsecsElapsed()) / 1e9);
            QTest::qWait(std::max(0, ogni - static_cast<int>(t.elapsed())));
        }
        battito.stop();
        return std::pair(static_cast<double>(stallo) / 1e6, clicPiuLungo);
    };
    std::vector<double> tempi, nessuno;
    // The same clicks with the count switched off: the stalls the machine makes by itself.
    sistema.Dati.ConteggioDalVivo = false;
    f.AggiornaConteggioDalVivo();
    const auto [stalloSpento, clicSpento] = giro(clic, intervallo, false, nessuno);
    sistema.Dati.ConteggioDalVivo = true;
    f.AggiornaConteggioDalVivo();
    QTest::qWait(2000);
    const auto [stalloAcceso, clicAcceso] = giro(clic, intervallo, true, tempi);
    // Clicks faster than the count: each one cancels the count of the one before.
    const auto [stalloRapido, clicRapido] = giro(clic * 2, 60, false, nessuno);
    QElapsedTimer fine;
    fine.start();
    while (!esatto() && fine.elapsed() < 60000) Attendi(2);
    std::vector<double> ordinati = tempi;
    std::sort(ordinati.begin(), ordinati.end());
    std::printf("%s: dal clic al conteggio esatto, %d clic: mediana %.3f s, peggiore %.3f s\n",
                argv[1], clic, ordinati[ordinati.size() / 2], ordinati.back());
    std::printf(
        "  stallo massimo del ciclo degli eventi (clic piu' lungo): conteggio spento "
        "%.1f ms (%.1f ms), acceso %.1f ms (%.1f ms), clic ogni 60 ms %.1f ms (%.1f ms)\n",
        stalloSpento, clicSpento, stalloAcceso, clicAcceso, stalloRapido, clicRapido);
    std::printf("  riga: %s\n", f.PannelloPreviste()->text().toStdString().c_str());
    return 0;
}
