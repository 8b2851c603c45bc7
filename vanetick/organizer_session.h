// The organizer session of one run: starting it, opening the file with its failure reports,
// and closing what was opened, in reverse order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vanetick/organizer/organizer_api.h"

struct OrganizerSession {
    OrgHandle session = 0;
    OrgHandle file = 0;
    OrgHandle section = 0;  // set by the calendar scan; closed here when valid
};

inline constexpr std::size_t OPEN_REASON_SIZE = 1024;
inline constexpr std::size_t OPEN_MESSAGE_SIZE = 2048;

// The message for a failed StartSession's status, or null for a status that has none.
const char* StartFailureMessage(std::int32_t status);

// The reason for a failed OpenFile from the low 16 bits of the library's error code; a code
// outside the table reads "General error (code N)".
void OpenFailureReason(std::uint32_t errorCode, char (&reason)[OPEN_REASON_SIZE]);

// Each returns false, after its box (if any), when the run must stop with exit status 1.
[[nodiscard]] bool StartOrganizerSession(const OrganizerApi& organizer, HINSTANCE instance,
                                         HINSTANCE previousInstance, OrganizerSession& session);
[[nodiscard]] bool OpenOrganizerFile(const OrganizerApi& organizer, OrganizerSession& session,
                                     const char* path, const char* password);
void CloseOrganizer(const OrganizerApi& organizer, const OrganizerSession& session);
