// The organizer library's messages, shown on its behalf.
#include "vanetick/message_intercept.h"

extern "C" UINT ORGANIZER_CALL App_MessageIntercept(HWND owner, LPCSTR text, LPCSTR, UINT style) {
    MessageBoxA(owner, text, nullptr, style);
    return 0;
}
