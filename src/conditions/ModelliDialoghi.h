#pragma once
#include <array>
#include <string>

#include "conditions/EditoriValori.h"
#include "conditions/ModelloDialogo.h"
#include "core/Colonna.h"
#include "core/TCombinazione.h"

namespace sirvela {

class TCondNumeroSequenze;

// "Numero di Sequenze": one editor shows in turn the table of each sequence length 1..4;
// every length keeps its own table while another is shown.
class TModelloSequenze {
  public:
    // The highest count of each length's category.
    static constexpr std::array<int, 4> kMassimi{8, 4, 2, 2};

    TModelloSequenze();

    // One per length, linked by the dialog to categories 0..3.
    std::array<TModelloGraphpt, 4> Tabelle;

    int Lunghezza() const { return lunghezza_; }
    TModelloGraphpt& Mostrata() { return Tabelle[static_cast<std::size_t>(lunghezza_ - 1)]; }
    // The length the object showed last (a stored byte outside 1..4 shows length 1).
    void Carica(const TCondNumeroSequenze& o);
    // Ignores a length outside 1..4.
    void ImpostaLunghezza(int lunghezza);
    bool Cambiata(const TCondNumeroSequenze& o) const;
    void Acquisisci(TCondNumeroSequenze& o) const;

  private:
    int lunghezza_ = 1;
};

// The line of the "Ripetizioni" dialog when the archive lacks the contests the comparisons
// need (every column is then rejected by the comparison in use); empty from two contests on.
std::string AvvisoRipetizioni(int concorsi);

inline constexpr const char* kNumeriNonValidi = "Uno o più numeri inseriti non sono validi.";
inline constexpr const char* kNumeroRipetuto = "Uno dei numeri è stato inserito più di una volta.";

// "Colonne Filtro": the member's "Tipo di Confronto", the eight boxes of the filter column and
// the pilots chosen for "a Girare". Switching the comparison keeps both: the member takes the
// boxes, the pilots and the comparison together when the dialog leaves it.
class TModelloColonnaFiltro : public IModelloMembro {
  public:
    static constexpr int kDiPosizione = 0;
    static constexpr int kAGirare = 1;

    void Carica(const TCondizione& membro) override;
    // Edited boxes must each be empty (no pilot at that position) or a pilot in play, none
    // twice; the error names the box (Colonna, 0-based). Untouched boxes keep what the member
    // held.
    TErroreGriglia Acquisisci(TCondizione& membro) override;
    bool Cambiato() const override { return cambiato_; }

    int Confronto() const { return confronto_; }
    void ImpostaConfronto(int confronto);  // 0 or 1
    const std::array<std::string, 8>& Caselle() const { return caselle_; }
    void ImpostaCasella(int posizione, const std::string& testo);  // 0-based
    const TCombinazione& Piloti() const { return piloti_; }
    void ImpostaPiloti(const TCombinazione& piloti);

  private:
    int confronto_ = kAGirare;
    std::array<std::string, 8> caselle_;
    TColonna colonna_{};
    TCombinazione piloti_;
    bool caselleToccate_ = false;
    bool pilotiToccati_ = false;
    bool cambiato_ = false;
};

inline constexpr const char* kTitoloSequela = "Infomazione";
inline constexpr const char* kSequelaNonContigua = "La Sequela Non è Contigua.";
inline constexpr const char* kSequelaCorta = "La Lunghezza della Sequela è Inferiore a Due.";

// "Sequele": the type buttons P/M/B/J/S, the pattern of type P as eight cells ("1" even,
// "2" odd, empty after its end), "Lunghezza" of the other types, and the step buttons beside
// "Passo :". The steps are resolved when the member is taken, from the length it then has.
class TModelloSequela : public IModelloMembro {
  public:
    enum TPasso : int { kPasso2 = 2, kPasso3 = 3, kPasso4 = 4, kPassoN = 5, kPassoX = 6 };
    static constexpr int kLunghezzaMinima = 2;
    static constexpr int kLunghezzaMassima = 8;
    static constexpr int kPassoMassimo = 8;

    // The step button a member's values show: "2".."4" for equal steps, "N" for the length
    // after an occurrence and 1 after a miss, otherwise "X" with both spin boxes.
    void Carica(const TCondizione& membro) override;
    // The two checks of the pattern (type P), then the fields into the member. A cell that
    // is neither empty, "1" nor "2" is refused before them.
    TErroreGriglia Acquisisci(TCondizione& membro) override;
    bool Cambiato() const override { return cambiato_; }

    int Tipo() const { return tipo_; }
    void ImpostaTipo(int tipo);  // 1..5
    const std::array<std::string, 8>& Schema() const { return schema_; }
    void ImpostaSchema(int passo, const std::string& testo);  // 0-based cell
    int Lunghezza() const { return lunghezza_; }              // the spin box, 2..8
    void ImpostaLunghezza(int lunghezza);
    int Passo() const { return passo_; }
    void ImpostaPasso(int passo);
    // The spin boxes: what "X" takes; for the other buttons the steps they stand for.
    int PassoTrovata() const;
    int PassoNonTrovata() const;
    void ImpostaPassoTrovata(int passo);
    void ImpostaPassoNonTrovata(int passo);

    // Enabling by type and step button.
    bool SchemaAbilitato() const { return tipo_ == 1; }
    bool LunghezzaAbilitata() const { return tipo_ != 1; }
    bool PassiAbilitati() const { return passo_ == kPassoX; }
    // Mirror pairs have no longest run: the editor offers no "Cons." table.
    bool ConsAbilitato() const { return tipo_ != 5; }
    // The length the steps are resolved with: the pattern's filled cells for type P.
    int LunghezzaEffettiva() const;

  private:
    void Cambia() { cambiato_ = true; }

    int tipo_ = 1;
    std::array<std::string, 8> schema_;
    int lunghezza_ = kLunghezzaMinima;
    int passo_ = kPassoX;
    int trovata_ = 1, nonTrovata_ = 1;
    bool cambiato_ = false;
};

}  // namespace sirvela
