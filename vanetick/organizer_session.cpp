// Starting the organizer session, opening the file, and the clean-up after the scan.
#include "vanetick/organizer_session.h"

#include <cstdio>

#include "vanetick/message_intercept.h"
#include "vanetick/reminder_messages.h"

namespace {

// The library is handed this word's address twice; the reminder never reads it.
std::uint32_t sessionWord = 0;

constexpr std::uint32_t SESSION_MODE = 6;
constexpr std::uint32_t OPEN_ACCESS = 2;
constexpr std::uint32_t OPEN_SHARE = 3;

struct ReasonEntry {
    std::uint16_t code;
    const char* reason;
};

constexpr ReasonEntry OPEN_REASONS[] = {
    {7, "File locked"},
    {9, "Bad parameters"},
    {10, "User cancel"},
    {11, "User cancel"},
    {12, "User cancel"},
    {13, "User cancel"},
    {18, "Bad filename or path"},
    {54, "Bad filename or path"},
    {90, "Bad filename or path"},
    {19, "Windows problem"},
    {21, "Windows problem"},
    {22, "Windows problem"},
    {44, "Password without privilege"},
    {45, "File invalid or corrupt"},
    {63, "RV_Organizer1File"},
    {89, "Access denied"},
    {99, "Invalid password"},
};

}  // namespace

const char* StartFailureMessage(std::int32_t status) {
    switch (status) {
    case -9: return "Network logon validation error";
    case -8: return "Database initialization error";
    case -7: return "Gray dialog error";
    case -6: return "Isolate instance start error";
    case -5: return "Memory allocation error";
    case -4: return "Registration error";
    default: return nullptr;
    }
}

void OpenFailureReason(std::uint32_t errorCode, char (&reason)[OPEN_REASON_SIZE]) {
    const std::uint16_t code = static_cast<std::uint16_t>(errorCode & 0xFFFFu);
    for (const ReasonEntry& entry : OPEN_REASONS) {
        if (entry.code == code) {
            std::snprintf(reason, sizeof reason, "%s", entry.reason);
            return;
        }
    }
    std::snprintf(reason, sizeof reason, "General error (code %u)", static_cast<unsigned>(code));
}

bool StartOrganizerSession(const OrganizerApi& organizer, HINSTANCE instance,
                           HINSTANCE previousInstance, OrganizerSession& session) {
    std::int32_t status = 0;
    session.session = organizer.StartSession(0, instance, previousInstance, App_MessageIntercept, 0,
                                             &sessionWord, &sessionWord, SESSION_MODE, &status);
    if (session.session != 0) {
        return true;
    }
    if (const char* message = StartFailureMessage(status)) {
        ShowWarning(message, CAPTION_ERROR);
    }
    return false;
}

bool OpenOrganizerFile(const OrganizerApi& organizer, OrganizerSession& session, const char* path,
                       const char* password) {
    session.file = organizer.OpenFile(session.session, 0, path, password, OPEN_ACCESS, OPEN_SHARE);
    if (session.file != 0) {
        return true;
    }
    char reason[OPEN_REASON_SIZE];
    OpenFailureReason(organizer.GetLastErrorCode(), reason);
    char message[OPEN_MESSAGE_SIZE];
    std::snprintf(message, sizeof message, "Error opening %s\n%s.", path, reason);
    ShowWarning(message, CAPTION_ERROR);
    return false;
}

void CloseOrganizer(const OrganizerApi& organizer, const OrganizerSession& session) {
    if (IsValidSection(session.section)) {
        organizer.CloseSection(session.section);
    }
    organizer.CloseFile(session.file);
    organizer.EndSession(session.session);
}
