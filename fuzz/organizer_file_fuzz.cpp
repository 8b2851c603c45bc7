// Fuzz target: the stand-in's file-format parser on arbitrary bytes must never fail unsafely,
// and a file it accepts keeps every record inside a section it can find by name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "standin/orgapi32/organizer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const OrganizerParseResult result = ParseOrganizerFile(content);
    if (result.file) {
        for (const OrganizerSectionData& section : result.file->sections) {
            if (result.file->FindSection(section.name) != &section) {
                std::abort();
            }
        }
    } else if (result.error.empty()) {
        std::abort();
    }
    return 0;
}
