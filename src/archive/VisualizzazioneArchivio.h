#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sirvela {

class TCondizione;
class TDatiSistema;

// One group of value columns of the archive viewer: its tick box, its two heading rows and the
// short label over each of its columns.
struct TGruppoVista {
    const char* Casella;
    const char* Intestazione1;
    const char* Intestazione2;
    const char* Sigle;  // two letters per column: "Pt", "Cs", "Ps", "Br"
    // The second heading column by column, "|" between columns; an empty place belongs to the
    // heading on its left ("Cresc.||Decr.|": two headings over two columns each).
    const char* Sottotitoli = "";

    int Colonne() const;
    std::string Sigla(int colonna) const;

    // One heading of the second row and the columns under it.
    struct TSottotitolo {
        std::string Testo;
        int Da = 0;  // first column, within the group
        int Colonne = 1;
    };
    std::vector<TSottotitolo> Sottotitolo() const;
};

inline constexpr int kGruppiVista = 15;
inline constexpr int kColonneFisseVista = 4;  // "Anno", "Num", "Pos.", "Combinazione"
// A value the condition cannot give (no earlier contest, settings that do not apply).
inline constexpr int kValoreAssente = -1;

// The groups in column order.
const std::array<TGruppoVista, kGruppiVista>& GruppiVista();
// Headings of the fixed columns.
const std::array<const char*, kColonneFisseVista>& IntestazioniFisseVista();

// The archive as a table: one row per archived contest (whatever the statistics selection)
// with its year, number, ordinal and result, followed by the values that the ticked groups'
// conditions compute on that result, with the kinds' default settings. Rows are computed when
// first asked for, so a long archive opens at once.
class TVisualizzazioneArchivio {
  public:
    // The archive is read through `dati` (Ripetizioni compares with the contests before).
    explicit TVisualizzazioneArchivio(TDatiSistema& dati);
    ~TVisualizzazioneArchivio();

    int Righe() const;
    bool Visibile(int gruppo) const { return visibili_[static_cast<std::size_t>(gruppo)]; }
    void ImpostaVisibile(int gruppo, bool si);

    // The value columns of the ticked groups, in table order.
    struct TColonnaVista {
        int Gruppo;
        int Indice;  // within the group
    };
    const std::vector<TColonnaVista>& Colonne() const { return colonne_; }
    int ColonneTotali() const { return kColonneFisseVista + static_cast<int>(colonne_.size()); }

    // Width of a column in characters: a fixed column holds its heading and widest text, a
    // group is as wide as its longer heading shared out among its columns (3 at least each).
    double CaratteriColonna(int colonna) const;
    // Text of a cell: the fixed columns, then the values (empty for kValoreAssente).
    std::string Testo(int riga, int colonna) const;
    // A value of one group's column for the contest at list index `riga`.
    int Valore(int riga, int gruppo, int indice) const;
    // Every value of a row, group after group (all groups, ticked or not).
    const std::int32_t* ValoriRiga(int riga) const;

    // Forgets the computed rows (the archive changed); a change of its length is seen alone.
    void Rinnova() const;

  private:
    void Ricolonna();
    void CalcolaRiga(int riga, std::int32_t* valori) const;

    TDatiSistema& dati_;
    std::vector<std::unique_ptr<TCondizione>> condizioni_;
    std::array<bool, kGruppiVista> visibili_;
    std::vector<TColonnaVista> colonne_;
    mutable std::vector<std::int32_t> valori_;     // kValoriRiga per row
    mutable std::vector<std::uint8_t> calcolate_;  // rows already in valori_
};

}  // namespace sirvela
