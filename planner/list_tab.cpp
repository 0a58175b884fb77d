#include "planner/list_tab.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

#include "planner/background.h"
#include "planner/list_page.h"
#include "planner/rows_model.h"
#include "planner/save_file.h"
#include "report/calendar_file.h"
#include "session/clock_words.h"

namespace orbitas::planner {
namespace {

// The place as the title names it: "Sevilla (Andalucía, España)", or as typed.
QString PlaceName(const Place& place) {
  if (place.name.empty()) return QString::fromStdString(place.text);
  return QString::fromStdString(place.name + " (" + (place.region.empty() ? "" : place.region + ", ") + place.country +
                                ")");
}

QPushButton* Button(const QString& text, const QString& name) {
  auto* button = new QPushButton(text);
  button->setAccessibleName(name);
  return button;
}

}  // namespace

ListTab::ListTab(Background& background, QString path, QWidget* parent)
    : QWidget(parent), background_(background), path_(std::move(path)) {
  model_ = new ListModel(this);
  table_ = new QTableView;
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setAccessibleName(QStringLiteral("Mi lista"));
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::SelectedClicked);
  FitColumns(table_, static_cast<int>(ListColumn::Note));
  // Enter, or a double click anywhere on a row, edits its note (F2 too, as in any table).
  const auto editNote = [this] {
    const QModelIndex current = table_->currentIndex();
    if (current.isValid()) table_->edit(model_->index(current.row(), static_cast<int>(ListColumn::Note)));
  };
  connect(table_, &QAbstractItemView::doubleClicked, this, editNote);
  auto* enter = new QAction(table_);
  enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  enter->setShortcutContext(Qt::WidgetShortcut);  // the table's own: not while a note is being typed
  connect(enter, &QAction::triggered, this, editNote);
  table_->addAction(enter);
  connect(model_, &ListModel::noteEdited, this, &ListTab::SetNote);

  auto* removing = new QAction(QStringLiteral("&Quitar de Mi lista"), table_);
  removing->setShortcut(QKeySequence::Delete);
  removing->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(removing, &QAction::triggered, this, &ListTab::RemoveChosen);
  table_->addAction(removing);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);

  Buttons();

  const ListRead read = ReadList(path_);
  items_ = read.items;
  if (!read.keptAside.isEmpty()) {
    message_ = QStringLiteral("Mi lista (%1) no se podía leer: se ha guardado aparte como %2 y se empieza una nueva.")
                   .arg(path_, read.keptAside);
  } else if (!read.problem.isEmpty()) {
    message_ = read.problem;
  }
  // Said once the tab is in its window.
  if (!message_.isEmpty()) QTimer::singleShot(0, this, [this, said = message_] { Tell(said); });
  Show();
}

