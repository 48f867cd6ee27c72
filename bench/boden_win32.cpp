// The floor the Windows program's start is measured against: the least a
// Win32 program of the same client size does before its first paint, an
// empty window with one button.
#include <windows.h>

namespace {

LRESULT CALLBACK prozedur(HWND fenster, UINT n, WPARAM w, LPARAM l)
{
    if (n == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(fenster, n, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instanz, HINSTANCE, LPSTR, int)
{
    WNDCLASSEXW k{};
    k.cbSize = sizeof(k);
    k.lpfnWndProc = prozedur;
    k.hInstance = instanz;
    k.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    k.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    k.lpszClassName = L"Boden";
    RegisterClassExW(&k);
    RECT r{0, 0, 681, 493};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND fenster = CreateWindowExW(0, L"Boden", L"Boden", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                   r.right - r.left, r.bottom - r.top, nullptr, nullptr, instanz, nullptr);
    CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 300, 230, 81, 25, fenster, nullptr,
                    instanz, nullptr);
    ShowWindow(fenster, SW_SHOW);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
