#include "common/core/program/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "common/core/files/drivec.h"

namespace {

// The translators installed for the language in use.
QList<QTranslator*>& installed() {
    static QList<QTranslator*> translators;
    return translators;
}

// Installs `name` from `folder` when it is there.
void install(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder)) {
        app.installTranslator(translator);
        installed().append(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void useLanguage(QCoreApplication& app, const QString& code) {
    for (QTranslator* translator : std::as_const(installed())) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
    // The programs' texts are carried inside them (:/i18n).
    Q_INIT_RESOURCE(etiquetas_texts);
    QLocale::setDefault(QLocale(code));
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : {QStringLiteral("qtbase_"), QStringLiteral("qt_")})
        install(app, name + code, qtFolder);
    install(app, QStringLiteral("etiquetas_") + code, QStringLiteral(":/i18n"));
}

void setUpApplication(QCoreApplication& app) {
    useLanguage(app, QStringLiteral("es"));
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
