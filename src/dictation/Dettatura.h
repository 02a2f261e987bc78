#pragma once
#include <array>
#include <cstdint>
#include <filesystem>

#include "core/Colonna.h"
#include "tools/TSchedinaVin.h"

namespace sirvela {

class TListaColonne;

inline constexpr const char* kErroreFileVocale = "Impossibile Caricare il File Vocale";

// The part of the voice file that speaks one pilot number, in milliseconds from its start.
struct TSegmentoVocale {
    int Inizio = 0;
    int Fine = 0;
};
// Pilots 1..25 in order.
inline constexpr std::array<TSegmentoVocale, 25> kSegmentiVocali = {{
    {200, 700},     {700, 1200},    {1200, 1700},   {1700, 2200},   {2200, 2700},
    {2700, 3200},   {3200, 3700},   {3700, 4200},   {4200, 4700},   {4700, 5200},
    {5200, 5700},   {5700, 6200},   {6200, 6700},   {6700, 7300},   {7300, 7800},
    {7800, 8300},   {8300, 9000},   {9000, 9500},   {9500, 10100},  {10100, 10700},
    {10700, 11300}, {11300, 11900}, {11900, 12400}, {12400, 13100}, {13100, 13900},
}};
// Playback stops this much before the end of a segment.
inline constexpr int kAnticipoFineMs = 30;

// "Wav/vocal.Wav" under the program folder.
std::filesystem::path FileVocale();

// The sound output: plays a range of the voice file.
class IVoceDettatura {
  public:
    virtual ~IVoceDettatura() = default;
    // Stops what is playing, then plays [inizioMs, fineMs) of the file.
    virtual void Suona(int inizioMs, int fineMs) = 0;
    virtual void Ferma() = 0;
};

// A periodic timer.
class IOrologioDettatura {
  public:
    virtual ~IOrologioDettatura() = default;
    // Ticks every `intervalloMs` from now on (a running timer starts its count again).
    virtual void Avvia(int intervalloMs) = 0;
    virtual void Ferma() = 0;
};

// The ticket being read: its number and one or two columns.
struct TSchedinaDettata {
    std::int64_t Numero = 0;
    TColonna Prima{};
    TColonna Seconda{};
    bool ConSeconda = false;  // absent on an odd list's last ticket or when it starts with 0
};

// "Dettatura Schedine": reads the tickets aloud, one pilot number per tick of the timer,
// highlighting the number spoken. Everything the dialog shows is read from here after each
// call; the timer's ticks call Tick().
class TModelloDettatura {
  public:
    static constexpr int kPausaMinima = 1;
    static constexpr int kPausaMassima = 50;
    static constexpr int kPausaPredefinita = 5;

    TModelloDettatura(IVoceDettatura& voce, IOrologioDettatura& orologio);

    // Opening: the tickets of the list (two columns each), the range 1..all of them, the
    // reading at the first number of the first ticket.
    void Apri(const TListaColonne& colonne);
    std::int64_t QuanteSchedine() const { return elenco_.QuanteSchedine(); }

    std::int64_t Dalla() const { return dalla_; }
    std::int64_t Alla() const { return alla_; }
    // A first ticket beyond the last becomes the last; it is then the ticket shown, read from
    // its first number.
    void ImpostaDalla(std::int64_t schedina);
    // A last ticket before the first becomes the first.
    void ImpostaAlla(std::int64_t schedina);

    // Tenths of a second between two numbers, 1..50; a running timer takes it at once.
    int PausaTraNumeri() const { return pausa_; }
    void ImpostaPausaTraNumeri(int decimi);
    int IntervalloMs() const { return pausa_ * 100 + 1000; }
    bool PausaDopoSchedina = true;

    // The buttons.
    void Play();
    void Pausa();  // toggles
    void Stop();
    void Tick();
    // Closing: the timer and the voice stop.
    void Chiudi();

    bool InPausa() const { return inPausa_; }
    bool InLettura() const { return inLettura_; }  // between Play and Stop
    bool TimerAttivo() const { return inLettura_ && !inPausa_; }

    std::int64_t SchedinaCorrente() const { return corrente_; }
    int ColonnaCorrente() const { return colonna_; }
    int PosizioneCorrente() const { return posizione_; }
    TSchedinaDettata Schedina() const;  // the current ticket
    // The cell of the last number spoken: column 1..2 and position 1..8; 0, 0 when none.
    int ColonnaEvidenziata() const { return colonnaEvidenziata_; }
    int PosizioneEvidenziata() const { return posizioneEvidenziata_; }

  private:
    void Say(int pilota);
    // Shows the current ticket from its first number, nothing highlighted.
    void AggiornaSchedina();

    IVoceDettatura& voce_;
    IOrologioDettatura& orologio_;
    TVisualizzatoreColonne elenco_;
    std::int64_t dalla_ = 0, alla_ = 0, corrente_ = 0;
    int colonna_ = 1, posizione_ = 1;
    int colonnaEvidenziata_ = 0, posizioneEvidenziata_ = 0;
    int pausa_ = kPausaPredefinita;
    bool inPausa_ = false;
    bool inLettura_ = false;
};

}  // namespace sirvela
