#include "tools/TEditorColonne.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/FileColonne.h"
#include "core/Globali.h"
#include "core/Interfacce.h"
#include "core/MotiviFile.h"
#include "core/Testo.h"

namespace sirvela {
namespace {

bool Vuota(const TListCol& v) {
    return ColonnaVuota(v.Colonna);
}

TEsitoEditor Fallimento(const std::string& messaggio) {
    TEsitoEditor esito;
    esito.Ok = false;
    esito.Messaggio = messaggio;
    return esito;
}

}  // namespace

TEditorColonne::TEditorColonne() {
    Azzera();
}

std::string TEditorColonne::Titolo() const {
    return "Editor Colonnare - " + NomeSenzaCartella(NomeFile);
}

TEditorColonne::TCelle TEditorColonne::Vista() const {
    TCelle celle;
    for (int j = 0; j < kColonneGriglia; ++j) {
        const std::int64_t voce = Scorrimento + j;
        if (voce < 0 || voce >= QuanteVoci()) continue;
        const TColonna& c = ListaEditor[static_cast<std::size_t>(voce)].Colonna;
        for (int r = 0; r < kRighe; ++r)
            if (c[r] != 0) celle[j][r] = std::to_string(c[r]);
    }
    return celle;
}

void TEditorColonne::MemorizzaVista(const TCelle& celle) {
    for (int j = 0; j < kColonneGriglia; ++j) {
        TColonna c{};
        for (int r = 0; r < kRighe; ++r) {
            long long v = 0;
            if (InteroDaTesto(Comprimi(celle[j][r]), v) && v <= kMaxPiloti &&
                Piloti.InGioco(static_cast<int>(v)))
                c[r] = static_cast<std::uint8_t>(v);
        }
        const std::int64_t voce = std::max<std::int64_t>(Scorrimento, 0) + j;
        // Columns typed to the right of the list's end stay where they were typed.
        if (voce >= QuanteVoci()) ListaEditor.resize(static_cast<std::size_t>(voce) + 1);
        ListaEditor[static_cast<std::size_t>(voce)].Colonna = c;
    }
}

void TEditorColonne::Mostra(const TCellaEditor& cella) {
    Corrente = cella;
    if (cella.Voce < Scorrimento || cella.Voce >= Scorrimento + kColonneGriglia)
        Scorrimento = std::max<std::int64_t>(cella.Voce, 0);
}

TEsitoEditor TEditorColonne::VerificaDati() {
    for (std::size_t i = 0; i < ListaEditor.size(); ++i) {
        const TColonna& c = ListaEditor[i].Colonna;
        if (ColonnaVuota(c)) continue;
        std::uint64_t visti = 0;  // one bit per pilot already met in this column
        for (int r = 0; r < kRighe; ++r) {
            const char* errore = nullptr;
            if (!Piloti.InGioco(c[r]))
                errore = kMsgNumeroNonValido;
            else if (visti >> c[r] & 1)
                errore = kMsgNumeroDoppio;
            else
                visti |= std::uint64_t{1} << c[r];
            if (errore) {
                TEsitoEditor esito{false, errore, true, {static_cast<std::int64_t>(i), r}};
                Mostra(esito.Cella);
                return esito;
            }
        }
    }
    return {};
}

void TEditorColonne::RimuoviVuote() {
    std::erase_if(ListaEditor, Vuota);
    Corrente.Voce =
        std::clamp<std::int64_t>(Corrente.Voce, 0, std::max<std::int64_t>(QuanteVoci() - 1, 0));
}

TEsitoEditor TEditorColonne::Ordina() {
    TEsitoEditor esito = VerificaDati();
    if (!esito.Ok) return esito;
    RimuoviVuote();
    // Whole columns are compared, so equal entries are indistinguishable and any sort gives
    // the order a selection sort would. Position 1 is made the most significant byte of one
    // word, so a million columns sort as plain numbers.
    std::vector<std::uint64_t> chiavi;
    chiavi.reserve(ListaEditor.size());
    for (const TListCol& v : ListaEditor)
        chiavi.push_back(__builtin_bswap64(ComeParola(v.Colonna)));
    if (!std::is_sorted(chiavi.begin(), chiavi.end())) {
        std::sort(chiavi.begin(), chiavi.end());
        for (std::size_t i = 0; i < chiavi.size(); ++i) {
            const std::uint64_t k = __builtin_bswap64(chiavi[i]);
            std::memcpy(ListaEditor[i].Colonna.data(), &k, 8);
        }
        Modificato = true;
    }
    Scorrimento = 0;
    Corrente = {};
    return esito;
}

void TEditorColonne::CancellaCorrente() {
    if (Corrente.Voce < 0 || Corrente.Voce >= QuanteVoci()) return;
    const bool vuota = Vuota(ListaEditor[static_cast<std::size_t>(Corrente.Voce)]);
    ListaEditor.erase(ListaEditor.begin() + Corrente.Voce);
    if (!vuota) Modificato = true;
}

void TEditorColonne::InserisciVuota() {
    const std::int64_t voce = std::clamp<std::int64_t>(Corrente.Voce, 0, QuanteVoci());
    ListaEditor.insert(ListaEditor.begin() + voce, TListCol{});
}

void TEditorColonne::SaltaAllaPrima() {
    Mostra({0, 0});
}

void TEditorColonne::SaltaAllUltima() {
    Mostra({std::max<std::int64_t>(QuanteVoci() - 1, 0), 0});
}

bool TEditorColonne::SaltaAllaColonna(std::int64_t n) {
    if (n < 1 || n > QuanteVoci()) return false;
    Mostra({n - 1, 0});
    return true;
}

void TEditorColonne::Azzera() {
    ListaEditor.clear();
    NomeFile = (CartellaColonne() / "Personali.Scl").string();
    NomeScelto = false;
    Modificato = false;
    Scorrimento = 0;
    Corrente = {};
}

TEsitoEditor TEditorColonne::LeggiFile(const std::string& percorso, TListaColonne& lista) const {
    TEsitoEditor esito;
    esito.Messaggio =
        CaricaFileColonne(lista, percorso, TControlloColonne(Piloti), kMsgCaricamentoImpossibile);
    esito.Ok = esito.Messaggio.empty();
    return esito;
}

TEsitoEditor TEditorColonne::Carica(const std::string& percorso) {
    TListaColonne lista;
    if (auto esito = LeggiFile(percorso, lista); !esito.Ok) return esito;
    ListaEditor.clear();
    ListaEditor.reserve(static_cast<std::size_t>(lista.Quante()));
    for (const TColonna& c : lista) ListaEditor.push_back(TListCol{c});
    NomeFile = percorso;
    NomeScelto = true;
    Modificato = false;
    Scorrimento = 0;
    Corrente = {};
    return {};
}

TEsitoEditor TEditorColonne::InserisciFile(const std::string& percorso) {
    TListaColonne lista;
    if (auto esito = LeggiFile(percorso, lista); !esito.Ok) return esito;
    std::vector<TListCol> nuove;
    nuove.reserve(static_cast<std::size_t>(lista.Quante()));
    for (const TColonna& c : lista) nuove.push_back(TListCol{c});
    const std::int64_t voce = std::clamp<std::int64_t>(Corrente.Voce, 0, QuanteVoci());
    ListaEditor.insert(ListaEditor.begin() + voce, nuove.begin(), nuove.end());
    if (!nuove.empty()) Modificato = true;
    return {};
}

TListaColonne TEditorColonne::ColonneNonVuote() const {
    TListaColonne lista;
    for (const TListCol& v : ListaEditor)
        if (!Vuota(v)) lista.Accoda(v.Colonna);
    return lista;
}

TEsitoEditor TEditorColonne::Salva(const std::string& percorso) {
    TEsitoEditor esito = VerificaDati();
    if (!esito.Ok) return esito;
    if (!ColonneNonVuote().SalvaSuFile(percorso))
        return Fallimento(ConFile(kMsgSalvataggioImpossibile, percorso, MotivoScrittura(percorso)));
    NomeFile = percorso;
    NomeScelto = true;
    Modificato = false;
    return esito;
}

bool TEditorColonne::ConfermaSalvataggio(IMessaggi& messaggi, bool annullabile,
                                         const std::function<bool()>& salva) const {
    if (!Modificato) return true;
    const int pulsanti = PulsanteSi | PulsanteNo | (annullabile ? PulsanteAnnulla : 0);
    switch (messaggi.Mostra("Informazione", kMsgColonneNonSalvate, pulsanti)) {
        case PulsanteSi:
            return salva && salva();
        case PulsanteNo:
            return true;
        case PulsanteAnnulla:
            return false;
        default:  // closed without an answer
            return !annullabile;
    }
}

bool TEditorColonne::ConfermaSovrascrittura(IMessaggi& messaggi, const std::string& percorso) {
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec)) return true;
    return messaggi.Mostra("Informazione", kMsgFileEsistente, PulsanteSi | PulsanteNo) ==
           PulsanteSi;
}

TEditorColonne::TPassoInvio TEditorColonne::Invio(int colonnaGriglia, int riga) {
    if (riga < kRighe - 1) return {colonnaGriglia, riga + 1, false};
    if (colonnaGriglia < kColonneGriglia - 1) return {colonnaGriglia + 1, 0, false};
    return {colonnaGriglia, 0, true};
}

bool TEditorColonne::TastoAccettato(const std::string& testo, char tasto) {
    if (tasto == '\b') return true;
    if ((tasto >= '0' && tasto <= '9') || tasto == ' ') return testo.size() < 2;
    return false;
}

}  // namespace sirvela
