#include "printing/TmmPrinter.h"

#include <algorithm>

#include "core/Interfacce.h"
#include "tools/Progresso.h"

namespace sirvela {

bool TControlloStampa::Annullata() const {
    return Annulla && Annulla->Richiesto();
}

void TControlloStampa::Avanzamento(std::int64_t fatti, std::int64_t totale) {
    if (!Progresso || totale <= 0) return;
    const int p = static_cast<int>(std::clamp<std::int64_t>(fatti * 100 / totale, 0, 100));
    if (p == ultimo_) return;
    ultimo_ = p;
    Progresso->Avanzamento(p);
}

double TTabellaStampa::Larghezza() const {
    double l = 0;
    for (double c : Larghezze) l += c;
    return l;
}

void TmmPrinter::Inizia(const std::string& titolo, bool piedi) {
    s_.IniziaDocumento(titolo);
    inCorso_ = true;
    piedi_ = piedi;
    pagina_ = 1;
    Carattere(kCarattereFisso8);
    altezzaPiede_ = AltezzaTesto();
    Carattere(kCarattereFisso10);
}

void TmmPrinter::Piede() {
    if (!piedi_) return;
    const TCarattereStampa prima = carattere_;
    Carattere(kCarattereFisso8);
    const std::string testo = kPiede + std::to_string(pagina_);
    s_.Testo((LarghezzaPagina() - LarghezzaTesto(testo)) / 2, AltezzaPagina() - 1 - AltezzaTesto(),
             testo);
    Carattere(prima);
}

void TmmPrinter::NuovaPagina() {
    Piede();
    s_.NuovaPagina();
    ++pagina_;
}

void TmmPrinter::Termina() {
    if (!inCorso_) return;
    Piede();
    inCorso_ = false;
    s_.TerminaDocumento();
}

void TmmPrinter::Annulla() {
    if (!inCorso_) return;
    inCorso_ = false;
    s_.AnnullaDocumento();
}

double TmmPrinter::Fondo() const {
    return AltezzaPagina() - 2 - altezzaPiede_;
}

void TmmPrinter::Carattere(const TCarattereStampa& c) {
    carattere_ = c;
    s_.ImpostaCarattere(c);
}

void TmmPrinter::TitoloCentrato(double y, const std::string& testo) {
    s_.Testo((LarghezzaPagina() - LarghezzaTesto(testo)) / 2, y, testo);
}

double TmmPrinter::Tabella(double x, double y, const TTabellaStampa& t) {
    const double larghezza = t.Larghezza();
    const double altezza = t.Altezza();
    if (t.Celle.empty() || t.Larghezze.empty()) return 0;
    s_.Riquadro(x, y, larghezza, altezza, t.Spessore);
    for (std::size_t r = 1; r < t.Celle.size(); ++r) {
        const double yr = y + t.AltezzaRiga * static_cast<double>(r);
        s_.Linea(x, yr, x + larghezza, yr, t.Spessore);
    }
    double xc = x;
    for (std::size_t c = 0; c + 1 < t.Larghezze.size(); ++c) {
        xc += t.Larghezze[c];
        s_.Linea(xc, y, xc, y + altezza, t.Spessore);
    }
    for (std::size_t r = 0; r < t.Celle.size(); ++r) {
        double xt = x;
        const auto& riga = t.Celle[r];
        for (std::size_t c = 0; c < t.Larghezze.size() && c < riga.size(); ++c) {
            if (!riga[c].empty())
                ScriviInCella(xt, y + t.AltezzaRiga * static_cast<double>(r), t.Larghezze[c],
                              t.AltezzaRiga, riga[c]);
            xt += t.Larghezze[c];
        }
    }
    return altezza;
}

void TmmPrinter::ScriviInCella(double x, double y, double larghezza, double altezza,
                               const std::string& testo) {
    // A hair of tolerance: a size computed to fit exactly must not be taken for too wide.
    const double spazio = larghezza - 2 + 1e-9;
    if (LarghezzaTesto(testo) <= spazio) {
        s_.Testo(x + 1, y + (altezza - AltezzaTesto()) / 2, testo);
        return;
    }
    // Too wide for its cell: a smaller size of the same font, and only past the smallest
    // readable size are characters dropped from the end.
    constexpr double kPuntiMinimi = 4;
    TCarattereStampa ridotto = carattere_;
    ridotto.Punti = std::max(kPuntiMinimi, carattere_.Punti * spazio / LarghezzaTesto(testo));
    s_.ImpostaCarattere(ridotto);
    while (ridotto.Punti > kPuntiMinimi && s_.LarghezzaTesto(testo) > spazio) {
        ridotto.Punti = std::max(kPuntiMinimi, ridotto.Punti - 0.25);
        s_.ImpostaCarattere(ridotto);
    }
    std::string scritta = testo;
    while (!scritta.empty() && s_.LarghezzaTesto(scritta) > spazio) {
        // One whole UTF-8 character off the end.
        std::size_t fine = scritta.size() - 1;
        while (fine > 0 && (static_cast<unsigned char>(scritta[fine]) & 0xC0) == 0x80) --fine;
        scritta.erase(fine);
    }
    if (!scritta.empty()) s_.Testo(x + 1, y + (altezza - s_.AltezzaTesto()) / 2, scritta);
    s_.ImpostaCarattere(carattere_);
}

double TmmPrinter::ScriviElenco(double x, double y, const std::string& etichetta,
                                const std::vector<std::string>& voci, const std::string& separatore,
                                double destra) {
    const double riga = AltezzaTesto();
    y = Spazio(y, riga);
    Scrivi(x, y, etichetta);
    const double inizio = x + LarghezzaTesto(etichetta);
    double xv = inizio;
    for (std::size_t i = 0; i < voci.size(); ++i) {
        const std::string voce = voci[i] + (i + 1 < voci.size() ? separatore : "");
        const double l = LarghezzaTesto(voce);
        if (xv > inizio && xv + l > destra) {
            xv = inizio;
            y = Spazio(y + riga, riga);
        }
        Scrivi(xv, y, voce);
        xv += l;
    }
    return y + riga;
}

double TmmPrinter::Spazio(double y, double altezza, double cima) {
    if (y + altezza <= Fondo()) return y;
    NuovaPagina();
    return cima;
}

}  // namespace sirvela
