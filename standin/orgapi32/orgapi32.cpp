// Our orgapi32.dll: the organizer library's nine entry points, by the same ordinals and calling
// convention, over the file format of organizer_file.h. It serves one session with one open
// file at a time, which is all the reminder uses. For tests it reads two settings of its own:
// ORGAPI32_START_STATUS (StartSession fails, with that status) and ORGAPI32_LOG (a file to which
// every call is appended as a line, with its arguments and result; notes start with #).
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>

#include "standin/orgapi32/organizer_file.h"
#include "vanetick/organizer/organizer_api.h"

namespace {

constexpr OrgHandle SESSION_HANDLE = 0x00005E55u;
constexpr OrgHandle FILE_HANDLE = 0x0000F11Eu;
constexpr OrgHandle SECTION_HANDLE = 0x00005EC7u;
constexpr OrgHandle FIRST_RECORD_HANDLE = 0x4EC00001u;
constexpr std::size_t MAX_FILE_SIZE = 4u << 20;

struct LibraryState {
    bool sessionOpen = false;
    OrganizerMessageCallback callback = nullptr;
    std::uint32_t lastError = 0;
    std::optional<OrganizerFileData> file;
    const OrganizerSectionData* section = nullptr;
    std::size_t nextRecord = 0;
};

LibraryState library;

std::optional<std::wstring> Environment(const wchar_t* name) {
    wchar_t value[4096];
    const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    if (length == 0 || length >= std::size(value)) {
        return std::nullopt;
    }
    return std::wstring(value, length);
}

std::optional<std::wstring> Utf8ToWide(const char* text) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

// A text for the log: quoted, its bytes as they are but for quotes, backslashes and controls.
std::string Quoted(const char* text) {
    if (text == nullptr) {
        return "null";
    }
    std::string out = "\"";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == '"' || *p == '\\') {
            out += '\\';
            out += static_cast<char>(*p);
        } else if (*p == '\n') {
            out += "\\n";
        } else if (*p < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", *p);
            out += escape;
        } else {
            out += static_cast<char>(*p);
        }
    }
    return out + "\"";
}

void Log(const char* format, ...) {
    const std::optional<std::wstring> path = Environment(L"ORGAPI32_LOG");
    if (!path) {
        return;
    }
    char line[8192];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    if (FILE* log = _wfopen(path->c_str(), L"ab")) {
        std::fprintf(log, "%s\n", line);
        std::fclose(log);
    }
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string content;
    char chunk[4096];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(handle, chunk, sizeof chunk, &read, nullptr)) && read > 0) {
        if (content.size() + read > MAX_FILE_SIZE) {
            ok = false;
            break;
        }
        content.append(chunk, read);
    }
    CloseHandle(handle);
    if (!ok) {
        return std::nullopt;
    }
    return content;
}

// Opens, reads and checks the file; the error code of the first thing that fails, else 0.
std::uint32_t LoadFile(const char* path, const char* password) {
    const std::optional<std::wstring> widePath = Utf8ToWide(path);
    if (!widePath) {
        return ORG_ERROR_BAD_PATH;
    }
    if (FileExists(*widePath + L".lock")) {
        return ORG_ERROR_FILE_LOCKED;
    }
    const std::optional<std::string> content = ReadWholeFile(*widePath);
    if (!content) {
        return ORG_ERROR_BAD_PATH;
    }
    OrganizerParseResult parsed = ParseOrganizerFile(*content);
    if (!parsed.file) {
        Log("# line %d of the file: %s", parsed.errorLine, parsed.error.c_str());
        return ORG_ERROR_CORRUPT;
    }
    for (const OrganizerMessage& message : parsed.file->messages) {
        const UINT answer = library.callback
                                ? library.callback(nullptr, message.text.c_str(), message.caption.c_str(), message.style)
                                : 0;
        Log("message %s %s style=0x%X -> %u", Quoted(message.text.c_str()).c_str(),
            Quoted(message.caption.c_str()).c_str(), message.style, answer);
    }
    if (parsed.file->openError) {
        return *parsed.file->openError;
    }
    if (parsed.file->password && (password == nullptr || *parsed.file->password != password)) {
        return ORG_ERROR_INVALID_PASSWORD;
    }
    library.file = std::move(parsed.file);
    return 0;
}

const OrganizerRecord* RecordOf(OrgHandle record) {
    if (library.section == nullptr || record < FIRST_RECORD_HANDLE) {
        return nullptr;
    }
    const std::size_t index = record - FIRST_RECORD_HANDLE;
    return index < library.section->records.size() ? &library.section->records[index] : nullptr;
}

}  // namespace

