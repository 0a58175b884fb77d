#pragma once
// Asking where to save, and saving whole or not at all, with a Spanish
// message in the window when it fails.
#include <QString>
#include <QWidget>
#include <string>

namespace orbitas::planner {

// The file the user chooses (Qt's own dialog, in Spanish), with
// suggested as its name and filter as the kinds shown; empty when they
// cancel.
QString AskSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);

// Writes text to path whole (a temporary file renamed into place); false
// after telling the user why, in a message box.
bool SaveText(QWidget* parent, const QString& path, const std::string& text);

}  // namespace orbitas::planner
