// The reminder's whole run through the seams: scripted Win32 and a scripted organizer library.
#include <gtest/gtest.h>


#include "fake_organizer.h"
#include "platform/linux/scripted_win32.h"
#include "vanetick/command_line.h"
#include "vanetick/message_intercept.h"
#include "vanetick/organizer_session.h"
#include "vanetick/reminder.h"

namespace {

const HINSTANCE INSTANCE = reinterpret_cast<HINSTANCE>(0x00400000);

struct Box {
    std::string text;
    std::optional<std::string> caption;
    UINT style;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) {
    *out << "[" << box.caption.value_or("(null)") << "] style " << box.style << " \"" << box.text << "\"";
}

Box DayvaneBox(const std::string& text) {
    return Box{text, "Dayvane", MB_ICONWARNING};
}

Box ErrorBox(const std::string& text) {
    return Box{text, "Error", MB_ICONWARNING};
}

class ReminderRun : public testing::Test {
protected:
    void SetUp() override {
        scripted_win32::Reset();
        scripted_win32::OnBox([this](const RecordedBox& box) {
            organizer.events.push_back("box: " + box.text);
        });
    }

    int Run(const std::vector<std::u16string>& arguments) {
        scripted_win32::SetArguments(arguments);
        return RunReminder(organizer.Api(), INSTANCE, nullptr);
    }

    std::vector<Box> Boxes() const {
        std::vector<Box> boxes;
        for (const RecordedBox& box : scripted_win32::Boxes()) {
            EXPECT_EQ(box.owner, nullptr);
            boxes.push_back(Box{box.text, box.caption, box.style});
        }
        return boxes;
    }

    FakeOrganizer organizer;
};

// ---- The command line -------------------------------------------------------------------

struct CommandLineCase {
    const char* name;
    std::vector<std::u16string> arguments;
    std::vector<Box> boxes;
    int exitStatus;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    *out << c.name;
}

class CommandLineRun : public ReminderRun, public testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineRun, ReportsWhatCannotBeUsedBeforeAnyLibraryCall) {
    const CommandLineCase& c = GetParam();
    EXPECT_EQ(Run(c.arguments), c.exitStatus);
    EXPECT_EQ(Boxes(), c.boxes);
    if (c.exitStatus != 0) {
        EXPECT_TRUE(organizer.events.size() == c.boxes.size()) << "the library was called";
    }
    EXPECT_TRUE(scripted_win32::ArgumentArrayReleased());
    EXPECT_EQ(scripted_win32::UnmatchedGlobalFrees(), 0);
}

const Box WRONG_COUNT = DayvaneBox("Wrong number of parameters");
const Box NUMBER_EXPECTED = DayvaneBox("Number expected");

INSTANTIATE_TEST_SUITE_P(
    Reminder, CommandLineRun,
    testing::Values(
        CommandLineCase{"ProgramOnly", {u"vanetick"}, {WRONG_COUNT}, 1},
        CommandLineCase{"OneArgument", {u"vanetick", u"file.dat"}, {WRONG_COUNT}, 1},
        CommandLineCase{"FourArgumentsNeverNumberExpected", {u"vanetick", u"a", u"b", u"c", u"d"}, {WRONG_COUNT}, 1},
        CommandLineCase{"WordForDays", {u"vanetick", u"file.dat", u"soon"}, {NUMBER_EXPECTED}, 1},
        CommandLineCase{"Infinity", {u"vanetick", u"file.dat", u"inf"}, {NUMBER_EXPECTED}, 1},
        CommandLineCase{"EmptyDays", {u"vanetick", u"file.dat", u""}, {NUMBER_EXPECTED}, 1},
        CommandLineCase{"NumberExpectedBeforeSwitch", {u"vanetick", u"file.dat", u"x", u"/p"}, {NUMBER_EXPECTED}, 1},
        CommandLineCase{"TwoDays", {u"vanetick", u"file.dat", u"2days"}, {}, 0},
        CommandLineCase{"QuarterDay", {u"vanetick", u"file.dat", u"0.25"}, {}, 0},
        CommandLineCase{"NegativeWindow", {u"vanetick", u"file.dat", u"-1"}, {}, 0},
        CommandLineCase{"OtherSwitch", {u"vanetick", u"file.dat", u"3", u"-p"}, {}, 0}));

TEST_F(ReminderRun, AFailedSplitOfTheCommandLineIsAWrongCount) {
    scripted_win32::FailCommandLineSplit();
    scripted_win32::SetArguments({u"vanetick", u"file.dat", u"2"});
    EXPECT_EQ(RunReminder(organizer.Api(), INSTANCE, nullptr), 1);
    EXPECT_EQ(Boxes(), std::vector<Box>{WRONG_COUNT});
    EXPECT_TRUE(organizer.events.size() == 1);
}

