#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <filesystem>
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

// Every modal window that opens while it lives, answered with its default button: its icon,
// title and text, and whether it opened over `owner` already on the screen.
class ModalWatch {
 public:
  explicit ModalWatch(QWidget* owner) {
    QObject::connect(&timer_, &QTimer::timeout, [this, owner] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      auto* box = qobject_cast<QMessageBox*>(modal);
      const bool over = modal->parentWidget() == owner && owner->isVisible();
      seen << QString("%1 %2: %3%4")
                  .arg(int(box ? box->icon() : QMessageBox::NoIcon))
                  .arg(modal->windowTitle(), box ? box->text() : "", over ? " (over)" : "");
      box && box->defaultButton() ? box->defaultButton()->click() : void(modal->close());
    });
    timer_.start(5);
  }
  QStringList seen;

 private:
  QTimer timer_;
};

// The program started with a file name, through the window's own Qt dialogs.
class CommandLine : public testing::MainWindowTest {
 protected:
  CommandLine() {
    Build(false, true);
    Bind().SetColour(TextColour::White);
    SetLines({"before"});
  }
  void StartWith(const fs::path& file) {
    form->show();
    form->OpenFromCommandLine(file);
  }
};

TEST_F(CommandLine, OpensTheFileAsOpenWouldWithoutCueOrBox) {
  const fs::path file = disk / "yellow art.cfg";
  WriteBytes(file, BindBytes(kArt, TextColour::Yellow));
  ModalWatch modals(form.get());
  StartWith(file);

  for (int k = 1; k <= 8; ++k) EXPECT_EQ(Bind().Line(k), kArt[k - 1]) << k;
  EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
  EXPECT_EQ(Bind().FileName(), file);
  EXPECT_TRUE(audio.commands.empty()) << "no cue";
  EXPECT_TRUE(modals.seen.empty()) << "neither a dialog nor a box";
}

TEST_F(CommandLine, AFileThatCannotBeReadIsNamedInOneStopBoxOverTheShownWindow) {
  const fs::path file = disk / "gone.cfg";
  ModalWatch modals(form.get());
  StartWith(file);

  EXPECT_EQ(modals.seen, QStringList(QString("%1 Open Error: The bind could not be opened from "
                                             "%2\n\nNo such file or directory. (over)")
                                         .arg(int(QMessageBox::Critical))
                                         .arg(Native(file))));
  EXPECT_EQ(Bind().Line(1), "before");
  EXPECT_EQ(Bind().FileName(), file) << "the save dialog starts from the name given";
  EXPECT_TRUE(audio.commands.empty());
}

// A drag from the file manager: what it carries and the control it comes over.
struct DropCase {
  const char* name;
  QStringList files;     // names in the folder, or whole web addresses
  const char* text;      // what the drag offers as text too; "{art}": the bind file's own name
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
  QList<QUrl> urls;
  for (const QString& file : c.files) {
    urls << (file.contains("://") ? QUrl(file)
                                  : QUrl::fromLocalFile(Native(disk / QStringToHostPath(file))));
  }
  if (!urls.isEmpty()) data.setUrls(urls);
  if (*c.text) data.setText(QString(c.text).replace("{art}", Native(disk / "art.cfg")));
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
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(Bind().Line(k), kArt[k - 1]) << k;
    EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(Bind().FileName(), disk / "art.cfg");
  } else {
    EXPECT_EQ(Bind().Line(1), "before");
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
    for (int k = 2; k <= 8; ++k) EXPECT_EQ(Bind().Line(k), "") << k;
  }
  EXPECT_TRUE(audio.commands.empty()) << "no cue";
  EXPECT_TRUE(dialogs.file_requests.empty()) << "no dialog";
  const std::string text = *c.box_text ? "The bind could not be opened from " +
                                             (disk / "gone.cfg").string() + "\r\n\r\n" + c.box_text
                                       : "";
  const Boxes expected = *c.box_text ? Boxes{{text, "Open Error", 16}} : Boxes{};
  EXPECT_EQ(dialogs.boxes, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Drop,
    ::testing::Values(
        DropCase{"OneBindFile", {"art.cfg"}, "", nullptr, true, true, ""},
        // File managers offer the file's name as text too.
        DropCase{"OneBindFileOverALineEditor", {"art.cfg"}, "{art}", "Text2", true, true, ""},
        DropCase{
            "AMissingFile", {"gone.cfg"}, "", nullptr, true, false, "No such file or directory."},
        DropCase{"TwoFiles", {"art.cfg", "art.cfg"}, "", nullptr, false, false, ""},
        DropCase{"TwoFilesOverALineEditor",
                 {"art.cfg", "art.cfg"},
                 "two names",
                 "Text2",
                 false,
                 false,
                 ""},
        DropCase{"AWebAddress", {"https://example.org/art.cfg"}, "", nullptr, false, false, ""},
        DropCase{"PlainText", {}, "art.cfg", nullptr, false, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vbe
