#include "printing/SuperficieRegistrata.h"

namespace sirvela {

namespace {

constexpr double kMmPerPunto = 25.4 / 72;

std::size_t Caratteri(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

void TSuperficieRegistrata::Passo() {
    if (passi_++ == FallisceAlPasso) throw TErroreStampa("La stampante non risponde");
}

void TSuperficieRegistrata::Registra(TSegnoRegistrato s) {
    Passo();
    s.Documento = static_cast<int>(pagine_.size());
    s.Pagina = pagine_.empty() ? 0 : pagine_.back();
    s.Carattere = carattere_;
    Segni.push_back(std::move(s));
}

int TSuperficieRegistrata::Pagine(int documento) const {
    if (documento < 1 || documento > static_cast<int>(pagine_.size())) return 0;
    return pagine_[static_cast<std::size_t>(documento - 1)];
}

std::vector<TSegnoRegistrato> TSuperficieRegistrata::DiTipo(TSegnoRegistrato::TTipo tipo,
                                                            int documento, int pagina) const {
    std::vector<TSegnoRegistrato> v;
    for (const auto& s : Segni)
        if (s.Tipo == tipo && (documento == 0 || s.Documento == documento) &&
            (pagina == 0 || s.Pagina == pagina))
            v.push_back(s);
    return v;
}

std::vector<std::string> TSuperficieRegistrata::Scritte(int documento, int pagina) const {
    std::vector<std::string> v;
    for (const auto& s : Segni)
        if ((s.Tipo == TSegnoRegistrato::Testo || s.Tipo == TSegnoRegistrato::TestoRuotato) &&
            (documento == 0 || s.Documento == documento) && (pagina == 0 || s.Pagina == pagina))
            v.push_back(s.Scritta);
    return v;
}

void TSuperficieRegistrata::IniziaDocumento(const std::string& titolo) {
    Passo();
    Documenti.push_back(titolo);
    pagine_.push_back(1);
}

void TSuperficieRegistrata::NuovaPagina() {
    Passo();
    if (!pagine_.empty()) ++pagine_.back();
}

void TSuperficieRegistrata::TerminaDocumento() {
    Passo();
    ++Terminati;
}

void TSuperficieRegistrata::AnnullaDocumento() {
    ++Annullati;
}

double TSuperficieRegistrata::LarghezzaTesto(const std::string& testo) const {
    if (MisuraTesto) return MisuraTesto(testo, carattere_);
    return static_cast<double>(Caratteri(testo)) * 0.6 * carattere_.Punti * kMmPerPunto;
}

double TSuperficieRegistrata::AltezzaTesto() const {
    return 1.2 * carattere_.Punti * kMmPerPunto;
}

void TSuperficieRegistrata::Testo(double x, double y, const std::string& testo) {
    Registra(
        {TSegnoRegistrato::Testo, 0, 0, x, y, LarghezzaTesto(testo), AltezzaTesto(), 0, testo, {}});
}

void TSuperficieRegistrata::TestoRuotato(double x, double y, double gradi,
                                         const std::string& testo) {
    Registra({TSegnoRegistrato::TestoRuotato,
              0,
              0,
              x,
              y,
              LarghezzaTesto(testo),
              AltezzaTesto(),
              gradi,
              testo,
              {}});
}

void TSuperficieRegistrata::Rettangolo(double x, double y, double larghezza, double altezza) {
    Registra({TSegnoRegistrato::Rettangolo, 0, 0, x, y, larghezza, altezza, 0, {}, {}});
}

void TSuperficieRegistrata::Riquadro(double x, double y, double larghezza, double altezza, double) {
    Registra({TSegnoRegistrato::Riquadro, 0, 0, x, y, larghezza, altezza, 0, {}, {}});
}

void TSuperficieRegistrata::Linea(double x1, double y1, double x2, double y2, double) {
    Registra({TSegnoRegistrato::Linea, 0, 0, x1, y1, x2, y2, 0, {}, {}});
}

}  // namespace sirvela
