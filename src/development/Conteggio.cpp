#include "development/Conteggio.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/Parallelo.h"
#include "core/TDatiSistema.h"
#include "core/TListaColonne.h"
#include "development/SviluppoSistema.h"

namespace sirvela {

namespace {

// The places (member indices) from `radice` down to `cercata`; false when it is not there.
bool Percorso(const TCondizione& radice, const TCondizione* cercata, std::vector<int>& percorso) {
    if (&radice == cercata) return true;
    const auto* contenitore = dynamic_cast<const TCondContenitore*>(&radice);
    if (!contenitore) return false;
    for (int i = 0; i < contenitore->QuantiMembri(); ++i) {
        percorso.push_back(i);
        if (Percorso(*contenitore->Membro(i), cercata, percorso)) return true;
        percorso.pop_back();
    }
    return false;
}

TCondizione* Segui(TCondizione& radice, const std::vector<int>& percorso) {
    TCondizione* c = &radice;
    for (const int i : percorso) {
        auto* contenitore = dynamic_cast<TCondContenitore*>(c);
        c = contenitore ? contenitore->Membro(i) : nullptr;
        if (!c) return nullptr;
    }
    return c;
}

}  // namespace

void ApplicaSostituzioni(const TCondizione& radice, TCondizione& copia, TSostituzioni& s) {
    auto& v = s.Condizioni;
    // Outer conditions first, so a member's settings land in the settings of its container.
    std::vector<std::pair<std::size_t, std::vector<int>>> trovate;
    for (std::size_t k = 0; k < v.size(); ++k) {
        std::vector<int> percorso;
        if (v[k].Copia && Percorso(radice, v[k].Originale, percorso))
            trovate.emplace_back(k, std::move(percorso));
    }
    std::stable_sort(trovate.begin(), trovate.end(), [](const auto& a, const auto& b) {
        return a.second.size() < b.second.size();
    });
    for (const auto& [k, percorso] : trovate)
        if (TCondizione* posto = Segui(copia, percorso)) posto->CopiaImpostazioni(*v[k].Copia);
    std::vector<bool> usata(v.size(), false);
    for (const auto& t : trovate) usata[t.first] = true;
    std::vector<TSostituzioni::TCondizioneSostituita> resto;
    for (std::size_t k = 0; k < v.size(); ++k)
        if (!usata[k]) resto.push_back(std::move(v[k]));
    v = std::move(resto);
}

std::unique_ptr<TDatiSistema> CopiaPerConteggio(const TDatiSistema& d, TSostituzioni s) {
    auto copia = std::make_unique<TDatiSistema>();
    if (!CopiaPerTest(d, *copia)) return nullptr;
    copia->Sorgente = d.Sorgente;
    copia->ImpSviluppo = d.ImpSviluppo;
    copia->Prezzi = d.Prezzi;
    copia->Fili = d.Fili;
    for (int slot = 1; slot <= 18; ++slot) {
        const TCondizione* originale = d.Condizioni->Condizione(slot);
        TCondizione* posto = copia->Condizioni->Condizione(slot);
        if (originale && posto) ApplicaSostituzioni(*originale, *posto, s);
    }
    if (!s.Link.empty()) {
        TLettore l(s.Link);
        if (!copia->Recuperi->Carica(l)) return nullptr;
    }
    return copia;
}

std::vector<std::uint8_t> ImprontaConteggio(const TDatiSistema& d) {
    TScrittore s;
    d.Pronostico.Salva(s);
    SalvaSviluppo(s, d.Sorgente, d.ImpSviluppo);
    d.Condizioni->Salva(s);
    d.Recuperi->Salva(s);
    // The conditions that look at past results read the archive and the contest.
    s.ScriviI32(d.Concorso);
    s.ScriviI32(d.Archivio.QuanteStoriche());
    for (const TEstrazione& e : d.Archivio.Estrazioni) s.Scrivi(e.Vincente.data(), 8);
    return s.Dati();
}

// ---------------------------------------------------------------------------------------------

double TStima::ErroreRelativo() const {
    if (!(Stima > 0)) return std::numeric_limits<double>::infinity();
    return std::max(Stima - Min, Max - Stima) / Stima;
}

TStima StimaDaCampione(std::int64_t passate, std::int64_t campione, double candidati, int passi) {
    TStima s;
    s.Campione = campione;
    s.Passate = passate;
    const double scala = candidati * std::max(1, passi);
    if (campione <= 0) {
        s.Max = scala;
        return s;
    }
    constexpr double z = 1.959963984540054;  // two-sided 95%
    const double n = static_cast<double>(campione);
    const double p = static_cast<double>(passate) / n;
    const double z2 = z * z;
    double basso = 0, alto = 1;
    if (passate > 0)
        basso = (2 * n * p + z2 - 1 - z * std::sqrt(z2 - 2 - 1 / n + 4 * p * (n * (1 - p) + 1))) /
                (2 * (n + z2));
    if (passate < campione)
        alto = (2 * n * p + z2 + 1 + z * std::sqrt(z2 + 2 - 1 / n + 4 * p * (n * (1 - p) - 1))) /
               (2 * (n + z2));
    s.Stima = p * scala;
    s.Min = std::floor(std::clamp(basso, 0.0, 1.0) * scala);
    s.Max = std::ceil(std::clamp(alto, 0.0, 1.0) * scala);
    return s;
}

TCampionatore::TCampionatore(const TPronostico& p, ITestColonne* test, std::uint64_t seme,
                             int passi)
    : test_(test), caso_(seme), passi_(passi) {
    candidati_ = 1;
    for (int i = 0; i < 8; ++i) {
        const TCombinazione& pos = p.Posizione[i];
        n_[i] = static_cast<std::uint32_t>(std::max(0, pos.Conta()));
        // Pilot bytes as the enumeration takes them.
        for (std::uint32_t s = 0; s < n_[i]; ++s)
            v_[i][s] = static_cast<std::uint8_t>(pos.Numeri[s]);
        candidati_ *= n_[i];
    }
}

std::uint32_t TCampionatore::Indice(int posizione) {
    // Lemire's multiply-and-reject: exactly uniform over 0..n-1.
    const std::uint32_t n = n_[static_cast<std::size_t>(posizione)];
    std::uint64_t m = (caso_() >> 32) * n;
    if (static_cast<std::uint32_t>(m) < n) {
        const std::uint32_t soglia = static_cast<std::uint32_t>(-n) % n;
        while (static_cast<std::uint32_t>(m) < soglia) m = (caso_() >> 32) * n;
    }
    return static_cast<std::uint32_t>(m >> 32);
}

bool TCampionatore::Estrai(std::int64_t n, const std::function<bool()>& fermati) {
    if (candidati_ <= 0) {
        campione_ += n;
        return true;
    }
    constexpr std::int64_t kPasso = 4096;
    for (std::int64_t fatti = 0; fatti < n; fatti += kPasso) {
        if (fermati && fermati()) return false;
        const std::int64_t quanti = std::min(kPasso, n - fatti);
        for (std::int64_t k = 0; k < quanti; ++k) {
            TColonna c;
            std::array<std::uint64_t, 4> visti{};
            bool distinta = true;
            for (int i = 0; i < 8; ++i) {
                const std::uint8_t v = v_[static_cast<std::size_t>(i)][Indice(i)];
                c[static_cast<std::size_t>(i)] = v;
                const std::uint64_t bit = std::uint64_t{1} << (v & 63);
                distinta = distinta && !(visti[v >> 6] & bit);
                visti[v >> 6] |= bit;
            }
            if (distinta && (!test_ || test_->Verifica(c))) ++passate_;
        }
        campione_ += quanti;
    }
    return true;
}

TStima TCampionatore::Stima() const {
    return StimaDaCampione(passate_, campione_, candidati_, passi_);
}

TStima StimaSistema(TDatiSistema& d, std::uint64_t seme, double precisione, std::int64_t massimo,
                    const std::function<bool()>& fermati,
                    const std::function<void(const TStima&)>& ogni) {
    TTestCondizioni test(*d.Condizioni, *d.Recuperi);
    test.Prepara();
    TCampionatore campione(d.PronosticoInGioco(), d.ImpSviluppo.UsaCondizioni ? &test : nullptr,
                           seme, PassiConteggio(d));
    std::int64_t giro = 1 << 14;
    for (std::int64_t fatti = 0; fatti < massimo;
         fatti += giro, giro = std::min(giro * 2, std::int64_t{1} << 20)) {
        giro = std::min(giro, massimo - fatti);
        if (!campione.Estrai(giro, fermati)) break;
        const TStima s = campione.Stima();
        if (ogni) ogni(s);
        if (s.ErroreRelativo() <= precisione) break;
    }
    return campione.Stima();
}

// ---------------------------------------------------------------------------------------------

int PassiConteggio(const TDatiSistema& d) {
    return d.ImpSviluppo.Autoriduzione ? 1 : d.ImpSviluppo.PassiEffettivi();
}

bool ContaEsatto(TDatiSistema& d, int fili, const TAnnullamento* annullamento,
                 TEsitoConteggio& esito) {
    // Counted as developed: the pilots out of play are left out.
    const TPronostico inGioco = d.PronosticoInGioco();
    const TDatiSviluppo dati = DatiDelSistema(d, inGioco);
    TTestCondizioni test(*d.Condizioni, *d.Recuperi);
    TServiziSviluppo servizi;
    servizi.Test = &test;
    servizi.Annullamento = annullamento;
    servizi.Fili = fili > 0 ? fili : FiliPredefiniti();
    servizi.SoloConteggio = true;
    TListaColonne nessuna;
    TEsitoSviluppo sviluppo;
    esito = {};
    try {
        SviluppaSistema(nessuna, dati, servizi, sviluppo);
    } catch (const TErroreSirvela& e) {
        esito.Errore = e.what();
        return true;
    }
    if (sviluppo.Interrotto) {
        if (annullamento && annullamento->Richiesto()) return false;
        esito.Errore = kErroreMemoriaEsaurita;
        return true;
    }
    esito.Esatto = true;
    esito.Colonne = sviluppo.ColonneSviluppate * PassiConteggio(d);
    return true;
}

// ---------------------------------------------------------------------------------------------

TConteggioDalVivo::TConteggioDalVivo(TAvviso avviso, TOpzioni opzioni)
    : avviso_(std::move(avviso)), opzioni_(opzioni) {
    semi_.seed(opzioni_.Seme != 0
                   ? opzioni_.Seme
                   : static_cast<std::uint64_t>(
                         std::chrono::steady_clock::now().time_since_epoch().count()));
    filo_ = std::thread([this] { Lavora(); });
}

TConteggioDalVivo::~TConteggioDalVivo() {
    {
        std::lock_guard blocco(mutex_);
        fine_ = true;
        ultima_ = 0;
        annulla_.Richiedi();
    }
    lavoro_.notify_all();
    filo_.join();
}

std::uint64_t TConteggioDalVivo::Richiedi(std::unique_ptr<TDatiSistema> sistema) {
    std::uint64_t numero;
    {
        std::lock_guard blocco(mutex_);
        numero = ++contatore_;
        ultima_ = numero;
        prossimo_ = std::move(sistema);
        annulla_.Richiedi();
    }
    lavoro_.notify_all();
    return numero;
}

void TConteggioDalVivo::Annulla() {
    std::lock_guard blocco(mutex_);
    ultima_ = 0;
    prossimo_.reset();
    annulla_.Richiedi();
}

void TConteggioDalVivo::ImpostaFili(int fili) {
    std::lock_guard blocco(mutex_);
    opzioni_.Fili = fili;
}

void TConteggioDalVivo::Consegna(std::uint64_t richiesta, const TEsitoConteggio& esito) {
    std::lock_guard blocco(mutex_);
    if (richiesta != ultima_ || !avviso_) return;
    try {
        avviso_(richiesta, esito);
    } catch (...) {
        // A result that cannot be handed over is dropped; the next one may pass.
    }
}

void TConteggioDalVivo::Lavora() {
    AbbassaPrioritaFilo();
    std::unique_lock blocco(mutex_);
    while (true) {
        lavoro_.wait(blocco, [this] { return fine_ || prossimo_; });
        if (fine_) return;
        std::unique_ptr<TDatiSistema> d = std::move(prossimo_);
        const std::uint64_t richiesta = ultima_;
        annulla_.Azzera();
        blocco.unlock();
        try {
            Esegui(richiesta, *d);
        } catch (...) {
            TEsitoConteggio e;
            e.Errore = kErroreMemoriaEsaurita;
            Consegna(richiesta, e);
        }
        d.reset();
        blocco.lock();
    }
}

void TConteggioDalVivo::Esegui(std::uint64_t richiesta, TDatiSistema& d) {
    TOpzioni o;
    std::uint64_t seme;
    {
        std::lock_guard blocco(mutex_);
        o = opzioni_;
        seme = semi_();
    }
    // The sample draws on a copy of its own: the exact count changes the state of the tests.
    std::unique_ptr<TDatiSistema> copiaCampione;
    const double candidati = static_cast<double>(d.PronosticoInGioco().ColonneIniziali());
    if (d.Sorgente.DaPronostico && candidati > 0) copiaCampione = CopiaPerConteggio(d);

    std::mutex mutexFine;
    std::condition_variable fineCv;
    bool finito = false;  // the final result went out: no estimate after it
    std::thread campionatore;
    if (copiaCampione) {
        const double attesa = candidati >= o.SogliaStima ? 0.0 : o.AttesaStima;
        campionatore = std::thread([&, attesa] {
            auto fermati = [&] {
                std::lock_guard b(mutexFine);
                return finito || annulla_.Richiesto();
            };
            {
                std::unique_lock b(mutexFine);
                if (fineCv.wait_for(b, std::chrono::duration<double>(attesa),
                                    [&] { return finito || annulla_.Richiesto(); }))
                    return;
            }
            using Orologio = std::chrono::steady_clock;
            auto ultimo = Orologio::time_point{};
            auto consegna = [&](const TStima& s) {
                const auto adesso = Orologio::now();
                if (s.ErroreRelativo() > o.Precisione &&
                    adesso - ultimo < std::chrono::duration<double>(o.IntervalloStime))
                    return;
                ultimo = adesso;
                TEsitoConteggio e;
                e.Stima = s;
                std::lock_guard b(mutexFine);
                if (!finito) Consegna(richiesta, e);
            };
            StimaSistema(*copiaCampione, seme, o.Precisione,
                         std::numeric_limits<std::int64_t>::max(), fermati, consegna);
        });
    }

    TEsitoConteggio esito;
    bool completo = false;
    try {
        completo = ContaEsatto(d, o.Fili > 0 ? o.Fili : d.Fili, &annulla_, esito);
    } catch (...) {
        esito = {};
        esito.Errore = kErroreMemoriaEsaurita;
        completo = true;
    }
    {
        std::lock_guard b(mutexFine);
        finito = true;
        if (completo) Consegna(richiesta, esito);
    }
    fineCv.notify_all();
    if (campionatore.joinable()) campionatore.join();
}

// ---------------------------------------------------------------------------------------------

namespace {

// `v` with `cifre` significant digits, as a number of units of `unita`, with Italian
// separators.
std::string Arrotondato(double v, int cifre, double unita) {
    const double x = v / unita;
    if (!(x > 0)) return "0";
    const int intere = x >= 1 ? static_cast<int>(std::floor(std::log10(x))) + 1 : 1;
    const int decimali = std::max(0, cifre - intere);
    const double passo = std::pow(10.0, intere - cifre);
    const double r = decimali > 0 ? x : std::round(x / passo) * passo;
    return FormattaImporto(r, decimali);
}

// Significant digits worth showing for an interval of this relative half-width.
int Cifre(double errore) {
    return errore >= 0.01 ? 2 : (errore >= 0.001 ? 3 : 4);
}

// "12.000", "1,2 milioni", "3 miliardi": `parola` (plural) after the number, with "di" after a
// million or more.
std::string Grande(double v, int cifre, const std::string& parola, const std::string& singolare) {
    auto unita = [&](double u, const char* uno, const char* molti) {
        const std::string t = Arrotondato(v, cifre, u);
        const bool un = t == "1";
        return t + " " + (un ? uno : molti) + (parola.empty() ? "" : " di " + parola);
    };
    if (v >= 999.5e6) return unita(1e9, "miliardo", "miliardi");
    if (v >= 999.5e3) return unita(1e6, "milione", "milioni");
    const std::string t = Arrotondato(v, cifre, 1);
    if (parola.empty()) return t;
    return t + " " + (t == "1" ? singolare : parola);
}

std::string Percento(double errore) {
    const double p = errore * 100;
    if (p >= 9.95) return "±" + FormattaImporto(std::round(p), 0) + "%";
    return "±" + FormattaImporto(std::max(p, 0.1), 1) + "%";
}

std::string Intero(std::int64_t n, bool colonne) {
    const std::string t = FormattaImporto(static_cast<double>(n), 0);
    if (!colonne) return t;
    return t + (n == 1 ? " colonna" : " colonne");
}

}  // namespace

std::string TestoConteggio(const TEsitoConteggio& e, bool colonne) {
    if (e.Esatto) return Intero(e.Colonne, colonne);
    const TStima& s = e.Stima;
    const std::string parola = colonne ? "colonne" : "";
    if (s.Passate == 0)
        return "≈ 0" + std::string(colonne ? " colonne" : "") + " (al massimo " +
               Grande(s.Max, 2, "", "") + ")";
    const double errore = s.ErroreRelativo();
    return "≈ " + Grande(s.Stima, Cifre(errore), parola, "colonna") + " (" + Percento(errore) + ")";
}

std::string TestoColonnePreviste(const TEsitoConteggio& e, const TPrezzi& prezzi,
                                 int partecipanti) {
    const std::string testa = "Colonne previste: ";
    if (!e.Errore.empty()) return testa + "conteggio non riuscito (" + e.Errore + ")";
    double importo = prezzi.Prezzo() * (e.Esatto ? static_cast<double>(e.Colonne) : e.Stima.Stima);
    std::string quota;
    if (partecipanti >= 2) {
        importo /= partecipanti;
        quota = " 1/" + std::to_string(partecipanti);
    }
    std::string costo = SimboloValuta(prezzi.Euro) + " ";
    if (e.Esatto)
        costo += FormattaImporto(importo, prezzi.Euro ? 2 : 0);
    else
        costo = "≈ " + costo + Arrotondato(importo, Cifre(e.Stima.ErroreRelativo()), 1);
    return testa + TestoConteggio(e) + " — Costo: " + costo + quota;
}

std::string TestoConteggioDialogo(const TEsitoConteggio& e, const TEsitoConteggio* prima) {
    const std::string testa = "Con queste impostazioni: ";
    if (!e.Errore.empty()) return testa + "conteggio non riuscito (" + e.Errore + ")";
    std::string t = testa + TestoConteggio(e, true);
    if (prima && prima->Esatto && e.Esatto && prima->Colonne != e.Colonne) {
        const std::int64_t d = e.Colonne - prima->Colonne;
        t += std::string(" (") + (d < 0 ? "−" : "+") +
             FormattaImporto(static_cast<double>(d < 0 ? -d : d), 0) + ")";
    }
    return t;
}

}  // namespace sirvela
