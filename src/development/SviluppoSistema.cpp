#include "development/SviluppoSistema.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/StatoValutazione.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/T_Sistema.h"

namespace sirvela {

namespace {

// The link statistics a copy gathered.
struct TStatisticheRecuperi : TStatisticheTest, TStatisticheLink {
    explicit TStatisticheRecuperi(TStatisticheLink&& s) : TStatisticheLink(std::move(s)) {}
};

}  // namespace

// The test on another thread: the conditions are the system's, only read; the link groups
// that count the errors of the column under test, the Punti Tra totals and the order of the
// plain path are its own.
class TTestCondizioni::TCopia : public ITestColonne {
  public:
    explicit TCopia(const TTestCondizioni& originale)
        : condizioni_(originale.condizioni_),
          recuperi_(originale.recuperi_.Proprietario),
          semplice_(originale.semplice_),
          foglie_(originale.foglie_),
          dopoPreFiltro_(originale.dopoPreFiltro_) {
        recuperi_.CopiaPerFilo(originale.recuperi_);
        recuperi_.AzzeraStatistiche();
        stato_.Recuperi = &recuperi_;
        stato_.TotaliTra = &totali_;
    }
    void Prepara() override {}
    bool Verifica(const TColonna& c) override {
        if (semplice_) return foglie_.Verifica(c);
        TStatoFilo filo(stato_);
        return condizioni_.Verifica(c);
    }
    bool VerificaPreFiltrata(const TColonna& c) override {
        if (semplice_) return dopoPreFiltro_.Verifica(c);
        TStatoFilo filo(stato_);
        return condizioni_.VerificaDopoPreTest(c);
    }
    std::unique_ptr<TStatisticheTest> PrendiStatistiche() override {
        auto s = recuperi_.PrendiStatistiche();
        if (!s) return nullptr;
        return std::make_unique<TStatisticheRecuperi>(std::move(*s));
    }

