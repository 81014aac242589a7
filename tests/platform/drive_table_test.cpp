#include "platform/drive_table.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

TEST(CodePage, CarriesEveryByteThroughUtf8AndRefusesWhatItCannotCarry) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x81\xE9"), "\xE2\x82\xAC\xC2\x81\xC3\xA9");  // 0x81: undefined
  // A kana, a cut-short character, an overlong slash, a byte never in UTF-8.
  for (const char* refused : {"\xE3\x81\x82", "\xC3", "\xC0\xAF", "\xFF"}) {
    EXPECT_EQ(Utf8ToCp1252(refused), std::nullopt) << refused;
  }
  EXPECT_EQ(FoldCase(U'\u00D7'), U'\u00D7') << "the multiplication sign has no lower case";
  EXPECT_EQ(FoldCase(U'\u0160'), U'\u0161');
}

// A Wine prefix: c: a relative link to drive_c, d: a link to another folder, and an entry that
// names no drive.
class WinePrefix : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(c / "Program Files" / "Vellmar" / "main");
    fs::create_directories(prefix / "dosdevices");
    fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
    fs::create_symlink(other.path(), prefix / "dosdevices" / "d:");
    fs::create_symlink("../nowhere", prefix / "dosdevices" / "not-a-drive");
    table = DriveTable::FromWinePrefix(prefix.path());
  }

  TempFolder prefix, other;
  const fs::path c = fs::canonical(prefix.path()) / "drive_c";
  DriveTable table;
};

TEST_F(WinePrefix, FindsHostNamesWithoutRegardToCaseAndKeepsMissingOnesAsWritten) {
  std::string letters;
  for (const DriveTable::Drive& drive : table.Drives()) letters += drive.letter;
  EXPECT_EQ(letters, "cdz") << "z: is the root";
  const fs::path main = c / "Program Files" / "Vellmar" / "main";
  for (const char* name : {"binds", "Binds", "Caf\xC3\xA9"}) fs::create_directory(c / name);
  const std::pair<std::string, fs::path> cases[] = {
      {"c:\\program files\\Vellmar\\main", main},
      {"C:\\PROGRAM FILES\\vellmar\\MAIN\\", main},
      {"c:/program files/vellmar/main/autoexec.cfg", main / "autoexec.cfg"},
      {"c:\\binds\\a.cfg", c / "binds" / "a.cfg"},  // the exact name first,
      {"c:\\BINDS\\a.cfg", c / "Binds" / "a.cfg"},  // else the first in name order
      {"c:\\caf\xC9\\x.cfg", c / "Caf\xC3\xA9" / "x.cfg"},
      {"c:\\program files\\New Folder\\Hello.CFG",
       c / "Program Files" / "New Folder" / "Hello.CFG"},
      {"d:\\greet", fs::canonical(other.path()) / "greet"},
  };
  for (const auto& [windows, host] : cases) EXPECT_EQ(table.ToHostPath(windows), host) << windows;
  for (const char* nowhere : {"q:\\x.cfg", "x.cfg", "", "1:\\x"}) {
    EXPECT_EQ(table.ToHostPath(nowhere), std::nullopt) << nowhere;
  }
}

TEST_F(WinePrefix, NamesHostPathsThroughTheLongestPrefix) {
  table.SetDrive('y', c / "Program Files" / "Vellmar");
  const std::pair<fs::path, std::string> cases[] = {
      {c / "Program Files" / "hello.cfg", "c:\\Program Files\\hello.cfg"},
      {c / "Program Files" / "Vellmar" / "x.cfg", "y:\\x.cfg"},
      {prefix / "dosdevices" / "c:" / "hello.cfg", "c:\\hello.cfg"},  // through the drive's link
      {c / "Caf\xC3\xA9" / "x.cfg", "c:\\Caf\xE9\\x.cfg"},
      {"/", "z:\\"},
  };
  for (const auto& [host, windows] : cases) EXPECT_EQ(table.ToWindowsPath(host), windows);
  EXPECT_EQ(table.ToWindowsPath(c / "\xE3\x81\x82.cfg"), std::nullopt) << "not in the code page";
}

}  // namespace
}  // namespace vbe::testing
