#include "qt/accessible_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace vbe {
namespace {

constexpr const char* kWindowProperty = "vbe_accessible_window";
constexpr const char* kDecorationProperty = "vbe_decoration";

class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(Controls().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> controls = Controls();
    if (index < 0 || index >= controls.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(controls[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Controls() const {
    QList<QWidget*> controls;
    for (QObject* object : widget()->children()) {
      auto* control = qobject_cast<QWidget*>(object);
      if (!control || control->isWindow() || control->isHidden()) continue;
      if (control->property(kDecorationProperty).toBool()) continue;
      controls << control;
    }
    return controls;
  }
};

QAccessibleInterface* WindowFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget && widget->isWindow() && widget->property(kWindowProperty).toBool()) {
    return new WindowAccessible(widget);
  }
  return nullptr;
}

}  // namespace

void ExposeAsWindow(QWidget* window) {
  static const bool installed = [] {
    QAccessible::installFactory(WindowFactory);
    return true;
  }();
  static_cast<void>(installed);
  window->setProperty(kWindowProperty, true);
}

void MarkAsDecoration(QWidget* control) {
  control->setProperty(kDecorationProperty, true);
}

}  // namespace vbe
