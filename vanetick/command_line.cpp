// Splitting, checking and converting the reminder's command line.
#include "vanetick/command_line.h"

#include <cstring>

#include "vanetick/days_argument.h"
#include "vanetick/reminder_messages.h"

ArgumentArray::ArgumentArray() : arguments(nullptr), count(0) {
    arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        count = 0;
    }
}

ArgumentArray::~ArgumentArray() {
    if (arguments != nullptr) {
        GlobalFree(reinterpret_cast<HGLOBAL>(arguments));
    }
}

bool ConvertArgumentToUtf8(LPCWSTR argument, char (&buffer)[ARGUMENT_BUFFER_SIZE]) {
    const int written = WideCharToMultiByte(CP_UTF8, 0, argument, -1, buffer,
                                            static_cast<int>(ARGUMENT_BUFFER_SIZE), nullptr, nullptr);
    if (written <= 0) {
        std::memset(buffer, 0, ARGUMENT_BUFFER_SIZE);
        return false;
    }
    return true;
}

namespace {

// "/p" or "/P": the second character is lower-cased (A to Z only) before the comparison.
bool IsPasswordSwitch(char (&switchText)[ARGUMENT_BUFFER_SIZE]) {
    if (switchText[0] != '\0' && switchText[1] >= 'A' && switchText[1] <= 'Z') {
        switchText[1] = static_cast<char>(switchText[1] - 'A' + 'a');
    }
    return std::strcmp(switchText, "/p") == 0;
}

}  // namespace

bool ReadReminderArgs(const ArgumentArray& arguments, ReminderArgs& args) {
    std::memset(&args, 0, sizeof args);
    const int count = arguments.Count();
    if (count != 3 && count != 4) {
        ShowWarning(MESSAGE_WRONG_PARAMETER_COUNT, CAPTION_COMMAND_LINE);
        return false;
    }
    const std::optional<float> days = ParseDaysArgument(arguments[2]);
    if (!days) {
        ShowWarning(MESSAGE_NUMBER_EXPECTED, CAPTION_COMMAND_LINE);
        return false;
    }
    args.daysAhead = *days;
    if (!ConvertArgumentToUtf8(arguments[1], args.filePath)) {
        ShowWarning(MESSAGE_PATH_TOO_LONG, CAPTION_COMMAND_LINE);
        return false;
    }
    // A switch too long to convert cannot be "/p"; like any other third argument it is ignored.
    if (count == 4 && ConvertArgumentToUtf8(arguments[3], args.switchText)) {
        args.useStoredPassword = IsPasswordSwitch(args.switchText);
    }
    return true;
}
