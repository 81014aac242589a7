// What a screen reader is told about the windows' controls.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "forms/locator_window.h"
#include "forms/main_window.h"
#include "qt/locator_widget.h"
#include "qt/main_window_fixture.h"

namespace vbe {
namespace {

struct Spoken {
  const char* control;
  QAccessible::Role role;
  const char* name;
  bool by_label = false;  // a drop-down box: its label names it
};

void PrintTo(const Spoken& spoken, std::ostream* out) {
  *out << spoken.control;
}

// The name a screen reader speaks: a drop-down box's comes from the label it is related to,
// as the desktop's accessibility bus reads it; every other control has its own.
QString SpokenName(QAccessibleInterface* control, bool by_label) {
  if (!by_label) return control->text(QAccessible::Name);
  const auto labels = control->relations(QAccessible::Label);
  return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

QStringList AccessibleChildren(QWidget* window) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
  QStringList names;
  for (int i = 0; iface && i < iface->childCount(); ++i) {
    if (QObject* object = iface->child(i)->object()) names << object->objectName();
  }
  return names;
}

class SpokenControl : public testing::MainWindowTest,
                      public ::testing::WithParamInterface<Spoken> {};

// Each control of the main window, or of the locator window for a control named "Form2.",
// is shown to a screen reader with its name and role.
TEST_P(SpokenControl, HasItsNameAndRole) {
  const Spoken& spoken = GetParam();
  QString name = spoken.control;
  QWidget* window = form.get();
  if (name.startsWith("Form2.")) {
    Click("Command7");
    window = form->findChild<LocatorWidget*>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name), LocatorTitle);
    name.remove("Form2.");
  }
  window->show();
  ASSERT_TRUE(AccessibleChildren(window).contains(name));
  QAccessibleInterface* control =
      QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->role(), spoken.role);
  EXPECT_EQ(SpokenName(control, spoken.by_label), spoken.name);
}

INSTANTIATE_TEST_SUITE_P(
    Visible, SpokenControl,
    ::testing::Values(Spoken{"Command1", QAccessible::Button, "New"},
                      Spoken{"Command3", QAccessible::Button, "Open"},
                      Spoken{"Command4", QAccessible::Button, "Save"},
                      Spoken{"Text1", QAccessible::EditableText, "Line 1"},
                      Spoken{"Text5", QAccessible::EditableText, "Line 5"},
                      Spoken{"Text8", QAccessible::EditableText, "Line 8"},
                      Spoken{"Option1", QAccessible::RadioButton, "Use White Text"},
                      Spoken{"Option2", QAccessible::RadioButton, "Use Yellow Text"},
                      Spoken{"Label4", QAccessible::StaticText, "Preview Window"},
                      Spoken{"Text14", QAccessible::EditableText, "Preview"},
                      Spoken{"Label1", QAccessible::StaticText, "Autoexec Stuff"},
                      Spoken{"Check2", QAccessible::CheckBox,
                             "Add bind to autoexec for me after saving"},
                      Spoken{"Text15", QAccessible::EditableText, "Location of autoexec.cfg file"},
                      Spoken{"Command7", QAccessible::Button, "Locate the folder of autoexec.cfg"},
                      Spoken{"Combo1", QAccessible::ComboBox, "Bind it to this key -", true},
                      Spoken{"Command9", QAccessible::Button, "Spacing Fixer"},
                      Spoken{"Command8", QAccessible::Button, "View Readme!"},
                      Spoken{"Command6", QAccessible::Button, "Exit"},
                      Spoken{"Form2.Label1", QAccessible::StaticText, "Drive"},
                      Spoken{"Form2.Drive1", QAccessible::ComboBox, "Drive", true},
                      Spoken{"Form2.Dir1", QAccessible::Tree, "Folders"},
                      Spoken{"Form2.Command1", QAccessible::Button, "Ok"},
                      Spoken{"Form2.Command2", QAccessible::Button, "Cancel"}),
    [](const auto& info) { return QString(info.param.control).remove('.').toStdString(); });

using MainWindowAccessibility = testing::MainWindowTest;

// The window has its title, the hidden controls are not exposed, and the key chooser's typing
// box is named like the chooser.
TEST_F(MainWindowAccessibility, TheWindowHasItsTitleAndTheHiddenControlsAreNotExposed) {
  form->show();
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), ProgramTitle);
  const QStringList children = AccessibleChildren(form.get());
  for (const char* hidden : {"Command2", "Command5", "Check1", "Shape1", "Shape2"}) {
    EXPECT_FALSE(children.contains(hidden)) << hidden;
  }
  QAccessibleInterface* typing =
      QAccessible::queryAccessibleInterface(Control<QComboBox>("Combo1")->lineEdit());
  EXPECT_EQ(typing->role(), QAccessible::EditableText);
  EXPECT_EQ(typing->text(QAccessible::Name), "Bind it to this key -");
}

}  // namespace
}  // namespace vbe
