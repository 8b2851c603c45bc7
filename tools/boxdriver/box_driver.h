// The box driver: starts a Windows program, reads every message box it shows (caption, text,
// whether an icon is shown), answers each, and reports the boxes and the exit status.
// Runs on Windows (under Wine in Xvfb for the tests and the demo).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ObservedBox {
    std::string caption;  // UTF-8
    std::string text;     // UTF-8, as the box shows it
    bool hasIcon = false;
};

struct DriveOptions {
    std::wstring program;                 // path of the .exe
    std::wstring arguments;               // the command line after the program's name, as typed
    std::wstring workingDirectory;        // empty: the driver's own
    std::vector<std::wstring> environment;  // extra NAME=value entries
    std::vector<int> answers;             // button per box, in order; IDOK past the end
    DWORD timeoutMilliseconds = 30000;
    std::wstring snapshotDirectory;       // non-empty: each box is saved there as box-N.bmp
};

struct DriveResult {
    bool started = false;
    bool timedOut = false;
    DWORD exitStatus = 0;
    std::vector<ObservedBox> boxes;
};

DriveResult DriveProgram(const DriveOptions& options);

std::string WideToUtf8(const std::wstring& wide);
std::wstring Utf8ToWide(const std::string& utf8);
// What a MessageBoxA shows for these bytes: the system's ANSI code page read as text.
std::string AnsiBytesAsShown(const std::string& bytes);
