// The unit tests' Win32: records every message box, hands out a scripted argument array, and
// converts UTF-16 to UTF-8 the way Windows does (U+FFFD for a lone surrogate, failure with
// ERROR_INSUFFICIENT_BUFFER when the result does not fit).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

struct RecordedBox {
    HWND owner;
    std::string text;
    std::optional<std::string> caption;  // empty for a null caption
    UINT style;
};

namespace scripted_win32 {

void Reset();
// The arguments CommandLineToArgvW splits the command line into, program name first.
void SetArguments(const std::vector<std::u16string>& arguments);
void FailCommandLineSplit();

const std::vector<RecordedBox>& Boxes();
// What MessageBoxA returns (IDOK, 1, unless set), and a hook run while each box is "shown".
void SetBoxResult(int result);
void OnBox(std::function<void(const RecordedBox&)> hook);

bool ArgumentArrayReleased();
int UnmatchedGlobalFrees();

}  // namespace scripted_win32
