// RunReminder: the sequence of the whole program, each failure returning its status upward.
#include "vanetick/reminder.h"

#include "vanetick/calendar_scan.h"
#include "vanetick/command_line.h"
#include "vanetick/organizer_session.h"

int RunReminder(const OrganizerApi& organizer, HINSTANCE instance, HINSTANCE previousInstance) {
    const ArgumentArray arguments;
    ReminderArgs args;
    if (!ReadReminderArgs(arguments, args)) {
        return EXIT_STATUS_FAILED;
    }
    const char* password = nullptr;  // the stored password, with "/p", comes here

    OrganizerSession session;
    if (!StartOrganizerSession(organizer, instance, previousInstance, session) ||
        !OpenOrganizerFile(organizer, session, args.filePath, password)) {
        return EXIT_STATUS_FAILED;
    }
    ScanCalendar(organizer, session);
    CloseOrganizer(organizer, session);
    return EXIT_STATUS_DONE;
}
