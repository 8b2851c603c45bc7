// DriveProgram: CreateProcessW, then a bounded poll for the program's visible dialog-class
// windows; each box is read once, answered with WM_COMMAND, and waited for until it is gone.
#include "box_driver.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr int MESSAGE_STATIC_ID = 65535;
constexpr int ICON_STATIC_ID = 1088;
constexpr DWORD POLL_MILLISECONDS = 20;

// For a window of another process this reads the text the window was given, without a message.
std::wstring WindowText(HWND window) {
    wchar_t text[8192];
    const int length = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (owner == search->processId && IsWindowVisible(window) && std::wcscmp(className, L"#32770") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::vector<wchar_t> EnvironmentBlock(const std::vector<std::wstring>& extra) {
    std::vector<wchar_t> block;
    if (LPWCH current = GetEnvironmentStringsW()) {
        for (LPWCH entry = current; *entry; entry += std::wcslen(entry) + 1) {
            block.insert(block.end(), entry, entry + std::wcslen(entry) + 1);
        }
        FreeEnvironmentStringsW(current);
    }
    for (const std::wstring& entry : extra) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

// The box as it is on the screen, as a 24-bit BMP file: for a person to look at.
void SaveSnapshot(HWND box, const std::wstring& path) {
    RECT frame{};
    GetWindowRect(box, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    header.biSizeImage = stride * static_cast<DWORD>(height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    GdiFlush();
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(bits, header.biSizeImage, 1, out);
        std::fclose(out);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace

std::string WideToUtf8(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

namespace {

std::wstring MultiByteToWide(UINT codePage, const std::string& bytes) {
    if (bytes.empty()) {
        return std::wstring();
    }
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& utf8) {
    return MultiByteToWide(CP_UTF8, utf8);
}

std::string AnsiBytesAsShown(const std::string& bytes) {
    return WideToUtf8(MultiByteToWide(CP_ACP, bytes));
}

DriveResult DriveProgram(const DriveOptions& options) {
    DriveResult result;
    std::wstring commandLine = L"\"" + options.program + L"\"";
    if (!options.arguments.empty()) {
        commandLine += L" " + options.arguments;
    }
    std::vector<wchar_t> environment = EnvironmentBlock(options.environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(options.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(),
                        options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str(),
                        &startup, &process)) {
        return result;
    }
    result.started = true;
    const ULONGLONG deadline = GetTickCount64() + options.timeoutMilliseconds;
    while (WaitForSingleObject(process.hProcess, POLL_MILLISECONDS) == WAIT_TIMEOUT) {
        if (GetTickCount64() > deadline) {
            result.timedOut = true;
            TerminateProcess(process.hProcess, 255);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
        Search search{process.dwProcessId, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            continue;
        }
        ObservedBox box;
        box.caption = WideToUtf8(WindowText(search.found));
        if (HWND message = GetDlgItem(search.found, MESSAGE_STATIC_ID)) {
            box.text = WideToUtf8(WindowText(message));
        }
        HWND icon = GetDlgItem(search.found, ICON_STATIC_ID);
        DWORD_PTR iconHandle = 0;
        box.hasIcon = icon != nullptr && IsWindowVisible(icon) &&
                      SendMessageTimeoutW(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &iconHandle) &&
                      iconHandle != 0;
        const std::size_t index = result.boxes.size();
        result.boxes.push_back(box);
        if (!options.snapshotDirectory.empty()) {
            Sleep(200);  // let the box finish painting
            SaveSnapshot(search.found, options.snapshotDirectory + L"\\box-" + std::to_wstring(index + 1) + L".bmp");
        }
        const int answer = index < options.answers.size() ? options.answers[index] : IDOK;
        PostMessageW(search.found, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        while (IsWindow(search.found) && IsWindowVisible(search.found) && GetTickCount64() <= deadline) {
            Sleep(POLL_MILLISECONDS);
        }
    }
    GetExitCodeProcess(process.hProcess, &result.exitStatus);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}
