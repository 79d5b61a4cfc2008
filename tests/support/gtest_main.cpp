// GoogleTest under a Qt application: QCoreApplication for the core's tests,
// QGuiApplication (fonts, painting) where ETIQUETAS_GUI_TESTS is defined.
#include <gtest/gtest.h>

#ifdef ETIQUETAS_GUI_TESTS
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
