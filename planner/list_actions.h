#pragma once
// "Añadir a Mi lista  Ctrl+D", as a bookmark in a browser: on a table of
// report rows (the night's, the phenomena's, the eclipses'), its key and
// its context menu add the chosen row's planet, shower, event or eclipse
// to the list.
#include <functional>
#include <initializer_list>
#include <optional>

#include "planner/observing_list.h"

class QAction;
class QTabWidget;
class QTableView;

namespace orbitas::planner {

class Background;
class ListTab;

// Gives table the action (Ctrl+D while the table has the focus, and its
// context menu) that adds its chosen row to list. table's model is a
// RowsModel, or proxies over one. Returns the action. Raises nothing.
QAction* InstallListAction(QTableView* table, ListTab* list);

// The same on a table whose rows are not the report's (the tour's):
// chosenItem gives the item of its chosen row, or none. Returns the
// action. Raises nothing.
QAction* InstallListAction(QTableView* table, ListTab* list, std::function<std::optional<ListItem>()> chosenItem);

// Adds the tab "Mi lista" to tabs (the list saved in the user's data
// folder, its work on background's worker), and the action above to each
// of tables. Returns the tab. Raises nothing.
ListTab* AddListTab(QTabWidget& tabs, Background& background, std::initializer_list<QTableView*> tables);

}  // namespace orbitas::planner
