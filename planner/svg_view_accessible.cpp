#include "planner/svg_view_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "planner/svg_view.h"

namespace orbitas::planner {
namespace {

// One item of a view; valid while the view shows that many items.
class ItemAccessible : public QAccessibleInterface {
 public:
  ItemAccessible(SvgView* view, int index) : view_(view), index_(index) {}

  bool isValid() const override { return view_ && index_ < static_cast<int>(view_->items().size()); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description)) return {};
    return view_->items()[static_cast<std::size_t>(index_)].name;
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = view_->ItemRect(index_);
    return {view_->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !view_ || !view_->isVisible();
    return state;
  }

 private:
  QPointer<SvgView> view_;
  int index_;
};

// The view, with one child an item. The children are made once per index
// and kept by Qt's registry, as it asks.
class ViewAccessible : public QAccessibleWidget {
 public:
  explicit ViewAccessible(SvgView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

  int childCount() const override { return static_cast<int>(View()->items().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(children_.size()) <= index) {
      const int k = static_cast<int>(children_.size());
      children_.push_back(QAccessible::registerAccessibleInterface(new ItemAccessible(View(), k)));
    }
    return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* item) const override {
    for (int k = 0; k < static_cast<int>(children_.size()); ++k) {
      if (QAccessible::accessibleInterface(children_[static_cast<std::size_t>(k)]) == item) return k;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int k = 0; k < childCount(); ++k) {
      QAccessibleInterface* item = child(k);
      if (item && item->rect().contains(x, y)) return item;
    }
    return nullptr;
  }

 private:
  SvgView* View() const { return static_cast<SvgView*>(widget()); }
  mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* SvgViewFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orbitas::planner::SvgView") && object && object->isWidgetType()) {
    return new ViewAccessible(static_cast<SvgView*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallSvgViewAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(SvgViewFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace orbitas::planner
