// The scripted Win32 behind the Linux unit tests (see scripted_win32.h).
#include "platform/linux/scripted_win32.h"

#include <cstring>

namespace {

struct State {
    std::u16string commandLine = u"vanetick";
    std::vector<std::u16string> arguments;
    std::vector<LPWSTR> argumentPointers;
    bool splitFails = false;
    bool arrayHandedOut = false;
    bool arrayReleased = false;
    int unmatchedFrees = 0;
    std::vector<RecordedBox> boxes;
    int boxResult = 1;
    std::function<void(const RecordedBox&)> onBox;
    DWORD lastError = 0;
};

State& TheState() {
    static State state;
    return state;
}

// One code point from UTF-16, with Windows' U+FFFD for an unpaired surrogate.
char32_t NextCodePoint(LPCWSTR& text) {
    const char32_t unit = *text++;
    if (unit >= 0xD800 && unit <= 0xDBFF && *text >= 0xDC00 && *text <= 0xDFFF) {
        const char32_t low = *text++;
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    if (unit >= 0xD800 && unit <= 0xDFFF) {
        return 0xFFFD;
    }
    return unit;
}

void AppendUtf8(char32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

namespace scripted_win32 {

void Reset() {
    TheState() = State();
}

void SetArguments(const std::vector<std::u16string>& arguments) {
    State& state = TheState();
    state.arguments = arguments;
    state.commandLine.clear();
    for (const std::u16string& argument : arguments) {
        state.commandLine += (state.commandLine.empty() ? u"" : u" ") + argument;
    }
}

void FailCommandLineSplit() {
    TheState().splitFails = true;
}

const std::vector<RecordedBox>& Boxes() {
    return TheState().boxes;
}

void SetBoxResult(int result) {
    TheState().boxResult = result;
}

void OnBox(std::function<void(const RecordedBox&)> hook) {
    TheState().onBox = std::move(hook);
}

bool ArgumentArrayReleased() {
    return TheState().arrayReleased;
}

int UnmatchedGlobalFrees() {
    return TheState().unmatchedFrees;
}

}  // namespace scripted_win32

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    State& state = TheState();
    RecordedBox box{owner, text ? text : "", std::nullopt, style};
    if (caption) {
        box.caption = caption;
    }
    state.boxes.push_back(box);
    if (state.onBox) {
        state.onBox(box);
    }
    return state.boxResult;
}

LPWSTR WINAPI GetCommandLineW() {
    return TheState().commandLine.data();
}

LPWSTR* WINAPI CommandLineToArgvW(LPCWSTR commandLine, int* count) {
    State& state = TheState();
    if (state.splitFails || commandLine != state.commandLine.data() || state.arrayHandedOut) {
        return nullptr;
    }
    state.argumentPointers.clear();
    for (std::u16string& argument : state.arguments) {
        state.argumentPointers.push_back(argument.data());
    }
    state.argumentPointers.push_back(nullptr);
    state.arrayHandedOut = true;
    *count = static_cast<int>(state.arguments.size());
    return state.argumentPointers.data();
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory) {
    State& state = TheState();
    if (state.arrayHandedOut && !state.arrayReleased && memory == state.argumentPointers.data()) {
        state.arrayReleased = true;
        return nullptr;
    }
    ++state.unmatchedFrees;
    return memory;
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideLength, LPSTR multiByte,
                               int multiByteSize, LPCSTR, LPBOOL) {
    State& state = TheState();
    if (codePage != CP_UTF8 || wideLength != -1) {
        state.lastError = 87;  // only what the programs use is scripted
        return 0;
    }
    std::string utf8;
    LPCWSTR cursor = wide;
    while (*cursor != 0) {
        AppendUtf8(NextCodePoint(cursor), utf8);
    }
    const int needed = static_cast<int>(utf8.size()) + 1;
    if (multiByteSize == 0) {
        return needed;
    }
    if (needed > multiByteSize) {
        // Windows leaves what it managed to write; callers must not use it.
        std::memcpy(multiByte, utf8.data(), static_cast<std::size_t>(multiByteSize));
        state.lastError = ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    std::memcpy(multiByte, utf8.c_str(), static_cast<std::size_t>(needed));
    return needed;
}

DWORD WINAPI GetLastError() {
    return TheState().lastError;
}
