// The reminder's own texts and captions.
#pragma once

inline constexpr char CAPTION_COMMAND_LINE[] = "Dayvane";
inline constexpr char CAPTION_ERROR[] = "Error";

inline constexpr char MESSAGE_WRONG_PARAMETER_COUNT[] = "Wrong number of parameters";
inline constexpr char MESSAGE_NUMBER_EXPECTED[] = "Number expected";
inline constexpr char MESSAGE_PATH_TOO_LONG[] =
    "Organizer file path too long: at most 1023 bytes in UTF-8";

// A failure box: modal, no owner window, the warning icon.
void ShowWarning(const char* text, const char* caption);
