#include <gtest/gtest.h>

#include "codepage.h"
#include "fullgeneration.h"
#include "labellist.h"
#include "testenv.h"

using namespace fichas;

namespace {

const QString kSep = labellist::kSeparator;

FullGeneration generateFrom(const QByteArray& bytes) {
    TempDriveC c;
    c.write("f.prn", bytes);
    return generateFullLabels(c.file("f.prn"));
}

// One item's four lines, in the order given.
QByteArray item(const QByteArray& callNo, const QByteArray& title, const QByteArray& author,
                const QByteArray& barcode) {
    return "<z30-call-no>" + callNo + "</z30-call-no>\r\n<z13-title>" + title +
           "</z13-title>\r\n<z13-author>" + author + "</z13-author>\r\n<z30-barcode>" + barcode +
           "</z30-barcode>\r\n";
}

// Characters as the print file's reader gives them for these UTF-8 bytes.
QString asRead(const char* utf8) { return codepage::decode(utf8); }

}  // namespace

TEST(Wrap, Limits) {
    EXPECT_EQ(wrapValue(QString(40, u'a'), 40, 40), QStringList{QString(40, u'a')});
    EXPECT_EQ(wrapValue(QString(28, u'a'), 28, 36), QStringList{QString(28, u'a')});
    EXPECT_EQ(wrapValue(QString(), 28, 36), QStringList{QString()});

    // 45 characters, the last blank at or before 40 at position 33.
    const QString author = QString(32, u'a') + u' ' + QString(12, u'b');
    ASSERT_EQ(author.size(), 45);
    EXPECT_EQ(wrapValue(author, 40, 40), (QStringList{author.left(33), author.mid(33)}));

    // 80 characters with a blank at 28: 1-28, then 29-64; 65-80 are lost.
    QString title;
    for (int i = 1; i <= 80; ++i) title += (i == 28 ? QChar(u' ') : QChar(u'a' + i % 26));
    EXPECT_EQ(wrapValue(title, 28, 36), (QStringList{title.left(28), title.mid(28, 36)}));

    // No blank at or before the limit: the first L characters, then M more.
    const QString word = QString(30, u'x') + QString(50, u'y');
    EXPECT_EQ(wrapValue(word, 28, 36), (QStringList{word.left(28), word.mid(28, 36)}));

    // A character outside the basic plane is never cut in two (found by fuzzing).
    const QString book = QStringLiteral("\U0001F4DA");
    const QString emoji = QString(27, u'x') + book + QString(40, u'y');
    EXPECT_EQ(wrapValue(emoji, 28, 36), (QStringList{QString(27, u'x'), book + QString(34, u'y')}));
    const QString late = QString(28, u'x') + QString(35, u'y') + book;
    EXPECT_EQ(wrapValue(late, 28, 36), (QStringList{QString(28, u'x'), QString(35, u'y')}));
}

TEST(AccentRepair, TheSixLettersOfTheTableComeOutAsBefore) {
    EXPECT_EQ(repairAccents(asRead("N\xC3\xBAmero")), QStringLiteral("Número"));
    EXPECT_EQ(repairAccents(asRead("\xC3\xAD\xC3\xB3\xC3\xA1\xC3\xB1\xC3\xA9\xC3\xBA")),
              QStringLiteral("íóáñéú"));
}

TEST(AccentRepair, EveryOtherLetterTheReadingSplitComesBack) {
    EXPECT_EQ(repairAccents(asRead("\xC2\xBFQu\xC3\xA9? \xC2\xA1S\xC3\xAD!")), QStringLiteral("¿Qué? ¡Sí!"));
    EXPECT_EQ(repairAccents(asRead("\xC3\x81lgebra \xC3\x89tica \xC3\x93pera \xC3\x9Altimo \xC3\x91u\xC3\xB1oa "
                                   "ping\xC3\xBC\x69no")),
              QStringLiteral("Álgebra Ética Ópera Último Ñuñoa pingüino"));
    EXPECT_EQ(repairAccents(asRead("\xE2\x80\x9C" "cita" "\xE2\x80\x9D \xE2\x82\xAC")),
              QStringLiteral("“cita” €"));
    EXPECT_EQ(repairAccents(asRead("\xF0\x9F\x93\x9A")), QStringLiteral("\U0001F4DA"));
}

TEST(AccentRepair, BytesThatAreNotUtf8StayAsRead) {
    // Windows-1252 text, a lone lead byte, a cut sequence, an overlong form.
    for (const char* bytes : {"Espa\xF1" "a", "\xC3", "ab\xC3", "\xC3z", "\xC0\xAF", "\xED\xA0\x80"}) {
        EXPECT_EQ(repairAccents(asRead(bytes)), asRead(bytes)) << bytes;
    }
    EXPECT_EQ(repairAccents(asRead("\xE9 y \xC3\xA9")), asRead("\xE9 y ") + QStringLiteral("é"));
}

