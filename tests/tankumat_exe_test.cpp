// The built tankumat.exe as a user and Explorer meet it: the version
// information and the icon read back from the file, and the program started
// as a process of its own, its window found by caption and closed again.

#include "main_window/verbrauch_entwurf.h"
#include "symbolgroessen.h"
#include "version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring breit(const char* utf8)
{
    std::wstring t(std::size_t(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, t.data(), int(t.size()));
    t.pop_back();
    return t;
}

// tankumat.exe lies beside the test program.
std::wstring programm()
{
    wchar_t pfad[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, pfad, MAX_PATH);
    std::wstring p = pfad;
    return p.substr(0, p.find_last_of(L"\\/") + 1) + L"tankumat.exe";
}

class Versionsinformation : public ::testing::Test {
protected:
    void SetUp() override
    {
        DWORD griff = 0;
        daten.resize(GetFileVersionInfoSizeW(programm().c_str(), &griff));
        ASSERT_FALSE(daten.empty());
        ASSERT_TRUE(GetFileVersionInfoW(programm().c_str(), 0, DWORD(daten.size()), daten.data()));
    }

    std::wstring text(const wchar_t* name)
    {
        struct Sprache {
            WORD sprache, codeseite;
        }* s = nullptr;
        UINT laenge = 0;
        if (!VerQueryValueW(daten.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&s), &laenge))
            return L"(no translation)";
        wchar_t pfad[64];
        swprintf(pfad, 64, L"\\StringFileInfo\\%04x%04x\\%ls", s->sprache, s->codeseite, name);
        wchar_t* wert = nullptr;
        if (!VerQueryValueW(daten.data(), pfad, reinterpret_cast<void**>(&wert), &laenge))
            return L"(missing)";
        return wert;
    }

    std::vector<char> daten;
};

TEST_F(Versionsinformation, zahlenUndTexteAusDerEinenVersion)
{
    VS_FIXEDFILEINFO* fest = nullptr;
    UINT laenge = 0;
    ASSERT_TRUE(VerQueryValueW(daten.data(), L"\\", reinterpret_cast<void**>(&fest), &laenge));
    const DWORD hoch = MAKELONG(Version::teile[1], Version::teile[0]);
    const DWORD tief = MAKELONG(Version::teile[3], Version::teile[2]);
    EXPECT_EQ(fest->dwFileVersionMS, hoch);
    EXPECT_EQ(fest->dwFileVersionLS, tief);
    EXPECT_EQ(fest->dwProductVersionMS, hoch);
    EXPECT_EQ(fest->dwProductVersionLS, tief);
    EXPECT_EQ(text(L"FileVersion"), breit(Version::text));
    EXPECT_EQ(text(L"ProductVersion"), breit(Version::text));
    EXPECT_EQ(text(L"ProductName"), breit(Version::titel));
    EXPECT_EQ(text(L"InternalName"), breit(Version::internerName));
    EXPECT_EQ(text(L"OriginalFilename"), L"tankumat.exe");
}

BOOL CALLBACK erstesSymbol(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ergebnis)
{
    *reinterpret_cast<ULONG_PTR*>(ergebnis) = IS_INTRESOURCE(name) ? ULONG_PTR(name) : ~ULONG_PTR(0);
    return FALSE;
}

TEST(Symbol, dieZapfsaeuleIstDasErsteSymbolInJederGroesse)
{
    HMODULE exe =
        LoadLibraryExW(programm().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    ULONG_PTR erstes = 0;
    EnumResourceNamesW(exe, RT_GROUP_ICON, erstesSymbol, LONG_PTR(&erstes));
    EXPECT_EQ(erstes, 1u);
    // The icon group's directory, as Windows chooses from it: the design's
    // 16 colours at 32 and 16 pixels first, then true colour at every other
    // size of the icon (256 stored as 0).
    HRSRC gruppe = FindResourceW(exe, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(gruppe, nullptr);
    const auto* d = static_cast<const BYTE*>(LockResource(LoadResource(exe, gruppe)));
    ASSERT_NE(d, nullptr);
    const int anzahl = d[4] | d[5] << 8;
    std::vector<std::pair<int, int>> bilder;  // size, bits a pixel
    for (int i = 0; i < anzahl; ++i) {
        const BYTE* e = d + 6 + 14 * i;
        bilder.emplace_back(e[0] ? e[0] : 256, e[6] | e[7] << 8);
    }
    std::vector<std::pair<int, int>> erwartet{{32, 4}, {16, 4}};
    for (const int groesse : symbolgroessen)
        if (groesse != 32 && groesse != 16)
            erwartet.emplace_back(groesse, 32);
    EXPECT_EQ(bilder, erwartet);
    for (const int seite : symbolgroessen) {
        HICON symbol = HICON(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, seite, seite, 0));
        ASSERT_NE(symbol, nullptr) << seite;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(symbol, &info));
        BITMAP farbe{};
        GetObjectW(info.hbmColor, sizeof(farbe), &farbe);
        EXPECT_EQ(farbe.bmWidth, seite);
        EXPECT_EQ(farbe.bmHeight, seite);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(symbol);
    }
    FreeLibrary(exe);
}

TEST(Manifest, sagtDpiBewusstJeBildschirmUndKeineStile)
{
    HMODULE exe =
        LoadLibraryExW(programm().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    // The program's own manifest: resource 1 of type 24 (RT_MANIFEST).
    HRSRC quelle = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(quelle, nullptr);
    const auto* anfang = static_cast<const char*>(LockResource(LoadResource(exe, quelle)));
    const std::string manifest(anfang, SizeofResource(exe, quelle));
    FreeLibrary(exe);
    for (const char* muss :
         {"<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2<",
          "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm<",
          "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // Windows 10 and 11
          "level=\"asInvoker\""})
        EXPECT_NE(manifest.find(muss), std::string::npos) << muss;
    // The classic look of the design: no visual styles.
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

TEST(Programm, startetMitSeinemFensterUndEndetMitStatusNull)
{
    std::wstring befehl = L"\"" + programm() + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    PROCESS_INFORMATION prozess{};
    ASSERT_TRUE(CreateProcessW(nullptr, befehl.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &prozess));
    const std::wstring titel = breit(VerbrauchEntwurf::fenster.titel);
    HWND fenster = nullptr;
    for (int i = 0; i < 300 && !(fenster && IsWindowVisible(fenster)); ++i) {
        Sleep(50);
        fenster = FindWindowW(L"Verbrauch", titel.c_str());
    }
    ASSERT_NE(fenster, nullptr) << "no window with the caption";
    EXPECT_TRUE(IsWindowVisible(fenster));
    PostMessageW(fenster, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(prozess.hProcess, 15000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(prozess.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(prozess.hThread);
    CloseHandle(prozess.hProcess);
}

}  // namespace
