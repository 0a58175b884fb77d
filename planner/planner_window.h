#pragma once
// Órbitas · Cielo: the place, the night's date and the instrument along
// the top, and a tab for tonight, the year's phenomena, the eclipses,
// the finder chart and the year at a glance below. Every answer comes
// from the same runners as orbitas-cli's; the window only asks and shows.
#include <QMainWindow>
#include <optional>

#include "planner/observer.h"
#include "planner/planner_settings.h"

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace orbitas::planner {

class Background;
class ChartTab;
class EclipsesTab;
class ListTab;
class NightTab;
class PhenomenaTab;
class YearTab;

class PlannerWindow : public QMainWindow {
  Q_OBJECT

 public:
  // homePath: the saved home place's file (empty: none).
  explicit PlannerWindow(std::string homePath, QWidget* parent = nullptr);
  ~PlannerWindow() override;

  // Interface thread; returns at once. Looks the place typed in "Lugar"
  // up on the worker (the gazetteer is large); the window then takes it, or
  // shows why it is none, and placeAnswered says which. Raises nothing.
  void ChoosePlace(const QString& text);
  const std::optional<Observer>& observer() const { return observer_; }
  NightTab* night() const { return night_; }
  QAction* nightMode() const { return nightMode_; }
  PhenomenaTab* phenomena() const { return phenomena_; }
  EclipsesTab* eclipses() const { return eclipses_; }
  ChartTab* chart() const { return chart_; }
  YearTab* year() const { return year_; }
  ListTab* list() const { return list_; }
  QTabWidget* tabs() const { return tabs_; }
  QString problem() const;  // the error shown, or empty
  // Why the window's settings cannot be saved (shown in the status bar), or empty.
  const QString& settingsProblem() const { return settingsProblem_; }

 signals:
  // The place the window starts with, or the newest asked for by
  // ChoosePlace, was taken (true) or refused, its reason shown (false). At
  // the start a remembered place that no longer reads is refused, and the
  // home place is answered after it (false without one: the window then
  // asks for a place). Interface thread.
  void placeAnswered(bool taken);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* TopBar();
  void StartPlace();
  // Reads the home place on the worker; the window then takes it, or
  // says why there is none (StartWithoutPlace).
  void StartFromHome();
  // Shows why there is no place yet, loads the names for completion (no
  // night to wait for) and answers placeAnswered(false).
  void StartWithoutPlace(const QString& why);
  void LookUpPlace(const QString& text, bool starting);
  void LoadPlaceNames();
  void SetPlace(const Place& place, const TimeZone& zone, const QString& typed);
  void Refresh();
  void RefreshCurrentTab();
  void SaveHome();
  void PrintCurrent();
  void ShowProblem(const QString& text);
  void ShowSettingsProblem();
  void Menus();
  void AboutTheFigures();
  // The pictures' look for night mode and the window's font, to every tab.
  void ApplyLook();
  void SetNightMode(bool on);
  // The splitters as the user left them, by their names.
  void RestoreSplitters();
  void SaveSplitters();
  QDate NightInProgress() const;

  std::string homePath_;
  PlannerSettings settings_;
  std::optional<Observer> observer_;
  QAction* compare_ = nullptr;  // "Comparar con el método"
  QAction* nightMode_ = nullptr;  // "Modo nocturno"
  QComboBox* sky_ = nullptr;    // how dark the sky is
  std::vector<bool> stale_;  // one a tab: to be computed again when shown
  Background* background_;
  QLineEdit* place_;
  QLabel* chosen_;
  QPushButton* saveHome_;
  QPushButton* home_;  // "Casa": back to the home place
  QDateEdit* date_;
  QPushButton* today_;
  QComboBox* instrument_;
  QLabel* problem_;
  QTabWidget* tabs_;
  NightTab* night_;
  PhenomenaTab* phenomena_;
  EclipsesTab* eclipses_;
  ChartTab* chart_;
  YearTab* year_;
  ListTab* list_;
  QProgressBar* busy_;
  QString settingsProblem_;
  bool namesAsked_ = false;
};

}  // namespace orbitas::planner
