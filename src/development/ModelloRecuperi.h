#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sirvela {

class TCondizione;
class TGestoreLink;
class TModelloGraphpt;
class TValoriAmmessi;

inline constexpr const char* kErroreErroriLink =
    "Il Numero Degli Errori Nella Link è Troppo Alto !";
inline constexpr const char* kErroreErroriTotali = "Il Numero Degli Errori Totali è Troppo Alto !";

// "Recupero Condizioni" without its controls. It edits a working copy of the link manager:
// per letter the tables that use it, the accepted numbers of errors in that link and, for all
// links together, the accepted total; "OK" copies the tables back. The two editors (values
// 0..99) belong to the dialog; the model loads and takes them.
class TModelloRecuperi {
  public:
    TModelloRecuperi();
    ~TModelloRecuperi();

    // The editors "Errori Ammessi Nella Link" and "Errori Ammessi Tra Tutte Le Link".
    void Collega(TModelloGraphpt* link, TModelloGraphpt* totale);
    // Stores the manager and makes the working copy; the letter 'A' is pressed.
    void ImpostaLink(TGestoreLink* gestore);
    TGestoreLink& Copia() const { return *copia_; }

    // On every activation of the dialog: the copy examined afresh, then AggiornaForm.
    void Attiva();
    // The statistics of the last development belong to the settings shown.
    bool AnalisiAbilitata() const { return analisi_; }
    bool InUso(char lettera) const;

    char Lettera() const { return lettera_; }
    // A letter button pressed: the editors are taken first; on a fault the letter stays and
    // the message is returned.
    std::string Cambia(char lettera);
    // The letter shown into the title, the list and both editors.
    void AggiornaForm();
    // The changed editors into the copy, each checked against what the links can collect;
    // returns the message of the first fault (empty: none).
    std::string AcquisisceForm();

    std::string Titolo() const;  // "Condizioni Nella Link " + letter
    int Righe() const;
    std::string Riga(int i) const;  // the condition's path, a blank, the table's label
    // The line as the sideways scroll bar shows it from its p-th character (p from 1).
    std::string RigaDa(int i, int p) const;
    int LunghezzaMassima() const;  // characters of the longest line
    TCondizione* CondizioneRiga(int i) const;
    // "Max": the most errors a column can collect in the letter's link and in all links.
    int MaxLink() const;
    int MaxTotale() const;

    // "Azzera ": both editors emptied (no error total accepted), the copy marked changed.
    void Azzera();
    // "OK": the editors taken (a fault returns its message and nothing is copied), then the
    // copy's tables into the manager. `cambiato` says whether the document changed.
    std::string Ok(bool& cambiato);
    // The record of the link tables as shown: the copy with the editors that pass their check,
    // the copy left alone. Empty without a manager.
    std::vector<std::uint8_t> RecordCorrente() const;

    // No value from m + 1 up to the table's highest is accepted: a column cannot collect more
    // than m errors there.
    static bool PtValido(const TValoriAmmessi& tabella, int m);

  private:
    // A changed editor's table into `letta`; true when a column can collect every count it
    // accepts.
    static bool LeggiEditore(TModelloGraphpt* editore, int massimo, TValoriAmmessi& letta);

    TGestoreLink* gestore_ = nullptr;
    std::unique_ptr<TGestoreLink> copia_;
    TModelloGraphpt* link_ = nullptr;
    TModelloGraphpt* totale_ = nullptr;
    char lettera_ = 'A';
    bool analisi_ = false;
    bool presa_ = false;  // a table was taken into the copy during this opening
};

// One of the three tables of "Analisi Delle Colonne Filtrate".
struct TTabellaRecuperi {
    std::string Titolo;
    std::string Sottotitolo;
    std::string Intestazione;            // "Liv." or "Err."
    int Primo = 0;                       // the value of the first row
    std::vector<std::int64_t> Conteggi;  // from Primo to 255
    double Divisore = 0;                 // of the percentages
    int UltimoNonZero = -1;              // the highest value with a count, -1 for none
    // Rows shown: every value from Primo to 255, counted or not.
    int Righe() const;
};

// "Analisi Delle Colonne Filtrate" for one letter, from the statistics of the manager's last
// development: refused registrations by level, columns refused by the link's error total and
// by the overall total. Shown as counts or as percentages of what each table counted.
class TAnalisiRecuperi {
  public:
    std::array<TTabellaRecuperi, 3> Tabelle;
    bool Percentuali = false;  // "%" pressed; "Valori" shows the counts

    void Aggiorna(const TGestoreLink& gestore, char lettera);
    // The value of a row as the table shows it.
    std::string Valore(int tabella, int riga) const;
};

// Up to 5 decimals after a comma, without trailing zeros or comma; magnitudes up to 1e-7
// give "0".
std::string TestoNumero(double v);

}  // namespace sirvela
