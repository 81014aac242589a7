// The program's command line, decided the same way on every system: the options a desktop
// program answers (--help, --version), `--` to end them, and at most one bind file to open once
// the main window shows. A front end hands over the arguments after the program's name as bytes
// (UTF-8 on Windows, converted from the system's UTF-16) and keeps the originals, so that the file
// is opened by the name exactly as the system gave it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vbe {

// What the program does with the arguments it was started with.
struct StartDecision {
  // False: print `output` and `error` and end with `exit_status`, without a window.
  bool open_window = true;
  // The argument that names the bind file to open (an index into the arguments given).
  std::optional<std::size_t> file;
  std::string output;  // for standard output
  std::string error;   // for standard error
  int exit_status = 0;
};

// The exit status of a command line the program does not understand.
inline constexpr int CommandLineExitStatus = 2;

// The arguments after the program's name, in order. An option the program does not know is
// refused first, then --help wins over --version, and both over the files; more than one file is
// refused. Everything after `--`, and a lone `-`, is a file name.
StartDecision DecideStart(const std::vector<std::string>& arguments);

// What --help prints.
std::string UsageText();
// What --version prints: the program's name and version.
std::string VersionText();

}  // namespace vbe
