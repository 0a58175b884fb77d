#include "main_form.h"

#include <QAction>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>

#include "form_layout.h"
#include "julian_day.h"
#include "number_text.h"
#include "runtime_error.h"

namespace orbitas {
namespace {

constexpr Int16 KeyEnter = 13;
constexpr std::string_view DecimalHourPattern = "#0.0#############";

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

// Writes each result label the moment the planet request knows its text.
class LabelDisplay : public ResultDisplay {
 public:
  explicit LabelDisplay(const MainForm& form) : form_(form) {}
  void Show(ResultLabel label, const std::string& text) override {
    form_.Label(LabelName(label))->setText(QString::fromStdString(text));
  }

 private:
  const MainForm& form_;
};

}  // namespace

MainForm::MainForm(Variglo& globals, Seams seams, QWidget* parent)
    : QMainWindow(parent), g_(globals), seams_(seams) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Órbitas planetarias"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/orbitas.png")));
  CreateControls();
  CreateMenus();
  SetTabOrder();
  resize(TwipsToPixels(ClientWidthTwips),
         TwipsToPixels(ClientHeightTwips) + menuBar()->sizeHint().height());
  Form_Load();
  Fecha(2)->setFocus();
}

void MainForm::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setMinimumSize(TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips));
  setCentralWidget(client);
  const QFont labelFont = LabelFont();
  for (const ControlPlacement& c : Controls) {
    QWidget* control = nullptr;
    if (c.field >= 0) {
      auto* field = new QLineEdit(client);
      field->setAlignment(Qt::AlignCenter);
      field->setAccessibleName(Q(c.accessibleName));
      field->installEventFilter(this);
      fecha_[static_cast<std::size_t>(c.field)] = field;
      control = field;
    } else {
      auto* label = new QLabel(Q(c.caption), client);
      label->setFont(labelFont);
      label->setAlignment(Qt::AlignCenter);
      label->setWordWrap(true);
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setFocusPolicy(Qt::NoFocus);
      labels_.emplace(std::string(c.name), label);
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
  connect(sal, &QAction::triggered, this, [this] { sal_Click(); });
  shortcuts_.append(sal);

  QMenu* planet = menuBar()->addMenu(QStringLiteral("Planetas"));
  planet->setObjectName(QStringLiteral("planet"));
  for (const MenuItemPlacement& item : PlanetMenuItems) {
    QAction* action = planet->addAction(Q(item.caption));
    action->setObjectName(Q(item.name));
    action->setShortcut(QKeySequence(Qt::CTRL | item.key));
    const Int16 index = item.index;
    connect(action, &QAction::triggered, this, [this, index] { plan_Click(index); });
    shortcuts_.append(action);
  }
}

void MainForm::SetTabOrder() {
  // Day, month, year, hour, minute, second; the labels never take the focus.
  const int order[] = {2, 1, 0, 3, 4, 5};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(Fecha(order[i]), Fecha(order[i + 1]));
}

QLabel* MainForm::Label(std::string_view name) const { return labels_.find(name)->second; }

template <typename Body>
void MainForm::RunHandler(Body&& body) {
  try {
    body();
  } catch (const RuntimeError& error) {
    seams_.errors.Report(std::string("Error en tiempo de ejecución: ") + error.what());
  }
}

std::string MainForm::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

std::string MainForm::FieldText(int index) const { return Fecha(index)->text().toStdString(); }

void MainForm::SetCaption(std::string_view label, const std::string& text) {
  Label(label)->setText(QString::fromStdString(text));
}

void MainForm::Form_Load() {
  // Whatever the clipboard held before start-up is gone afterwards. If it
  // cannot be emptied, start-up still fills the fields and the elements.
  if (!seams_.clipboard.Empty()) seams_.errors.Report("No se pudo vaciar el portapapeles.");
  for (const auto& [field, pattern] : StartupFields) {
    Fecha(field)->setText(QString::fromStdString(Format(seams_.clock.Now(), pattern)));
  }
  FillElements(g_.Elements);
}

void MainForm::fecha_KeyPress(Int16 index, Int16& keyAscii) {
  RunHandler([&] {
    const std::string separator = DecimalSeparator();
    if (keyAscii == KeyEnter) {
      const double minute = Val(FieldText(4)), second = Val(FieldText(5)), hour = Val(FieldText(3));
      g_.DecimalHour = ComputeDecimalHour(hour, minute, second);
      SetCaption("horadec", Format(g_.DecimalHour, DecimalHourPattern, separator));
      if (index >= 0 && index <= 5 && NextField[static_cast<std::size_t>(index)] >= 0) {
        Fecha(NextField[static_cast<std::size_t>(index)])->setFocus();
      }
      g_.DecimalDay = ComputeDecimalDay(Val(FieldText(2)), g_.DecimalHour);
    }
    g_.JulianDay = ComputeJulianDay(Val(FieldText(0)), Val(FieldText(1)), g_.DecimalDay);
    SetCaption("diajuliano", CStr(g_.JulianDay, separator));
  });
}

void MainForm::plan_Click(Int16 index) {
  RunHandler([&] {
    LabelDisplay labels(*this);
    RunPlanetRequest(g_.Elements, g_.JulianDay, index, DecimalSeparator(), g_.Request, labels);
  });
}

void MainForm::sal_Click() { seams_.exit.End(); }

bool MainForm::IsWindowShortcut(const QKeySequence& keys) const {
  for (const QAction* action : shortcuts_) {
    if (action->shortcut() == keys) return true;
  }
  return false;
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
  const auto field = std::find(fecha_.begin(), fecha_.end(), watched);
  if (field == fecha_.end()) return QMainWindow::eventFilter(watched, event);

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
      Int16 keyAscii = code <= 0x7FFF ? static_cast<Int16>(code) : Int16{63};
      fecha_KeyPress(static_cast<Int16>(field - fecha_.begin()), keyAscii);
    }
  }
  return false;
}

}  // namespace orbitas
