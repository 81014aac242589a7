// What only Windows has: files held open by another program, and the host's own drives.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/drive_table.h"
#include "platform/file_io.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

// A handle opened without sharing, as an editor or a virus scanner may hold a file: the reason
// says so, where the C library would say only "Permission denied".
TEST(HeldOpenFile, RefusesTheSaveSaysWhyAndLosesNothing) {
  TempFolder dir;
  const fs::path bind = dir / "bind.cfg";
  WriteBytes(bind, "old bind");
  const HANDLE held = CreateFileW(bind.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const IoResult saved = ReplaceFileAtomically(bind, std::string(352, 'b'));
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.reason, "The file is in use by another program.");
  EXPECT_EQ(AppendToFile(bind, "x").reason,
            "The file is in use by another program. The file is unchanged.");
  EXPECT_EQ(ReadWholeFile(bind, 1000).status.reason, "The file is in use by another program.");
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(bind), "old bind");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "no temporary file";
  EXPECT_TRUE(ReplaceFileAtomically(bind, "new bind")) << "once it is let go";
  EXPECT_EQ(ReadBytes(bind), "new bind");
}

// A device's name is refused before anything is written, with the name as it was given.
TEST(DeviceNamedFile, IsRefusedBeforeAnythingIsWritten) {
  TempFolder dir;
  for (const char* name : {"con.cfg", "NUL", "Com3.cfg", "lpt1 .cfg"}) {
    const IoResult saved = ReplaceFileAtomically(dir / name, std::string(352, 'b'));
    EXPECT_EQ(saved.reason, std::string(name) + " is a name Windows keeps for a device.");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 0);
}

// The locator lists the host's drives: Windows' own, each its own root.
TEST(HostDrives, AreTheLettersOfTheSystemEachItsOwnRoot) {
  const DriveTable drives = DriveTable::ForThisHost();
  const DWORD mask = GetLogicalDrives();
  std::string letters, expected;
  for (const DriveTable::Drive& drive : drives.Drives()) letters += drive.letter;
  for (int i = 0; i < 26; ++i) {
    if (mask & (1u << i)) expected += static_cast<char>('a' + i);
  }
  EXPECT_EQ(letters, expected);
  ASSERT_NE(drives.Find('c'), nullptr);
  EXPECT_EQ(drives.Find('c')->folder, fs::path(L"C:\\"));
  wchar_t windows_folder[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryW(windows_folder, MAX_PATH), 0u);
  EXPECT_EQ(drives.ToWindowsPath(fs::path(windows_folder) / L"win.ini"), "c:\\windows\\win.ini");
  EXPECT_TRUE(fs::exists(*drives.ToHostPath("C:\\WINDOWS")));
}

}  // namespace
}  // namespace vbe::testing
