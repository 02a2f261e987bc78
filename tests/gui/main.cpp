#include <gtest/gtest.h>

#include <QApplication>

#include "app/ui/Risorse.h"

int main(int argc, char** argv) {
    // Test discovery runs the program without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // File choosers are Qt's own widgets, which the tests can find and fill in.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    sirvela::CaricaRisorse();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
