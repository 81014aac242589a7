// The locator's and the read-me window's behaviour, against fake views.
#include "app/fake_views.h"
#include "forms/locator_window.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

class FakeLocatorView : public LocatorView, public FakeControls {
 public:
  FakeLocatorView() : FakeControls(LocatorWindowControls()) {}
  int closes = 0;
  void CloseWindow() override { ++closes; }

  // Highlights the folder of that name, as a click does.
  void Highlight(std::u16string_view name) {
    const std::vector<ListItem>& rows = (*this)[kFolderList].items;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].text == name) (*this)[kFolderList].selection = static_cast<int>(i);
    }
  }
};

class LocatorTest : public ::testing::Test {
 protected:
  LocatorTest() {
    fs::create_directories(disk / "Program Files" / "Vellmar" / "main");
    fs::create_directories(disk / "Binds");
    WriteBytes(disk / "Program Files" / "Vellmar" / "main" / "autoexec.cfg", "");
    drives.SetDrive('c', disk.path());
  }
  void Open(std::u16string_view name) {
    view.Highlight(name);
    locator.OnCommand(LocatorCommand::OpenFolder);
  }

  TempFolder disk;
  DriveTable drives;
  ScriptedDialogs dialogs;
  FakeLocatorView view;
  std::vector<std::string> set_folders;
  Locator locator{view, view, drives, dialogs,
                  [this](const std::string& f) { set_folders.push_back(f); }};
};

const Box kNotFound{"Sorry, can't find the autoexec.cfg file in that folder", "File not found", 16};

TEST_F(LocatorTest, StartsAtTheFirstDrivesRootAndListsItsFolders) {
  TempFolder other;
  drives.SetDrive('e', other.path());
  locator.Load();
  EXPECT_EQ(view[kDriveList].items, (std::vector<ListItem>{{u"c:"}, {u"e:"}}));
  EXPECT_EQ(view[kDriveList].selection, 0);
  EXPECT_EQ(locator.CurrentFolder(), "c:\\");
  EXPECT_EQ(view[kFolderList].items,
            (std::vector<ListItem>{
                {u"c:\\", 0, true}, {u"Binds", 1, false}, {u"Program Files", 1, false}}));
  EXPECT_EQ(view[kFolderList].selection, 0);
}

TEST_F(LocatorTest, StartsInTheProcesssFolderWhenItLiesOnADrive) {
  TempFolder other;
  drives.SetDrive('a', other.path());
  const fs::path previous = fs::current_path();
  fs::current_path(disk / "Binds");
  locator.Load();
  fs::current_path(previous);
  EXPECT_EQ(locator.CurrentFolder(), "c:\\Binds");
  EXPECT_EQ(view[kDriveList].selection, 1) << "c: after a:";
  EXPECT_EQ(view[kFolderList].items,
            (std::vector<ListItem>{{u"c:\\", 0, true}, {u"Binds", 1, true}}));
  EXPECT_EQ(view[kFolderList].selection, 1);
}

TEST_F(LocatorTest, OkTakesTheOpenedFolderNotTheHighlightedOne) {
  locator.Load();
  Open(u"Program Files");
  Open(u"Vellmar");
  view.Highlight(u"main");
  locator.OnCommand(LocatorCommand::Ok);
  EXPECT_EQ(dialogs.boxes, Boxes{kNotFound});
  EXPECT_TRUE(set_folders.empty());
  EXPECT_EQ(view.closes, 0);
  Open(u"main");
  EXPECT_EQ(view[kFolderList].items.back(), (ListItem{u"main", 3, true}));
  locator.OnCommand(LocatorCommand::Ok);
  EXPECT_EQ(set_folders, std::vector<std::string>{"c:\\Program Files\\Vellmar\\main"});
  EXPECT_EQ(view.closes, 1);
}

TEST_F(LocatorTest, AFolderThatCannotBeOpenedIsReportedAndTheListStays) {
  locator.Load();
  fs::remove_all(disk / "Binds");
  Open(u"Binds");
  EXPECT_EQ(dialogs.boxes, (Boxes{{"Can't open the folder c:\\Binds", "Folder Error", 16}}));
  EXPECT_EQ(locator.CurrentFolder(), "c:\\");
  view[kFolderList].selection = -1;
  locator.OnCommand(LocatorCommand::OpenFolder);
  EXPECT_EQ(dialogs.boxes.size(), 1u) << "nothing highlighted: nothing to open";
}

TEST_F(LocatorTest, ADriveThatCannotBeEnteredIsReportedAndCancelCloses) {
  drives.SetDrive('d', disk / "no such drive");
  locator.Load();
  Open(u"Binds");
  view[kDriveList].selection = 1;
  locator.OnCommand(LocatorCommand::ChangeDrive);
  EXPECT_EQ(dialogs.boxes, (Boxes{{"Device is unavailable", "Drive Error", 16}}));
  EXPECT_EQ(locator.CurrentFolder(), "c:\\Binds");
  locator.OnCommand(LocatorCommand::Cancel);
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(set_folders.empty());
}

TEST_F(LocatorTest, AnExceptionInsideAnEventIsShownAndTheWindowStays) {
  Locator throwing{view, view, drives, dialogs,
                   [](const std::string&) { throw std::runtime_error("gone"); }};
  drives.SetDrive('c', disk / "Program Files" / "Vellmar" / "main");
  throwing.Load();
  throwing.OnCommand(LocatorCommand::Ok);
  EXPECT_EQ(dialogs.boxes, (Boxes{{"The command stopped: gone", "Error", 16}}));
  EXPECT_EQ(view.closes, 0);
}

TEST(LocatorTable, EachControlCarriesItsCommand) {
  std::vector<std::pair<std::string, LocatorCommand>> commands;
  for (const ControlRow& row : LocatorWindowControls()) {
    if (row.command.locator != LocatorCommand::None)
      commands.emplace_back(row.name, row.command.locator);
  }
  EXPECT_EQ(commands, (std::vector<std::pair<std::string, LocatorCommand>>{
                          {"Drive1", LocatorCommand::ChangeDrive},
                          {"Dir1", LocatorCommand::OpenFolder},
                          {"Command1", LocatorCommand::Ok},
                          {"Command2", LocatorCommand::Cancel}}));
}

class FakeReadMeView : public ReadMeView {
 public:
  TwipSize work_area{800, 560};  // an 800 by 600 screen with a panel of 40 pixels
  std::u16string notes;
  TwipSize size{0, 0};
  TwipSize WorkAreaPixels() const override { return work_area; }
  void ShowNotes(std::u16string_view text) override { notes = text; }
  void SizeNotes(TwipSize twips) override { size = twips; }
};

TEST(ReadMe, LoadShowsTheNotesAndSizesTheBoxFromTheWorkArea) {
  FakeReadMeView view;
  LoadReadMe(view);
  EXPECT_EQ(view.size, (TwipSize{12000, 7738}));
  EXPECT_EQ(view.notes, BindTextToUtf16(ReadMeText()));
  EXPECT_NE(view.notes.find(SpacingMarkShown), std::u16string::npos);
  EXPECT_NE(view.notes.find(u"\r\n"), std::u16string::npos);
}

}  // namespace
}  // namespace vbe::testing
