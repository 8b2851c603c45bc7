// The scripted organizer library: plain functions that forward to the one live FakeOrganizer.
#include "fake_organizer.h"

#include <cstdio>
#include <stdexcept>

namespace {

FakeOrganizer* current = nullptr;

FakeOrganizer& Current() {
    if (current == nullptr) {
        throw std::logic_error("organizer called with no FakeOrganizer alive");
    }
    return *current;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

OrgHandle ORGANIZER_CALL FakeStartSession(std::uint32_t reserved, HINSTANCE instance, HINSTANCE previous,
                                          OrganizerMessageCallback callback, std::uint32_t reserved2,
                                          std::uint32_t* word, std::uint32_t* sameWord, std::uint32_t mode,
                                          std::int32_t* status) {
    FakeOrganizer& fake = Current();
    fake.events.push_back("StartSession");
    fake.startSession = StartSessionArguments{reserved, instance, previous, callback, reserved2,
                                              word, sameWord, mode, status};
    if (fake.sessionHandle == 0 && status != nullptr) {
        *status = fake.startStatus;
    }
    return fake.sessionHandle;
}

OrgHandle ORGANIZER_CALL FakeOpenFile(OrgHandle session, std::uint32_t reserved, const char* path,
                                      const char* password, std::uint32_t access, std::uint32_t share) {
    FakeOrganizer& fake = Current();
    fake.events.push_back("OpenFile");
    fake.openFile = OpenFileArguments{session, reserved, path ? path : "(null)",
                                      password ? std::optional<std::string>(password) : std::nullopt,
                                      access, share};
    for (const LibraryMessage& message : fake.messagesDuringOpen) {
        fake.callbackAnswers.push_back(fake.startSession->callback(
            nullptr, message.text.c_str(), message.caption.c_str(), message.style));
    }
    return fake.fileHandle;
}

std::uint32_t ORGANIZER_CALL FakeGetLastErrorCode() {
    Current().events.push_back("GetLastErrorCode");
    return Current().errorCode;
}

OrgHandle ORGANIZER_CALL FakeOpenSection(OrgHandle file, const char* name) {
    Current().events.push_back("OpenSection(" + Hex(file) + "," + (name ? name : "(null)") + ")");
    return Current().sectionHandle;
}

OrgHandle ORGANIZER_CALL FakeSeekRecord(OrgHandle section, std::int32_t position) {
    Current().events.push_back("SeekRecord(" + Hex(section) + "," + std::to_string(position) + ")");
    return 0;
}

const void* ORGANIZER_CALL FakeGetField(OrgHandle record, std::uint32_t field) {
    Current().events.push_back("GetField(" + Hex(record) + "," + std::to_string(field) + ")");
    return nullptr;
}

std::uint32_t ORGANIZER_CALL FakeCloseSection(OrgHandle section) {
    Current().events.push_back("CloseSection(" + Hex(section) + ")");
    return 1;
}

std::uint32_t ORGANIZER_CALL FakeCloseFile(OrgHandle file) {
    Current().events.push_back("CloseFile(" + Hex(file) + ")");
    return 1;
}

std::uint32_t ORGANIZER_CALL FakeEndSession(OrgHandle session) {
    Current().events.push_back("EndSession(" + Hex(session) + ")");
    return 1;
}

}  // namespace

FakeOrganizer::FakeOrganizer() {
    current = this;
}

FakeOrganizer::~FakeOrganizer() {
    current = nullptr;
}

OrganizerApi FakeOrganizer::Api() const {
    return OrganizerApi{FakeStartSession, FakeOpenFile,     FakeGetLastErrorCode,
                        FakeOpenSection,  FakeSeekRecord,   FakeGetField,
                        FakeCloseSection, FakeCloseFile,    FakeEndSession};
}

std::vector<std::string> FakeOrganizer::CallNames() const {
    std::vector<std::string> names;
    for (const std::string& event : events) {
        names.push_back(event.substr(0, event.find('(')));
    }
    return names;
}
