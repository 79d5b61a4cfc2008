// What IT presets and locks for a machine, end to end: the windowless job
// of a fresh user under a machine file of its own (XDG_CONFIG_DIRS), its
// PDF's pages and what it says on standard error.
#include <gtest/gtest.h>

#include <QFile>

#include "pdfwords.h"
#include "testenv.h"

namespace {

// 34 labels take four sheets of 10 labels, two of lomos' own 33 positions
// and one sheet of 48.
constexpr const char* kStock = "Herma 4099";

struct MachineCase {
    const char* name;
    QByteArray presets;   // etiquetas.conf; @C@ is drive C
    QStringList options;  // after --pdf
    const char* base;     // ini.prn's base, or none at all
    int exitCode;
    QString said;         // on standard error, once
    int pages;            // 0: no PDF
};

class MachineJob : public testing::TestWithParam<MachineCase> {};

TEST_P(MachineJob, PresetsAndLocks) {
    const MachineCase& c = GetParam();
    TempDriveC drive;
    drive.putPrintFile(printFileWithCallNumbers(QStringList(34, QStringLiteral("86 CER qui"))));
    drive.putDefaultCoordinates();
    if (!c.base) QFile::remove(drive.file("ini.prn"));
    else if (QByteArray(c.base) != "BIB50") drive.putSettings("CLIENTE", c.base);
    drive.write("diseno.ini", "[tejuelo]\nalineacion = centro\n");
    drive.putMachinePresets(QByteArray(c.presets).replace("@C@", drive.root().toUtf8()));
    const QString pdf = drive.file("out.pdf");
    const ProcessRun run = runProcess(LOMOS_EXE, QStringList{"--pdf", pdf} + c.options);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
    if (!c.said.isEmpty()) EXPECT_EQ(run.err.count(c.said), 1) << run.err.toStdString();
    if (c.pages == 0) {
        EXPECT_FALSE(QFile::exists(pdf));
    } else {
        EXPECT_EQ(readPdfWords(pdf).pages, c.pages);
    }
}

const QByteArray kLockedStock = QByteArray("[bloqueado]\nhoja=") + kStock + "\n";

INSTANTIATE_TEST_SUITE_P(Machine, MachineJob, testing::Values(
    MachineCase{"a_preset_stock_for_a_fresh_user", QByteArray("[predeterminado]\nhoja=") + kStock + "\n",
                {}, "BIB50", 0, {}, 4},
    MachineCase{"the_users_stock_over_a_preset", QByteArray("[predeterminado]\nhoja=") + kStock + "\n",
                {"--stock", "Herma 4097"}, "BIB50", 0, {}, 1},
    MachineCase{"a_locked_stock_refuses_another", kLockedStock, {"--stock", "Herma 4097"}, "BIB50", 1,
                QString("La hoja la fija el administrador: ") + kStock, 0},
    MachineCase{"a_bad_preset_leaves_the_lock", kLockedStock + "[predeterminado]\nhoja=Nadie 0000\n",
                {"--stock", "Herma 4097"}, "BIB50", 1, QString("La hoja la fija el administrador: ") + kStock, 0},
    MachineCase{"a_locked_stock_takes_its_own_name", kLockedStock, {"--stock", "herma  4099"},
                "BIB50", 0, {}, 4},
    MachineCase{"an_unknown_stock_said_once_and_left_out", "[predeterminado]\nhoja=Nadie 0000\n", {},
                "BIB50", 0,
                "La hoja «Nadie 0000» que fijó el administrador no está en el catálogo: no se tiene en cuenta.", 2},
    MachineCase{"a_locked_base_is_what_generar_reads", "[bloqueado]\nbase_administrativa=BIB50\n", {},
                "OTRA", 0, {}, 2},
    MachineCase{"preset_settings_where_there_is_no_file",
                "[predeterminado]\ndirectorio_cliente=CLIENTE\nbase_administrativa=BIB50\n", {}, nullptr, 0, {}, 2},
    MachineCase{"a_locked_design_refuses_another", "[bloqueado]\ndiseno=@C@/diseno.ini\n",
                {"--design", "/otro.ini"}, "BIB50", 1, "El diseño lo fija el administrador: ", 0},
    MachineCase{"an_unreadable_design_said_once", "[bloqueado]\ndiseno=@C@/no-hay.ini\n", {}, "BIB50", 0,
                "que fijó el administrador no se puede usar", 2},
    MachineCase{"an_unknown_language_whatever_else", {}, {"--language", "xx", "--version"}, "BIB50", 1,
                "Idioma desconocido: «xx» (es, ca, gl, eu, en)", 0},
    MachineCase{"a_locked_language_refuses_another", "[bloqueado]\nidioma=ca\n", {"--language", "en"},
                "BIB50", 1, "L'idioma l'ha establert l'administrador: ca", 0},  // in the locked language
    MachineCase{"an_unknown_preset_language", "[bloqueado]\nidioma=klingon\n", {}, "BIB50", 0,
                "El idioma «klingon» que fijó el administrador", 2}
), CaseName());

}  // namespace

namespace {

// The language of the windowless job: --language, else a locked one, else
// the user's or a preset one, else Spanish.
struct LanguageCase {
    const char* name;
    QByteArray presets;
    QStringList options;
    const char* usage;  // how --help starts
};

class JobLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(JobLanguage, HelpSpeaksIt) {
    TempDriveC drive;
    drive.putMachinePresets(GetParam().presets);
    const ProcessRun run = runProcess(LOMOS_EXE, GetParam().options + QStringList{"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(GetParam().usage)) << run.out.left(80).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, JobLanguage, testing::Values(
    LanguageCase{"spanish_whatever_the_locale", {}, {}, "Uso: lomos --pdf ARCHIVO.pdf"},
    LanguageCase{"catalan", {}, {"--language", "ca"}, "Ús: lomos --pdf FITXER.pdf"},
    LanguageCase{"galician", {}, {"--language=gl"}, "Uso: lomos --pdf FICHEIRO.pdf"},
    LanguageCase{"basque", {}, {"--language", "eu"}, "Erabilera: lomos --pdf FITXATEGIA.pdf"},
    LanguageCase{"english", {}, {"--language", "en"}, "Usage: lomos --pdf FILE.pdf"},
    LanguageCase{"a_preset_one", "[predeterminado]\nidioma=eu\n", {}, "Erabilera:"},
    LanguageCase{"a_locked_one", "[bloqueado]\nidioma=ca\n[predeterminado]\nidioma=eu\n", {}, "Ús:"},
    LanguageCase{"the_lock_taking_its_own_code", "[bloqueado]\nidioma=ca\n", {"--language", "ca"}, "Ús:"}
), CaseName());

}  // namespace
