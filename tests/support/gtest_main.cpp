// GoogleTest under a QCoreApplication, for the programs' own Qt classes; a
// QGuiApplication for the tests that draw (TESTS_DRAW).
#include <gtest/gtest.h>

#include "common/core/program/startup.h"

#ifdef TESTS_DRAW
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

int main(int argc, char** argv) {
    Application app(argc, argv);
    useLanguage(app, QStringLiteral("es"));  // as the programs start
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
