#pragma once
// The Help menu's windows: the user guide, the keyboard shortcuts and
// "Acerca de Órbitas · Cielo".
#include <QString>
#include <utility>
#include <vector>

class QMainWindow;
class QWidget;

namespace orbitas::planner {

// The user guide (docs/uso.md, built into the program) in a window of its
// own, its pictures left as their captions. Interface thread; raises
// nothing.
void ShowManual(QWidget* parent);

// The user guide's text as the window shows it: Markdown without its
// pictures (each left as its caption, in italics).
QString ManualMarkdown();

// Every shortcut of window's menus (their texts without the & of their
// access keys), then those of others, as (keys, what they do) in the
// desktop's words ("Ctrl+P"). Interface thread; raises nothing.
std::vector<std::pair<QString, QString>> Shortcuts(const QMainWindow& window,
                                                   const std::vector<std::pair<QString, QString>>& others);

// A window listing shortcuts. Interface thread; raises nothing.
void ShowShortcuts(QWidget* parent, const std::vector<std::pair<QString, QString>>& shortcuts);

// "Acerca de Órbitas · Cielo": the version, what it is, where its figures
// come from and its licence. Interface thread; raises nothing.
void ShowAbout(QWidget* parent);

}  // namespace orbitas::planner
