// What a screen reader is told about the windows' controls.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "qt/form2.h"
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

class MainWindowControl : public testing::MainWindowTest,
                          public ::testing::WithParamInterface<Spoken> {};

TEST_P(MainWindowControl, HasItsNameAndRole) {
  const Spoken& spoken = GetParam();
  form->show();
  ASSERT_TRUE(AccessibleChildren(form.get()).contains(spoken.control));
  QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Control(spoken.control));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->role(), spoken.role);
  EXPECT_EQ(SpokenName(control, spoken.by_label), spoken.name);
}

INSTANTIATE_TEST_SUITE_P(
    Visible, MainWindowControl,
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
                      Spoken{"Command7", QAccessible::Button, "..."},
                      Spoken{"Combo1", QAccessible::ComboBox, "Bind it to this key -", true},
                      Spoken{"Command9", QAccessible::Button, "Spacing Fixer"},
                      Spoken{"Command8", QAccessible::Button, "View Readme!"},
                      Spoken{"Command6", QAccessible::Button, "Exit"}),
    [](const auto& info) { return std::string(info.param.control); });

using MainWindowAccessibility = testing::MainWindowTest;

TEST_F(MainWindowAccessibility, TheWindowHasItsTitleAndTheHiddenControlsAreNotExposed) {
  form->show();
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), ProgramTitle);
  const QStringList children = AccessibleChildren(form.get());
  EXPECT_TRUE(children.contains("Command4"));
  for (const char* hidden : {"Command2", "Command5", "Check1", "Shape1", "Shape2"}) {
    EXPECT_FALSE(children.contains(hidden)) << hidden;
  }
}

TEST_F(MainWindowAccessibility, TheKeyChoosersTypingBoxIsNamedLikeIt) {
  auto* combo = form->findChild<QComboBox*>("Combo1");
  ASSERT_NE(combo, nullptr);
  QAccessibleInterface* typing = QAccessible::queryAccessibleInterface(combo->lineEdit());
  EXPECT_EQ(typing->role(), QAccessible::EditableText);
  EXPECT_EQ(typing->text(QAccessible::Name), "Bind it to this key -");
}

class LocatorControl : public testing::MainWindowTest,
                       public ::testing::WithParamInterface<Spoken> {};

TEST_P(LocatorControl, HasItsNameAndRole) {
  const Spoken& spoken = GetParam();
  Click("Command7");
  auto* window = form->findChild<Form2*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name), LocatorTitle);
  ASSERT_TRUE(AccessibleChildren(window).contains(spoken.control));
  QAccessibleInterface* control =
      QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(spoken.control));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->role(), spoken.role);
  EXPECT_EQ(SpokenName(control, spoken.by_label), spoken.name);
}

INSTANTIATE_TEST_SUITE_P(Visible, LocatorControl,
                         ::testing::Values(Spoken{"Label1", QAccessible::StaticText, "Drive"},
                                           Spoken{"Drive1", QAccessible::ComboBox, "Drive", true},
                                           Spoken{"Dir1", QAccessible::Tree, "Folders"},
                                           Spoken{"Command1", QAccessible::Button, "Ok"},
                                           Spoken{"Command2", QAccessible::Button, "Cancel"}),
                         [](const auto& info) { return std::string(info.param.control); });

}  // namespace
}  // namespace vbe
