#include "app/command_line.h"

namespace vbe {
namespace {

constexpr const char* ProgramName = "vellmar-bind-editor";

StartDecision Refuse(const std::string& message) {
  return {.open_window = false,
          .file = std::nullopt,
          .output = {},
          .error = std::string(ProgramName) + ": " + message + "\n" + UsageText(),
          .exit_status = CommandLineExitStatus};
}

}  // namespace

std::string UsageText() {
  return std::string("Usage: ") + ProgramName +
         " [OPTION]... [FILE]\n"
         "Write an eight-line chat bind for Vellmar and bind it to a key.\n"
         "With FILE, the editor opens that bind file once its window shows.\n"
         "\n"
         "  --help     show this help and exit\n"
         "  --version  show the name and version and exit\n"
         "  --         end the options: what follows is FILE, even if it begins with '-'\n"
         "\n"
         "Exit status: 0 when the editor ends, or after --help and --version;\n"
         "2 for an unknown option or more than one FILE.\n";
}

std::string VersionText() {
  return "Vellmar Bind Editor " VBE_VERSION "\n";
}

StartDecision DecideStart(const std::vector<std::string>& arguments) {
  bool help = false;
  bool version = false;
  bool options_ended = false;
  std::vector<std::size_t> files;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      files.push_back(k);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help") {
      help = true;
    } else if (argument == "--version") {
      version = true;
    } else {
      return Refuse("unknown option '" + argument + "'");
    }
  }
  if (help) return {.open_window = false, .file = {}, .output = UsageText(), .error = {}};
  if (version) return {.open_window = false, .file = {}, .output = VersionText(), .error = {}};
  if (files.size() > 1) {
    return Refuse("one FILE at most, but " + std::to_string(files.size()) + " were given");
  }
  StartDecision start;
  if (!files.empty()) start.file = files.front();
  return start;
}

}  // namespace vbe
