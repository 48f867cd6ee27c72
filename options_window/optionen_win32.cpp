#include "options_window/optionen_win32.h"

#include "app/anwendung_win32.h"
#include "app/gestaltung_win32.h"
#include "main_window/verbrauch_win32.h"
#include "options_window/optionen_entwurf.h"

namespace Tafel = OptionenEntwurf;

namespace {

constexpr const wchar_t* klasse = L"Optionen";

}  // namespace

Optionen::Optionen()
{
    Fenster::klasseAnmelden(klasse, COLOR_APPWORKSPACE, Anwendung::ohneSymbol(), Anwendung::ohneSymbol());
    // The standard frame of a multiple-document window, without an owner: it
    // has its own button in the task bar and either window can be in front.
    constexpr DWORD stil = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    constexpr DWORD exStil = WS_EX_CONTROLPARENT;
    erzeugen(klasse, Tafel::fenster, stil, exStil, nullptr);
    RECT innen{};
    GetClientRect(hwnd, &innen);

    // The panel first: it lies above the workspace, which fills the client
    // area in the application-workspace colour and never holds a document.
    tafel = std::make_unique<Bildfeld>(hwnd, Tafel::Picture1);
    Picture1 = tafel.get();
    // So the dialog keyboard handling finds the options inside it: the arrow
    // keys move between them.
    SetWindowLongW(Picture1->hwnd, GWL_EXSTYLE, GetWindowLongW(Picture1->hwnd, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    CLIENTCREATESTRUCT mdi{nullptr, 1000};
    mdiClient = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, innen.right,
                                innen.bottom, hwnd, nullptr, Anwendung::instanz(), &mdi);

    // Inside the panel, from the top-left of its inner area. The two options
    // are one group; each is too narrow for more than its circle.
    HWND p = Picture1->hwnd;
    Option1 = Gestaltung::steuerelement(p, Tafel::Option1, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP);
    Option2 = Gestaltung::steuerelement(p, Tafel::Option2, L"BUTTON", BS_AUTORADIOBUTTON);
    // A click on the labels does nothing; the first one ends the option group.
    Label1 = Gestaltung::steuerelement(p, Tafel::Label1, L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP);
    Label2 = Gestaltung::bezeichnung(p, Tafel::Label2);
    cmdOptionOk = Gestaltung::knopf(p, Tafel::cmdOptionOk);
    SetWindowLongW(cmdOptionOk, GWL_STYLE, GetWindowLongW(cmdOptionOk, GWL_STYLE) | WS_GROUP);

    tooltips = Gestaltung::tooltips(hwnd);
    letzterFokus = Picture1->hwnd;
}

void Optionen::Option1_Click()
{
    Fenster::instanz<Verbrauch>().währungAnwenden(rechnung::euro);
}

void Optionen::Option2_Click()
{
    Fenster::instanz<Verbrauch>().währungAnwenden(rechnung::dm);
}

void Optionen::cmdOptionOk_Click()
{
    Fenster::entladen(*this);
    // With the main window closed meanwhile, this reference loads a fresh,
    // hidden one, which is not shown just to take the focus.
    Verbrauch& haupt = Fenster::instanz<Verbrauch>();
    if (IsWindowVisible(haupt.hwnd)) {
        SetForegroundWindow(haupt.hwnd);
        haupt.fokus(haupt.txtKMalt);
    }
}

void Optionen::wählen(HWND option)
{
    CheckRadioButton(Picture1->hwnd, GetDlgCtrlID(Option1), GetDlgCtrlID(Option2), GetDlgCtrlID(option));
    angeklickt(option);
}

void Optionen::angeklickt(HWND option)
{
    // An option's Click runs when it becomes selected, not when the user
    // clicks the one already selected.
    if (option == gewaehlt || SendMessageW(option, BM_GETCHECK, 0, 0) != BST_CHECKED)
        return;
    gewaehlt = option;
    if (option == Option1)
        Option1_Click();
    else
        Option2_Click();
}

void Optionen::zeigen()
{
    if (IsIconic(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    fokus(letzterFokus);
}

void Optionen::fokus(HWND steuerelement)
{
    SetFocus(steuerelement);
    // Enter presses "&Ok" while it has the focus; the window has no default
    // button otherwise.
    SendMessageW(cmdOptionOk, BM_SETSTYLE, steuerelement == cmdOptionOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool Optionen::tabulator(const MSG& taste)
{
    // Alt+O for "&Ok" from anywhere in the window, the panel included: the
    // dialog keyboard handling does not look inside a container.
    if (taste.message == WM_SYSCHAR) {
        if (towlower(wchar_t(taste.wParam)) != L'o')
            return false;
        cmdOptionOk_Click();
        return true;
    }
    // The panel itself is the first stop, then the option group (its selected
    // option), then "&Ok". The dialog keyboard handling would skip a
    // container that holds controls.
    if (taste.message != WM_KEYDOWN || taste.wParam != VK_TAB)
        return false;
    const HWND option = gewaehlt ? gewaehlt : Option1;
    const HWND reihe[] = {Picture1->hwnd, option, cmdOptionOk};
    HWND jetzt = GetFocus();
    if (jetzt == Option1 || jetzt == Option2)
        jetzt = option;
    int i = 0;
    while (i < 3 && reihe[i] != jetzt)
        ++i;
    const bool rueckwaerts = GetKeyState(VK_SHIFT) < 0;
    fokus(reihe[i == 3 ? 0 : (i + (rueckwaerts ? 2 : 1)) % 3]);
    return true;
}

LRESULT Optionen::nachricht(UINT n, WPARAM w, LPARAM l)
{
    switch (n) {
    case Anwendung::tasteVorab: return tabulator(*reinterpret_cast<const MSG*>(l));
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED && HWND(l) == cmdOptionOk)
            cmdOptionOk_Click();
        else if (HIWORD(w) == BN_CLICKED && (HWND(l) == Option1 || HWND(l) == Option2))
            angeklickt(HWND(l));
        return 0;
    case DM_GETDEFID:
        // Enter presses "&Ok" while it has the focus, however it got there;
        // the window has no default button otherwise.
        return GetFocus() == cmdOptionOk ? MAKELRESULT(GetDlgCtrlID(cmdOptionOk), DC_HASDEFID) : 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return Gestaltung::beschriftungsfarben(HDC(w), HWND(l));
    case WM_SIZE: {
        if (!Picture1)
            break;  // still being made
        // Docked to the top: the panel spans the width and keeps its height.
        const int breite = LOWORD(l), hoehe = HIWORD(l);
        MoveWindow(Picture1->hwnd, 0, 0, breite, Gestaltung::pixel(Tafel::Picture1.lage, Gestaltung::dpi(hwnd)).bottom,
                   TRUE);
        MoveWindow(mdiClient, 0, 0, breite, hoehe, TRUE);
        return 0;
    }
    default: break;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            if (HWND f = GetFocus(); f && IsChild(hwnd, f))
                letzterFokus = f;
        } else {
            fokus(letzterFokus);
        }
        return 0;
    case WM_CLOSE: {
        Fenster::entladen(*this);
        // The main window takes the keyboard again, its focus where it was.
        if (Fenster::istGeladen<Verbrauch>()) {
            Verbrauch& haupt = Fenster::instanz<Verbrauch>();
            if (IsWindowVisible(haupt.hwnd))
                SetForegroundWindow(haupt.hwnd);
        }
        return 0;
    }
    }
    return DefFrameProcW(hwnd, mdiClient, n, w, l);
}
