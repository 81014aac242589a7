#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <optional>

#include "qt/bind_text.h"
#include "qt/main_window_fixture.h"

namespace fs = std::filesystem;

namespace vbe {
namespace {

using testing::BindBytes;
using testing::Boxes;
using testing::WriteBytes;

const BindLines kArt = {"  ( o.o )", "", "\x85Vellmar", "", "", "", "", "!"};

QString Native(const fs::path& path) {
  return HostPathToQString(path);
}

// Every modal window that opens while it lives: what it was, and whether the main window was
// already on the screen under it. Each is answered with its default button.
class ModalWatch {
 public:
  struct Seen {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QWidget* parent;
    bool parent_visible;
  };

  ModalWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) {
        seen.push_back({QMessageBox::NoIcon, modal->windowTitle(), {}, nullptr, false});
        modal->close();
        return;
      }
      QWidget* parent = box->parentWidget();
      seen.push_back(
          {box->icon(), box->windowTitle(), box->text(), parent, parent && parent->isVisible()});
      box->defaultButton() ? box->defaultButton()->click() : void(box->close());
    });
    timer_.start(5);
  }

  std::vector<Seen> seen;

 private:
  QTimer timer_;
};

// The program started with a file name, through the window's own Qt dialogs and audio.
class CommandLine : public testing::MainWindowTest {
 protected:
  CommandLine() {
    Build(false, false);
    form->SetColour(TextColour::White);
    SetLines({"before"});
  }
  void StartWith(const QStringList& arguments) {
    form->show();
    form->OpenFromCommandLine(arguments);
  }
};

TEST_F(CommandLine, OpensTheFirstArgumentAsOpenWouldWithoutCueOrBox) {
  const fs::path file = disk / "yellow art.cfg";
  WriteBytes(file, BindBytes(kArt, TextColour::Yellow));
  ModalWatch modals;
  StartWith({"vellmar-bind-editor", Native(file), Native(disk / "second.cfg")});

  for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), kArt[k - 1]) << k;
  EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
  EXPECT_EQ(form->FileName(), file);
  EXPECT_FALSE(form->AudioStarted()) << "no cue";
  EXPECT_TRUE(modals.seen.empty()) << "neither a dialog nor a box";
}

TEST_F(CommandLine, ARelativeNameIsTakenFromTheCurrentFolder) {
  WriteBytes(disk / "here.cfg", BindBytes(kArt, TextColour::White));
  const fs::path previous = fs::current_path();
  fs::current_path(disk.path());
  StartWith({"vellmar-bind-editor", "here.cfg"});
  fs::current_path(previous);

  EXPECT_EQ(form->FileName(), disk / "here.cfg");
  EXPECT_EQ(form->Line(3), kArt[2]);
}

TEST_F(CommandLine, WithoutAFileNameTheWindowStartsEmpty) {
  ModalWatch modals;
  StartWith({"vellmar-bind-editor"});
  EXPECT_EQ(form->Line(1), "before");
  EXPECT_TRUE(form->FileName().empty());
  EXPECT_TRUE(modals.seen.empty());
}

TEST_F(CommandLine, AFileThatCannotBeReadIsNamedInOneStopBoxOverTheShownWindow) {
  const fs::path file = disk / "gone.cfg";
  ModalWatch modals;
  StartWith({"vellmar-bind-editor", Native(file)});

  ASSERT_EQ(modals.seen.size(), 1u);
  const ModalWatch::Seen& box = modals.seen[0];
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(box.title, "Open Error");
  EXPECT_EQ(box.text,
            "The bind could not be opened from " + Native(file) + "\n\nNo such file or directory.");
  EXPECT_EQ(box.parent, form.get());
  EXPECT_TRUE(box.parent_visible);
  EXPECT_EQ(form->Line(1), "before");
  EXPECT_EQ(form->FileName(), file) << "the save dialog starts from the name given";
  EXPECT_FALSE(form->AudioStarted());
}

