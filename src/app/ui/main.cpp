#include <QApplication>
#include <QMainWindow>

#include "core/Globali.h"
#include "core/Testo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QString::fromStdString(
        sirvela::TitoloProgramma(sirvela::VersioneFormato, "SenzaNome.Sst")));
    finestra.setMinimumSize(640, 480);
    finestra.show();
    return app.exec();
}