extern "C" {

OrgHandle ORGANIZER_CALL StandIn_StartSession(std::uint32_t reserved, HINSTANCE instance,
                                             HINSTANCE previousInstance, OrganizerMessageCallback callback,
                                             std::uint32_t reserved2, std::uint32_t* word,
                                             std::uint32_t* sameWord, std::uint32_t mode,
                                             std::int32_t* status) {
    const char* instanceName = instance == GetModuleHandleW(nullptr) ? "program" : instance ? "other" : "null";
    const char* wordName = word == nullptr ? "null" : word == sameWord ? "same" : "different";
    // With ORGAPI32_START_STATUS set, the start fails with that status, whatever it is.
    std::int32_t result = 0;
    const std::optional<std::wstring> forced = Environment(L"ORGAPI32_START_STATUS");
    if (forced) {
        result = static_cast<std::int32_t>(std::wcstol(forced->c_str(), nullptr, 10));
    }
    if (status != nullptr) {
        *status = result;
    }
    const bool starts = !forced && callback != nullptr && !library.sessionOpen;
    Log("StartSession reserved=%u instance=%s previous=%s callback=%s reserved2=%u word=%s mode=%u -> 0x%X status=%d",
        reserved, instanceName, previousInstance ? "set" : "null",
        callback == nullptr ? "null" : "set", reserved2, wordName, mode,
        starts ? SESSION_HANDLE : 0u, result);
    if (!starts) {
        return 0;
    }
    library = LibraryState();
    library.sessionOpen = true;
    library.callback = callback;
    return SESSION_HANDLE;
}

OrgHandle ORGANIZER_CALL StandIn_OpenFile(OrgHandle session, std::uint32_t reserved, const char* path,
                                         const char* password, std::uint32_t access, std::uint32_t share) {
    std::uint32_t error = ORG_ERROR_BAD_PARAMETERS;
    if (session == SESSION_HANDLE && library.sessionOpen && !library.file && path != nullptr) {
        error = LoadFile(path, password);
    }
    library.lastError = error;
    const OrgHandle result = error == 0 ? FILE_HANDLE : 0;
    Log("OpenFile session=0x%X reserved=%u path=%s password=%s access=%u share=%u -> 0x%X",
        session, reserved, Quoted(path).c_str(), Quoted(password).c_str(), access, share, result);
    return result;
}

std::uint32_t ORGANIZER_CALL StandIn_GetLastErrorCode() {
    Log("GetLastErrorCode -> 0x%X", library.lastError);
    return library.lastError;
}

OrgHandle ORGANIZER_CALL StandIn_OpenSection(OrgHandle file, const char* name) {
    OrgHandle result = INVALID_SECTION;
    if (file == FILE_HANDLE && library.file && name != nullptr && library.section == nullptr) {
        library.section = library.file->FindSection(name);
        library.nextRecord = 0;
        result = library.section ? SECTION_HANDLE : INVALID_SECTION;
    }
    Log("OpenSection file=0x%X name=%s -> 0x%X", file, Quoted(name).c_str(), result);
    return result;
}

OrgHandle ORGANIZER_CALL StandIn_SeekRecord(OrgHandle section, std::int32_t position) {
    OrgHandle result = 0;
    if (section == SECTION_HANDLE && library.section != nullptr) {
        if (position == SEEK_FIRST) {
            library.nextRecord = 0;
        }
        if ((position == SEEK_FIRST || position == SEEK_NEXT) &&
            library.nextRecord < library.section->records.size()) {
            result = FIRST_RECORD_HANDLE + static_cast<OrgHandle>(library.nextRecord++);
        }
    }
    Log("SeekRecord section=0x%X position=%d -> 0x%X", section, position, result);
    return result;
}

const void* ORGANIZER_CALL StandIn_GetField(OrgHandle record, std::uint32_t field) {
    const OrganizerRecord* data = RecordOf(record);
    const void* result = nullptr;
    if (data != nullptr && field == FIELD_TEXT && data->text) {
        result = data->text->c_str();
    } else if (data != nullptr && field == FIELD_DATETIME && data->when) {
        result = data->when->data();
    }
    Log("GetField record=0x%X field=%u -> %s", record, field, result ? "value" : "null");
    return result;
}

std::uint32_t ORGANIZER_CALL StandIn_CloseSection(OrgHandle section) {
    const bool open = section == SECTION_HANDLE && library.section != nullptr;
    library.section = nullptr;
    Log("CloseSection 0x%X -> %d", section, open);
    return open;
}

std::uint32_t ORGANIZER_CALL StandIn_CloseFile(OrgHandle file) {
    const bool open = file == FILE_HANDLE && library.file.has_value();
    if (open) {
        library.section = nullptr;
        library.file.reset();
    }
    Log("CloseFile 0x%X -> %d", file, open);
    return open;
}

std::uint32_t ORGANIZER_CALL StandIn_EndSession(OrgHandle session) {
    const bool open = session == SESSION_HANDLE && library.sessionOpen;
    if (open) {
        library = LibraryState();
    }
    Log("EndSession 0x%X -> %d", session, open);
    return open;
}

}  // extern "C"

// The stand-in's entry points must have exactly the types the reminder binds.
static_assert(std::is_same_v<decltype(&StandIn_StartSession), OrganizerApi::StartSessionFunction>);
static_assert(std::is_same_v<decltype(&StandIn_OpenFile), OrganizerApi::OpenFileFunction>);
static_assert(std::is_same_v<decltype(&StandIn_GetLastErrorCode), OrganizerApi::GetLastErrorCodeFunction>);
static_assert(std::is_same_v<decltype(&StandIn_OpenSection), OrganizerApi::OpenSectionFunction>);
static_assert(std::is_same_v<decltype(&StandIn_SeekRecord), OrganizerApi::SeekRecordFunction>);
static_assert(std::is_same_v<decltype(&StandIn_GetField), OrganizerApi::GetFieldFunction>);
static_assert(std::is_same_v<decltype(&StandIn_CloseSection), OrganizerApi::CloseFunction>);
static_assert(std::is_same_v<decltype(&StandIn_CloseFile), OrganizerApi::CloseFunction>);
static_assert(std::is_same_v<decltype(&StandIn_EndSession), OrganizerApi::CloseFunction>);
