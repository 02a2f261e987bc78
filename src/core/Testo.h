#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Colonna.h"
#include "core/TCombinazione.h"

namespace sirvela {

// Values up to the first 0, each followed by a blank but the eighth; 90 is "*". Aligned:
// values below 10 get a leading blank.
std::string ColonnaInTesto(const TColonna& c, bool allineato = false);
// Used slots separated by single blanks. Aligned: values below 8 get a leading blank.
std::string ListaInTesto(const TCombinazione& l, bool allineato = false);
// Leading blanks skipped, fields split at runs of blanks, one byte each (at most eight).
// A field that is not a whole number 0..255 throws TErroreConversione.
TColonna TestoInColonna(std::string_view testo);
// Two characters at a time (blanks removed), the last token whole when longer.
TCombinazione TestoInLista(std::string_view testo);

std::string Trim(std::string_view testo);
std::string Comprimi(std::string_view testo);  // every blank removed
std::string ZeriIniziali(long long numero, int larghezza);
std::string Spazi(int n);
// Parses a whole number (optional sign, no blanks); false when the text is not one.
bool InteroDaTesto(std::string_view testo, long long& valore);

// Italian words of 1..10 for the dictation, position names 1..8.
std::string NumeroInParole(int n);
std::string NomePosizione(int posizione);

double Fattoriale(int n);
// C(n, k) as the falling product over k!, rounded; large results wrap like a 32-bit integer.
std::int32_t Combinazioni(int n, int k);

// Prices of one column and the currency in use.
struct TPrezzi {
    double PrezzoLire = 1000.0;
    double PrezzoEuro = 0.5164568990894864;  // 1000 lire at 1936.27 lire to the euro
    bool Euro = false;
    double Prezzo() const { return Euro ? PrezzoEuro : PrezzoLire; }
};

// Italian thousands separators ('.') and decimal comma.
std::string FormattaImporto(double importo, int decimali);
// A number with two decimals and a decimal comma, right-aligned in at least `larghezza`
// characters.
std::string TestoDueDecimali(double valore, int larghezza);
// "£" or "€" (0xA3 / 0x80 in Windows-1252).
std::string SimboloValuta(bool euro);
// count " (" currency " " amount [" 1/" participants] ")".
std::string TestoCosto(std::int64_t quante, const TPrezzi& prezzi, int partecipanti);

std::string TestoPilotiSelezionati(std::int64_t n);
std::string TestoColonneIniziali(std::int64_t n);
std::string TestoColonneFinali(std::int64_t n, const TPrezzi& prezzi, int partecipanti);

// Format version 100 reads "1.0".
std::string TestoVersione(std::int32_t versione);
// "Sirvela " version " - " file name without its folder.
std::string TitoloProgramma(std::int32_t versione, const std::string& nomeFile);
// The text a short string keeps: at most `caratteri` characters (one Windows-1252 byte each).
std::string TagliaStringaCorta(const std::string& utf8, std::size_t caratteri = 255);
// File name without its folder; both '/' and '\' count as separators.
std::string NomeSenzaCartella(const std::string& percorso);
// File name without its folder and its extension.
std::string NomeSenzaEstensione(const std::string& percorso);

}  // namespace sirvela