struct SwitchCase {
    std::u16string text;
    bool usesStoredPassword;
};

void PrintTo(const SwitchCase& c, std::ostream* out) {
    *out << c.text.size() << " UTF-16 units";
}

class SwitchArgument : public testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchArgument, OnlySlashPInEitherCaseAsksForTheStoredPassword) {
    scripted_win32::Reset();
    scripted_win32::SetArguments({u"vanetick", u"file.dat", u"3", GetParam().text});
    const ArgumentArray arguments;
    ReminderArgs args;
    ASSERT_TRUE(ReadReminderArgs(arguments, args));
    EXPECT_EQ(args.useStoredPassword, GetParam().usesStoredPassword);
    EXPECT_EQ(args.daysAhead, 3.0f);
    EXPECT_STREQ(args.filePath, "file.dat");
    EXPECT_TRUE(scripted_win32::Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reminder, SwitchArgument,
    testing::Values(SwitchCase{u"/p", true}, SwitchCase{u"/P", true}, SwitchCase{u"/px", false},
                    SwitchCase{u"-p", false}, SwitchCase{u"p", false}, SwitchCase{u"/", false},
                    SwitchCase{u"", false}, SwitchCase{u"\\p", false}, SwitchCase{u"/p ", false},
                    SwitchCase{u"/\u00FE", false},
                    SwitchCase{u"/p" + std::u16string(5000, u'x'), false},
                    SwitchCase{std::u16string(2000, u'\u00E9'), false}));

std::string Repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct PathCase {
    const char* name;
    std::u16string path;
    std::string utf8;  // empty: refused
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.name;
}

class PathArgument : public testing::TestWithParam<PathCase> {};

TEST_P(PathArgument, IsConvertedToUtf8WholeOrRefused) {
    scripted_win32::Reset();
    scripted_win32::SetArguments({u"vanetick", GetParam().path, u"1"});
    const ArgumentArray arguments;
    ReminderArgs args;
    const bool accepted = ReadReminderArgs(arguments, args);
    if (GetParam().utf8.empty()) {
        EXPECT_FALSE(accepted);
        EXPECT_EQ(args.filePath[0], '\0');
        ASSERT_EQ(scripted_win32::Boxes().size(), 1u);
        EXPECT_EQ(scripted_win32::Boxes()[0].text, "Organizer file path too long: at most 1023 bytes in UTF-8");
        EXPECT_EQ(scripted_win32::Boxes()[0].caption, "Dayvane");
        EXPECT_EQ(scripted_win32::Boxes()[0].style, MB_ICONWARNING);
    } else {
        ASSERT_TRUE(accepted);
        EXPECT_EQ(std::string(args.filePath), GetParam().utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reminder, PathArgument,
    testing::Values(
        PathCase{"Ascii", u"C:\\data\\diary.org", "C:\\data\\diary.org"},
        PathCase{"LatinAndCjk", u"C:\\d\u00E9j\u00E0\\\u65E5\u8A18.org", "C:\\d\xC3\xA9j\xC3\xA0\\\xE6\x97\xA5\xE8\xA8\x98.org"},
        PathCase{"SurrogatePair", u"\U0001F600.org", "\xF0\x9F\x98\x80.org"},
        PathCase{"LoneSurrogateBecomesReplacement", u"a\xD800z", "a\xEF\xBF\xBDz"},
        PathCase{"Exactly1023Bytes", std::u16string(1023, u'a'), std::string(1023, 'a')},
        PathCase{"1024BytesRefused", std::u16string(1024, u'a'), ""},
        PathCase{"TwoByteCharacterAcrossTheEndRefused", std::u16string(1022, u'a') + u"\u00E9", ""},
        PathCase{"ThreeByteCharactersFillingTheBuffer", std::u16string(341, u'\u20AC'), Repeated("\xE2\x82\xAC", 341)},
        PathCase{"ThreeByteCharacterOneByteTooMany", std::u16string(341, u'\u20AC') + u"a", ""}));

// ---- Starting the session ---------------------------------------------------------------

TEST_F(ReminderRun, StartSessionIsHandedTheInstancesTheCallbackAndOneWordTwice) {
    ASSERT_EQ(Run({u"vanetick", u"file.dat", u"2"}), 0);
    ASSERT_TRUE(organizer.startSession);
    const StartSessionArguments& start = *organizer.startSession;
    EXPECT_EQ(start.reserved, 0u);
    EXPECT_EQ(start.instance, INSTANCE);
    EXPECT_EQ(start.previousInstance, nullptr);
    EXPECT_EQ(start.callback, &App_MessageIntercept);
    EXPECT_EQ(start.reserved2, 0u);
    EXPECT_NE(start.word, nullptr);
    EXPECT_EQ(start.word, start.sameWord);
    EXPECT_EQ(start.mode, 6u);
    EXPECT_NE(start.status, nullptr);
}

struct StartCase {
    std::int32_t status;
    const char* message;  // null: no box
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << "status " << c.status;
}

class StartFailureRun : public ReminderRun, public testing::WithParamInterface<StartCase> {};

TEST_P(StartFailureRun, ShowsTheStatusMessageIfAnyAndStopsBeforeOpening) {
    organizer.sessionHandle = 0;
    organizer.startStatus = GetParam().status;
    EXPECT_EQ(Run({u"vanetick", u"file.dat", u"2"}), 1);
    std::vector<Box> expected;
    std::vector<std::string> calls = {"StartSession"};
    if (GetParam().message) {
        expected.push_back(ErrorBox(GetParam().message));
        calls.push_back(std::string("box: ") + GetParam().message);
    }
    EXPECT_EQ(Boxes(), expected);
    EXPECT_EQ(organizer.events, calls);
}

INSTANTIATE_TEST_SUITE_P(
    Reminder, StartFailureRun,
    testing::Values(StartCase{-9, "Network logon validation error"}, StartCase{-8, "Database initialization error"},
                    StartCase{-7, "Gray dialog error"}, StartCase{-6, "Isolate instance start error"},
                    StartCase{-5, "Memory allocation error"}, StartCase{-4, "Registration error"},
                    StartCase{-3, nullptr}, StartCase{-10, nullptr}, StartCase{0, nullptr},
                    StartCase{4, nullptr}));

// ---- Opening the file -------------------------------------------------------------------

struct ReasonCase {
    std::uint32_t code;
    const char* reason;
};

void PrintTo(const ReasonCase& c, std::ostream* out) {
    *out << "code 0x" << std::hex << c.code;
}

class OpenFailureReasons : public testing::TestWithParam<ReasonCase> {};

TEST_P(OpenFailureReasons, ComeFromTheLow16BitsOfTheCode) {
    char reason[OPEN_REASON_SIZE];
    OpenFailureReason(GetParam().code, reason);
    EXPECT_STREQ(reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Reminder, OpenFailureReasons,
    testing::Values(
        ReasonCase{7, "File locked"}, ReasonCase{9, "Bad parameters"}, ReasonCase{10, "User cancel"},
        ReasonCase{11, "User cancel"}, ReasonCase{12, "User cancel"}, ReasonCase{13, "User cancel"},
        ReasonCase{18, "Bad filename or path"}, ReasonCase{54, "Bad filename or path"},
        ReasonCase{90, "Bad filename or path"}, ReasonCase{19, "Windows problem"},
        ReasonCase{21, "Windows problem"}, ReasonCase{22, "Windows problem"},
        ReasonCase{44, "Password without privilege"}, ReasonCase{45, "File invalid or corrupt"},
        ReasonCase{63, "RV_Organizer1File"}, ReasonCase{89, "Access denied"}, ReasonCase{99, "Invalid password"},
        ReasonCase{0x00010063, "Invalid password"}, ReasonCase{0xFFFF0007, "File locked"},
        ReasonCase{8, "General error (code 8)"}, ReasonCase{20, "General error (code 20)"},
        ReasonCase{0, "General error (code 0)"}, ReasonCase{0x000F0000, "General error (code 0)"},
        ReasonCase{1234, "General error (code 1234)"}, ReasonCase{0xFFFFFFFF, "General error (code 65535)"}));

TEST_F(ReminderRun, AFailedOpenShowsPathAndReasonAndLeavesTheCleanUpUndone) {
    organizer.fileHandle = 0;
    organizer.errorCode = 12;
    EXPECT_EQ(Run({u"vanetick", u"C:\\data\\\u00E9t\u00E9.org", u"2"}), 1);
    const std::string message = "Error opening C:\\data\\\xC3\xA9t\xC3\xA9.org\nUser cancel.";
    EXPECT_EQ(Boxes(), std::vector<Box>{ErrorBox(message)});
    EXPECT_EQ(organizer.events, (std::vector<std::string>{"StartSession", "OpenFile", "GetLastErrorCode", "box: " + message}));
    EXPECT_TRUE(scripted_win32::ArgumentArrayReleased());
}

TEST_F(ReminderRun, TheLongestPathAndReasonFitTheOpenFailureMessageWhole) {
    organizer.fileHandle = 0;
    organizer.errorCode = 44;
    EXPECT_EQ(Run({u"vanetick", std::u16string(1023, u'p'), u"2"}), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Error opening " + std::string(1023, 'p') + "\nPassword without privilege.");
}

TEST_F(ReminderRun, OpenFileGetsTheSessionTheUtf8PathNoPasswordAndTheFixedModes) {
    ASSERT_EQ(Run({u"vanetick", u"C:\\\u65E5\u8A18.org", u"2", u"-p"}), 0);
    ASSERT_TRUE(organizer.openFile);
    EXPECT_EQ(organizer.openFile->session, 0x5E55u);
    EXPECT_EQ(organizer.openFile->reserved, 0u);
    EXPECT_EQ(organizer.openFile->path, "C:\\\xE6\x97\xA5\xE8\xA8\x98.org");
    EXPECT_EQ(organizer.openFile->password, std::nullopt);
    EXPECT_EQ(organizer.openFile->access, 2u);
    EXPECT_EQ(organizer.openFile->share, 3u);
}

// ---- The clean-up -------------------------------------------------------------------------

struct SectionCase {
    OrgHandle section;
    std::vector<std::string> events;
};

void PrintTo(const SectionCase& c, std::ostream* out) {
    *out << "section 0x" << std::hex << c.section;
}

class CleanUp : public ReminderRun, public testing::WithParamInterface<SectionCase> {};

TEST_P(CleanUp, ClosesAValidSectionThenTheFileThenTheSession) {
    organizer.sectionHandle = GetParam().section;
    EXPECT_EQ(Run({u"vanetick", u"file.dat", u"2"}), 0);
    EXPECT_EQ(organizer.events, GetParam().events);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(scripted_win32::ArgumentArrayReleased());
}

INSTANTIATE_TEST_SUITE_P(
    Reminder, CleanUp,
    testing::Values(
        SectionCase{0x5EC7, {"StartSession", "OpenFile", "OpenSection(0xF11E,Calendar)", "CloseSection(0x5EC7)",
                             "CloseFile(0xF11E)", "EndSession(0x5E55)"}},
        SectionCase{0, {"StartSession", "OpenFile", "OpenSection(0xF11E,Calendar)", "CloseFile(0xF11E)",
                        "EndSession(0x5E55)"}},
        SectionCase{0xFFFFFFFF, {"StartSession", "OpenFile", "OpenSection(0xF11E,Calendar)",
                                 "CloseFile(0xF11E)", "EndSession(0x5E55)"}}));

// ---- Messages from the library ------------------------------------------------------------

TEST_F(ReminderRun, LibraryMessagesShowWithTheDefaultCaptionAndAlwaysGetZero) {
    organizer.messagesDuringOpen = {{"Converted your file", "Organizer", 0x44}, {"Second note", "X", 0}};
    scripted_win32::SetBoxResult(7);  // IDNO: the user did not press the first button
    EXPECT_EQ(Run({u"vanetick", u"file.dat", u"2"}), 0);
    EXPECT_EQ(Boxes(), (std::vector<Box>{{"Converted your file", std::nullopt, 0x44}, {"Second note", std::nullopt, 0}}));
    EXPECT_EQ(organizer.callbackAnswers, (std::vector<UINT>{0, 0}));
}

TEST(MessageIntercept, PassesTheOwnerAndStyleOnAndDropsTheCaption) {
    scripted_win32::Reset();
    scripted_win32::SetBoxResult(2);
    HWND owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(App_MessageIntercept(owner, "Hello", "Caption", 0x31), 0u);
    ASSERT_EQ(scripted_win32::Boxes().size(), 1u);
    EXPECT_EQ(scripted_win32::Boxes()[0].owner, owner);
    EXPECT_EQ(scripted_win32::Boxes()[0].text, "Hello");
    EXPECT_EQ(scripted_win32::Boxes()[0].caption, std::nullopt);
    EXPECT_EQ(scripted_win32::Boxes()[0].style, 0x31u);
}

TEST_F(ReminderRun, GetLastErrorCodeIsCalledOnlyAfterAFailedOpen) {
    EXPECT_EQ(Run({u"vanetick", u"file.dat", u"2"}), 0);
    for (const std::string& name : organizer.CallNames()) {
        EXPECT_NE(name, "GetLastErrorCode");
    }
}

}  // namespace
