// Linux declarations of the few Win32 types, constants and calls the programs use, with the
// widths they have on 32-bit Windows where that matters. Written for this project; the calls
// are implemented by platform/linux/scripted_win32.cpp.
#pragma once

#include <cstdint>

#define WINAPI
#define CALLBACK

using BOOL = int;
using INT = int;
using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using CHAR = char;
using WCHAR = char16_t;  // UTF-16 code units, as on Windows
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using HGLOBAL = void*;
using LPBOOL = BOOL*;

struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

#define MB_OK 0x00000000u
#define MB_ICONWARNING 0x00000030u
#define CP_UTF8 65001u
#define ERROR_INSUFFICIENT_BUFFER 122u

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
LPWSTR WINAPI GetCommandLineW();
LPWSTR* WINAPI CommandLineToArgvW(LPCWSTR commandLine, int* count);
int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength,
                               LPSTR multiByte, int multiByteSize, LPCSTR defaultChar,
                               LPBOOL usedDefaultChar);
HGLOBAL WINAPI GlobalFree(HGLOBAL memory);
DWORD WINAPI GetLastError();
