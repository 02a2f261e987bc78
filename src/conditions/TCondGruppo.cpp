#include "conditions/TCondGruppo.h"

#include "conditions/Fabbrica.h"
#include "core/Testo.h"

namespace sirvela {

TCondContenitore::TCondContenitore(TDatiSistema* proprietario, std::uint8_t tipo, std::string nome)
    : TCondizione(proprietario, tipo, std::move(nome)) {}

TCondizione* TCondContenitore::Membro(int indice) const {
    if (indice < 0 || indice >= QuantiMembri()) return nullptr;
    return Membri[static_cast<std::size_t>(indice)].get();
}

void TCondContenitore::ImpostaPercorso(const std::string& prefisso) {
    TCondizione::ImpostaPercorso(prefisso);
    for (int i = 0; i < QuantiMembri(); ++i)
        Membri[static_cast<std::size_t>(i)]->ImpostaPercorso(Percorso + " " +
                                                             ZeriIniziali(i + 1, 3));
}

void TCondContenitore::RaccogliLink(char lettera, TEsameTraLink& esame) {
    TCondizione::RaccogliLink(lettera, esame);
    for (auto& m : Membri)
        if (m->Attivato) m->RaccogliLink(lettera, esame);
}

void TCondContenitore::RaccogliGruppoTra(int gruppo, TEsameTraLink& esame) {
    TCondizione::RaccogliGruppoTra(gruppo, esame);
    for (auto& m : Membri)
        if (m->Attivato) m->RaccogliGruppoTra(gruppo, esame);
}

bool TCondContenitore::PuoRegistrare() const {
    if (TCondizione::PuoRegistrare()) return true;
    for (const auto& m : Membri)
        if (m->Attivo && m->PuoRegistrare()) return true;
    return false;
}

void TCondContenitore::AzzeraStatistiche() {
    TCondizione::AzzeraStatistiche();
    for (auto& m : Membri) m->AzzeraStatistiche();
}

bool TCondContenitore::AggiornaMembri() {
    bool qualcuno = false;
    for (auto& m : Membri) {
        const bool proprio = m->Attivato;
        m->Attivato = proprio && Attivato;
        m->AggiornaStato();
        m->Attivato = proprio;
        qualcuno = qualcuno || m->Attivo;
    }
    return qualcuno;
}

// ---------------------------------------------------------------------------------------------

namespace {
const char* NomeContenitore(int tipo) {
    switch (tipo) {
        case kGruppoDistanzeSpecifiche:
            return "Gr. Dist. Specifiche";
        case kGruppoResti:
            return "Gruppo Resti";
        case kGruppoConsecutivita:
            return "Gruppo Consecutività";
        case kGruppoSequele:
            return "Gruppo Sequele";
        case kGruppoColonneFiltro:
            return "Gruppo Comb. Filtro";
        default:
            return "";
    }
}
}  // namespace

bool MembroAmmesso(std::uint8_t tipoMembri, int tipo) {
    if (tipoMembri != 0) return tipo == tipoMembri;
    return (tipo >= kSomme && tipo <= kPuntiTra) ||
           (tipo >= kConsecutivitaDifferenziata && tipo <= kSequela);
}

TCondGruppo::TCondGruppo(TDatiSistema* proprietario, std::uint8_t tipo)
    : TCondContenitore(proprietario, tipo, NomeContenitore(tipo)) {
    RegistraAttivato();
    RegistraMembri(TipoMembri(), INT32_MAX);
}

std::uint8_t TCondGruppo::TipoMembriDi(int tipoContenitore) {
    switch (tipoContenitore) {
        case kGruppoDistanzeSpecifiche:
            return kDistanzeSpecifiche;
        case kGruppoResti:
            return kResti;
        case kGruppoConsecutivita:
            return kConsecutivitaDifferenziata;
        case kGruppoSequele:
            return kSequela;
        case kGruppoColonneFiltro:
            return kColonnaFiltro;
        default:
            return 0;
    }
}

TCondizione* TCondGruppo::AggiungiMembro() {
    auto membro = CreaCondizione(TipoMembri(), Proprietario);
    if (!membro) return nullptr;
    Membri.push_back(std::move(membro));
    return Membri.back().get();
}

bool TCondGruppo::EliminaMembro(int indice) {
    if (indice < 0 || indice >= QuantiMembri()) return false;
    Membri.erase(Membri.begin() + indice);
    return true;
}

bool TCondGruppo::Valuta(const TColonna& c) {
    bool esito = true;
    for (auto& m : Membri) {
        if (!m->Attivo || !m->Attivato) continue;
        if (m->Valuta(c)) continue;
        if (!RaccoltaErrori()) return false;
        esito = false;
        AggiungiErrore(m.get(), 0);
    }
    return esito;
}

void TCondGruppo::AggiornaStato() {
    const bool qualcuno = AggiornaMembri();
    Attivo = !Membri.empty() && qualcuno && Attivato;
    VerificaRapida = false;
}

}  // namespace sirvela
