#include "window/main_form.h"

#include <QAction>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <optional>

#include <QScrollArea>

#include "session/date_entry.h"
#include "window/edit_menu.h"
#include "window/form_layout.h"
#include "runtime/number_text.h"
#include "session/planet_request.h"
#include "runtime/runtime_error.h"

namespace orbitas {
namespace {

constexpr Int16 KeyEnter = 13;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect PixelRect(const ControlPlacement& c) {
  return {TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width), TwipsToPixels(c.height)};
}

// Bold 8.25 points, in "MS Sans Serif" where the machine has it, else in a
// sans-serif of the same narrow metrics, so that 15 digits and an exponent
// fit the result labels.
QFont LabelFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setBold(true);
  return font;
}

// Where Enter in each field sends the focus: day, month, year, hour, minute,
// second; -1 stays.
constexpr std::array<int, 6> NextField = {3, 0, 1, 4, 5, -1};

// The six fields filled at start-up, in this order, each from its own
// reading of the clock.
constexpr std::array<std::pair<int, std::string_view>, 6> StartupFields = {
    {{3, "hh"}, {4, "nn"}, {5, "ss"}, {2, "dd"}, {1, "mm"}, {0, "yyyy"}}};

// The window's date fields, read with Val as the date entry needs them.
class WindowDateFields : public DateFields {
 public:
  explicit WindowDateFields(const MainForm& form) : form_(form) {}
  double Value(DateField field) const override {
    return Val(form_.DateField(static_cast<int>(field))->text().toStdString());
  }

 private:
  const MainForm& form_;
};

// Shows the date entry's texts; Enter moves the focus as soon as the
// decimal hour is shown, before the day is read.
class WindowDateDisplay : public DateEntryDisplay {
 public:
  WindowDateDisplay(QLabel* decimalHour, QLabel* julianDay, QWidget* next)
      : decimalHour_(decimalHour), julianDay_(julianDay), next_(next) {}
  void DecimalHourShown(const std::string& text) override {
    decimalHour_->setText(QString::fromStdString(text));
    if (next_) next_->setFocus();
  }
  void JulianDayShown(const std::string& text) override { julianDay_->setText(QString::fromStdString(text)); }

 private:
  QLabel* decimalHour_;
  QLabel* julianDay_;
  QWidget* next_;
};

std::optional<ResultLabel> ResultLabelNamed(std::string_view name) {
  for (std::size_t k = 0; k < ResultLabelCount; ++k) {
    if (ResultLabelNames[k] == name) return static_cast<ResultLabel>(k);
  }
  return std::nullopt;
}

}  // namespace

MainForm::MainForm(ProgramState& state, Seams seams, QWidget* parent)
    : QMainWindow(parent), state_(state), seams_(seams) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Órbitas planetarias"));
  QIcon globe;
  globe.addFile(QStringLiteral(":/icons/orbitas-16.png"), QSize(16, 16));
  globe.addFile(QStringLiteral(":/icons/orbitas-32.png"), QSize(32, 32));
  setWindowIcon(globe);
  CreateControls();
  CreateMenus();
  SetTabOrder();
  resize(TwipsToPixels(ClientWidthTwips),
         TwipsToPixels(ClientHeightTwips) + menuBar()->sizeHint().height());
  LoadStartupValues();
  DateField(2)->setFocus();
}

void MainForm::CreateControls() {
  // The controls keep their places and sizes at any window size: a smaller
  // window scrolls over them.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("scroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes round the six fields only
  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips));
  scroll->setWidget(client);
  setCentralWidget(scroll);
  const QFont labelFont = LabelFont();
  for (const ControlPlacement& c : Controls) {
    QWidget* control = nullptr;
    if (c.field >= 0) {
      auto* field = new QLineEdit(client);
      field->setAlignment(Qt::AlignCenter);
      field->setAccessibleName(Q(c.accessibleName));
      field->installEventFilter(this);
      UseSpanishEditMenu(field);
      fields_[static_cast<std::size_t>(c.field)] = field;
      control = field;
    } else {
      auto* label = new QLabel(Q(c.caption), client);
      label->setFont(labelFont);
      label->setAlignment(Qt::AlignCenter);
      label->setWordWrap(true);
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setFocusPolicy(Qt::NoFocus);
      if (c.name == "horadec") decimalHourLabel_ = label;
      if (c.name == "diajuliano") julianDayLabel_ = label;
      if (const auto result = ResultLabelNamed(c.name)) resultLabels_[Index(*result)] = label;
      control = label;
    }
    control->setObjectName(Q(c.name));
    control->setGeometry(PixelRect(c));
    if (!c.accessibleDescription.empty()) control->setAccessibleDescription(Q(c.accessibleDescription));
  }
}

