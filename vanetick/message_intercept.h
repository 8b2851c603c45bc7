// App_MessageIntercept: the reminder's one export, the organizer session's message callback.
#pragma once

#include "vanetick/organizer/organizer_api.h"

// Shows the library's message in a modal box with the given owner and style and the system's
// default caption (the library's caption is not used); always answers 0.
extern "C" UINT ORGANIZER_CALL App_MessageIntercept(HWND owner, LPCSTR text, LPCSTR caption,
                                                    UINT style);
