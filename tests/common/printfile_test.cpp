#include <gtest/gtest.h>

#include <array>

#include "printfile.h"
#include "testenv.h"

namespace {

constexpr std::array<std::string_view, 2> kTags = {"<z30-call-no>", "<z13-title>"};

struct Hit {
    std::string line;
    std::vector<size_t> starts;
};

std::vector<Hit> scanBytes(const QByteArray& bytes, printfile::Status* status = nullptr) {
    TempDriveC c;
    c.write("f.prn", bytes);
    std::vector<Hit> hits;
    const printfile::Status s =
        printfile::scan(c.file("f.prn"), kTags, [&](std::string_view line, std::span<const size_t> starts) {
            hits.push_back({std::string(line), std::vector<size_t>(starts.begin(), starts.end())});
        });
    if (status) *status = s;
    return hits;
}

}  // namespace

TEST(PrintFile, OnlyTaggedLinesReachTheHandler) {
    printfile::Status status;
    const auto hits = scanBytes(
        "<printout>\r\n<z30-call-no>QA76 .C15</z30-call-no>\r\n<z30-call-no-type>0</z30-call-no-type>\r\n"
        "<Z30-CALL-NO>upper</Z30-CALL-NO>\r\n<z13-title>T</z13-title>\r\n",
        &status);
    EXPECT_EQ(status, printfile::Status::Ok);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].starts[0], 13u);
    EXPECT_EQ(hits[0].starts[1], printfile::kNotFound);
    EXPECT_EQ(hits[1].starts[0], printfile::kNotFound);
    EXPECT_EQ(hits[1].starts[1], 11u);
}

TEST(PrintFile, ValueStartsRightAfterTheTagWhereverItStands) {
    const auto hits = scanBytes("  xx<z30-call-no>PQ 7297</z30-call-no>\r\n");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(printfile::valueAt(hits[0].line, hits[0].starts[0]), "PQ 7297");
}

TEST(PrintFile, ValueRules) {
    EXPECT_EQ(printfile::valueAt("<t>abc</t>", 3), "abc");
    EXPECT_EQ(printfile::valueAt("<t></t>", 3), "");
    EXPECT_EQ(printfile::valueAt("<t>no closing tag", 3), "no closing tag");
    EXPECT_EQ(printfile::valueAt("<t>", 3), "");
    EXPECT_EQ(printfile::valueAt("<t>a<b<c", 3), "a");
}

TEST(PrintFile, UnreadableFilesSayWhy) {
    TempDriveC c;
    auto scanPath = [](const QString& path) {
        return printfile::scan(path, kTags, [](std::string_view, std::span<const size_t>) {});
    };
    EXPECT_EQ(scanPath(c.file("missing.prn")), printfile::Status::Missing);
    c.write("folder.prn/x", "");
    EXPECT_EQ(scanPath(c.file("folder.prn")), printfile::Status::NotAFile);
    EXPECT_EQ(scanPath(QStringLiteral("/dev/zero")), printfile::Status::NotAFile);
}
