#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vbe {
namespace {

// A command line and what the program makes of it. `error` is the first line of standard error
// (the usage follows it); `output` names what goes to standard output.
struct StartCase {
  const char* name;
  std::vector<std::string> arguments;
  bool open_window;
  std::optional<std::size_t> file;
  enum { Nothing, Usage, Version } output;
  const char* error;  // empty: nothing on standard error
  int exit_status;
  friend void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }
};

class DecidingTheStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(DecidingTheStart, AnswersOptionsAndFindsTheOneFile) {
  const StartCase& c = GetParam();
  const StartDecision start = DecideStart(c.arguments);
  EXPECT_EQ(start.open_window, c.open_window);
  EXPECT_EQ(start.file, c.file);
  const std::string output = c.output == StartCase::Usage     ? UsageText()
                             : c.output == StartCase::Version ? VersionText()
                                                              : "";
  EXPECT_EQ(start.output, output);
  const std::string error = *c.error ? std::string(c.error) + "\n" + UsageText() : "";
  EXPECT_EQ(start.error, error);
  EXPECT_EQ(start.exit_status, c.exit_status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecidingTheStart,
    ::testing::Values(
        StartCase{"NoArguments", {}, true, {}, StartCase::Nothing, "", 0},
        StartCase{"OneFile", {"art.cfg"}, true, 0, StartCase::Nothing, "", 0},
        // Bytes as the system gives them: a name that is not UTF-8 is a name like any other.
        StartCase{"ANameThatIsNotUtf8", {"caf\xE9.cfg"}, true, 0, StartCase::Nothing, "", 0},
        StartCase{"ALoneDashIsAFile", {"-"}, true, 0, StartCase::Nothing, "", 0},
        StartCase{"Help", {"--help"}, false, {}, StartCase::Usage, "", 0},
        StartCase{
            "HelpBesideFiles", {"a.cfg", "--help", "b.cfg"}, false, {}, StartCase::Usage, "", 0},
        StartCase{"Version", {"--version"}, false, {}, StartCase::Version, "", 0},
        StartCase{
            "HelpWinsOverVersion", {"--version", "--help"}, false, {}, StartCase::Usage, "", 0},
        StartCase{"AnUnknownOption",
                  {"--colour=yellow"},
                  false,
                  {},
                  StartCase::Nothing,
                  "vellmar-bind-editor: unknown option '--colour=yellow'",
                  2},
        StartCase{"AShortUnknownOption",
                  {"art.cfg", "-h"},
                  false,
                  {},
                  StartCase::Nothing,
                  "vellmar-bind-editor: unknown option '-h'",
                  2},
        StartCase{"AnUnknownOptionWinsOverHelp",
                  {"--help", "--bogus"},
                  false,
                  {},
                  StartCase::Nothing,
                  "vellmar-bind-editor: unknown option '--bogus'",
                  2},
        StartCase{"TwoFiles",
                  {"a.cfg", "b.cfg"},
                  false,
                  {},
                  StartCase::Nothing,
                  "vellmar-bind-editor: one FILE at most, but 2 were given",
                  2},
        StartCase{"AfterTheEndOfOptionsAnOptionIsAFile",
                  {"--", "--help"},
                  true,
                  1,
                  StartCase::Nothing,
                  "",
                  0},
        StartCase{"TheEndOfOptionsAfterAFile",
                  {"a.cfg", "--", "-x"},
                  false,
                  {},
                  StartCase::Nothing,
                  "vellmar-bind-editor: one FILE at most, but 2 were given",
                  2},
        StartCase{
            "OnlyTheFirstDoubleDashEndsOptions", {"--", "--"}, true, 1, StartCase::Nothing, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTexts, UsageNamesEveryOption) {
  const std::string usage = UsageText();
  EXPECT_EQ(usage.rfind("Usage: vellmar-bind-editor [OPTION]... [FILE]\n", 0), 0u);
  for (const char* option : {"  --help ", "  --version ", "  -- "}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace vbe
