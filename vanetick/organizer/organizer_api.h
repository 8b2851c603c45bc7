// OrganizerApi: the nine entry points of the organizer application's library orgapi32.dll as
// the reminder calls them, one typed function pointer each. On Windows they are bound at load
// time by ordinal (organizer_binding.cpp); unit tests fill the struct with a scripted fake.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// The library's calling convention, and that of the message callback it is handed: the
// platform's own (__stdcall on 32-bit Windows). Stated here only.
#define ORGANIZER_CALL WINAPI

// Session, file, section and record handles are opaque 32-bit values.
using OrgHandle = std::uint32_t;

inline constexpr OrgHandle INVALID_SECTION = 0xFFFFFFFFu;  // like 0, a failed OpenSection
inline constexpr std::int32_t SEEK_FIRST = -1;
inline constexpr std::int32_t SEEK_NEXT = -2;
inline constexpr std::uint32_t FIELD_DATETIME = 6;
inline constexpr std::uint32_t FIELD_TEXT = 8;

inline bool IsValidSection(OrgHandle section) {
    return section != 0 && section != INVALID_SECTION;
}

// Field 6: the appointment's start, 8 bytes, each value as the file holds it (not checked).
struct OrganizerDateTime {
    std::uint8_t yearLow;  // the year is 16-bit little-endian at offset 0
    std::uint8_t yearHigh;
    std::uint8_t month;
    std::uint8_t day;
    std::uint8_t hour;
    std::uint8_t minute;
    std::uint8_t second;
    std::uint8_t unused;

    std::uint16_t Year() const { return static_cast<std::uint16_t>(yearLow | (yearHigh << 8)); }
};
static_assert(sizeof(OrganizerDateTime) == 8);

// The session's message callback: the library shows its messages through it.
using OrganizerMessageCallback = UINT(ORGANIZER_CALL*)(HWND owner, LPCSTR text, LPCSTR caption,
                                                       UINT style);

struct OrganizerApi {
    using StartSessionFunction = OrgHandle(ORGANIZER_CALL*)(
        std::uint32_t reserved, HINSTANCE instance, HINSTANCE previousInstance,
        OrganizerMessageCallback callback, std::uint32_t reserved2, std::uint32_t* word,
        std::uint32_t* sameWord, std::uint32_t mode, std::int32_t* status);
    using OpenFileFunction = OrgHandle(ORGANIZER_CALL*)(OrgHandle session, std::uint32_t reserved,
                                                        const char* path, const char* password,
                                                        std::uint32_t access, std::uint32_t share);
    using GetLastErrorCodeFunction = std::uint32_t(ORGANIZER_CALL*)();
    using OpenSectionFunction = OrgHandle(ORGANIZER_CALL*)(OrgHandle file, const char* name);
    using SeekRecordFunction = OrgHandle(ORGANIZER_CALL*)(OrgHandle section, std::int32_t position);
    using GetFieldFunction = const void*(ORGANIZER_CALL*)(OrgHandle record, std::uint32_t field);
    using CloseFunction = std::uint32_t(ORGANIZER_CALL*)(OrgHandle handle);

    StartSessionFunction StartSession;         // ordinal 101
    OpenFileFunction OpenFile;                 // ordinal 200
    GetLastErrorCodeFunction GetLastErrorCode; // ordinal 821
    OpenSectionFunction OpenSection;           // ordinal 300
    SeekRecordFunction SeekRecord;             // ordinal 400
    GetFieldFunction GetField;                 // ordinal 404
    CloseFunction CloseSection;                // ordinal 303
    CloseFunction CloseFile;                   // ordinal 204
    CloseFunction EndSession;                  // ordinal 102
};

// The real binding (Windows): the library's entry points imported by ordinal.
OrganizerApi BindOrganizerLibrary();
