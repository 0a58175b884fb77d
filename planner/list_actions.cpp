#include "planner/list_actions.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QTabWidget>
#include <QTableView>

#include "planner/list_tab.h"
#include "planner/rows_model.h"

namespace orbitas::planner {

QAction* InstallListAction(QTableView* table, ListTab* list) {
  return InstallListAction(table, list, [table]() -> std::optional<ListItem> {
    const QModelIndexList chosen = table->selectionModel()->selectedRows();
    if (chosen.isEmpty()) return std::nullopt;
    // Through the tab's sorting and filtering, to the row itself.
    QModelIndex index = chosen.front();
    const QAbstractItemModel* model = table->model();
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(model)) {
      index = proxy->mapToSource(index);
      model = proxy->sourceModel();
    }
    const auto* rows = qobject_cast<const RowsModel*>(model);
    if (!rows || !index.isValid()) return std::nullopt;
    return ItemOfRow(rows->row(index.row()));
  });
}

QAction* InstallListAction(QTableView* table, ListTab* list, std::function<std::optional<ListItem>()> chosenItem) {
  auto* add = new QAction(QStringLiteral("Añadir a Mi &lista"), table);
  add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  add->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(add, &QAction::triggered, list, [list, chosenItem = std::move(chosenItem)] {
    if (const std::optional<ListItem> item = chosenItem()) list->Add(*item);
  });
  table->addAction(add);
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  return add;
}

ListTab* AddListTab(QTabWidget& tabs, Background& background, std::initializer_list<QTableView*> tables) {
  auto* list = new ListTab(background);
  tabs.addTab(list, QStringLiteral("&Mi lista"));  // L is the place field's
  for (QTableView* table : tables) InstallListAction(table, list);
  return list;
}

}  // namespace orbitas::planner
