// The stand-in library's file format: what it holds, and what makes a file malformed.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "blowfish_vectors.h"
#include "standin/orgapi32/organizer_file.h"

namespace {

OrganizerFileData Parsed(const std::string& content) {
    OrganizerParseResult result = ParseOrganizerFile(content);
    EXPECT_TRUE(result.file) << "line " << result.errorLine << ": " << result.error;
    return result.file.value_or(OrganizerFileData{});
}

std::string ReadTestFile(const std::string& name) {
    std::ifstream in(TestDataPath(name), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(OrganizerFile, TheDocumentedExampleHoldsItsSectionsRecordsAndMessage) {
    const OrganizerFileData file = Parsed(ReadTestFile("example.org"));
    ASSERT_EQ(file.sections.size(), 2u);
    const OrganizerSectionData* calendar = file.FindSection("Calendar");
    ASSERT_NE(calendar, nullptr);
    ASSERT_EQ(calendar->records.size(), 4u);
    EXPECT_EQ(calendar->records[0].text, "Dentist, Dr. Ruiz");
    EXPECT_EQ(calendar->records[0].when, (std::array<std::uint8_t, 8>{0xE8, 0x07, 5, 10, 17, 30, 0, 0}));
    EXPECT_FALSE(calendar->records[2].when);
    EXPECT_FALSE(calendar->records[3].text);
    EXPECT_NE(file.FindSection("Contacts"), nullptr);
    EXPECT_EQ(file.FindSection("calendar"), nullptr);
    ASSERT_EQ(file.messages.size(), 1u);
    EXPECT_EQ(file.messages[0].caption, "Organizer");
    EXPECT_EQ(file.messages[0].style, 0x40u);
    EXPECT_FALSE(file.password);
}

TEST(OrganizerFile, DateTimesAreStoredAsWrittenEvenWhenNoCalendarHasThem) {
    const OrganizerFileData file = Parsed(
        "dayvane-organizer 1\nsection Calendar\nrecord\nwhen 65535-13-0 24:60:255\n");
    EXPECT_EQ(file.sections[0].records[0].when, (std::array<std::uint8_t, 8>{0xFF, 0xFF, 13, 0, 24, 60, 255, 0}));
}

TEST(OrganizerFile, ValuesTakeEscapesAndLinesMayEndInCrLf) {
    const OrganizerFileData file = Parsed(
        "# a comment\r\ndayvane-organizer 1\r\npassword se\\x63ret\r\nopen-error 0x10063\r\n"
        "section Calendar\r\nrecord\r\n   text Line one\\nLine\\ttwo \\\\ \\xE9\r\n\r\n");
    EXPECT_EQ(file.password, "secret");
    EXPECT_EQ(file.openError, 0x10063u);
    EXPECT_EQ(file.sections[0].records[0].text, "Line one\nLine\ttwo \\ \xE9");
}

TEST(OrganizerFile, ASectionMayBeEmptyAndRecordsMayBeBare) {
    const OrganizerFileData file = Parsed("dayvane-organizer 1\nsection Calendar\nsection Other\nrecord\n");
    EXPECT_TRUE(file.sections[0].records.empty());
    ASSERT_EQ(file.sections[1].records.size(), 1u);
    EXPECT_FALSE(file.sections[1].records[0].text);
    EXPECT_FALSE(file.sections[1].records[0].when);
}

struct MalformedCase {
    const char* name;
    std::string content;
    int line;
};

void PrintTo(const MalformedCase& c, std::ostream* out) {
    *out << c.name;
}

class MalformedFile : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFile, IsRefusedAtTheLineThatBreaksIt) {
    const OrganizerParseResult result = ParseOrganizerFile(GetParam().content);
    EXPECT_FALSE(result.file);
    EXPECT_EQ(result.errorLine, GetParam().line);
    EXPECT_FALSE(result.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Organizer, MalformedFile,
    testing::Values(
        MalformedCase{"Empty", "", 0},
        MalformedCase{"OnlyComments", "# nothing\n\n", 2},
        MalformedCase{"WrongHeader", "dayvane-organizer 2\n", 1},
        MalformedCase{"UnknownKeyword", "dayvane-organizer 1\ncolour blue\n", 2},
        MalformedCase{"RecordOutsideSection", "dayvane-organizer 1\nrecord\n", 2},
        MalformedCase{"DuplicateSection", "dayvane-organizer 1\nsection A\nsection A\n", 3},
        MalformedCase{"SectionWithoutName", "dayvane-organizer 1\nsection\n", 2},
        MalformedCase{"YearTooLarge", "dayvane-organizer 1\nsection C\nrecord\nwhen 65536-01-01 00:00:00\n", 4},
        MalformedCase{"FieldTooLarge", "dayvane-organizer 1\nsection C\nrecord\nwhen 2024-256-01 00:00:00\n", 4},
        MalformedCase{"WhenMissingSeconds", "dayvane-organizer 1\nsection C\nrecord\nwhen 2024-05-10 17:30\n", 4},
        MalformedCase{"WhenWithTrailingText", "dayvane-organizer 1\nsection C\nrecord\nwhen 2024-05-10 17:30:00 x\n", 4},
        MalformedCase{"TwoTexts", "dayvane-organizer 1\nsection C\nrecord\ntext a\ntext b\n", 5},
        MalformedCase{"BadEscape", "dayvane-organizer 1\nsection C\nrecord\ntext a\\q\n", 4},
        MalformedCase{"ShortHexEscape", "dayvane-organizer 1\nsection C\nrecord\ntext a\\x4\n", 4},
        MalformedCase{"TrailingBackslash", "dayvane-organizer 1\npassword a\\\n", 2},
        MalformedCase{"BadStyle", "dayvane-organizer 1\nmessage\nstyle big\n", 3},
        MalformedCase{"MessageAfterSections", "dayvane-organizer 1\nsection C\nmessage\n", 3},
        MalformedCase{"BadOpenError", "dayvane-organizer 1\nopen-error -5\n", 2},
        MalformedCase{"KeyInSectionOutsideRecord", "dayvane-organizer 1\nsection C\ntext x\n", 3}));

}  // namespace