// A drag from the file manager: what it carries and the control it comes over.
struct DropCase {
  const char* name;
  std::function<void(QMimeData&, const testing::TempFolder&)> fill;
  const char* over;      // the control under the drop; null: the window itself
  bool accepted;         // whether the window takes the drag at all
  bool opened;           // whether the bind file's lines arrive
  const char* box_text;  // empty: no box
  friend void PrintTo(const DropCase& c, std::ostream* out) { *out << c.name; }
};

class Drop : public testing::MainWindowTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(Drop, OneLocalFileOpensWithoutCueOrDialogAndAnythingElseIsRefused) {
  const DropCase& c = GetParam();
  WriteBytes(disk / "art.cfg", BindBytes(kArt, TextColour::Yellow));
  SetLines({"before"});
  form->show();
  QMimeData data;
  c.fill(data, disk);
  QWidget* target = c.over ? Control(c.over) : form.get();
  const QPoint at = target->rect().center();

  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  EXPECT_EQ(enter.isAccepted(), c.accepted);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  EXPECT_EQ(drop.isAccepted(), c.accepted);
  QCoreApplication::processEvents();

  if (c.opened) {
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(form->Line(k), kArt[k - 1]) << k;
    EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(form->FileName(), disk / "art.cfg");
  } else {
    EXPECT_EQ(form->Line(1), "before");
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
    for (int k = 2; k <= 8; ++k) EXPECT_EQ(form->Line(k), "") << k;
  }
  EXPECT_TRUE(audio.commands.empty()) << "no cue";
  EXPECT_TRUE(dialogs.file_requests.empty()) << "no dialog";
  const std::string text = *c.box_text ? "The bind could not be opened from " +
                                             (disk / "gone.cfg").string() + "\r\n\r\n" + c.box_text
                                       : "";
  const Boxes expected = *c.box_text ? Boxes{{text, "Open Error", 16}} : Boxes{};
  EXPECT_EQ(dialogs.boxes, expected);
}

void Urls(QMimeData& data, const QList<QUrl>& urls) {
  data.setUrls(urls);
}
QUrl FileUrl(const testing::TempFolder& disk, const char* name) {
  return QUrl::fromLocalFile(Native(disk / name));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Drop,
    ::testing::Values(
        DropCase{"OneBindFile",
                 [](QMimeData& d, const auto& disk) { Urls(d, {FileUrl(disk, "art.cfg")}); },
                 nullptr, true, true, ""},
        DropCase{"OneBindFileOverALineEditor",
                 [](QMimeData& d, const auto& disk) {
                   Urls(d, {FileUrl(disk, "art.cfg")});
                   d.setText(Native(disk / "art.cfg"));  // file managers offer the name too
                 },
                 "Text2", true, true, ""},
        DropCase{"AMissingFile",
                 [](QMimeData& d, const auto& disk) { Urls(d, {FileUrl(disk, "gone.cfg")}); },
                 nullptr, true, false, "No such file or directory."},
        DropCase{"TwoFiles",
                 [](QMimeData& d, const auto& disk) {
                   Urls(d, {FileUrl(disk, "art.cfg"), FileUrl(disk, "art.cfg")});
                 },
                 nullptr, false, false, ""},
        DropCase{"TwoFilesOverALineEditor",
                 [](QMimeData& d, const auto& disk) {
                   Urls(d, {FileUrl(disk, "art.cfg"), FileUrl(disk, "art.cfg")});
                   d.setText("two names");
                 },
                 "Text2", false, false, ""},
        DropCase{"AWebAddress",
                 [](QMimeData& d, const auto&) { Urls(d, {QUrl("https://example.org/art.cfg")}); },
                 nullptr, false, false, ""},
        DropCase{"PlainText", [](QMimeData& d, const auto&) { d.setText("art.cfg"); }, nullptr,
                 false, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vbe
