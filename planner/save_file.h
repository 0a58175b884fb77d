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

// Writes text to path whole, through the safe writer; false
// after telling the user why, in a message box.
bool SaveText(QWidget* parent, const QString& path, const std::string& text);

// Asks where to save svg as the command line's own PDF, one A4 landscape
// page (842 x 595 points), suggested as its name; tells the user in a
// message box when it cannot be written.
void SaveA4Pdf(QWidget* parent, const QString& suggested, const std::string& svg);

// The A4 landscape page of the planner's printable pictures, points.
inline constexpr int A4Width = 842, A4Height = 595;

}  // namespace orbitas::planner
