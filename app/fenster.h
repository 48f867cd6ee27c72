// The single instances of the program's windows.
//
// Every window exists at most once and is known to all code by its class:
// Fenster::instanz<Verbrauch>() is the main window. A reference to a window
// that is not loaded loads it (constructs it and runs its Form_Load) without
// showing it. A window that closes unloads itself through entladen(), so the
// next reference makes a fresh one with the designed texts.
#pragma once

#include <QWidget>

#include <typeindex>
#include <typeinfo>

namespace Fenster {

namespace detail {
QWidget* geladen(std::type_index klasse);
void eintragen(std::type_index klasse, QWidget* fenster);
}  // namespace detail

template <class W>
W& instanz()
{
    if (QWidget* fenster = detail::geladen(typeid(W)))
        return static_cast<W&>(*fenster);
    auto* fenster = new W;
    // Registered before Form_Load, so a load handler that refers to its own
    // window finds this instance instead of loading a second one.
    detail::eintragen(typeid(W), fenster);
    fenster->Form_Load();
    return *fenster;
}

template <class W>
bool istGeladen()
{
    return detail::geladen(typeid(W)) != nullptr;
}

// Forgets the window at once and deletes it once control is back in the
// event loop (it may be inside one of its own handlers). Hides it if needed.
void entladen(QWidget& fenster);

// Deletes every loaded window; for the end of the program and of each test.
void alleEntladen();

}  // namespace Fenster
