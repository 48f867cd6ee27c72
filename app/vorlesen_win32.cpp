#include "app/vorlesen_win32.h"

#include "app/gestaltung_win32.h"

#include <commctrl.h>
// Defines the interface ids here: the import library's IID_IAccessible is the
// DLL's export, not the id itself, in a static program.
#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace Vorlesen {

namespace {

// What the design says of one control, and what the program changed since.
struct Angaben {
    const Entwurf::Steuerelement* e;
    LONG rolle;  // ROLE_SYSTEM_...
    std::wstring beschreibung;
};

// The role Windows gives each of the program's kinds of control; Wine's
// standard objects call most of them a client area.
LONG rolleVon(HWND steuerelement, Entwurf::Rolle entworfen)
{
    switch (entworfen) {
    case Entwurf::Rolle::Bild: return ROLE_SYSTEM_GRAPHIC;
    case Entwurf::Rolle::Gruppe: return ROLE_SYSTEM_GROUPING;
    case Entwurf::Rolle::Eigene: break;
    }
    if (GetWindowLongW(steuerelement, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME)
        return ROLE_SYSTEM_DIALOG;
    wchar_t klasse[32] = {};
    GetClassNameW(steuerelement, klasse, 32);
    const LONG stil = GetWindowLongW(steuerelement, GWL_STYLE);
    if (lstrcmpiW(klasse, L"Edit") == 0)
        return ROLE_SYSTEM_TEXT;
    if (lstrcmpiW(klasse, L"Static") == 0)
        return ROLE_SYSTEM_STATICTEXT;
    if (lstrcmpiW(klasse, L"Button") == 0) {
        const LONG art = stil & BS_TYPEMASK;
        return art == BS_AUTORADIOBUTTON || art == BS_RADIOBUTTON ? ROLE_SYSTEM_RADIOBUTTON : ROLE_SYSTEM_PUSHBUTTON;
    }
    return ROLE_SYSTEM_CLIENT;
}

// Where a control keeps its Angaben, for the program to change them.
constexpr const wchar_t* eigenschaft = L"Zapfkontor.Vorlesen";

bool selbst(const VARIANT& kind)
{
    return kind.vt == VT_I4 && kind.lVal == CHILDID_SELF;
}

// The control's standard accessible object with the name, description and
// role of its row. Every other question goes to the standard object.
class Benannt final : public IAccessible {
public:
    Benannt(IAccessible* standard, const Angaben& angaben)
        : s(standard)
        , a(angaben)
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** objekt) override
    {
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *objekt = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *objekt = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++zaehler; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG rest = --zaehler;
        if (rest == 0) {
            s->Release();
            delete this;
        }
        return rest;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT kind, BSTR* name) override
    {
        if (!selbst(kind) || !a.e->vorleseName)
            return s->get_accName(kind, name);
        *name = SysAllocString(Gestaltung::breit(a.e->vorleseName).c_str());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT kind, BSTR* text) override
    {
        // As Qt does: the tooltip where the row gives no description.
        const char* entworfen = a.e->beschreibung ? a.e->beschreibung : a.e->tooltip;
        if (!selbst(kind) || (a.beschreibung.empty() && !entworfen))
            return s->get_accDescription(kind, text);
        *text = SysAllocString(a.beschreibung.empty() ? Gestaltung::breit(entworfen).c_str() : a.beschreibung.c_str());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT kind, VARIANT* rolle) override
    {
        if (!selbst(kind))
            return s->get_accRole(kind, rolle);
        rolle->vt = VT_I4;
        rolle->lVal = a.rolle;
        return S_OK;
    }

    // Handed on as they are.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* a) override { return s->GetTypeInfoCount(a); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT a, LCID b, ITypeInfo** c) override { return s->GetTypeInfo(a, b, c); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID a, LPOLESTR* b, UINT c, LCID d, DISPID* e) override
    {
        return s->GetIDsOfNames(a, b, c, d, e);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID a, REFIID b, LCID c, WORD d, DISPPARAMS* e, VARIANT* f, EXCEPINFO* g,
                                     UINT* h) override
    {
        return s->Invoke(a, b, c, d, e, f, g, h);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** a) override { return s->get_accParent(a); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* a) override { return s->get_accChildCount(a); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT a, IDispatch** b) override { return s->get_accChild(a, b); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT a, BSTR* b) override { return s->get_accValue(a, b); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT a, VARIANT* b) override { return s->get_accState(a, b); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT a, BSTR* b) override { return s->get_accHelp(a, b); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* a, VARIANT b, LONG* c) override
    {
        return s->get_accHelpTopic(a, b, c);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT a, BSTR* b) override
    {
        return s->get_accKeyboardShortcut(a, b);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* a) override { return s->get_accFocus(a); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* a) override { return s->get_accSelection(a); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT a, BSTR* b) override
    {
        return s->get_accDefaultAction(a, b);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG a, VARIANT b) override { return s->accSelect(a, b); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* a, LONG* b, LONG* c, LONG* d, VARIANT e) override
    {
        return s->accLocation(a, b, c, d, e);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG a, VARIANT b, VARIANT* c) override { return s->accNavigate(a, b, c); }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG a, LONG b, VARIANT* c) override { return s->accHitTest(a, b, c); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT a) override { return s->accDoDefaultAction(a); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT a, BSTR b) override { return s->put_accName(a, b); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT a, BSTR b) override { return s->put_accValue(a, b); }

private:
    IAccessible* s;
    // A copy: a screen reader may hold the object after the control is gone.
    const Angaben a;
    ULONG zaehler = 1;
};

LRESULT CALLBACK unterklasse(HWND fenster, UINT n, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR daten)
{
    if (n == WM_GETOBJECT && LONG(l) == OBJID_CLIENT) {
        IAccessible* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(fenster, OBJID_CLIENT, IID_IAccessible,
                                                reinterpret_cast<void**>(&standard)))) {
            auto* benannt = new Benannt(standard, *reinterpret_cast<const Angaben*>(daten));
            const LRESULT ergebnis = LresultFromObject(IID_IAccessible, w, benannt);
            benannt->Release();
            return ergebnis;
        }
    }
    if (n == WM_NCDESTROY) {
        RemovePropW(fenster, eigenschaft);
        delete reinterpret_cast<Angaben*>(daten);
        RemoveWindowSubclass(fenster, unterklasse, 1);
    }
    return DefSubclassProc(fenster, n, w, l);
}

}  // namespace

void anmelden(HWND steuerelement, const Entwurf::Steuerelement& e)
{
    auto* angaben = new Angaben{&e, rolleVon(steuerelement, e.rolle), {}};
    SetPropW(steuerelement, eigenschaft, angaben);
    SetWindowSubclass(steuerelement, unterklasse, 1, DWORD_PTR(angaben));
}

void fensterAnmelden(HWND fenster, std::string_view beschreibung)
{
    // A window is no row of a table: its own kind, its caption as its name.
    static constexpr Entwurf::Steuerelement fensterSelbst{.name = ""};
    anmelden(fenster, fensterSelbst);
    static_cast<Angaben*>(GetPropW(fenster, eigenschaft))->beschreibung = Gestaltung::breit(beschreibung);
}

void beschreibung(HWND steuerelement, std::string_view text)
{
    auto* angaben = static_cast<Angaben*>(GetPropW(steuerelement, eigenschaft));
    if (!angaben)
        return;
    angaben->beschreibung = Gestaltung::breit(text);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, steuerelement, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace Vorlesen
