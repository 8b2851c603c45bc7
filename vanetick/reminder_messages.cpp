// The failure box every report of the reminder uses.
#include "vanetick/reminder_messages.h"

#include "platform/win32.h"

void ShowWarning(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_ICONWARNING);
}
