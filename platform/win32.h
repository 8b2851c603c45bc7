// The Win32 interface the programs are written against: the real <windows.h> on Windows; on
// Linux our own declarations of just the calls they make, implemented by the scripted stand-in
// (platform/linux/scripted_win32.h) that the unit tests link.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include "platform/linux/win32_declarations.h"
#endif
