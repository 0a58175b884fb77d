#pragma once
// Focus goes back where it was once a dialog closes, and the window is
// active again: a file dialog or message box must not leave the keyboard
// nowhere.
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace orbitas::planner {

class FocusBack {
 public:
  // Remembers the widget with the focus now and parent's window.
  explicit FocusBack(QWidget* parent)
      : window_(parent ? parent->window() : nullptr), focused_(QApplication::focusWidget()) {}
  // Makes the window active and gives the focus back. Raises nothing.
  ~FocusBack() {
    if (!window_) return;
    window_->activateWindow();
    if (focused_ && focused_->window() == window_) focused_->setFocus(Qt::OtherFocusReason);
  }
  FocusBack(const FocusBack&) = delete;
  FocusBack& operator=(const FocusBack&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focused_;
};

}  // namespace orbitas::planner
