#include "planner/night_mode.h"

#include <QApplication>
#include <QStyle>

namespace orbitas::planner {

QPalette NightPalette() {
  // Dim: the brightest text is about a third of the screen's full red.
  const QColor black(0, 0, 0), ground(0x0c, 0x00, 0x00), raised(0x1e, 0x04, 0x02), edge(0x3a, 0x08, 0x04);
  const QColor text(0xb4, 0x2c, 0x1a), quiet(0x6e, 0x16, 0x0c), chosen(0x5a, 0x0c, 0x04), bright(0xe0, 0x48, 0x2c);
  QPalette night;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool off = group == QPalette::Disabled;
    night.setColor(group, QPalette::Window, ground);
    night.setColor(group, QPalette::WindowText, off ? quiet : text);
    night.setColor(group, QPalette::Base, black);
    night.setColor(group, QPalette::AlternateBase, ground);
    night.setColor(group, QPalette::Text, off ? quiet : text);
    night.setColor(group, QPalette::PlaceholderText, quiet);
    night.setColor(group, QPalette::Button, raised);
    night.setColor(group, QPalette::ButtonText, off ? quiet : text);
    night.setColor(group, QPalette::BrightText, bright);
    night.setColor(group, QPalette::Highlight, chosen);
    night.setColor(group, QPalette::HighlightedText, bright);
    night.setColor(group, QPalette::ToolTipBase, raised);
    night.setColor(group, QPalette::ToolTipText, text);
    night.setColor(group, QPalette::Light, edge);
    night.setColor(group, QPalette::Midlight, raised);
    night.setColor(group, QPalette::Mid, raised);
    night.setColor(group, QPalette::Dark, ground);
    night.setColor(group, QPalette::Shadow, black);
    night.setColor(group, QPalette::Link, bright);
    night.setColor(group, QPalette::LinkVisited, text);
  }
  return night;
}

void ApplyNightMode(bool on) {
  QApplication::setPalette(on ? NightPalette() : QApplication::style()->standardPalette());
}

}  // namespace orbitas::planner
