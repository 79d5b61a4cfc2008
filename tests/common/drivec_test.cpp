#include <gtest/gtest.h>

#include <QDir>

#include "drivec.h"
#include "testenv.h"

TEST(DriveC, FixedFilesLieAtItsRoot) {
    TempDriveC c;
    EXPECT_EQ(drivec::root(), QDir::cleanPath(c.root()));
    EXPECT_EQ(drivec::settingsFile(), c.file("ini.prn"));
    EXPECT_EQ(drivec::coordinateFile(), c.file("cy.txt"));
}

TEST(DriveC, PrintFilePathWithBackslashesAndExactCase) {
    TempDriveC c;
    EXPECT_EQ(drivec::printFile("CLIENTE", "BIB50"),
              c.file("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"));
    EXPECT_EQ(drivec::printFile("alpha\\cliente", "B"),
              c.file("alpha/cliente/CATALOG/FILES/B/PRINT/itemlbl.prn"));
}

TEST(DriveC, FoldersCopiedFromWindowsMatchIgnoringCase) {
    TempDriveC c;
    c.write("Cliente/catalog/Files/bib50/print/ITEMLBL.PRN", "x");
    EXPECT_EQ(drivec::printFile("CLIENTE", "BIB50"),
              c.file("Cliente/catalog/Files/bib50/print/ITEMLBL.PRN"));
}

TEST(DriveC, AmbiguousOrMissingNamesStayAsTyped) {
    TempDriveC c;
    c.write("Dos/a", "x");
    c.write("DOS/b", "x");
    // Two folders match "dos" ignoring case and neither exactly: no guess.
    EXPECT_EQ(drivec::path("dos\\a"), c.file("dos/a"));
    EXPECT_EQ(drivec::path("nada\\ni\\esto.txt"), c.file("nada/ni/esto.txt"));
}

TEST(DriveC, BlanksInNamesAreKept) {
    TempDriveC c;
    EXPECT_EQ(drivec::printFile("  ", "b"), c.file("  /CATALOG/FILES/b/PRINT/itemlbl.prn"));
}
