// The stand-in organizer library's file format (docs/organizer-file-format.md): a text file of
// named sections holding records, with an optional password and messages for the user.
// Portable: parsed and unit-tested the same on Linux and Windows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The organizer library's error codes for the files it opens.
inline constexpr std::uint32_t ORG_ERROR_FILE_LOCKED = 7;
inline constexpr std::uint32_t ORG_ERROR_BAD_PARAMETERS = 9;
inline constexpr std::uint32_t ORG_ERROR_BAD_PATH = 18;
inline constexpr std::uint32_t ORG_ERROR_CORRUPT = 45;
inline constexpr std::uint32_t ORG_ERROR_INVALID_PASSWORD = 99;

struct OrganizerRecord {
    std::optional<std::string> text;                 // field 8
    std::optional<std::array<std::uint8_t, 8>> when;  // field 6, as written
};

struct OrganizerSectionData {
    std::string name;
    std::vector<OrganizerRecord> records;
};

struct OrganizerMessage {
    std::string text;
    std::string caption;
    std::uint32_t style = 0;
};

struct OrganizerFileData {
    std::optional<std::string> password;
    std::optional<std::uint32_t> openError;  // OpenFile fails with this code
    std::vector<OrganizerMessage> messages;  // shown through the callback during OpenFile
    std::vector<OrganizerSectionData> sections;

    const OrganizerSectionData* FindSection(std::string_view name) const;
};

struct OrganizerParseResult {
    std::optional<OrganizerFileData> file;  // empty when the content is malformed
    int errorLine = 0;
    std::string error;
};

OrganizerParseResult ParseOrganizerFile(std::string_view content);
