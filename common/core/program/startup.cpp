#include "common/core/program/startup.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "common/core/design/design.h"
#include "common/core/files/drivec.h"
#include "common/core/files/presets.h"
#include "common/core/files/usersettings.h"
#include "common/core/sheets/stockchoice.h"

namespace {

// The translators installed for the language in use.
QList<QTranslator*>& installed() {
    static QList<QTranslator*> translators;
    return translators;
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(startup)
};

const QString kLanguageKey = QStringLiteral("idioma");

// Installs `name` from `folder` when it is there.
bool install(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder)) {
        app.installTranslator(translator);
        installed().append(translator);
        return true;
    }
    delete translator;
    return false;
}

QStringList& notices() {
    static QStringList said;
    return said;
}

// Leaves out the machine's stock and design when they cannot be used, and
// says so in the language in force.
void checkMachinePresets() {
    presets::Presets& machine = presets::machine();
    // Each group on its own: a bad preset leaves a good lock in force.
    for (const bool locked : {true, false}) {
        auto value = locked ? machine.locked(presets::Key::Stock) : machine.preset(presets::Key::Stock);
        if (value && !stockchoice::find(*value, catalogue::read(catalogue::folder()))) {
            notices().append(Text::tr("La hoja «%1» que fijó el administrador no está en el "
                                      "catálogo: no se tiene en cuenta.").arg(*value));
            locked ? machine.dropLocked(presets::Key::Stock) : machine.dropPreset(presets::Key::Stock);
        }
        value = locked ? machine.locked(presets::Key::Design) : machine.preset(presets::Key::Design);
        if (!value) continue;
        if (const design::Read read = design::readFile(*value); !read.design) {
            notices().append(Text::tr("El diseño «%1» que fijó el administrador no se puede "
                                      "usar (%2): no se tiene en cuenta.").arg(*value, read.problem));
            locked ? machine.dropLocked(presets::Key::Design) : machine.dropPreset(presets::Key::Design);
        }
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
    // Where Qt has no texts of that language, the programs carry the ones
    // their boxes show.
    if (!install(app, QStringLiteral("qtbase_") + code, qtFolder))
        install(app, QStringLiteral("qtbase_") + code, QStringLiteral(":/i18n"));
    install(app, QStringLiteral("qt_") + code, qtFolder);
    install(app, QStringLiteral("etiquetas_") + code, QStringLiteral(":/i18n"));
}

void setUpApplication(QCoreApplication& app, const std::optional<QString>& commandLine) {
    presets::Presets& machine = presets::machine();
    std::optional<QString> badLanguage;
    if (const auto value = machine.locked(presets::Key::Language); value && !isLanguage(*value)) {
        badLanguage = value;
        machine.dropLocked(presets::Key::Language);
    }
    if (const auto value = machine.preset(presets::Key::Language); value && !isLanguage(*value)) {
        badLanguage = value;
        machine.dropPreset(presets::Key::Language);
    }
    useLanguage(app, languageInForce(commandLine));
    notices().clear();
    if (badLanguage) {
        notices().append(Text::tr("El idioma «%1» que fijó el administrador no es uno de los "
                                  "del programa (es, ca, gl, eu, en): no se tiene en cuenta.")
                             .arg(*badLanguage));
    }
    checkMachinePresets();
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

QStringList machineNotices() { return notices(); }

const std::vector<Language>& languages() {
    // Each in its own words, whatever the language in force.
    static const std::vector<Language> all = {
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("ca"), QStringLiteral("Català")},
        {QStringLiteral("gl"), QStringLiteral("Galego")},
        {QStringLiteral("eu"), QStringLiteral("Euskara")},
        {QStringLiteral("en"), QStringLiteral("English")},
    };
    return all;
}

bool isLanguage(const QString& code) {
    return std::any_of(languages().begin(), languages().end(),
                       [&](const Language& language) { return language.code == code; });
}

QString languageInForce(const std::optional<QString>& commandLine) {
    const auto locked = presets::machine().locked(presets::Key::Language);
    if (commandLine && isLanguage(*commandLine) && (!locked || *locked == *commandLine))
        return *commandLine;
    const QSettings settings = usersettings::shared();
    std::optional<QString> own;
    if (const QString code = settings.value(kLanguageKey).toString(); isLanguage(code)) own = code;
    return presets::machine().inForce(presets::Key::Language, own).value_or(QStringLiteral("es"));
}

void chooseLanguage(const QString& code) { usersettings::shared().setValue(kLanguageKey, code); }

std::optional<QString> languageArgument(const QStringList& arguments) {
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) break;
        if (arguments[i] == option) return arguments.value(i + 1);
        if (arguments[i].startsWith(option + u'=')) return arguments[i].mid(option.size() + 1);
    }
    return std::nullopt;
}
