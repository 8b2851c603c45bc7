// vanetick.exe as users run it: under Wine, with our orgapi32.dll beside it, each case in an
// empty folder of its own; the box driver reads the boxes and the exit status, and the
// library's call log shows what reached it.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "box_driver.h"

namespace {

struct Box {
    std::string caption;
    std::string text;
    bool icon;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) {
    *out << "[" << box.caption << "] " << (box.icon ? "(icon) " : "") << '"' << box.text << '"';
}

std::wstring BinDirectory() {
    std::wstring path = Utf8ToWide(DAYVANE_WINE_BIN_DIR);
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

// A fresh, empty folder for one case, below the system's temporary folder. Wine reuses
// process numbers, so the name also carries the time and a counter.
std::wstring NewCaseDirectory(const std::wstring& leaf) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base = std::wstring(temp) + L"dayvane-e2e";
    CreateDirectoryW(base.c_str(), nullptr);
    static int counter = 0;
    const std::wstring directory = base + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter) +
                                   L"-" + leaf;
    EXPECT_TRUE(CreateDirectoryW(directory.c_str(), nullptr)) << "the case folder exists already";
    return directory;
}

void WriteFile(const std::wstring& path, const std::string& content) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out << content;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct Outcome {
    DriveResult result;
    std::vector<Box> boxes;
    std::vector<std::string> log;    // every line the library logged
    std::vector<std::string> calls;  // just the first word of each
    std::wstring directory;

    bool Logged(const std::string& line) const {
        for (const std::string& entry : log) {
            if (entry == line) {
                return true;
            }
        }
        return false;
    }
};

struct RunSetup {
    std::wstring leaf = L"case";
    std::wstring fileName = L"diary.org";
    std::string fileContent;           // written when not empty
    std::vector<std::pair<std::wstring, std::string>> besideFiles;  // more files in the folder
    std::wstring arguments;            // "{file}" stands for the organizer file's full path
    std::vector<std::wstring> environment;
    std::vector<int> answers;
};

Outcome RunVanetick(const RunSetup& setup) {
    Outcome run;
    run.directory = NewCaseDirectory(setup.leaf);
    const std::wstring file = run.directory + L"\\" + setup.fileName;
    if (!setup.fileContent.empty()) {
        WriteFile(file, setup.fileContent);
    }
    for (const auto& [name, content] : setup.besideFiles) {
        WriteFile(run.directory + L"\\" + name, content);
    }
    std::wstring arguments = setup.arguments;
    const std::size_t placeholder = arguments.find(L"{file}");
    if (placeholder != std::wstring::npos) {
        arguments.replace(placeholder, 6, file);
    }
    const std::wstring log = run.directory + L"\\calls.log";
    DriveOptions options;
    options.program = BinDirectory() + L"\\vanetick.exe";
    options.arguments = arguments;
    options.workingDirectory = run.directory;
    options.environment = setup.environment;
    options.environment.push_back(L"ORGAPI32_LOG=" + log);
    options.answers = setup.answers;
    run.result = DriveProgram(options);
    EXPECT_TRUE(run.result.started) << "vanetick.exe did not start";
    EXPECT_FALSE(run.result.timedOut) << "vanetick.exe did not end in time";
    for (const ObservedBox& box : run.result.boxes) {
        run.boxes.push_back(Box{box.caption, box.text, box.hasIcon});
    }
    run.log = ReadLines(log);
    for (const std::string& line : run.log) {
        if (!line.empty() && line[0] != '#') {
            run.calls.push_back(line.substr(0, line.find(' ')));
        }
    }
    return run;
}

std::string Utf8Path(const std::wstring& path) {
    return WideToUtf8(path);
}

// A text as the library's log quotes it: backslashes and quotes escaped.
std::string LogQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

const std::string CALENDAR_FILE =
    "dayvane-organizer 1\n"
    "section Calendar\n"
    "record\n"
    "  text Dentist\n"
    "  when 2030-05-10 17:30:00\n";

const std::vector<std::string> FULL_RUN = {"StartSession", "OpenFile",     "OpenSection",
                                           "CloseSection", "CloseFile",    "EndSession"};