void MainForm::CreateMenus() {
  QMenu* salir = menuBar()->addMenu(QStringLiteral("Salir"));
  salir->setObjectName(QStringLiteral("Salir"));
  QAction* sal = salir->addAction(QStringLiteral("&Salir"));
  sal->setObjectName(QStringLiteral("sal"));
  sal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(sal, &QAction::triggered, this, [this] { OnQuit(); });
  shortcuts_.append(sal);

  QMenu* planet = menuBar()->addMenu(QStringLiteral("Planetas"));
  planet->setObjectName(QStringLiteral("planet"));
  for (const MenuItemPlacement& item : PlanetMenuItems) {
    QAction* action = planet->addAction(Q(item.caption));
    action->setObjectName(Q(item.name));
    action->setShortcut(QKeySequence(Qt::CTRL | item.key));
    const Int16 index = item.index;
    connect(action, &QAction::triggered, this, [this, index] { OnPlanetChosen(index); });
    shortcuts_.append(action);
  }
}

void MainForm::SetTabOrder() {
  // Day, month, year, hour, minute, second; the labels never take the focus.
  const int order[] = {2, 1, 0, 3, 4, 5};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(DateField(order[i]), DateField(order[i + 1]));
}

template <typename Body>
void MainForm::RunHandler(Body&& body) {
  try {
    body();
  } catch (const RuntimeError& error) {
    seams_.errors.Report(std::string("Error en tiempo de ejecución: ") + error.what());
  }
}

std::string MainForm::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

void MainForm::ShowResults(const LabelTexts& texts) {
  for (std::size_t k = 0; k < ResultLabelCount; ++k) {
    const auto label = static_cast<ResultLabel>(k);
    if (!texts.Written(label)) continue;
    const std::string_view text = texts[label];
    resultLabels_[k]->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
}

void MainForm::LoadStartupValues() {
  // Whatever the clipboard held before start-up is gone afterwards. If it
  // cannot be emptied, start-up still fills the fields and the elements.
  if (!seams_.clipboard.Empty()) seams_.errors.Report("No se pudo vaciar el portapapeles.");
  for (const auto& [field, pattern] : StartupFields) {
    DateField(field)->setText(QString::fromStdString(Format(seams_.clock.Now(), pattern)));
  }
  FillElements(state_.elements);
}

void MainForm::OnDateFieldKey(Int16 field, Int16 keyAscii) {
  RunHandler([&] {
    const bool enter = keyAscii == KeyEnter;
    const int next = field >= 0 && field <= 5 ? NextField[static_cast<std::size_t>(field)] : -1;
    WindowDateDisplay display(decimalHourLabel_, julianDayLabel_, next >= 0 ? DateField(next) : nullptr);
    PressDateKey(state_, enter, WindowDateFields(*this), DecimalSeparator(), display);
  });
}

void MainForm::OnPlanetChosen(Int16 body) {
  RunHandler([&] {
    LabelTexts texts;
    try {
      RunPlanetRequest(state_.elements, state_.julianDay, body, DecimalSeparator(), state_.lastRequest, texts);
    } catch (const RuntimeError&) {
      ShowResults(texts);  // the labels written before the error stay
      throw;
    }
    ShowResults(texts);
  });
}

void MainForm::OnQuit() { seams_.exit.End(); }

bool MainForm::IsWindowShortcut(const QKeySequence& keys) const {
  for (const QAction* action : shortcuts_) {
    if (action->shortcut() == keys) return true;
  }
  return false;
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
  const auto field = std::find(fields_.begin(), fields_.end(), watched);
  if (field == fields_.end()) return QMainWindow::eventFilter(watched, event);

  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    // A line edit claims Ctrl+C, Ctrl+V, Ctrl+A, Ctrl+U and others for
    // itself; the window's own shortcuts win over it.
    const QKeySequence keys(key->keyCombination().toCombined() & ~Qt::KeypadModifier);
    if (IsWindowShortcut(keys)) {
      event->ignore();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Keys that produce a character reach the handler before the field;
    // Tab moves the focus and Delete edits, as they produce none.
    const QString text = key->text();
    const bool producesCharacter = !text.isEmpty() && key->key() != Qt::Key_Tab &&
                                   key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Delete;
    if (producesCharacter) {
      const char16_t code = text.at(0).unicode();
      const Int16 keyAscii = code <= 0x7FFF ? static_cast<Int16>(code) : Int16{63};
      OnDateFieldKey(static_cast<Int16>(field - fields_.begin()), keyAscii);
    }
  }
  return false;
}

}  // namespace orbitas
