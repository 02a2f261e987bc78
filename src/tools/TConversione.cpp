#include "tools/TConversione.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "core/Errore.h"
#include "core/FileColonne.h"
#include "core/FlussoBinario.h"
#include "core/Interfacce.h"
#include "core/MotiviFile.h"
#include "core/Testo.h"

namespace sirvela {
namespace {

const TFormatoColonne& Formato(int indice) {
    return kFormatiColonne[static_cast<std::size_t>(
        std::clamp(indice, 0, static_cast<int>(kFormatiColonne.size()) - 1))];
}

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Two names of the same file, also through different spellings of the folder.
bool StessoFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::exists(a, ec) && std::filesystem::exists(b, ec))
        return std::filesystem::equivalent(a, b, ec);
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    if (ec) return a.lexically_normal() == b.lexically_normal();
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    if (ec) return a.lexically_normal() == b.lexically_normal();
    return ca == cb;
}

// Lines of a text file, the line break being LF or CR LF.
class TLettoreRighe {
  public:
    explicit TLettoreRighe(const std::filesystem::path& p) : in_(p, std::ios::binary) {}
    bool Aperto() const { return in_.is_open(); }
    bool Errore() const { return in_.bad(); }
    bool Prossima(std::string& riga) {
        if (!std::getline(in_, riga)) return false;
        ++numero_;
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (numero_ == 1 && riga.rfind("\xEF\xBB\xBF", 0) == 0) riga.erase(0, 3);
        return true;
    }
    long long Numero() const { return numero_; }

  private:
    std::ifstream in_;
    long long numero_ = 0;
};

enum class TEsitoFile { Convertito, Interrotto, Errore };

}  // namespace

std::string MessaggioConversioneImpossibile(const std::string& nome, const std::string& motivo) {
    return "Impossibile convertire il file " + nome + ": " + motivo + ". Elaborazione terminata";
}

std::string FiltroFormato(int formato) {
    return std::string("*.") + Formato(formato).Estensione;
}

std::string NomeConvertito(const std::string& nome, int formato) {
    const auto punto = nome.find('.');
    return nome.substr(0, punto) + "." + Formato(formato).Estensione;
}

std::vector<std::string> ElencoFileFormato(const std::filesystem::path& cartella, int formato) {
    const std::string coda = std::string(".") + Formato(formato).Estensione;
    std::vector<std::string> nomi;
    std::error_code ec;
    for (const auto& voce : std::filesystem::directory_iterator(cartella, ec)) {
        if (!voce.is_regular_file(ec)) continue;
        std::string nome = voce.path().filename().string();
        if (nome.size() > coda.size() &&
            UgualiSenzaMaiuscole(std::string_view(nome).substr(nome.size() - coda.size()), coda))
            nomi.push_back(std::move(nome));
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

std::string RigaDiTesto(const TColonna& colonna) {
    std::string riga;
    for (int i = 0; i < 8; ++i) {
        if (i > 0) riga += ' ';
        if (colonna[i] < 10) riga += ' ';
        riga += std::to_string(colonna[i]);
    }
    return riga;
}

TEsitoConversione TConversione::Converti(const std::vector<std::string>& nomi,
                                         IProgressoStrumenti* progresso,
                                         const TAnnullamento* annulla) const {
    TEsitoConversione esito;
    const TFormatoColonne& da = Formato(FormatoSorgente);
    const TFormatoColonne& a = Formato(FormatoDestinazione);

    for (const std::string& nome : nomi) {
        const auto sorgente = CartellaSorgente / nome;
        const auto destinazione = CartellaDestinazione / NomeConvertito(nome, FormatoDestinazione);
        if (StessoFile(sorgente, destinazione)) {
            esito.Messaggio = MessaggioConversioneImpossibile(
                nome, "il file da creare ha lo stesso nome nella stessa cartella");
            return esito;
        }

        TScrittore out(destinazione);
        bool primaRiga = true;
        auto scrivi = [&](const TColonna& c) {
            if (!a.Testo) return out.Scrivi(c.data(), 8);
            if (!primaRiga && !out.Scrivi("\r\n", 2)) return false;
            primaRiga = false;
            const std::string riga = RigaDiTesto(c);
            return out.Scrivi(riga.data(), riga.size());
        };
        auto interrotta = [&] { return annulla && annulla->Richiesto(); };

        TEsitoFile stato = TEsitoFile::Convertito;
        std::string messaggio;
        auto fallisce = [&](const std::string& m) {
            messaggio = m;
            stato = TEsitoFile::Errore;
        };
        const std::string scrittura = "impossibile scrivere " + NomeMostrato(destinazione) + ", " +
                                      MotivoScrittura(destinazione);
        const TControlloColonne controllo(Piloti);
        if (!out.Aperto()) {
            fallisce(MessaggioConversioneImpossibile(nome, scrittura));
        } else if (da.Testo) {
            TLettoreRighe in(sorgente);
            std::string riga;
            if (!in.Aperto())
                fallisce(MessaggioConversioneImpossibile(nome, MotivoLettura(sorgente)));
            while (stato == TEsitoFile::Convertito && in.Prossima(riga)) {
                if (Trim(riga).empty()) continue;
                TColonna c;
                std::string difetto;
                try {
                    c = TestoInColonna(riga);
                    difetto = controllo.Difetto(c);
                } catch (const TErroreConversione& e) {
                    difetto = e.what();
                }
                if (!difetto.empty()) {
                    fallisce(MessaggioConversioneImpossibile(
                        nome, "alla riga " + std::to_string(in.Numero()) + " " + difetto));
                    break;
                }
                if (interrotta())
                    stato = TEsitoFile::Interrotto;
                else if (!scrivi(c))
                    fallisce(MessaggioConversioneImpossibile(nome, scrittura));
            }
            if (stato == TEsitoFile::Convertito && in.Errore())
                fallisce(MessaggioConversioneImpossibile(nome, "errore di lettura"));
        } else {
            TLettore in(sorgente);
            if (!in.Aperto())
                fallisce(MessaggioConversioneImpossibile(nome, MotivoLettura(sorgente)));
            else if (auto e = ControllaDimensioneColonne(sorgente, in.Rimanenti()); !e.empty())
                fallisce(e);
            std::uint64_t restano = in.Rimanenti() / 8;
            TColonna c;
            for (std::int64_t record = 1; stato == TEsitoFile::Convertito && restano > 0;
                 --restano, ++record) {
                if (!in.Leggi(c.data(), 8))
                    fallisce(MessaggioConversioneImpossibile(nome, "errore di lettura"));
                else if (!controllo.Valida(c))
                    fallisce(MessaggioColonneNonValide(sorgente, record, controllo.Difetto(c)));
                else if (interrotta())
                    stato = TEsitoFile::Interrotto;
                else if (!scrivi(c))
                    fallisce(MessaggioConversioneImpossibile(nome, scrittura));
            }
        }

        if (stato == TEsitoFile::Convertito && !out.Chiudi())
            fallisce(MessaggioConversioneImpossibile(nome, scrittura));
        if (stato != TEsitoFile::Convertito) {
            out.Abbandona();
            esito.Interrotta = stato == TEsitoFile::Interrotto;
            esito.Messaggio = esito.Interrotta ? kMsgConversioneInterrotta : messaggio;
            return esito;
        }
        ++esito.FileCreati;
        if (progresso) progresso->FileCreati(esito.FileCreati);
    }
    esito.Riuscita = true;
    esito.Messaggio = kMsgConversioneRiuscita;
    return esito;
}

}  // namespace sirvela
