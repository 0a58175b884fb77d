#include "window/edit_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace orbitas {

namespace {

// An action of menu that runs edit on field (a member function, const or
// not), enabled or not.
template <typename Edit>
void AddEdit(QMenu* menu, const QString& text, bool enabled, QLineEdit* field, Edit edit) {
  QAction* action = menu->addAction(text);
  action->setEnabled(enabled);
  QObject::connect(action, &QAction::triggered, field, [field, edit] { (field->*edit)(); });
}

bool ClipboardHasText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  return data && data->hasText() && !data->text().isEmpty();
}

}  // namespace

QMenu* SpanishEditMenu(QLineEdit* field) {
  auto* menu = new QMenu(field);
  menu->setObjectName(QStringLiteral("editMenu"));
  const bool editable = !field->isReadOnly();
  const bool selected = field->hasSelectedText() && field->echoMode() == QLineEdit::Normal;
  const bool empty = field->text().isEmpty();
  AddEdit(menu, QStringLiteral("&Deshacer"), editable && field->isUndoAvailable(), field, &QLineEdit::undo);
  AddEdit(menu, QStringLiteral("&Rehacer"), editable && field->isRedoAvailable(), field, &QLineEdit::redo);
  menu->addSeparator();
  AddEdit(menu, QStringLiteral("Cor&tar"), editable && selected, field, &QLineEdit::cut);
  AddEdit(menu, QStringLiteral("&Copiar"), selected, field, &QLineEdit::copy);
  AddEdit(menu, QStringLiteral("&Pegar"), editable && ClipboardHasText(), field, &QLineEdit::paste);
  AddEdit(menu, QStringLiteral("&Eliminar"), editable && !empty && field->hasSelectedText(), field, &QLineEdit::del);
  menu->addSeparator();
  AddEdit(menu, QStringLiteral("&Seleccionar todo"), !empty && field->selectedText() != field->text(), field,
          &QLineEdit::selectAll);
  return menu;
}

void UseSpanishEditMenu(QLineEdit* field) {
  field->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(field, &QWidget::customContextMenuRequested, field, [field](const QPoint& at) {
    QMenu* menu = SpanishEditMenu(field);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(field->mapToGlobal(at));
  });
}

}  // namespace orbitas
