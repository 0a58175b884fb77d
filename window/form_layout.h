#pragma once
// The main window's layout: every control with its place and size in twips
// (15 twips make a pixel at 96 dots per inch), its caption and its tab
// position, and the menu bar's items.

#include <Qt>
#include <array>
#include <string_view>

#include "runtime/conversions.h"

namespace orbitas {

// The client area below the menu bar, in twips (792 x 554 pixels).
inline constexpr int ClientWidthTwips = 11880;
inline constexpr int ClientHeightTwips = 8310;

inline constexpr int TwipsToPixels(int twips) { return twips / 15; }

struct ControlPlacement {
  std::string_view name;         // objectName: "Fecha(2)", "horadec", "Label1", ...
  int field;                     // index of a date field 0..5; -1 for a label
  std::string_view caption;      // the text when created
  int left, top, width, height;  // twips, from the client area's top left
  int tab;                       // position in the tab order
  std::string_view accessibleName;         // set for the date fields only
  std::string_view accessibleDescription;  // what a result label or field shows
};

// Column by column, as the window reads.
extern const std::array<ControlPlacement, 42> Controls;

struct MenuItemPlacement {
  std::string_view name;     // "sal", "plan(1)", ...
  std::string_view caption;  // with "&" before the access letter
  Qt::Key key;               // with Ctrl, the item's shortcut
  Int16 index;               // the body number passed to plan_Click
};

extern const std::array<MenuItemPlacement, 8> PlanetMenuItems;

}  // namespace orbitas
