#include "dictation/Dettatura.h"

#include <algorithm>

#include "core/Globali.h"
#include "core/TListaColonne.h"

namespace sirvela {

std::filesystem::path FileVocale() {
    return CartellaWav() / "vocal.Wav";
}

TModelloDettatura::TModelloDettatura(IVoceDettatura& voce, IOrologioDettatura& orologio)
    : voce_(voce), orologio_(orologio) {}

void TModelloDettatura::Apri(const TListaColonne& colonne) {
    elenco_.Carica(colonne);
    const std::int64_t n = QuanteSchedine();
    dalla_ = n > 0 ? 1 : 0;
    alla_ = n;
    corrente_ = dalla_;
    inPausa_ = false;
    inLettura_ = false;
    AggiornaSchedina();
}

TSchedinaDettata TModelloDettatura::Schedina() const {
    const TSchedinaVin s = elenco_.Schedina(corrente_);
    TSchedinaDettata d;
    d.Numero = corrente_;
    d.Prima = s.Posti[0].Colonna;
    d.Seconda = s.Posti[1].Colonna;
    d.ConSeconda = s.Quante > 1 && d.Seconda[0] != 0;
    return d;
}

void TModelloDettatura::AggiornaSchedina() {
    colonna_ = 1;
    posizione_ = 1;
    colonnaEvidenziata_ = 0;
    posizioneEvidenziata_ = 0;
}

void TModelloDettatura::ImpostaDalla(std::int64_t schedina) {
    if (QuanteSchedine() == 0) return;
    dalla_ = std::clamp<std::int64_t>(schedina, 1, alla_);
    corrente_ = dalla_;
    AggiornaSchedina();
}

void TModelloDettatura::ImpostaAlla(std::int64_t schedina) {
    if (QuanteSchedine() == 0) return;
    alla_ = std::clamp<std::int64_t>(schedina, dalla_, QuanteSchedine());
}

void TModelloDettatura::ImpostaPausaTraNumeri(int decimi) {
    pausa_ = std::clamp(decimi, kPausaMinima, kPausaMassima);
    if (TimerAttivo()) orologio_.Avvia(IntervalloMs());
}

void TModelloDettatura::Play() {
    if (QuanteSchedine() == 0) return;
    inLettura_ = true;
    if (inPausa_) {
        inPausa_ = false;
    } else {
        AggiornaSchedina();
    }
    orologio_.Avvia(IntervalloMs());
}

void TModelloDettatura::Pausa() {
    inPausa_ = !inPausa_;
    if (!inLettura_) return;
    if (inPausa_)
        orologio_.Ferma();
    else
        orologio_.Avvia(IntervalloMs());
}

void TModelloDettatura::Stop() {
    orologio_.Ferma();
    inLettura_ = false;
    inPausa_ = false;
    corrente_ = dalla_;
    AggiornaSchedina();
}

void TModelloDettatura::Chiudi() {
    orologio_.Ferma();
    voce_.Ferma();
    inLettura_ = false;
}

void TModelloDettatura::Say(int pilota) {
    colonnaEvidenziata_ = colonna_;
    posizioneEvidenziata_ = posizione_;
    // Only the numbers the file speaks; an empty place is read as silence.
    if (pilota < 1 || pilota > static_cast<int>(kSegmentiVocali.size())) {
        voce_.Ferma();
        return;
    }
    const TSegmentoVocale& s = kSegmentiVocali[pilota - 1];
    voce_.Suona(s.Inizio, s.Fine - kAnticipoFineMs);
}

void TModelloDettatura::Tick() {
    if (corrente_ < 1 || corrente_ > QuanteSchedine()) {
        Stop();
        return;
    }
    const TSchedinaDettata s = Schedina();
    Say((colonna_ == 1 ? s.Prima : s.Seconda)[posizione_ - 1]);
    if (posizione_ < 8) {
        ++posizione_;
        return;
    }
    posizione_ = 1;
    if (colonna_ == 1 && s.ConSeconda) {
        colonna_ = 2;
        return;
    }
    colonna_ = 1;
    // Past the last ticket too: a range narrowed while reading ends the reading.
    if (corrente_ >= alla_) {
        Stop();
        return;
    }
    ++corrente_;
    if (PausaDopoSchedina) Pausa();
    AggiornaSchedina();
}

}  // namespace sirvela
