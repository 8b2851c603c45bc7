// A scripted OrganizerApi for the unit tests: answers from a script and logs every call with
// its arguments, so the order, the arguments and the clean-up can be checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vanetick/organizer/organizer_api.h"

struct LibraryMessage {
    std::string text;
    std::string caption;
    UINT style;
};

struct StartSessionArguments {
    std::uint32_t reserved;
    HINSTANCE instance;
    HINSTANCE previousInstance;
    OrganizerMessageCallback callback;
    std::uint32_t reserved2;
    std::uint32_t* word;
    std::uint32_t* sameWord;
    std::uint32_t mode;
    std::int32_t* status;
};

struct OpenFileArguments {
    OrgHandle session;
    std::uint32_t reserved;
    std::string path;
    std::optional<std::string> password;
    std::uint32_t access;
    std::uint32_t share;
};

class FakeOrganizer {
public:
    FakeOrganizer();
    ~FakeOrganizer();
    FakeOrganizer(const FakeOrganizer&) = delete;
    FakeOrganizer& operator=(const FakeOrganizer&) = delete;

    OrganizerApi Api() const;

    // The script.
    OrgHandle sessionHandle = 0x5E55;  // 0: StartSession fails with startStatus
    std::int32_t startStatus = 0;
    OrgHandle fileHandle = 0xF11E;     // 0: OpenFile fails and GetLastErrorCode gives errorCode
    std::uint32_t errorCode = 0;
    OrgHandle sectionHandle = 0x5EC7;
    std::vector<LibraryMessage> messagesDuringOpen;

    // What happened: "Name(arguments)" per call, in order; tests may add their own events.
    std::vector<std::string> events;
    std::optional<StartSessionArguments> startSession;
    std::optional<OpenFileArguments> openFile;
    std::vector<UINT> callbackAnswers;

    std::vector<std::string> CallNames() const;  // the events' names, without arguments
};
