// vanetick's entry: binds the organizer library and runs the reminder.
#include "vanetick/organizer/organizer_api.h"
#include "vanetick/reminder.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int) {
    return RunReminder(BindOrganizerLibrary(), instance, previousInstance);
}
