// The reminder's command line, `vanetick <organizer-file> <days> [/p]`: split, checked and
// converted into ReminderArgs, with the "Dayvane" boxes for what cannot be used.
#pragma once

#include <cstddef>

#include "platform/win32.h"

inline constexpr std::size_t ARGUMENT_BUFFER_SIZE = 1024;

struct ReminderArgs {
    char filePath[ARGUMENT_BUFFER_SIZE];    // UTF-8, handed to OpenFile as is
    float daysAhead;                        // the look-ahead window, in days
    char switchText[ARGUMENT_BUFFER_SIZE];  // UTF-8; only compared with "/p"
    bool useStoredPassword;
};

// The platform's UTF-16 argument array, released with GlobalFree when the run ends.
class ArgumentArray {
public:
    ArgumentArray();
    ~ArgumentArray();
    ArgumentArray(const ArgumentArray&) = delete;
    ArgumentArray& operator=(const ArgumentArray&) = delete;

    int Count() const { return count; }
    LPCWSTR operator[](int index) const { return arguments[index]; }

private:
    LPWSTR* arguments;
    int count;
};

// False, after the box that says why, when the run must stop with exit status 1.
[[nodiscard]] bool ReadReminderArgs(const ArgumentArray& arguments, ReminderArgs& args);

// UTF-16 to UTF-8 into a 1024-byte buffer; false, with an empty buffer, when the whole text
// does not fit, so that a text is never used cut (and never cut inside a character).
[[nodiscard]] bool ConvertArgumentToUtf8(LPCWSTR argument, char (&buffer)[ARGUMENT_BUFFER_SIZE]);
