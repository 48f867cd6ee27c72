// The currency window as designed. Every toolkit's class of the window is
// built from these rows; nothing here knows a toolkit.
#pragma once

#include "app/entwurf.h"

namespace OptionenEntwurf {

// One control a line, as the design lists them.
// clang-format off

using Entwurf::Schrift;
using Entwurf::Steuerelement;

inline constexpr Entwurf::Fenster fenster{.titel = "Optionen", .breite = 4215, .hoehe = 1935};

// The panel, docked to the top: it keeps its height, its width follows the
// window's. It takes the focus first, so a screen reader hears it as the
// currency choice.
inline constexpr Steuerelement Picture1{.name = "Picture1", .lage = {0, 0, 4215, 3255}, .vorleseName = "Währung",
                                        .rolle = Entwurf::Rolle::Gruppe};
// Inside Picture1, from the top-left of its inner area, in the focus order.
// The options' captions lie outside what they show; a screen reader is told
// the currency of the label beside each.
inline constexpr Steuerelement Option1{.name = "Option1", .lage = {360, 240, 255, 495}, .vorleseName = "Euro"};
inline constexpr Steuerelement Option2{.name = "Option2", .text = "Option2", .lage = {360, 960, 255, 375}, .vorleseName = "DM"};
inline constexpr Steuerelement Label1{.name = "Label1", .text = " EURO", .lage = {840, 360, 1095, 375}, .schrift = Schrift::GrossFett,
                                      .tooltip = "Euro als Währung"};
inline constexpr Steuerelement Label2{.name = "Label2", .text = "DM", .lage = {960, 960, 735, 495}, .schrift = Schrift::GrossFett,
                                      .tooltip = "DM als Währung"};
inline constexpr Steuerelement cmdOptionOk{.name = "cmdOptionOk", .text = "&Ok", .lage = {2280, 1080, 1575, 495}};

// clang-format on

}  // namespace OptionenEntwurf
