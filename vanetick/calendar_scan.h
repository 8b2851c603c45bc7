// The walk over the organizer file's "Calendar" section.
#pragma once

#include "vanetick/organizer_session.h"

inline constexpr char CALENDAR_SECTION[] = "Calendar";

// Opens the "Calendar" section of the open file; the section stays open for the clean-up.
// The reminders themselves are not shown yet.
void ScanCalendar(const OrganizerApi& organizer, OrganizerSession& session);
