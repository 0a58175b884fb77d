#pragma once
// Qt's own texts in the planner (the fields' context menus, the file
// dialog's and the message boxes' buttons) in Spanish, from Qt's Spanish
// translation, qtbase_es.qm, which the package qt6-translations-l10n
// installs and the planner's package depends on. The planner's shortcuts
// do not clash with Qt's editing keys, so the menus may show them.

namespace orbitas::planner {

// Loads qtbase_es.qm from Qt's translations folder and installs it in the
// application (which owns it); false, and Qt's English left, when the file
// is not there. Call once, after the QApplication is made.
bool InstallQtSpanish();

}  // namespace orbitas::planner