const std::vector<std::string> FAILED_OPEN = {"StartSession", "OpenFile", "GetLastErrorCode"};

// A run on a small diary with one appointment.
Outcome RunOnCalendar(const std::wstring& arguments) {
    RunSetup setup;
    setup.fileContent = CALENDAR_FILE;
    setup.arguments = arguments;
    return RunVanetick(setup);
}

// ---- The command line -------------------------------------------------------------------

struct CommandLineCase {
    const char* name;
    std::wstring arguments;
    std::vector<Box> boxes;
    DWORD exitStatus;
    std::vector<std::string> calls;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    *out << c.name;
}

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

const Box WRONG_COUNT{"Dayvane", "Wrong number of parameters", true};
const Box NUMBER_EXPECTED{"Dayvane", "Number expected", true};

TEST_P(CommandLine, IsCheckedBeforeTheLibraryIsCalled) {
    const CommandLineCase& c = GetParam();
    RunSetup setup;
    setup.fileContent = CALENDAR_FILE;
    setup.arguments = c.arguments;
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.boxes, c.boxes);
    EXPECT_EQ(run.result.exitStatus, c.exitStatus);
    EXPECT_EQ(run.calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Vanetick, CommandLine,
    testing::Values(
        CommandLineCase{"NoArguments", L"", {WRONG_COUNT}, 1, {}},
        CommandLineCase{"OneArgument", L"{file}", {WRONG_COUNT}, 1, {}},
        CommandLineCase{"FourArgumentsCountBeforeNumber", L"a b c d", {WRONG_COUNT}, 1, {}},
        CommandLineCase{"WordForDays", L"{file} soon", {NUMBER_EXPECTED}, 1, {}},
        CommandLineCase{"InfIsNoNumber", L"{file} inf", {NUMBER_EXPECTED}, 1, {}},
        CommandLineCase{"EmptyDays", L"{file} \"\"", {NUMBER_EXPECTED}, 1, {}},
        CommandLineCase{"LoneSign", L"{file} +", {NUMBER_EXPECTED}, 1, {}},
        CommandLineCase{"TrailingTextIgnored", L"{file} 2days", {}, 0, FULL_RUN},
        CommandLineCase{"HexReadsAsZero", L"{file} 0x10", {}, 0, FULL_RUN},
        CommandLineCase{"OverflowReadsAsInfinity", L"{file} 1e999", {}, 0, FULL_RUN},
        CommandLineCase{"OtherSwitchIgnored", L"{file} 3 -p", {}, 0, FULL_RUN},
        CommandLineCase{"LongerSwitchIgnored", L"{file} 3 /px", {}, 0, FULL_RUN}),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });

TEST(VanetickCommandLine, AnotherThirdArgumentOpensTheFileWithNoPassword) {
    const Outcome run = RunOnCalendar(L"{file} 3 -p");
    ASSERT_GE(run.log.size(), 2u);
    EXPECT_NE(run.log[1].find(" password=null "), std::string::npos) << run.log[1];
}

TEST(VanetickCommandLine, APathTooLongForItsBufferIsRefusedNotCut) {
    // 600 two-byte characters: 1200 bytes in UTF-8, more than the 1023 the path may have.
    RunSetup setup;
    setup.arguments = L"\"" + std::wstring(600, L'\u00E9') + L".org\" 2";
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"Dayvane", "Organizer file path too long: at most 1023 bytes in UTF-8", true}}));
    EXPECT_EQ(run.result.exitStatus, 1u);
    EXPECT_TRUE(run.calls.empty());
}

TEST(VanetickCommandLine, QuotedPathWithSpacesReachesTheLibraryWhole) {
    RunSetup setup;
    setup.fileName = L"my diary.org";
    setup.fileContent = CALENDAR_FILE;
    setup.arguments = L"\"{file}\" 1";
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.result.exitStatus, 0u);
    EXPECT_EQ(run.calls, FULL_RUN);
    EXPECT_TRUE(run.boxes.empty());
}

// ---- Starting the session ---------------------------------------------------------------

