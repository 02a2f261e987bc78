#include "cli/ContestoCli.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fstream>
#include <iterator>

#include "app/Avvio.h"
#include "app/Cartelle.h"
#include "core/FileColonne.h"
#include "core/MotiviFile.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

// The token Ctrl-C sets; a lock-free atomic store is safe inside a signal handler.
std::atomic<TAnnullamento*> gAnnullaSegnale{nullptr};

extern "C" void GestoreInterruzione(int) {
    if (TAnnullamento* a = gAnnullaSegnale.load()) a->Richiedi();
}

}  // namespace

TContestoCli::TContestoCli(std::ostream& out, std::ostream& err) : Out(out), Err(err) {
    std::error_code ec;
    iniziale_ = fs::current_path(ec);
}

fs::path TContestoCli::Percorso(const std::string& testo) const {
    fs::path p(testo);
    if (testo.empty() || p.is_absolute()) return p;
    return (iniziale_ / p).lexically_normal();
}

void TContestoCli::PreparaCartella() const {
    std::optional<fs::path> richiesta;
    if (!Cartella.empty()) richiesta = Percorso(Cartella);
    PreparaCartellaProgramma(richiesta);
}

TAvvioDocumento TContestoCli::Avvia(T_Sistema& sistema) const {
    PreparaCartella();
    TAvvioDocumento avvio = CaricaDatiAvvio(sistema);
    for (const auto& avviso : AvvisiAvvio(avvio)) Err << avviso << "\n";
    return avvio;
}

void TContestoCli::CaricaSistema(T_Sistema& sistema, const fs::path& file) const {
    if (!sistema.CaricaSistema(file)) throw TErroreCli(sistema.ErroreCaricamento(file));
    Avvisa(AvvisiSistema(sistema));
}

void TContestoCli::CaricaColonne(TListaColonne& colonne, const fs::path& file,
                                 const TDatiSistema& dati, bool vuoteAmmesse) const {
    const std::string errore =
        CaricaFileColonne(colonne, file, TControlloColonne(dati.PilotiInGioco(), vuoteAmmesse));
    if (!errore.empty()) throw TErroreCli(errore);
}

void TContestoCli::Avvisa(const std::vector<std::string>& avvisi) const {
    for (const std::string& a : avvisi) Err << a << "\n";
}

void TContestoCli::OpzioneCartella(CLI::App& comando) {
    comando
        .add_option("--cartella", Cartella,
                    "Cartella del programma (lista piloti, configurazione, archivio)")
        ->type_name("CARTELLA");
}

void TContestoCli::ScriviJson(const nlohmann::ordered_json& j) const {
    Out << j.dump() << "\n";
}

TInterruzione::TInterruzione(TAnnullamento& annulla)
    : precedente_(gAnnullaSegnale.exchange(&annulla)),
      gestore_(std::signal(SIGINT, GestoreInterruzione)) {}

TInterruzione::~TInterruzione() {
    std::signal(SIGINT, gestore_ == SIG_ERR ? SIG_DFL : gestore_);
    gAnnullaSegnale.store(precedente_);
}

void TBarraProgresso::Mostra(int percento, const std::string& etichetta) {
    percento = std::clamp(percento, 0, 100);
    if (percento == percento_ && etichetta == etichetta_) return;
    percento_ = percento;
    etichetta_ = etichetta;
    constexpr int kLarghezza = 30;
    const int pieni = percento * kLarghezza / 100;
    std::string riga = etichetta_ + (etichetta_.empty() ? "" : " ") + "[" +
                       std::string(static_cast<std::size_t>(pieni), '#') +
                       std::string(static_cast<std::size_t>(kLarghezza - pieni), '.') + "] " +
                       std::to_string(percento) + "%";
    // Blanks over what a longer previous line left behind.
    const std::size_t lunga = riga.size();
    if (riga.size() < larghezza_) riga.append(larghezza_ - riga.size(), ' ');
    larghezza_ = lunga;
    err_ << "\r" << riga << std::flush;
    disegnata_ = true;
}

void TBarraProgresso::Termina() {
    if (disegnata_) err_ << "\n" << std::flush;
    disegnata_ = false;
    percento_ = -1;
    larghezza_ = 0;
}

std::string LeggiFileIntero(const fs::path& percorso, const std::string& testo) {
    std::ifstream in(percorso, std::ios::binary);
    if (!in) throw TErroreCli(ConFile(testo, percorso, MotivoLettura(percorso)));
    std::string letto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw TErroreCli(ConFile(testo, percorso, "errore di lettura"));
    return letto;
}

long long InteroOpzione(const std::string& testo, long long minimo, long long massimo,
                        const std::string& nome) {
    long long v = 0;
    if (!InteroDaTesto(Trim(testo), v) || v < minimo || v > massimo)
        throw TErroreCli(nome + " deve essere un numero intero tra " + std::to_string(minimo) +
                             " e " + std::to_string(massimo) + " (trovato \"" + testo + "\").",
                         kUscitaUso);
    return v;
}

}  // namespace sirvela
