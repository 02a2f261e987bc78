#pragma once
#include <functional>
#include <string>
#include <vector>

#include "printing/Superficie.h"

namespace sirvela {

// One thing drawn on a recorded surface, in millimetres.
struct TSegnoRegistrato {
    enum TTipo { Testo, TestoRuotato, Rettangolo, Riquadro, Linea };
    TTipo Tipo = Testo;
    int Documento = 0;  // 1-based job
    int Pagina = 0;     // 1-based page within its job
    double X = 0, Y = 0;
    double L = 0, A = 0;  // size; the end point for lines
    double Angolo = 0;
    std::string Scritta;
    TCarattereStampa Carattere;
};

// A surface that keeps what is drawn: the tests look at it in millimetres, the calibration
// window paints it over the ticket picture. Texts are measured as a fixed-pitch font: each
// character 0.6 of the point size wide, a line 1.2 point sizes high.
class TSuperficieRegistrata : public ISuperficieStampa {
  public:
    double Larghezza = 210;
    double Altezza = 297;
    // Tests: the width of a text in millimetres in place of the fixed pitch, to lay out as a
    // proportional font would.
    std::function<double(const std::string&, const TCarattereStampa&)> MisuraTesto;
    // Tests: the operation with this 0-based number throws TErroreStampa (-1: never).
    int FallisceAlPasso = -1;

    std::vector<std::string> Documenti;  // titles of the jobs begun
    int Terminati = 0;
    int Annullati = 0;
    std::vector<TSegnoRegistrato> Segni;

    // Pages of a job (0 when there was none).
    int Pagine(int documento = 1) const;
    // The marks of one kind, optionally of one job and page only (0: any).
    std::vector<TSegnoRegistrato> DiTipo(TSegnoRegistrato::TTipo tipo, int documento = 0,
                                         int pagina = 0) const;
    // The texts written, in order.
    std::vector<std::string> Scritte(int documento = 0, int pagina = 0) const;

    void IniziaDocumento(const std::string& titolo) override;
    void NuovaPagina() override;
    void TerminaDocumento() override;
    void AnnullaDocumento() override;
    double LarghezzaPagina() const override { return Larghezza; }
    double AltezzaPagina() const override { return Altezza; }
    void ImpostaCarattere(const TCarattereStampa& c) override { carattere_ = c; }
    double LarghezzaTesto(const std::string& testo) const override;
    double AltezzaTesto() const override;
    void Testo(double x, double y, const std::string& testo) override;
    void TestoRuotato(double x, double y, double gradi, const std::string& testo) override;
    void Rettangolo(double x, double y, double larghezza, double altezza) override;
    void Riquadro(double x, double y, double larghezza, double altezza, double spessore) override;
    void Linea(double x1, double y1, double x2, double y2, double spessore) override;

  private:
    void Passo();
    void Registra(TSegnoRegistrato s);

    TCarattereStampa carattere_;
    std::vector<int> pagine_;  // pages per job
    int passi_ = 0;
};

}  // namespace sirvela
