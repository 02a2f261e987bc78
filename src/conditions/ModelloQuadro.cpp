#include "conditions/ModelloQuadro.h"

#include <algorithm>

#include "conditions/Fabbrica.h"
#include "core/FlussoBinario.h"
#include "core/Testo.h"

namespace sirvela {

namespace {

std::vector<std::uint8_t> Record(const TCondizione& c) {
    TScrittore s;
    c.Salva(s);
    return s.Dati();
}

}  // namespace

TModelloQuadro::TModelloQuadro() : radice_(std::make_unique<TCondQuadro>(nullptr)) {}
TModelloQuadro::~TModelloQuadro() = default;

void TModelloQuadro::ImpostaOggetto(TCondQuadro* q) {
    oggetto_ = q;
    percorso_.clear();
    appunti_.Contenuto.clear();
    radice_.reset();
    if (q)
        if (auto copia = q->Clona()) radice_.reset(static_cast<TCondQuadro*>(copia.release()));
    if (!radice_) radice_ = std::make_unique<TCondQuadro>(q ? q->Proprietario : nullptr);
    radice_->DeselezionaTutti();
    // Recomputing the state may tidy tables: the comparison on "OK" starts from the tidy copy.
    radice_->AggiornaStato();
    originale_ = Record(*radice_);
    Mostra();
}

TCondQuadro& TModelloQuadro::Mostrato() const {
    TCondQuadro* q = radice_.get();
    for (int i : percorso_) q = static_cast<TCondQuadro*>(q->Membro(i));
    return *q;
}

std::string TModelloQuadro::TestoPercorso() const {
    std::string testo = radice_->Nome;
    const TCondQuadro* q = radice_.get();
    for (int i : percorso_) {
        q = static_cast<const TCondQuadro*>(q->Membro(i));
        testo += " \\ " + q->Nome;
    }
    return testo;
}

void TModelloQuadro::Prendi() {
    Livello.AcquisisceForm();
}

void TModelloQuadro::Mostra() {
    Livello.ImpostaOggetto(&Mostrato());
    Livello.AggiornaForm();
}

void TModelloQuadro::DopoMembri() {
    if (Mostrato().Preset) Mostrato().ApplicaPreset();
    Mostra();
}

void TModelloQuadro::ImpostaNome(const std::string& nome) {
    Mostrato().Nome = TagliaStringaCorta(nome, kLunghezzaNome);
}

void TModelloQuadro::ImpostaPreset(bool preset) {
    Prendi();
    Mostrato().Preset = preset;
    DopoMembri();
}

void TModelloQuadro::ImpostaRelazione(int relazione) {
    if (relazione < kAnd || relazione > kNot) return;
    Prendi();
    Mostrato().Relazione = static_cast<std::uint8_t>(relazione);
    DopoMembri();
}

void TModelloQuadro::ImpostaCommento(std::vector<std::string> righe) {
    Mostrato().Commento = std::move(righe);
}

void TModelloQuadro::ImpostaSelezione(const std::vector<int>& indici) {
    TCondQuadro& q = Mostrato();
    q.DeselezionaTutti();
    for (int i : indici)
        if (TCondizione* m = q.Membro(i)) m->Selezionato = true;
}

int TModelloQuadro::QuantiSelezionati() const {
    const auto& membri = Mostrato().Membri;
    return static_cast<int>(
        std::count_if(membri.begin(), membri.end(), [](const auto& m) { return m->Selezionato; }));
}

int TModelloQuadro::AggiungiMembri(const std::function<int(TCondQuadro&)>& aggiungi) {
    Prendi();
    const int n = aggiungi(Mostrato());
    DopoMembri();
    return n;
}

TEsito TModelloQuadro::Nuova(std::uint8_t tipo, int posto) {
    TDatiSistema* proprietario = radice_->Proprietario;
    std::unique_ptr<TCondizione> nuova =
        tipo == kQuadro ? std::make_unique<TCondQuadro>(proprietario, kNomeSubQuadro)
                        : CreaCondizione(tipo, proprietario);
    if (!nuova) return {};
    std::vector<std::unique_ptr<TCondizione>> uno;
    uno.push_back(std::move(nuova));
    Prendi();
    const TEsito esito = Mostrato().Inserisci(posto, std::move(uno));
    DopoMembri();
    return esito;
}

int TModelloQuadro::Taglia() {
    Prendi();
    const int n = appunti_.Taglia(Mostrato());
    DopoMembri();
    return n;
}

int TModelloQuadro::Copia() {
    return appunti_.Copia(Mostrato());
}

TEsito TModelloQuadro::Incolla(int posto) {
    Prendi();
    const TEsito esito = appunti_.Incolla(Mostrato(), posto);
    DopoMembri();
    return esito;
}

int TModelloQuadro::Elimina() {
    Prendi();
    const int n = Mostrato().EliminaSelezionati();
    DopoMembri();
    return n;
}

TEsito TModelloQuadro::SalvaCondizioni(const std::filesystem::path& percorso) const {
    return sirvela::SalvaCondizioni(Mostrato(), percorso);
}

TEsito TModelloQuadro::CaricaCondizioni(const std::filesystem::path& percorso, int posto) {
    Prendi();
    const TEsito esito = sirvela::CaricaCondizioni(Mostrato(), percorso, posto);
    DopoMembri();
    return esito;
}

TEsito TModelloQuadro::SalvaQuadro(const std::filesystem::path& percorso) {
    Prendi();
    return sirvela::SalvaQuadro(Mostrato(), percorso);
}

TEsito TModelloQuadro::CaricaQuadro(const std::filesystem::path& percorso) {
    Prendi();
    const TEsito esito = sirvela::CaricaQuadro(Mostrato(), percorso);
    Mostra();
    return esito;
}

void TModelloQuadro::Azzera() {
    Mostrato().Svuota();
    DopoMembri();
}

bool TModelloQuadro::EQuadro(int i) const {
    const TCondizione* m = Membro(i);
    return m && m->TipoCondizione == kQuadro;
}

bool TModelloQuadro::Entra(int i) {
    if (!EQuadro(i)) return false;
    Prendi();
    Mostrato().DeselezionaTutti();
    percorso_.push_back(i);
    Mostra();
    return true;
}

bool TModelloQuadro::Esci() {
    if (percorso_.empty()) return false;
    Prendi();
    Mostrato().DeselezionaTutti();
    percorso_.pop_back();
    Mostra();
    return true;
}

bool TModelloQuadro::VaiA(const std::vector<int>& percorso) {
    const TCondQuadro* q = radice_.get();
    for (int i : percorso) {
        const TCondizione* m = q->Membro(i);
        if (!m || m->TipoCondizione != kQuadro) return false;
        q = static_cast<const TCondQuadro*>(m);
    }
    Prendi();
    Mostrato().DeselezionaTutti();
    percorso_ = percorso;
    Mostra();
    return true;
}

bool TModelloQuadro::Applica() {
    Prendi();
    radice_->AggiornaStato();
    if (!oggetto_ || Record(*radice_) == originale_) return false;
    oggetto_->Prendi(*radice_);
    oggetto_->DeselezionaTutti();
    oggetto_->AggiornaStato();
    // The copy is spent: the dialog goes on with an empty Quadro until it is given another.
    ImpostaOggetto(nullptr);
    return true;
}

std::unique_ptr<TCondizione> TModelloQuadro::CopiaIntera() const {
    if (!radice_) return nullptr;
    std::unique_ptr<TCondizione> mostrato = Livello.CopiaCorrente();
    if (percorso_.empty() && mostrato) return mostrato;
    std::unique_ptr<TCondizione> copia = radice_->Clona();
    if (!copia) return nullptr;
    if (mostrato) {
        // The Quadro shown replaces its place among the members of the one enclosing it.
        auto* q = static_cast<TCondQuadro*>(copia.get());
        for (std::size_t k = 0; k + 1 < percorso_.size(); ++k)
            q = static_cast<TCondQuadro*>(q->Membro(percorso_[k]));
        q->Membri[static_cast<std::size_t>(percorso_.back())] = std::move(mostrato);
        copia->AggiornaStato();
    }
    return copia;
}

// ---------------------------------------------------------------------------------------------

namespace {

void AggiungiNodi(TCondQuadro& q, int padre, const TCondQuadro* evidenziato,
                  std::vector<TNodoAlbero>& nodi) {
    const TNodoAlbero capo = nodi[static_cast<std::size_t>(padre)];
    for (int i = 0; i < q.QuantiMembri(); ++i) {
        TCondizione* m = q.Membro(i);
        TNodoAlbero n;
        n.Nome = m->Nome;
        n.Livello = capo.Livello + 1;
        n.Padre = padre;
        n.Quadro = m->TipoCondizione == kQuadro;
        n.Evidenziato = m == evidenziato;
        n.Attivato = m->Attivato;
        n.Condizione = m;
        n.Percorso = capo.Percorso;
        n.Percorso.push_back(i);
        nodi.push_back(std::move(n));
        if (m->TipoCondizione == kQuadro)
            AggiungiNodi(static_cast<TCondQuadro&>(*m), static_cast<int>(nodi.size()) - 1,
                         evidenziato, nodi);
    }
}

}  // namespace

std::vector<TNodoAlbero> AlberoQuadri(TCondQuadro& radice, const TCondQuadro* evidenziato) {
    std::vector<TNodoAlbero> nodi(1);
    nodi[0].Nome = radice.Nome;
    nodi[0].Quadro = true;
    nodi[0].Evidenziato = &radice == evidenziato;
    nodi[0].Attivato = radice.Attivato;
    nodi[0].Condizione = &radice;
    AggiungiNodi(radice, 0, evidenziato, nodi);
    return nodi;
}

}  // namespace sirvela
