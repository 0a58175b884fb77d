#pragma once
// Asking where to save, and saving whole or not at all on the worker,
// with a Spanish message in the window when it fails.
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

namespace orbitas::planner {

// The file the user chooses (Qt's own dialog, in Spanish), with
// suggested as its name and filter as the kinds shown; empty when they
// cancel.
QString AskSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);

class Background;

// Interface thread; returns at once. Writes text to path whole, through
// the safe writer, on background's worker; tells the user why in a
// message box over parent when it cannot be written. Raises nothing.
void SaveText(Background& background, QWidget* parent, const QString& path, const std::string& text);

// Interface thread; returns at once. Makes the file's bytes with make on
// background's worker and writes them to path whole, through the safe
// writer; tells the user why in a message box over parent when they
// cannot be written. make raises nothing. Raises nothing.
void SaveMade(Background& background, QWidget* parent, const QString& path, std::function<std::string()> make);

// Interface thread; returns once the user has chosen. Asks where to save
// svg as the command line's own PDF, one A4 landscape page (842 x 595
// points), suggested as its name, and draws and writes it on background's
// worker; tells the user in a message box over parent when it cannot be
// written. Raises nothing.
void SaveA4Pdf(Background& background, QWidget* parent, const QString& suggested, const std::string& svg);

// Interface thread; returns at once. Draws a picture with draw on
// background's worker and writes it to path, as PNG or PDF when its name
// ends in .png or .pdf and as SVG otherwise, width x height pixels (points
// for a PDF), through the safe writer; tells the user in a message box
// over parent when it cannot be written. draw raises nothing. Raises
// nothing.
void SavePicture(Background& background, QWidget* parent, const QString& path, int width, int height,
                 std::function<std::string()> draw);

// The A4 landscape page of the planner's printable pictures, points.
inline constexpr int A4Width = 842, A4Height = 595;

}  // namespace orbitas::planner
