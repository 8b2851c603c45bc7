// The calendar scan: for now it opens the section that the clean-up closes.
#include "vanetick/calendar_scan.h"

void ScanCalendar(const OrganizerApi& organizer, OrganizerSession& session) {
    session.section = organizer.OpenSection(session.file, CALENDAR_SECTION);
}