TEST(FullGeneration, FourListsFromOneItem) {
    const FullGeneration g = generateFrom(item("QA76.73 .C15 2005", "Qu\xC3\xADmica org\xC3\xA1nica",
                                               "Chapra, Steven C.", "3900258409929"));
    EXPECT_EQ(g.status, printfile::Status::Ok);
    EXPECT_EQ(g.labelCount, 1);
    EXPECT_EQ(g.lstBarras, (QStringList{"3900258409929", kSep}));
    EXPECT_EQ(g.lstClasify, (QStringList{"QA76.73", ".C15", "2005", kSep, "*"}));
    EXPECT_EQ(g.lstTitulo, (QStringList{QStringLiteral("Química orgánica"), kSep}));
    EXPECT_EQ(g.lstAutor, (QStringList{"Chapra, Steven C.", kSep, "*"}));
    EXPECT_TRUE(mismatchWarning(g).isEmpty());
}

TEST(FullGeneration, TagsInAnyOrderAndLongFields) {
    const QByteArray longTitle = "Introducci\xC3\xB3n a la teor\xC3\xAD" "a de los n\xC3\xBAmeros algebraicos y anal\xC3\xADticos";
    const QByteArray barcode(200, '7');
    const FullGeneration g = generateFrom(
        "<z30-barcode>" + barcode + "</z30-barcode>\r\n<z13-author>A</z13-author>\r\n"
        "<z13-title>" + longTitle + "</z13-title>\r\n<z30-call-no>X</z30-call-no>\r\n");
    EXPECT_EQ(g.lstBarras, (QStringList{QString::fromLatin1(barcode), kSep}));
    // Wrapped after the repair: the accents count as one character each.
    const QString repaired = QString::fromUtf8(longTitle);
    EXPECT_EQ(g.lstTitulo, (QStringList{wrapValue(repaired, 28, 36)[0], wrapValue(repaired, 28, 36)[1], kSep}));
    EXPECT_EQ(g.lstTitulo[0], QStringLiteral("Introducción a la teoría de "));
    // Call numbers and barcodes are not repaired.
    EXPECT_EQ(generateFrom("<z30-call-no>\xC3\xA9</z30-call-no>\r\n").lstClasify[0], asRead("\xC3\xA9"));
}

TEST(FullGeneration, MissingTitleLeavesItsListShortAndWarns) {
    QByteArray bytes = item("A", "T1", "Au1", "1");
    bytes += "<z30-call-no>B</z30-call-no>\r\n<z13-author>Au2</z13-author>\r\n<z30-barcode>2</z30-barcode>\r\n";
    bytes += item("C", "T3", "Au3", "3");
    const FullGeneration g = generateFrom(bytes);
    EXPECT_EQ(groupCount(g.lstTitulo), 2);
    EXPECT_EQ(groupCount(g.lstClasify), 3);
    EXPECT_EQ(mismatchWarning(g),
              QStringLiteral("El archivo de etiquetas no trae los mismos datos para todos los ejemplares: "
                             "se encontraron 3 códigos de barras, 3 clasificaciones, 2 títulos y 3 autores.\n"
                             "Las etiquetas no corresponderán a sus ejemplares."));
}

TEST(FullGeneration, EmptyFileAndTheMends) {
    const FullGeneration empty = generateFrom("");
    EXPECT_EQ(empty.lstClasify, QStringList{"*"});
    EXPECT_EQ(empty.lstAutor, QStringList{"*"});
    EXPECT_TRUE(empty.lstBarras.isEmpty());
    EXPECT_TRUE(empty.lstTitulo.isEmpty());
    EXPECT_EQ(empty.labelCount, 0);
    EXPECT_TRUE(mismatchWarning(empty).isEmpty());

    // A tag that does not open its line; a value without a closing tag.
    const FullGeneration g = generateFrom("  <z13-title>Mid line</z13-title>\r\n<z13-author>No closing\r\n");
    EXPECT_EQ(g.lstTitulo[0], QStringLiteral("Mid line"));
    EXPECT_EQ(g.lstAutor[0], QStringLiteral("No closing"));
}

TEST(FullGeneration, TheSampleFile) {
    const FullGeneration g = generateFullLabels(QStringLiteral(ETIQUETAS_TEST_DATA "/itemlbl-sample.prn"));
    ASSERT_EQ(g.status, printfile::Status::Ok);
    EXPECT_EQ(g.labelCount, 40);
    EXPECT_EQ(g.lstTitulo[0], QStringLiteral("Cien años de soledad"));
    for (const QString& line : g.lstTitulo.toStringList() + g.lstAutor.toStringList()) {
        EXPECT_FALSE(line.contains(QChar(0xC3))) << line.toStdString();  // nothing left split
    }
}
