#include "common/core/program/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "common/core/files/drivec.h"

void setUpApplication(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_es", "qt_es"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder)) {
            app.installTranslator(translator);
        } else {
            delete translator;
        }
    }
    // The settings file lives at the root of drive C; a first run creates it.
    QDir().mkpath(drivec::root());
}

void keepOnlyQtFailures() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(msg));
        }
    });
}
