#include "planner/help_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "planner/focus_back.h"

namespace orbitas::planner {
namespace {

// A closable window over parent holding content.
void ShowInDialog(QWidget* parent, const QString& title, QWidget* content, QSize size) {
  const FocusBack back(parent);
  QDialog dialog(parent);
  dialog.setWindowTitle(title);
  auto* buttons = new QDialogButtonBox;
  QPushButton* close = buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
  close->setAccessibleName(QStringLiteral("Cerrar"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(content, 1);
  layout->addWidget(buttons);
  dialog.resize(size);
  dialog.exec();
}

QString Plain(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

}  // namespace

QString ManualMarkdown() {
  QFile file(QStringLiteral(":/docs/uso.md"));
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("# Manual\n\nEl manual no está en este programa.");
  QString text = QString::fromUtf8(file.readAll());
  // A picture is a file beside the guide, not in the program: its caption stays.
  text.replace(QRegularExpression(QStringLiteral("!\\[([^\\]]*)\\]\\([^)]*\\)")), QStringLiteral("*\\1*"));
  return text;
}

void ShowManual(QWidget* parent) {
  auto* browser = new QTextBrowser;
  browser->setAccessibleName(QStringLiteral("Manual de Órbitas"));
  browser->setOpenExternalLinks(true);
  browser->setMarkdown(ManualMarkdown());
  ShowInDialog(parent, QStringLiteral("Manual de Órbitas"), browser, {900, 640});
}

std::vector<std::pair<QString, QString>> Shortcuts(const QMainWindow& window,
                                                   const std::vector<std::pair<QString, QString>>& others) {
  std::vector<std::pair<QString, QString>> shortcuts;
  for (QAction* menu : window.menuBar()->actions()) {
    if (!menu->menu()) continue;
    for (QAction* action : menu->menu()->actions()) {
      if (action->shortcut().isEmpty()) continue;
      shortcuts.emplace_back(action->shortcut().toString(QKeySequence::NativeText),
                             Plain(menu->text()) + QStringLiteral(" › ") + Plain(action->text()));
    }
  }
  shortcuts.insert(shortcuts.end(), others.begin(), others.end());
  return shortcuts;
}

void ShowShortcuts(QWidget* parent, const std::vector<std::pair<QString, QString>>& shortcuts) {
  auto* table = new QTableWidget(static_cast<int>(shortcuts.size()), 2);
  table->setAccessibleName(QStringLiteral("Atajos de teclado"));
  table->setHorizontalHeaderLabels({QStringLiteral("Teclas"), QStringLiteral("Qué hacen")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  for (int row = 0; row < static_cast<int>(shortcuts.size()); ++row) {
    table->setItem(row, 0, new QTableWidgetItem(shortcuts[static_cast<std::size_t>(row)].first));
    table->setItem(row, 1, new QTableWidgetItem(shortcuts[static_cast<std::size_t>(row)].second));
  }
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  ShowInDialog(parent, QStringLiteral("Atajos de teclado"), table, {620, 520});
}

void ShowAbout(QWidget* parent) {
  const FocusBack back(parent);
  QMessageBox box(QMessageBox::Information, QStringLiteral("Acerca de Órbitas · Cielo"),
                  QStringLiteral("<h3>Órbitas · Cielo %1</h3>"
                                 "<p>El cielo de esta noche, los fenómenos del año, los eclipses, las cartas de "
                                 "localización y el año de un vistazo, para un lugar.</p>"
                                 "<p>Las posiciones son de ERFA (IAU SOFA); las estrellas, del catálogo Hipparcos; "
                                 "las constelaciones, de la IAU; las lluvias de estrellas, de la IMO; los lugares, "
                                 "de GeoNames.</p>"
                                 "<p>Software libre, con licencia MIT (Expat): véase /usr/share/doc/orbitas/copyright. "
                                 "Se ofrece tal cual, sin garantía alguna.</p>")
                      .arg(QStringLiteral(ORBITAS_VERSION)),
                  QMessageBox::NoButton, parent);
  box.addButton(QStringLiteral("Cerrar"), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace orbitas::planner