struct StartCase {
    const char* name;
    const wchar_t* status;
    std::vector<Box> boxes;
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

class StartFailure : public testing::TestWithParam<StartCase> {};

TEST_P(StartFailure, IsReportedByStatusAndEndsTheRun) {
    RunSetup setup;
    setup.fileContent = CALENDAR_FILE;
    setup.arguments = L"{file} 2";
    setup.environment = {std::wstring(L"ORGAPI32_START_STATUS=") + GetParam().status};
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.boxes, GetParam().boxes);
    EXPECT_EQ(run.result.exitStatus, 1u);
    EXPECT_EQ(run.calls, std::vector<std::string>{"StartSession"});
}

INSTANTIATE_TEST_SUITE_P(
    Vanetick, StartFailure,
    testing::Values(
        StartCase{"Minus9", L"-9", {{"Error", "Network logon validation error", true}}},
        StartCase{"Minus8", L"-8", {{"Error", "Database initialization error", true}}},
        StartCase{"Minus7", L"-7", {{"Error", "Gray dialog error", true}}},
        StartCase{"Minus6", L"-6", {{"Error", "Isolate instance start error", true}}},
        StartCase{"Minus5", L"-5", {{"Error", "Memory allocation error", true}}},
        StartCase{"Minus4", L"-4", {{"Error", "Registration error", true}}},
        StartCase{"Minus3HasNoMessage", L"-3", {}},
        StartCase{"ZeroHasNoMessage", L"0", {}}),
    [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

TEST(VanetickSession, StartSessionReceivesTheProgramsInstanceAndOneWordTwice) {
    const Outcome run = RunOnCalendar(L"{file} 2");
    EXPECT_TRUE(run.Logged("StartSession reserved=0 instance=program previous=null callback=set "
                           "reserved2=0 word=same mode=6 -> 0x5E55 status=0"))
        << testing::PrintToString(run.log);
}

// ---- Opening the file -------------------------------------------------------------------

struct OpenCase {
    const char* name;
    std::string content;  // empty: no file at all
    std::string reason;
    bool locked = false;  // a lock file beside the organizer file
};

void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

class OpenFailure : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenFailure, ShowsThePathAndTheReasonAndEndsTheRun) {
    const OpenCase& c = GetParam();
    RunSetup setup;
    setup.fileContent = c.content;
    if (c.locked) {
        setup.besideFiles = {{L"diary.org.lock", "locked by another user\n"}};
    }
    setup.arguments = L"{file} 2";
    const Outcome run = RunVanetick(setup);
    const std::string path = Utf8Path(run.directory + L"\\diary.org");
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"Error", "Error opening " + path + "\n" + c.reason + ".", true}}));
    EXPECT_EQ(run.result.exitStatus, 1u);
    EXPECT_EQ(run.calls, FAILED_OPEN) << "a failed open leaves the clean-up undone";
}

