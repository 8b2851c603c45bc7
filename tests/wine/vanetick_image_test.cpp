// The resources of the built vanetick.exe, read as Windows reads them: the icon group and the
// version information.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "box_driver.h"

namespace {

std::wstring VanetickPath() {
    std::wstring path = Utf8ToWide(DAYVANE_WINE_BIN_DIR "/vanetick.exe");
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

TEST(VanetickImage, IconGroup101HoldsA32By32SixteenColourIcon) {
    HMODULE image = LoadLibraryExW(VanetickPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    HRSRC group = FindResourceW(image, MAKEINTRESOURCEW(101), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(image, group)));
    ASSERT_NE(data, nullptr);
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    ASSERT_EQ(count, 1);
    IconGroupEntry entry;
    std::memcpy(&entry, data + 6, sizeof entry);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.bitCount, 4);
    HRSRC icon = FindResourceW(image, MAKEINTRESOURCEW(entry.id), RT_ICON);
    ASSERT_NE(icon, nullptr);
    const BITMAPINFOHEADER* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(image, icon)));
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);  // the colour image and its mask
    EXPECT_EQ(header->biBitCount, 4);
    FreeLibrary(image);
}

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation)) {
        return L"(no translation)";
    }
    wchar_t key[128];
    swprintf(key, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translations[0].language, translations[0].codePage, name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), key, reinterpret_cast<void**>(&value), &length)) {
        return L"(missing)";
    }
    return value;
}

TEST(VanetickImage, VersionInformationNamesDayvane1100) {
    const std::wstring path = VanetickPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(VersionString(block, L"FileVersion"), L"1, 1, 0, 0");
    EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1, 1, 0, 0");
    EXPECT_EQ(VersionString(block, L"FileDescription"), L"Dayvane");
    EXPECT_EQ(VersionString(block, L"ProductName"), L"Dayvane");
    EXPECT_EQ(VersionString(block, L"InternalName"), L"vanetick");
    EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"vanetick.exe");
}

}  // namespace