void ListTab::Buttons() {
  remove_ = Button(QStringLiteral("&Quitar"), QStringLiteral("Quitar de Mi lista"));
  QPushButton* csv = Button(QStringLiteral("Exportar &CSV…"), QStringLiteral("Exportar CSV de Mi lista"));
  QPushButton* calendar = Button(QStringLiteral("Exportar al c&alendario…"), QStringLiteral("Exportar Mi lista al calendario"));
  QPushButton* print = Button(QStringLiteral("&Imprimir…"), QStringLiteral("Imprimir Mi lista"));
  QPushButton* pdf = Button(QStringLiteral("Guardar &PDF…"), QStringLiteral("Guardar Mi lista como PDF"));
  auto* bar = new QHBoxLayout;
  bar->addWidget(remove_);
  bar->addStretch(1);
  for (QPushButton* button : {csv, calendar, print, pdf}) bar->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(bar);

  connect(remove_, &QPushButton::clicked, this, &ListTab::RemoveChosen);
  connect(csv, &QPushButton::clicked, this, [this] {
    const QString to = AskSavePath(this, QStringLiteral("Exportar CSV"), QStringLiteral("mi-lista.csv"),
                                   QStringLiteral("CSV (*.csv)"));
    if (!to.isEmpty()) SaveText(background_, this, to, Csv());
  });
  connect(calendar, &QPushButton::clicked, this, [this] {
    const QString to = AskSavePath(this, QStringLiteral("Exportar al calendario"), QStringLiteral("mi-lista.ics"),
                                   QStringLiteral("Calendario (*.ics)"));
    if (!to.isEmpty()) SaveText(background_, this, to, Calendar());
  });
  connect(print, &QPushButton::clicked, this, &ListTab::Print);
  connect(pdf, &QPushButton::clicked, this, [this] {
    const QString to =
        AskSavePath(this, QStringLiteral("Guardar PDF"), QStringLiteral("mi-lista.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!to.isEmpty()) SaveText(background_, this, to, Pdf().toStdString());
  });
}

void ListTab::Refresh(const Observer& o) {
  observer_ = o;
  background_.Submit(QStringLiteral("lista"), [this, o]() -> Background::Delivery {
    ListNight night{o.zone, o.date.toString(Qt::ISODate).toStdString(), {}};
    night.rows = report::NightRows(RunNight(o.Request()), o.separator);
    return [this, night = std::move(night)]() mutable {
      night_ = std::move(night);
      Show();
      emit filled();
    };
  });
}

void ListTab::Show() { model_->SetRows(ListRows(items_, night_)); }

bool ListTab::Add(const ListItem& item) {
  const QString name = QString::fromStdString(item.name);
  for (const ListItem& kept : items_) {
    if (kept.kind == item.kind && kept.id == item.id) {
      Tell(QStringLiteral("Ya está en Mi lista: ") + name);
      return false;
    }
  }
  items_.push_back(item);
  Show();
  if (Save()) Tell(QStringLiteral("Añadido a Mi lista: ") + name);
  return true;
}

void ListTab::RemoveChosen() {
  const QModelIndexList chosen = table_->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return;
  const std::size_t item = model_->rows()[static_cast<std::size_t>(chosen.front().row())].item;
  const QString name = QString::fromStdString(items_[item].name);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(item));
  Show();
  if (Save()) Tell(QStringLiteral("Quitado de Mi lista: ") + name);
}

void ListTab::SetNote(std::size_t index, const QString& note) {
  if (index >= items_.size()) return;
  items_[index].note = note.toStdString();
  Save();
}

bool ListTab::Save() {
  // A small file, written whole at once, so that no change is lost when the window closes.
  const QString problem = WriteList(path_, items_);
  if (!problem.isEmpty()) Tell(problem);
  return problem.isEmpty();
}

void ListTab::Tell(const QString& text) {
  message_ = text;
  if (auto* main = qobject_cast<QMainWindow*>(window())) main->statusBar()->showMessage(text, 15000);
}

std::string ListTab::Csv() const { return ViewCsv(*model_); }

std::string ListTab::Calendar() const {
  const report::CalendarFile calendar(report::CalendarStamp(std::getenv("SOURCE_DATE_EPOCH")));
  std::string text = calendar.Begin();
  const QString place = observer_ ? PlaceName(observer_->place) : QString();
  for (const ListRow& row : model_->rows()) {
    if (!row.time) continue;
    const ListItem& item = items_[row.item];
    const std::string note = item.note.empty() ? "" : " Nota: " + item.note;
    if (item.entry) {
      report::CalendarEntry entry = *item.entry;
      entry.description += note;
      text += calendar.Event(entry);
      continue;
    }
    const auto& cells = row.cells;
    const std::string where = "Mejor momento de la noche desde " + place.toStdString() + ": altura " +
                              cells[static_cast<std::size_t>(ListColumn::Altitude)].text + ", azimut " +
                              cells[static_cast<std::size_t>(ListColumn::Azimuth)].text + ".";
    text += calendar.Event(report::BestTimeEntry(item.id, item.name, night_ ? night_->date : "", *row.time, where + note));
  }
  return text + calendar.End();
}

QString ListTab::Title() const {
  if (!observer_) return QStringLiteral("Mi lista");
  const std::string night = DateWithWeekday(observer_->date.toString(Qt::ISODate).toStdString());
  return QStringLiteral("Mi lista · %1 · noche del %2").arg(PlaceName(observer_->place), QString::fromStdString(night));
}

QByteArray ListTab::Pdf() const { return ListPdf(Title(), *model_); }

void ListTab::Print() { PrintList(this, Title(), *model_); }

}  // namespace orbitas::planner
