#include <gtest/gtest.h>

#include <QTimer>
#include <vector>

#include "app/ui/TFormMessage.h"

using namespace sirvela;

namespace {

QStringList Etichette(const TFormMessage& f) {
    QStringList t;
    for (auto* b : f.Pulsanti()) t << b->text();
    return t;
}

// Presses the visible button at `indice` once the box is running.
int Premi(TFormMessage& f, int indice) {
    QTimer::singleShot(0, &f, [&f, indice] { f.Pulsanti()[indice]->click(); });
    return f.Esegui();
}

}  // namespace

TEST(FormMessage, ButtonsInFixedOrderWithEqualGaps) {
    struct Caso {
        int codici;
        QStringList etichette;
    };
    const Caso casi[] = {
        {1, {"Ok"}},
        {6, {"&Si", "No"}},
        {14, {"&Si", "No", "Annulla"}},
        {15, {"&Si", "Ok", "No", "Annulla"}},
        {9, {"Ok", "Annulla"}},
        {0, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.codici);
        TFormMessage f("Informazione", "Testo", c.codici);
        EXPECT_EQ(Etichette(f), c.etichette);
        const int n = static_cast<int>(f.Pulsanti().size());
        const int w = TFormMessage::kLarghezzaPulsante;
        const int gap = (f.width() - n * w) / (n + 1);
        for (int i = 0; i < n; ++i) {
            const QRect r = f.Pulsanti()[i]->geometry();
            EXPECT_EQ(r.left(), gap + i * (w + gap));
            EXPECT_EQ(r.width(), w);
            EXPECT_GT(r.top(), f.RettangoloIcona().bottom());
        }
    }
}

TEST(FormMessage, ReturnsTheCodeOfTheButtonPressed) {
    {
        TFormMessage f("Informazione", "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ", 14);
        EXPECT_EQ(Premi(f, 1), PulsanteNo);
    }
    {
        TFormMessage f("Conferma", "Vuoi Cancellare x.Sst?", 14);
        EXPECT_EQ(Premi(f, 0), PulsanteSi);
    }
    {
        TFormMessage f("Conferma", "x", 15);
        EXPECT_EQ(Premi(f, 3), PulsanteAnnulla);
    }
    {
        TFormMessage f("Informazione", "x", 1);
        EXPECT_EQ(Premi(f, 0), PulsanteOk);
    }
    {
        TFormMessage f("Informazione", "x", 14);
        QTimer::singleShot(0, &f, [&f] { f.reject(); });  // closed without a button
        EXPECT_EQ(f.Esegui(), 0);
    }
}

TEST(FormMessage, TextWrapsWordByWordBesideTheIcon) {
    const QString testo =
        "Errore Di Lettura Sul File. Impossibile Leggere le Colonne. Una frase abbastanza "
        "lunga da andare a capo più volte nella finestra del messaggio";
    TFormMessage f("Informazione", testo, 1);
    const auto& imp = f.Impaginazione();
    ASSERT_EQ(imp.Testi.size(), static_cast<std::size_t>(testo.split(' ').size()));
    EXPECT_EQ(imp.Testi.front(), "Errore");
    const int sinistra = imp.Parole.front().left();
    EXPECT_GT(sinistra, f.RettangoloIcona().right());
    EXPECT_EQ(imp.Parole.front().top(), 12);
    int righe = 1;
    for (std::size_t i = 0; i < imp.Parole.size(); ++i) {
        const QRect& r = imp.Parole[i];
        EXPECT_LE(r.right() + 1, f.width() - 10) << imp.Testi[i].toStdString();
        if (i > 0 && r.top() > imp.Parole[i - 1].top()) {
            ++righe;
            EXPECT_EQ(r.left(), sinistra);
            // It went down because it would not fit after the previous word.
            const QRect& p = imp.Parole[i - 1];
            EXPECT_GT(p.right() + 1 + QFontMetrics(f.font()).horizontalAdvance(' ') + r.width(),
                      f.width() - 10);
        }
    }
    EXPECT_GE(righe, 3);
    EXPECT_GT(f.Pulsanti()[0]->geometry().top(), imp.Fondo);
}

TEST(FormMessage, WordsFitToTheMarginExactly) {
    QFont font;
    const QFontMetrics fm(font);
    const int parola = fm.horizontalAdvance("abc");
    const int spazio = fm.horizontalAdvance(' ');
    // Two words end exactly 10 pixels before the edge: they stay on one line.
    const int larghezza = 50 + parola + spazio + parola + 10;
    auto imp = ImpaginaTesto("abc abc", fm, 50, larghezza);
    EXPECT_EQ(imp.Parole[1].top(), imp.Parole[0].top());
    imp = ImpaginaTesto("abc abc", fm, 50, larghezza - 1);
    EXPECT_GT(imp.Parole[1].top(), imp.Parole[0].top());
    // A word too long for any line stays where it starts.
    imp = ImpaginaTesto("abcabcabcabc", fm, 50, 60);
    EXPECT_EQ(imp.Parole[0].topLeft(), QPoint(50, 12));
}
