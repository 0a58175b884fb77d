#pragma once
// The date fields' own context menu, in Spanish. Qt's is in English and
// advertises Ctrl+C, Ctrl+V and Ctrl+A, which in this window are Salir,
// Venus and Marte: this one offers the same editing with no shortcut text.

class QLineEdit;
class QMenu;
class QPoint;

namespace orbitas {

// The menu for field as it stands (what can be undone, whether text is
// selected, whether the clipboard holds any): Deshacer, Rehacer, Cortar,
// Copiar, Pegar, Eliminar and Seleccionar todo, each enabled when Qt's own
// would be and doing what Qt's does, none with a shortcut. The caller owns
// the menu.
QMenu* SpanishEditMenu(QLineEdit* field);

// Makes field open SpanishEditMenu, instead of Qt's menu, where a context
// menu is asked for; the menu deletes itself when closed.
void UseSpanishEditMenu(QLineEdit* field);

}  // namespace orbitas