INSTANTIATE_TEST_SUITE_P(
    Vanetick, OpenFailure,
    testing::Values(
        OpenCase{"MissingFile", "", "Bad filename or path"},
        OpenCase{"MalformedFile", "this is not an organizer file\n", "File invalid or corrupt"},
        OpenCase{"LockedFile", CALENDAR_FILE, "File locked", true},
        OpenCase{"PasswordNeeded", "dayvane-organizer 1\npassword abc\nsection Calendar\n", "Invalid password"},
        OpenCase{"CodeWithHighBitsReadsByItsLow16", "dayvane-organizer 1\nopen-error 0x7FFF0063\n", "Invalid password"},
        OpenCase{"UserCancel", "dayvane-organizer 1\nopen-error 12\n", "User cancel"},
        OpenCase{"AccessDenied", "dayvane-organizer 1\nopen-error 89\n", "Access denied"},
        OpenCase{"UnknownCodeShowsItsNumber", "dayvane-organizer 1\nopen-error 0x100004D2\n", "General error (code 1234)"}),
    [](const testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

TEST(VanetickOpen, ASuccessfulOpenClosesSectionFileAndSessionInReverseOrder) {
    const Outcome run = RunOnCalendar(L"{file} 2");
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(run.result.exitStatus, 0u);
    EXPECT_EQ(run.calls, FULL_RUN);
    EXPECT_TRUE(run.Logged("OpenSection file=0xF11E name=\"Calendar\" -> 0x5EC7"));
    EXPECT_TRUE(run.Logged("CloseSection 0x5EC7 -> 1"));
    EXPECT_TRUE(run.Logged("CloseFile 0xF11E -> 1"));
    EXPECT_TRUE(run.Logged("EndSession 0x5E55 -> 1"));
}

TEST(VanetickOpen, AFileWithoutCalendarSkipsCloseSectionAndEndsWell) {
    RunSetup setup;
    setup.fileContent = "dayvane-organizer 1\nsection Contacts\nrecord\n  text Ann\n";
    setup.arguments = L"{file} 2";
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.result.exitStatus, 0u);
    EXPECT_EQ(run.calls, (std::vector<std::string>{"StartSession", "OpenFile", "OpenSection", "CloseFile", "EndSession"}));
}

TEST(VanetickOpen, NonAsciiPathsReachTheLibraryInUtf8AndOpen) {
    RunSetup setup;
    setup.leaf = L"\u00C1genda \u00F1 \u20AC";
    setup.fileName = L"di\u00E1rio \u65E5\u8A18.org";
    setup.fileContent = CALENDAR_FILE;
    setup.arguments = L"\"{file}\" 2";
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.result.exitStatus, 0u);
    EXPECT_EQ(run.calls, FULL_RUN);
    const std::string path = Utf8Path(run.directory + L"\\" + setup.fileName);
    ASSERT_GE(run.log.size(), 2u);
    EXPECT_EQ(run.log[1], "OpenFile session=0x5E55 reserved=0 path=" + LogQuoted(path) +
                              " password=null access=2 share=3 -> 0xF11E");
}

TEST(VanetickOpen, AMissingNonAsciiFileIsQuotedInItsUtf8Bytes) {
    RunSetup setup;
    setup.leaf = L"\u00C1genda";
    setup.fileName = L"di\u00E1rio.org";
    setup.arguments = L"\"{file}\" 2";
    const Outcome run = RunVanetick(setup);
    // The box is an ANSI box: it shows the UTF-8 bytes as the system's code page reads them.
    const std::string path = Utf8Path(run.directory + L"\\" + setup.fileName);
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"Error", AnsiBytesAsShown("Error opening " + path + "\nBad filename or path."), true}}));
    EXPECT_EQ(run.result.exitStatus, 1u);
}

// ---- Messages from the library ------------------------------------------------------------

TEST(VanetickLibraryMessage, IsShownWithTheDefaultCaptionAndAnsweredWithZero) {
    RunSetup setup;
    setup.fileContent =
        "dayvane-organizer 1\n"
        "message\n"
        "  caption Organizer says\n"
        "  text Your file was converted.\\nKeep a copy?\n"
        "  style 0x44\n"  // MB_YESNO | MB_ICONINFORMATION
        "section Calendar\n";
    setup.arguments = L"{file} 2";
    setup.answers = {IDNO};
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"Error", "Your file was converted.\nKeep a copy?", true}}));
    EXPECT_TRUE(run.Logged("message \"Your file was converted.\\nKeep a copy?\" \"Organizer says\" style=0x44 -> 0"))
        << testing::PrintToString(run.log);
    EXPECT_EQ(run.result.exitStatus, 0u);
    EXPECT_EQ(run.calls, (std::vector<std::string>{"StartSession", "message", "OpenFile", "OpenSection",
                                                   "CloseSection", "CloseFile", "EndSession"}));
}

TEST(VanetickLibraryMessage, KeepsTheLibrarysStyleWithoutAnIcon) {
    RunSetup setup;
    setup.fileContent = "dayvane-organizer 1\nmessage\n  caption Note\n  text Plain note\n  style 0\n";
    setup.arguments = L"{file} 2";
    const Outcome run = RunVanetick(setup);
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"Error", "Plain note", false}}));
    EXPECT_EQ(run.result.exitStatus, 0u);
}

}  // namespace
