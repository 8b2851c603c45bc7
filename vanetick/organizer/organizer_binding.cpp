// The binding to orgapi32.dll: its nine entry points, imported by ordinal through the import
// library made from orgapi32_ordinals.def (the names below are ours; the library exports by number).
#include "vanetick/organizer/organizer_api.h"

extern "C" {
__declspec(dllimport) OrgHandle ORGANIZER_CALL Organizer_StartSession(
    std::uint32_t, HINSTANCE, HINSTANCE, OrganizerMessageCallback, std::uint32_t, std::uint32_t*,
    std::uint32_t*, std::uint32_t, std::int32_t*);
__declspec(dllimport) OrgHandle ORGANIZER_CALL Organizer_OpenFile(OrgHandle, std::uint32_t,
                                                                  const char*, const char*,
                                                                  std::uint32_t, std::uint32_t);
__declspec(dllimport) std::uint32_t ORGANIZER_CALL Organizer_GetLastErrorCode();
__declspec(dllimport) OrgHandle ORGANIZER_CALL Organizer_OpenSection(OrgHandle, const char*);
__declspec(dllimport) OrgHandle ORGANIZER_CALL Organizer_SeekRecord(OrgHandle, std::int32_t);
__declspec(dllimport) const void* ORGANIZER_CALL Organizer_GetField(OrgHandle, std::uint32_t);
__declspec(dllimport) std::uint32_t ORGANIZER_CALL Organizer_CloseSection(OrgHandle);
__declspec(dllimport) std::uint32_t ORGANIZER_CALL Organizer_CloseFile(OrgHandle);
__declspec(dllimport) std::uint32_t ORGANIZER_CALL Organizer_EndSession(OrgHandle);
}

OrganizerApi BindOrganizerLibrary() {
    return OrganizerApi{
        Organizer_StartSession, Organizer_OpenFile,   Organizer_GetLastErrorCode,
        Organizer_OpenSection,  Organizer_SeekRecord, Organizer_GetField,
        Organizer_CloseSection, Organizer_CloseFile,  Organizer_EndSession,
    };
}
