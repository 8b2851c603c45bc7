// The reminder's one straight run: arguments, session and file, calendar scan, clean-up.
#pragma once

#include "vanetick/organizer/organizer_api.h"

inline constexpr int EXIT_STATUS_DONE = 0;
inline constexpr int EXIT_STATUS_FAILED = 1;

// Returns the process's exit status; every failure has already been reported in a box.
int RunReminder(const OrganizerApi& organizer, HINSTANCE instance, HINSTANCE previousInstance);
