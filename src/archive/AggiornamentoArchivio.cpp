#include "archive/AggiornamentoArchivio.h"

#include <algorithm>
#include <chrono>

#include "core/Interfacce.h"

namespace sirvela {
namespace {

int AnnoDiOggi() {
    const auto oggi = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return std::clamp(static_cast<int>(oggi.year()), kAnnoMinimo, kAnnoMassimo);
}

}  // namespace

TAggiornamentoArchivio::TAggiornamentoArchivio(TArchivio& archivio, IMessaggi& messaggi)
    : archivio_(archivio), messaggi_(messaggi), indice_(archivio.Quante() - 1) {}

const TEstrazione* TAggiornamentoArchivio::Corrente() const {
    if (indice_ < 0 || indice_ >= archivio_.Quante()) return nullptr;
    return &archivio_[indice_];
}

TVistaConcorso TAggiornamentoArchivio::Vista() const {
    TVistaConcorso v;
    const TEstrazione* e = Corrente();
    if (!e) return v;
    v.Numero = std::to_string(e->Numero);
    v.Anno = std::to_string(e->Anno);
    v.Posizione = std::to_string(indice_ + 1);
    for (std::size_t p = 0; p < 8; ++p)
        if (e->Vincente[p] != 0) v.Piloti[p] = std::to_string(e->Vincente[p]);
    return v;
}

void TAggiornamentoArchivio::Primo() {
    indice_ = archivio_.Quante() > 0 ? 0 : -1;
}
void TAggiornamentoArchivio::Ultimo() {
    indice_ = archivio_.Quante() - 1;
}
void TAggiornamentoArchivio::Precedente() {
    if (indice_ > 0) --indice_;
}
void TAggiornamentoArchivio::Successivo() {
    if (indice_ < archivio_.Quante() - 1) ++indice_;
}

void TAggiornamentoArchivio::AnnoIndietro() {
    const TEstrazione* e = Corrente();
    if (!e) return;
    const int n = e->Numero;
    const std::int64_t anno = std::int64_t{e->Anno} - 1;
    if (indice_ > 0) --indice_;
    while (indice_ > 0) {
        const TEstrazione& c = archivio_[indice_];
        if (c.Anno == anno && c.Numero <= n) break;
        --indice_;
    }
}

void TAggiornamentoArchivio::AnnoAvanti() {
    const TEstrazione* e = Corrente();
    if (!e) return;
    const int n = e->Numero;
    const std::int64_t anno = std::int64_t{e->Anno} + 1;
    const int ultimo = archivio_.Quante() - 1;
    indice_ = ultimo == 0 ? 0 : 1;
    while (indice_ < ultimo) {
        const TEstrazione& c = archivio_[indice_];
        if (c.Anno == anno && c.Numero >= n) break;
        ++indice_;
    }
}

TEstrazione TAggiornamentoArchivio::NuovoConcorso() const {
    TEstrazione e;
    if (archivio_.Quante() == 0) {
        e.Anno = AnnoDiOggi();
        e.Numero = 1;
        return e;
    }
    const TEstrazione& ultimo = archivio_.Estrazioni.back();
    e.Anno = std::clamp(ultimo.Anno, kAnnoMinimo, kAnnoMassimo);
    e.Numero = static_cast<std::uint8_t>(std::min(ultimo.Numero + 1, 255));
    return e;
}

TEstrazione TAggiornamentoArchivio::ConcorsoCorrente() const {
    const TEstrazione* e = Corrente();
    return e ? *e : TEstrazione{};
}

void TAggiornamentoArchivio::Aggiungi(const TEstrazione& e) {
    modificato_ = true;
    indice_ = archivio_.Inserisce(e);
}

void TAggiornamentoArchivio::Modifica(const TEstrazione& e) {
    if (!Corrente()) return;
    modificato_ = true;
    archivio_.EliminaIn(indice_);
    indice_ = archivio_.Inserisce(e);
}

bool TAggiornamentoArchivio::Elimina() {
    if (!Corrente()) return false;
    if (messaggi_.Mostra("Conferma", kConfermaEliminaConcorso, PulsanteSi | PulsanteNo) !=
        PulsanteSi)
        return false;
    archivio_.EliminaIn(indice_);
    indice_ = std::min(indice_, archivio_.Quante() - 1);
    modificato_ = true;
    return true;
}

bool TAggiornamentoArchivio::Ok() {
    modificato_ = false;
    bool occupato = false;
    if (archivio_.Salva(false, &occupato)) return true;
    messaggi_.Errore(occupato ? TestoErroreSalvaArchivi(true)
                              : ErroreSalvaArchivi(TArchivio::FileLocale()));
    return false;
}

bool TAggiornamentoArchivio::Annulla() {
    if (!modificato_) return true;
    modificato_ = false;
    const bool ok = archivio_.Carica(false);
    if (!ok) messaggi_.Errore(ErroreCaricaArchivi(TArchivio::FileLocale()));
    indice_ = std::min(indice_, archivio_.Quante() - 1);
    return ok;
}

TEditorConcorso::TEditorConcorso(const TArchivio& archivio, IMessaggi& messaggi, Modo modo,
                                 const TEstrazione& iniziale)
    : Concorso(iniziale), archivio_(archivio), messaggi_(messaggi), modo_(modo) {}

bool TEditorConcorso::Ok(int numero, int anno, std::span<const int> piloti) {
    if (piloti.size() > 8) return false;
    TColonna vincente{};
    for (std::size_t p = 0; p < piloti.size(); ++p) {
        if (piloti[p] < 0 || piloti[p] > 255) return false;
        vincente[p] = static_cast<std::uint8_t>(piloti[p]);
    }
    Concorso.Numero = static_cast<std::uint8_t>(std::clamp(numero, 1, 255));
    Concorso.Anno = std::clamp(anno, kAnnoMinimo, kAnnoMassimo);
    Concorso.Vincente = vincente;
    if (modo_ == Modo::Aggiunta && archivio_.Esiste(Concorso.Anno, Concorso.Numero)) {
        messaggi_.Mostra("Informazione", kConcorsoGiaPresente, PulsanteOk);
        return false;
    }
    Confermato = true;
    return true;
}

}  // namespace sirvela
