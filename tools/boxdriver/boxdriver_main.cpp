// boxdriver.exe: runs a program, prints each box it shows as a line and exits with its status.
// Usage: boxdriver.exe PROGRAM [ARGUMENTS...]   (the arguments are passed on as typed)
// With DAYVANE_BOX_SNAPSHOTS set to a folder, each box is also saved there as box-N.bmp.
#include <cstdio>
#include <cwchar>

#include "box_driver.h"

namespace {

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        line += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return line;
}

}  // namespace

int wmain(int count, wchar_t** arguments) {
    if (count < 2) {
        std::fprintf(stderr, "usage: boxdriver.exe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    DriveOptions options;
    options.program = arguments[1];
    const wchar_t* tail = std::wcsstr(GetCommandLineW(), arguments[1]);
    if (tail != nullptr) {
        tail += std::wcslen(arguments[1]);
        if (*tail == L'"') {
            ++tail;
        }
        while (*tail == L' ' || *tail == L'\t') {
            ++tail;
        }
        options.arguments = tail;
    }
    if (const wchar_t* snapshots = _wgetenv(L"DAYVANE_BOX_SNAPSHOTS")) {
        options.snapshotDirectory = snapshots;
    }
    const DriveResult result = DriveProgram(options);
    if (!result.started) {
        std::fprintf(stderr, "boxdriver: cannot start the program (error %lu)\n", GetLastError());
        return 2;
    }
    for (const ObservedBox& box : result.boxes) {
        std::printf("  box [%s]%s: %s\n", box.caption.c_str(), box.hasIcon ? " (icon)" : "",
                    OneLine(box.text).c_str());
    }
    std::printf("  exit status %lu%s\n", result.exitStatus, result.timedOut ? " (timed out)" : "");
    std::fflush(stdout);
    return static_cast<int>(result.exitStatus);
}
