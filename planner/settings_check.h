#pragma once
// Whether the planner's settings (the window's size, place, date and tab)
// can be saved where Qt keeps them, so that a folder that cannot be written
// is said in the window instead of losing them silently at every close.
#include <QString>

namespace orbitas::planner {

// Empty when the settings' file can be written (its folder is made when
// missing); otherwise a Spanish sentence naming the file and why ("no hay
// permiso para escribir en la carpeta …"). Needs the application's
// organisation and name set.
QString SettingsProblem();

}  // namespace orbitas::planner
