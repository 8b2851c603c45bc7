// Parser of the stand-in organizer file format.
#include "standin/orgapi32/organizer_file.h"

#include <charconv>

namespace {

constexpr std::string_view FILE_HEADER = "dayvane-organizer 1";

struct Line {
    std::string_view keyword;
    std::string_view value;
    bool hasValue = false;
};

Line SplitLine(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    Line line;
    const std::size_t space = text.find(' ');
    line.keyword = text.substr(0, space);
    if (space != std::string_view::npos) {
        line.value = text.substr(space + 1);
        line.hasValue = true;
    }
    return line;
}

bool Unescape(std::string_view value, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) {
            return false;
        }
        switch (value[i]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'x': {
            unsigned byte = 0;
            if (i + 2 >= value.size()) {
                return false;
            }
            const auto [end, error] = std::from_chars(value.data() + i + 1, value.data() + i + 3, byte, 16);
            if (error != std::errc() || end != value.data() + i + 3) {
                return false;
            }
            out += static_cast<char>(byte);
            i += 2;
            break;
        }
        default: return false;
        }
    }
    return true;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "YYYY-MM-DD hh:mm:ss", each value stored as written: year 0 to 65535, the others 0 to 255.
bool ParseWhen(std::string_view text, std::array<std::uint8_t, 8>& when) {
    const char separators[] = {'-', '-', ' ', ':', ':'};
    unsigned values[6] = {};
    for (int field = 0; field < 6; ++field) {
        std::size_t end = 0;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        if (end == 0 || !ParseNumber(text.substr(0, end), values[field]) ||
            values[field] > (field == 0 ? 65535u : 255u)) {
            return false;
        }
        text.remove_prefix(end);
        if (field < 5) {
            if (text.empty() || text.front() != separators[field]) {
                return false;
            }
            text.remove_prefix(1);
        }
    }
    if (!text.empty()) {
        return false;
    }
    when = {static_cast<std::uint8_t>(values[0] & 0xFF), static_cast<std::uint8_t>(values[0] >> 8),
            static_cast<std::uint8_t>(values[1]), static_cast<std::uint8_t>(values[2]),
            static_cast<std::uint8_t>(values[3]), static_cast<std::uint8_t>(values[4]),
            static_cast<std::uint8_t>(values[5]), 0};
    return true;
}

enum class Block { Header, Message, Section, Record };

class Parser {
public:
    OrganizerParseResult Run(std::string_view content) {
        OrganizerFileData file;
        bool sawHeader = false;
        while (!content.empty()) {
            const std::size_t newline = content.find('\n');
            std::string_view text = content.substr(0, newline);
            content.remove_prefix(newline == std::string_view::npos ? content.size() : newline + 1);
            ++lineNumber;
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
            }
            const Line line = SplitLine(text);
            if (line.keyword.empty() || line.keyword.front() == '#') {
                continue;
            }
            if (!sawHeader) {
                if (text != FILE_HEADER) {
                    return Fail("the first line must be \"dayvane-organizer 1\"");
                }
                sawHeader = true;
                continue;
            }
            if (!Apply(file, line)) {
                return Fail(error.empty() ? "unknown line" : error);
            }
        }
        if (!sawHeader) {
            return Fail("no \"dayvane-organizer 1\" line");
        }
        OrganizerParseResult result;
        result.file = std::move(file);
        return result;
    }

private:
    Block block = Block::Header;
    int lineNumber = 0;
    std::string error;

    OrganizerParseResult Fail(const std::string& why) {
        OrganizerParseResult result;
        result.errorLine = lineNumber;
        result.error = why;
        return result;
    }

    bool Apply(OrganizerFileData& file, const Line& line) {
        std::string value;
        if (line.hasValue && !Unescape(line.value, value)) {
            error = "bad escape";
            return false;
        }
        if (line.keyword == "section") {
            if (value.empty() || file.FindSection(value) != nullptr) {
                error = "a section needs a name of its own";
                return false;
            }
            file.sections.push_back(OrganizerSectionData{value, {}});
            block = Block::Section;
            return true;
        }
        if (line.keyword == "record" && !line.hasValue) {
            if (block != Block::Section && block != Block::Record) {
                error = "a record belongs in a section";
                return false;
            }
            file.sections.back().records.emplace_back();
            block = Block::Record;
            return true;
        }
        if (line.keyword == "message" && !line.hasValue) {
            if (block != Block::Header && block != Block::Message) {
                error = "messages come before the sections";
                return false;
            }
            file.messages.emplace_back();
            block = Block::Message;
            return true;
        }
        if (!line.hasValue) {
            return false;
        }
        switch (block) {
        case Block::Header:
            return ApplyHeader(file, line.keyword, value);
        case Block::Message:
            return ApplyMessage(file.messages.back(), line.keyword, value) ||
                   ApplyHeader(file, line.keyword, value);
        case Block::Record:
            return ApplyRecord(file.sections.back().records.back(), line.keyword, value);
        case Block::Section:
            return false;
        }
        return false;
    }

    bool ApplyHeader(OrganizerFileData& file, std::string_view keyword, const std::string& value) {
        if (keyword == "password" && !file.password) {
            file.password = value;
            return true;
        }
        std::uint32_t code = 0;
        if (keyword == "open-error" && !file.openError && ParseNumber(value, code)) {
            file.openError = code;
            return true;
        }
        return false;
    }

    static bool ApplyMessage(OrganizerMessage& message, std::string_view keyword, const std::string& value) {
        if (keyword == "text") {
            message.text = value;
            return true;
        }
        if (keyword == "caption") {
            message.caption = value;
            return true;
        }
        return keyword == "style" && ParseNumber(value, message.style);
    }

    bool ApplyRecord(OrganizerRecord& record, std::string_view keyword, const std::string& value) {
        if (keyword == "text" && !record.text) {
            record.text = value;
            return true;
        }
        if (keyword == "when" && !record.when) {
            std::array<std::uint8_t, 8> when{};
            if (!ParseWhen(value, when)) {
                error = "a date-time reads YYYY-MM-DD hh:mm:ss";
                return false;
            }
            record.when = when;
            return true;
        }
        return false;
    }
};

}  // namespace

const OrganizerSectionData* OrganizerFileData::FindSection(std::string_view name) const {
    for (const OrganizerSectionData& section : sections) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

OrganizerParseResult ParseOrganizerFile(std::string_view content) {
    return Parser().Run(content);
}
