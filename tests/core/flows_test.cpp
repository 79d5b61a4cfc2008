// "Generar" as both programs run it: what is saved, what is tried, what the
// user is told.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fichas/core/fullgeneration.h"
#include "lomos/core/generation.h"
#include "common/core/generar.h"
#include "testenv.h"

namespace {

struct GenerarRun {
    generar::Report report;
    QStringList triedPaths;
};

GenerarRun generarWith(const Settings& settings, generar::SaveSettings save,
                       generar::Generated generated) {
    GenerarRun run;
    run.report = generar::run(settings, save, [&](const QString& path) {
        run.triedPaths << path;
        return generated;
    });
    return run;
}

}  // namespace

TEST(Generar, CountsTheLabelsOfThePrintFileTheSettingsName) {
    TempDriveC c;
    const GenerarRun run = generarWith({QStringLiteral("CLIENTE"), QStringLiteral(" ")},
                                       generar::SaveSettings::Yes, {12, printfile::Status::Ok, {}});
    EXPECT_EQ(run.report.outcome, generar::Outcome::Generated);
    EXPECT_EQ(run.triedPaths,
              QStringList{c.file("CLIENTE/CATALOG/FILES/ /PRINT/itemlbl.prn")});  // blanks pass
    EXPECT_EQ(run.report.status, QStringLiteral("Se han generado 12 etiquetas"));
    EXPECT_TRUE(run.report.notices.isEmpty());
    EXPECT_EQ(c.read("ini.prn"), QByteArray("CLIENTE\r\n \r\n"));
}

TEST(Generar, AnUnreadablePrintFileIsNamedThenTheWarningFollows) {
    TempDriveC c;
    c.putSettings("X", "Y");
    const GenerarRun run =
        generarWith({QStringLiteral("NOESTA"), QStringLiteral("BIB50")}, generar::SaveSettings::No,
                    {3, printfile::Status::ReadFailed, QStringLiteral("aviso")});
    EXPECT_EQ(run.report.outcome, generar::Outcome::UnreadablePrintFile);
    EXPECT_EQ(run.report.status, QStringLiteral("Se han generado 3 etiquetas"));
    EXPECT_EQ(run.report.notices,
              (QStringList{"No se pudo leer el archivo de etiquetas:\n" +
                               QDir::toNativeSeparators(
                                   c.file("NOESTA/CATALOG/FILES/BIB50/PRINT/itemlbl.prn")),
                           "aviso"}));
    EXPECT_EQ(c.read("ini.prn"), QByteArray("X\r\nY\r\n"));  // the windowless job does not save
}

TEST(Generation, ALargeFileReadOnEveryCoreGivesWhatOneReadingGives) {
    TempDriveC c;
    c.write("f.prn", printFileWithFullItems(120000));  // over 8 MB: two parts or more
    ASSERT_GE(printfile::splitAtLines(c.file("f.prn"), 2).size(), 2u);
    QFile file(c.file("f.prn"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const fichas::FullGeneration full = fichas::generateFullLabels(c.file("f.prn"));
    const fichas::FullGeneration fullInOne = fichas::generateFullLabels(file);
    EXPECT_EQ(full.labelCount, 120000);
    EXPECT_TRUE(full.lstBarras == fullInOne.lstBarras && full.lstClasify == fullInOne.lstClasify &&
                full.lstTitulo == fullInOne.lstTitulo && full.lstAutor == fullInOne.lstAutor);
    file.seek(0);
    EXPECT_EQ(lomos::generateSpineLabels(c.file("f.prn")).lstClasify,
              lomos::generateSpineLabels(file).lstClasify);
}

TEST(Generation, ReadsAPrintFileTheClientStillHasOpen) {
    TempDriveC c;
    QFile client(c.file("f.prn"));  // the library client, still writing
    ASSERT_TRUE(client.open(QIODevice::WriteOnly));
    client.write(printFileWithCallNumbers({"A B"}));
    client.flush();
    EXPECT_EQ(lomos::generateSpineLabels(c.file("f.prn")).labelCount, 1);
}