  private:
    TInsiemeCondizioni& condizioni_;
    TGestoreLink recuperi_;
    std::array<std::uint32_t, TCondPuntiTra::kGruppi + 1> totali_{};
    TStatoValutazione stato_;
    const bool semplice_;
    TElencoSemplice foglie_;
    TElencoSemplice dopoPreFiltro_;
};

TTestCondizioni::TTestCondizioni(TInsiemeCondizioni& condizioni, TGestoreLink& recuperi)
    : condizioni_(condizioni), recuperi_(recuperi) {}

TTestCondizioni::~TTestCondizioni() = default;

bool CopiaPerTest(const TDatiSistema& da, TDatiSistema& in) {
    in.Archivio = da.Archivio;
    in.Pronostico = da.Pronostico;
    in.NomiPiloti = da.NomiPiloti;
    in.PilotaEscluso = da.PilotaEscluso;
    in.Concorso = da.Concorso;
    TScrittore s;
    const bool scritte = da.Condizioni->Salva(s) && da.Recuperi->Salva(s);
    TLettore l(s.Dati());
    return scritte && in.Condizioni->Carica(l) && in.Recuperi->Carica(l);
}

std::unique_ptr<ITestColonne> TTestCondizioni::CopiaPerFilo() {
    if (condizioni_.RaccogliErrori) return nullptr;
    return std::make_unique<TCopia>(*this);
}

std::int64_t TTestCondizioni::MemoriaCopia() const {
    // The link manager (26 groups with their tables and statistics, some 20 KB each) and the
    // plain path's lists.
    const auto liste = static_cast<std::int64_t>(
        (foglie_.Foglie().size() + dopoPreFiltro_.Foglie().size()) * 2 * sizeof(std::int64_t));
    return static_cast<std::int64_t>(sizeof(TCopia)) + 27 * 20 * 1024 + liste;
}

std::unique_ptr<TStatisticheTest> TTestCondizioni::PrendiStatistiche() {
    auto s = recuperi_.PrendiStatistiche();
    if (!s) return nullptr;
    return std::make_unique<TStatisticheRecuperi>(std::move(*s));
}

void TTestCondizioni::Unisci(TStatisticheTest& statistiche) {
    if (auto* s = dynamic_cast<TStatisticheRecuperi*>(&statistiche)) recuperi_.SommaStatistiche(*s);
}

const TPotatura* TTestCondizioni::Potatura() const {
    return potatura_ && potatura_->Quanti() > 0 ? potatura_.get() : nullptr;
}

// The two conditions the column test decides first with plain lookups, while they can.
bool TTestCondizioni::PreFiltro(TPreFiltro& f) const {
    if (condizioni_.RaccogliErrori) return false;
    f = TPreFiltro{};
    bool usato = false;
    // A remainder depends on the total alone: its verdict on a column of each total.
    for (TCondizione* resto : restiNelFiltro_) {
        usato = true;
        for (int t = 0; t <= TPreFiltro::kTotaleMassimo; ++t) {
            TColonna c{};
            for (int i = 0, r = t; i < 8; ++i, r -= 255)
                c[i] = static_cast<std::uint8_t>(std::clamp(r, 0, 255));
            f.Totali[static_cast<std::size_t>(t)] =
                f.Totali[static_cast<std::size_t>(t)] && resto->Valuta(c);
        }
    }
    const auto* pd = dynamic_cast<const TCondPariDispari*>(condizioni_.Condizione(kPariDispari));
    if (pd && pd->VerificaRapida) {
        usato = true;
        for (int d = 0; d <= 8; ++d)
            f.Dispari[static_cast<std::size_t>(d)] =
                (!pd->Pari.Attivo ||
                 pd->Pari.Principale.Voci[static_cast<std::size_t>(8 - d)].Stato == 1) &&
                (!pd->Dispari.Attivo ||
                 pd->Dispari.Principale.Voci[static_cast<std::size_t>(d)].Stato == 1);
    } else {
        f.Dispari.fill(true);
    }
    const auto* so = dynamic_cast<const TCondSomme*>(condizioni_.Condizione(kSomme));
    if (so && so->VerificaRapida) {
        usato = true;
        // The single interval of an active list as whole numbers; nothing passes an empty one.
        auto limiti = [](const TIntervalliAmmessi& l, int* b) {
            if (!l.Attivo) return;
            const TIntervallo& i = l.Intervalli[0];
            if (l.Conta() == 0 || i.Tipo != 1 || !(i.Min <= i.Max)) {
                b[0] = 1;
                b[1] = 0;
                return;
            }
            const double k = TPreFiltro::kIllimitato;
            b[0] = static_cast<int>(std::clamp(std::ceil(i.Min), -k, k));
            b[1] = static_cast<int>(std::clamp(std::floor(i.Max), -k, k));
        };
        limiti(so->Tutti, f.Totale);
        limiti(so->Pari, f.Pari);
        limiti(so->Dispari, f.SommaDispari);
    }
    return usato;
}

void TTestCondizioni::Prepara() {
    condizioni_.AzzeraTutteStatistiche();
    condizioni_.Prepara(false);
    recuperi_.Esamina();
    recuperi_.AzzeraStatistiche();
    recuperi_.AggiornaStato();
    PreparaSemplice();
    PreparaPotatura();
}

void TTestCondizioni::PreparaPotatura() {
    potatura_ = std::make_unique<TPotatura>();
    if (condizioni_.RaccogliErrori) return;
    // The order the test tries the conditions in: the pre-test, then the slots.
    std::vector<TCondizione*> ordine;
    for (const int slot : {kPariDispari, kSomme}) {
        TCondizione* c = condizioni_.Condizione(slot);
        if (c && c->VerificaRapida) ordine.push_back(c);
    }
    for (int k = 0; k < condizioni_.QuanteAttive; ++k) {
        TCondizione* c = condizioni_.Attive[static_cast<unsigned>(k)];
        if (!c->VerificaRapida) ordine.push_back(c);
    }
    for (TCondizione* c : ordine) {
        // Past a condition that may register a recovery error, skipping a column would change
        // what the link groups count.
        if (!semplice_ && c->PuoRegistrare()) break;
        if (auto limite = c->LimitePrefisso()) potatura_->Aggiungi(c->Nome, std::move(limite));
    }
}

void TElencoSemplice::Svuota() {
    foglie_.clear();
    rifiuti_.clear();
    daCampionare_ = kCampioni;
}

void TElencoSemplice::Aggiungi(TCondizione* c) {
    foglie_.push_back(c);
    rifiuti_.push_back(0);
}

bool TElencoSemplice::Campiona(const TColonna& c) {
    bool ok = true;
    for (std::size_t i = 0; i < foglie_.size(); ++i)
        if (!foglie_[i]->Valuta(c)) {
            ++rifiuti_[i];
            ok = false;
        }
    if (--daCampionare_ == 0) {
        std::vector<std::size_t> ordine(foglie_.size());
        for (std::size_t i = 0; i < ordine.size(); ++i) ordine[i] = i;
        std::stable_sort(ordine.begin(), ordine.end(),
                         [&](std::size_t a, std::size_t b) { return rifiuti_[a] > rifiuti_[b]; });
        std::vector<TCondizione*> foglie;
        for (const std::size_t i : ordine) foglie.push_back(foglie_[i]);
        foglie_ = std::move(foglie);
    }
    return ok;
}

void TTestCondizioni::PreparaSemplice() {
    foglie_.Svuota();
    dopoPreFiltro_.Svuota();
    restiNelFiltro_.clear();
    const TValoriAmmessi& totali = recuperi_.ErroriAmmessiTotali;
    // With no letter in use every column registers no error: the overall table then decides
    // nothing when it accepts zero errors outright.
    const bool linkInerti =
        recuperi_.LettereInUso.empty() &&
        (!totali.Attivo || !totali.Principale.Attiva || totali.Principale.Voci[0].Stato == 1) &&
        (!totali.Attivo || !totali.Secondaria.Attiva || totali.Secondaria.Voci[0].Stato == 1);
    semplice_ = linkInerti && !condizioni_.RaccogliErrori && !condizioni_.PuntiTraAttivo();
    if (!semplice_) return;
    for (int k = 0; k < condizioni_.QuanteAttive; ++k) {
        TCondizione* c = condizioni_.Attive[static_cast<unsigned>(k)];
        auto* gruppo = dynamic_cast<TCondGruppo*>(c);
        if (!gruppo) {
            foglie_.Aggiungi(c);
            if (!c->VerificaRapida) dopoPreFiltro_.Aggiungi(c);
            continue;
        }
        for (auto& m : gruppo->Membri)
            if (m->Attivo && m->Attivato) {
                foglie_.Aggiungi(m.get());
                if (m->TipoCondizione == kResti)
                    restiNelFiltro_.push_back(m.get());
                else
                    dopoPreFiltro_.Aggiungi(m.get());
            }
    }
}

bool TTestCondizioni::Verifica(const TColonna& c) {
    return semplice_ ? foglie_.Verifica(c) : condizioni_.Verifica(c);
}

bool TTestCondizioni::VerificaPreFiltrata(const TColonna& c) {
    return semplice_ ? dopoPreFiltro_.Verifica(c) : condizioni_.VerificaDopoPreTest(c);
}

namespace {

std::int32_t In32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

TDatiSviluppo DatiDelSistema(const TDatiSistema& d, const TPronostico& inGioco) {
    TDatiSviluppo dati;
    dati.Pronostico = &inGioco;
    dati.Piloti = d.PilotiInGioco();
    dati.Sorgente = d.Sorgente;
    dati.Impostazioni = d.ImpSviluppo;
    dati.Prezzi = d.Prezzi;
    return dati;
}

void SviluppaSistema(T_Sistema& sistema, const TServiziSviluppo& servizi, TEsitoSviluppo& esito) {
    TDatiSistema& d = sistema.Dati;
    const TPronostico inGioco = d.PronosticoInGioco();
    TDatiSviluppo dati = DatiDelSistema(d, inGioco);
    dati.Partecipanti = sistema.NumPartecipanti;
    TTestCondizioni test(*d.Condizioni, *d.Recuperi);
    TServiziSviluppo s = servizi;
    s.Test = &test;
    if (s.Fili <= 0) s.Fili = d.Fili;
    auto riporta = [&] {
        if (!esito.Avviato) return;
        d.Sviluppato = true;
        d.ColonneSviluppate = In32(esito.ColonneSviluppate);
        sistema.ContaAmmesse = In32(esito.ContaAmmesse);
    };
    try {
        SviluppaSistema(d.Colonne, dati, s, esito);
    } catch (...) {
        riporta();
        throw;
    }
    riporta();
}

}  // namespace sirvela
