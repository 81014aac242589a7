#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <utility>

#include "core/bind_file.h"
#include "core/bind_reader.h"
#include "core/line_check.h"
#include "core/operations.h"
#include "core/preview.h"
#include "core/spacing_fixer.h"
#include "sound/command_interpreter.h"
#include "sound/cue_player.h"
#include "sound/wav_file.h"
#include "support/editor_fixture.h"

namespace fs = std::filesystem;

namespace vbe::testing {
namespace {

TEST(BindFile, PutsTheMarkerAndEachLineAtFixedColumns) {
  const std::string empty = "say \"\r " + std::string(78, ' ') + "\"\r\n";
  EXPECT_EQ(BindBytes({}, TextColour::White), empty + empty + empty + empty);
  BindLines full;
  for (int k = 0; k < LineCount; ++k) full[k] = std::string(36, static_cast<char>('1' + k));
  for (const auto& [colour, marker] :
       {std::pair{TextColour::Yellow, '>'}, std::pair{TextColour::White, ' '}}) {
    const std::string file = BindBytes(full, colour);
    ASSERT_EQ(file.size(), 352u);
    for (std::size_t position : {7, 95, 183, 271}) EXPECT_EQ(file[position - 1], marker);
    const std::size_t starts[] = {8, 50, 96, 138, 184, 226, 272, 314};
    for (int k = 0; k < LineCount; ++k) EXPECT_EQ(file.substr(starts[k] - 1, 36), full[k]);
  }
}

TEST(BindReader, ReadsBy352BytesOrMoreByColumnsAndBelowByQuotesWithoutColour) {
  const BindLines sample = {"  /\\_/\\", "( o.o )  ", "\x85 > ^ <",         "      ",
                            "",          "x",         std::string(36, '#'), "end \t"};
  BindLines read = sample;
  read[1] = "( o.o )";
  read[3] = "";
  for (TextColour colour : {TextColour::White, TextColour::Yellow}) {
    const std::string file = BindBytes(sample, colour);
    for (const std::string& bytes :
         {file, file + "bind p exec x.cfg\r\n" + std::string(999, '"'), file.substr(0, 351)}) {
      const ParsedBind parsed = ParseBindText(bytes, bytes.size());
      EXPECT_EQ(parsed.lines, read) << bytes.size();
      EXPECT_EQ(parsed.colour, bytes.size() == 351 ? std::nullopt : std::optional(colour));
    }
  }
  std::string file = BindBytes(sample, TextColour::Yellow);
  file[6] = ' ';  // only the first marker counts
  EXPECT_EQ(ParseBindText(file, file.size()).colour, TextColour::White);
  for (std::size_t n = 1; n <= 7; ++n) {
    const ParsedBind tiny = ParseBindText(std::string("say \"\r>").substr(0, n), n);
    EXPECT_EQ(tiny.lines, BindLines{}) << n;
    EXPECT_EQ(tiny.colour, std::nullopt) << n;
  }
  // The first line's field begins at the eighth byte: a file that ends there still gives it.
  const ParsedBind eight = ParseBindText("say \"\r>X", 8);
  EXPECT_EQ(eight.lines, (BindLines{"X"}));
  EXPECT_EQ(eight.colour, std::nullopt);
}

// One say command as a hand editor leaves it: the second field ends at its closing quote.
std::string HandEdited(const std::string& upper, const std::string& lower) {
  return "say \"\r " + upper + std::string(42 - upper.size(), ' ') + lower + "\"\r\n";
}

TEST(BindReader, ScanFollowsTheClosingQuotes) {
  // Line 2 ends at its quote at position 53, so line 3 is read from 63.
  const std::string shortened = HandEdited("one", "two") + HandEdited("three", "four") +
                                HandEdited("", "six") + HandEdited("seven", "");
  ASSERT_EQ(shortened.find('"', 6), 52u);
  EXPECT_EQ(ReadByQuoteScan(shortened),
            (BindLines{"one", "two", "three", "four", "", "six", "seven", ""}));

  // A quote inside a field ends it, and the next say command is read from the wrong place.
  const BindLines inner = ReadByQuoteScan(HandEdited("one", "tw\"o") + HandEdited("three", ""));
  EXPECT_EQ(inner[1], "tw");
  EXPECT_EQ(inner[2], "\r three");

  // Without its closing quote line 2 takes 37 positions (the 37th, CR, is dropped) and the
  // next say command is read from b + 47: its first field from 97 instead of 95.
  std::string missing = BindBytes({"a", std::string(36, 'b')}, TextColour::White).substr(0, 88);
  missing.erase(85, 1);
  missing += HandEdited("XYZ", "tail" + std::string(32, ' '));
  const BindLines lines = ReadByQuoteScan(missing);
  EXPECT_EQ(lines[1], std::string(36, 'b'));
  EXPECT_EQ(lines[2], "Z");
  EXPECT_EQ(lines[3], "il");
}

std::vector<std::string> Cue(const std::string& wav) {
  return {"stop sound", "close sound",
          "open waveaudio!c:\\windows\\media\\" + wav + ".wav alias sound", "play sound"};
}

using Operations = EditorTest;

TEST_F(Operations, SavePlaysItsCueAndWritesTheWorkedExampleOrSaysWhyNotKeepingTheOldFile) {
  document.lines = {"one", "two", "three", "", "  five", "six  ", "", "eight"};
  document.colour = TextColour::Yellow;
  const auto sp = [](std::size_t n) { return std::string(n, ' '); };
  const std::string say = "say \"\r>", gap = sp(6), end = "\"\r\n";
  const std::string example = say + "one" + sp(33) + gap + "two" + sp(33) + end +       //
                              say + "three" + sp(31) + gap + sp(36) + end +             //
                              say + "  five" + sp(30) + gap + "six  " + sp(31) + end +  //
                              say + sp(36) + gap + "eight" + sp(31) + end;
  ASSERT_EQ(example.size(), 352u);
  EXPECT_EQ(example.substr(0, 11), "\x73\x61\x79\x20\x22\x0D\x3E\x6F\x6E\x65\x20");
  EXPECT_EQ(example.substr(84, 12), "\x20\x22\x0D\x0A\x73\x61\x79\x20\x22\x0D\x3E\x74");
  WriteBytes(disk / "big.cfg", std::string(5000, '#'));
  fs::permissions(disk / "big.cfg", fs::perms{0600});
  fs::create_symlink("big.cfg", disk / "link.cfg");
  WriteBytes(disk / "locked.cfg", "old bind");
  fs::permissions(disk / "locked.cfg", fs::perms::owner_read);
  document.file_name = disk / "before.cfg";
  dialogs.file_choices = {std::nullopt, disk / "link.cfg", disk / "greet", disk / "locked.cfg",
                          disk / "no such folder" / "x.cfg"};
  std::vector<std::vector<std::string>> cues;  // what played before each dialog
  dialogs.on_file_dialog = [&] { cues.push_back(std::exchange(audio.commands, {})); };
  audio.answer = 263;  // no sound device: nothing changes

  for (int attempt = 0; attempt < 5; ++attempt) SaveBind(editor);

  EXPECT_EQ(cues, std::vector(5, Cue("robot~18")));
  EXPECT_EQ(ReadBytes(disk / "big.cfg"), example) << "5000 bytes before, saved through a link";
  EXPECT_TRUE(fs::is_symlink(disk / "link.cfg"));
  EXPECT_EQ(fs::status(disk / "big.cfg").permissions(), fs::perms{0600});
  EXPECT_EQ(ReadBytes(disk / "greet"), example) << "no extension added";
  EXPECT_EQ(dialogs.file_requests[1].started_from, disk / "before.cfg") << "kept when cancelled";
  const std::string error = "The bind could not be saved to " + disk.path().string() + "/";
  EXPECT_EQ(dialogs.boxes,
            (Boxes{{error + "locked.cfg\r\n\r\nThe file is read-only.", "Save Error", 16},
                   {error + "no such folder/x.cfg\r\n\r\nNo such file or directory.",
                    "Save Error", 16}}));
  EXPECT_EQ(ReadBytes(disk / "locked.cfg"), "old bind");
  EXPECT_EQ(std::distance(fs::directory_iterator(disk.path()), {}), 4) << "no temporary file";
}

TEST_F(Operations, SaveChecksTheKeyThenTheFirstLineWithADoubleQuoteBeforeAnythingElse) {
  const auto error = [](int line) {
    return Box{"Line " + std::to_string(line) +
                   " has the \" character in it. This causes problems to this program and "
                   "Vellmar.\r\nPlease remove/replace these",
               "Character Error", 16};
  };
  document.lines[1] = "say \"hi\"";
  document.lines[5] = "\"";
  dialogs.file_choices = {disk / "x.cfg"};
  document.add_to_autoexec = true;  // and no key chosen
  SaveBind(editor);
  document.add_to_autoexec = false;
  SaveBind(editor);
  document.lines[1] = "say hi";
  SaveBind(editor);
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[0].title, "D'oh!");
  EXPECT_EQ(dialogs.boxes[1], error(2));
  EXPECT_EQ(dialogs.boxes[2], error(6));
  EXPECT_TRUE(audio.commands.empty());
  EXPECT_TRUE(dialogs.file_requests.empty());
  EXPECT_FALSE(fs::exists(disk / "x.cfg"));
}

TEST_F(Operations, OpenPlaysItsCueAndReadsTheLinesAndTheColourOrChangesNothing) {
  const BindLines saved = {" one", "\x85two", "", "", "", "", "", "eight"};
  // The longest file Open reads: only its first 352 bytes count.
  WriteBytes(disk / "b.cfg", BindBytes(saved, TextColour::Yellow) + std::string(32767 - 352, '"'));
  const BindLines eight = {"a", "b", "c", "d", "e", "f", "g", "h"};
  WriteBytes(disk / "short.cfg", BindBytes(eight, TextColour::White).substr(0, 264));
  WriteBytes(disk / "huge.cfg", std::string(32768, ' '));
  std::vector<std::string> cue;
  dialogs.on_file_dialog = [&] { cue = std::exchange(audio.commands, {}); };
  dialogs.file_choices = {disk / "b.cfg", disk / "short.cfg", disk / "missing.cfg",
                          disk / "huge.cfg", std::nullopt};

  OpenBind(editor);
  EXPECT_EQ(cue, Cue("robot~15"));
  EXPECT_EQ(dialogs.file_requests[0].mode, FileDialogMode::Open);
  EXPECT_EQ(document.lines, saved);
  EXPECT_EQ(document.colour, TextColour::Yellow);

  OpenBind(editor);  // say command 4 deleted by hand: no colour is read
  EXPECT_EQ(document.lines, (BindLines{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(document.colour, TextColour::Yellow);

  const int changes = document.line_changes;
  for (int attempt = 0; attempt < 3; ++attempt) OpenBind(editor);  // missing, too long, cancelled
  EXPECT_EQ(document.line_changes, changes);
  EXPECT_EQ(document.colour, TextColour::Yellow);
  EXPECT_EQ(document.file_name, disk / "huge.cfg") << "a cancelled dialog keeps the name";
  EXPECT_TRUE(dialogs.boxes.empty());
}

// A file named on the command line or dropped on the window: read as Open reads it, but with
// no cue and no dialog, and a file that cannot be read is reported in one box.
struct NamedFileCase {
  const char* name;
  std::function<void(const fs::path& file)> make;  // creates what `file` names
  std::optional<BindLines> lines;                  // nothing: the lines stay as they were
  TextColour colour;
  const char* reason;  // empty: no box
  friend void PrintTo(const NamedFileCase& c, std::ostream* out) { *out << c.name; }
};

const BindLines kBefore = {"before", "", "", "", "", "", "", "x"};
const BindLines kSaved = {" one", "\x85two", "", "", "", "", "", "eight"};

class OpenNamedFile : public EditorTest, public ::testing::WithParamInterface<NamedFileCase> {};

TEST_P(OpenNamedFile, ReadsItAsOpenDoesWithoutCueOrDialogAndSaysWhyItCannot) {
  const NamedFileCase& c = GetParam();
  document.lines = kBefore;
  document.colour = TextColour::White;
  const fs::path file = disk / "named bind.cfg";
  c.make(file);

  OpenBindFile(editor, file);

  EXPECT_EQ(document.lines, c.lines.value_or(kBefore));
  EXPECT_EQ(document.colour, c.colour);
  EXPECT_EQ(document.file_name, file) << "the next save dialog starts from it";
  EXPECT_TRUE(audio.commands.empty()) << "no cue";
  EXPECT_TRUE(dialogs.file_requests.empty()) << "no dialog";
  const std::string text = "The bind could not be opened from " + file.string() + "\r\n\r\n";
  const Boxes expected = *c.reason ? Boxes{{text + c.reason, "Open Error", 16}} : Boxes{};
  EXPECT_EQ(dialogs.boxes, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenNamedFile,
    ::testing::Values(NamedFileCase{"FullLengthYellow",
                                    [](const fs::path& f) {
                                      WriteBytes(
                                          f, BindBytes(kSaved, TextColour::Yellow) + "bind x\r\n");
                                    },
                                    kSaved, TextColour::Yellow, ""},
                      NamedFileCase{"ShortKeepsTheColour",
                                    [](const fs::path& f) {
                                      WriteBytes(
                                          f, BindBytes(kSaved, TextColour::Yellow).substr(0, 351));
                                    },
                                    kSaved, TextColour::White, ""},
                      NamedFileCase{"Empty", [](const fs::path& f) { WriteBytes(f, ""); },
                                    BindLines{}, TextColour::White, ""},
                      NamedFileCase{"Missing", [](const fs::path&) {}, std::nullopt,
                                    TextColour::White, "No such file or directory."},
                      NamedFileCase{"Folder", [](const fs::path& f) { fs::create_directory(f); },
                                    std::nullopt, TextColour::White, "Is a directory."},
                      NamedFileCase{"TooLong",
                                    [](const fs::path& f) {
                                      WriteBytes(f, BindBytes(kSaved, TextColour::Yellow) +
                                                        std::string(MaxOpenFileLength - 351, ' '));
                                    },
                                    std::nullopt, TextColour::White, "The file is too long."},
                      NamedFileCase{"NotAPlainFile",
                                    [](const fs::path& f) { fs::create_symlink("/dev/null", f); },
                                    std::nullopt, TextColour::White, "It is not a plain file."}),
    [](const auto& info) { return std::string(info.param.name); });

// Root reads every file, so the reading runs in a child process that has given up root.
TEST_F(Operations, ANamedFileThatCannotBeReadSaysSoInOneBoxAndChangesNoLine) {
  document.lines = kBefore;
  const fs::path file = disk / "locked.cfg";
  WriteBytes(file, BindBytes(kSaved, TextColour::Yellow));
  fs::permissions(file, fs::perms::none);
  fs::permissions(disk.path(), fs::perms{0711});
  const Box box{"The bind could not be opened from " + file.string() + "\r\n\r\nPermission denied.",
                "Open Error", 16};
  const auto read_as_another_user = [&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::exit(3);
    OpenBindFile(editor, file);
    const bool as_expected = dialogs.boxes == Boxes{box} && document.lines == kBefore &&
                             document.file_name == file && audio.commands.empty();
    std::exit(as_expected ? 0 : 1);
  };
  EXPECT_EXIT(read_as_another_user(), ::testing::ExitedWithCode(0), "");
}

// A bind lives in any file the host can name, also where the game could never reach it.
TEST_F(Operations, SaveAndOpenWorkOnFilesTheGameCouldNotName) {
  const fs::path folder = disk / "\xC5\x82ukasz";  // a home folder outside the code page
  fs::create_directory(folder);
  const fs::path file = folder / "\xC5\x81\xC3\xB3\x64\xC5\xBA.cfg";
  document.lines = {"\x85hello", "", "", "", "", "", "", "bye"};
  dialogs.file_choices = {file, file};
  SaveBind(editor);
  EXPECT_EQ(ReadBytes(file), BindBytes(document.lines, TextColour::White));
  EXPECT_EQ(document.file_name, file);

  const BindLines saved = document.lines;
  document.lines = {};
  OpenBind(editor);
  EXPECT_EQ(document.lines, saved);
  EXPECT_EQ(dialogs.file_requests[1].started_from, file) << "the next dialog starts from it";
  EXPECT_TRUE(dialogs.boxes.empty());
}

struct LoggingDevice : WavDevice {
  explicit LoggingDevice(std::vector<std::string>* l) : log(l) {}
  ~LoggingDevice() override { log->push_back("gone"); }
  bool Load(const std::filesystem::path& file) override {
    return log->push_back("load " + file.filename().string()), true;
  }
  bool Play() override { return log->push_back("play"), true; }
  void Stop() override { log->push_back("stop"); }
  std::vector<std::string>* log;
};

using Interpreter = EditorTest;

TEST_F(Interpreter, PlaysTheCueFileThatIsThereAndAnswersErrorsOtherwise) {
  std::filesystem::create_directories(disk / "Windows" / "Media");
  WriteBytes(disk / "Windows" / "Media" / "robot~18.wav", "RIFF");
  std::vector<std::string> log;
  WavCommandInterpreter interpreter(drives, [&] { return std::make_unique<LoggingDevice>(&log); });
  EXPECT_EQ(interpreter.SendCommand("open waveaudio!c:\\windows\\media\\robotz~8.wav alias sound"),
            AudioError::FileNotFound);
  PlayCue(interpreter, SaveCue);
  PlayCue(interpreter, SaveCue);  // stops and closes the first
  EXPECT_EQ(log, (std::vector<std::string>{"load robot~18.wav", "play", "stop", "stop", "gone",
                                           "load robot~18.wav", "play"}));
}

std::string Le(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// A WAV file of the given format tag, channels, rate and bits, with `extra` chunks between
// the format and the data.
std::string Wav(int tag, int channels, int rate, int bits, const std::string& data,
                const std::string& extra = "") {
  const int align = channels * bits / 8;
  const std::string fmt =
      Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) + Le(bits, 2);
  const std::string body = "WAVEfmt " + Le(16, 4) + fmt + extra + "data" +
                           Le(static_cast<std::uint32_t>(data.size()), 4) + data;
  return "RIFF" + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

struct WavCase {
  const char* name;
  std::string file;
  std::optional<WavSound::Encoding> encoding;  // nothing: refused
  int channels = 0, rate = 0, bits = 0;
  std::string samples;
  friend void PrintTo(const WavCase& c, std::ostream* out) { *out << c.name; }
};

class ParseWavFile : public ::testing::TestWithParam<WavCase> {};

TEST_P(ParseWavFile, GivesTheFormatAndWholeFramesOfUncompressedSamplesOnly) {
  const WavCase& c = GetParam();
  const auto sound = ParseWav(c.file);
  ASSERT_EQ(sound.has_value(), c.encoding.has_value());
  if (!sound) return;
  EXPECT_EQ(sound->encoding, *c.encoding);
  EXPECT_EQ(sound->channels, c.channels);
  EXPECT_EQ(sound->sample_rate, c.rate);
  EXPECT_EQ(sound->bits_per_sample, c.bits);
  EXPECT_EQ(sound->samples, c.samples);
}

using Enc = WavSound::Encoding;
WavCase Refused(const char* name, std::string file) {
  return {name, std::move(file), std::nullopt, 0, 0, 0, ""};
}
const std::string kFrames = "\x01\x02\x03\x04\x05\x06\x07\x08";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseWavFile,
    ::testing::Values(
        WavCase{"Mono8Bit", Wav(1, 1, 8000, 8, "\x30\x31\x32"), Enc::UnsignedInt, 1, 8000, 8,
                "\x30\x31\x32"},
        WavCase{"Stereo16Bit", Wav(1, 2, 22050, 16, kFrames), Enc::SignedInt, 2, 22050, 16,
                kFrames},
        WavCase{"Mono32Bit", Wav(1, 1, 44100, 32, kFrames), Enc::SignedInt, 1, 44100, 32, kFrames},
        WavCase{"Float", Wav(3, 2, 48000, 32, kFrames), Enc::Float, 2, 48000, 32, kFrames},
        WavCase{"AChunkBeforeTheDataIsSkippedWithItsPadding",
                Wav(1, 1, 8000, 8, "\x7F", "LIST" + Le(3, 4) + "abc" + '\0'), Enc::UnsignedInt, 1,
                8000, 8, "\x7F"},
        WavCase{"DataCutShortKeepsWholeFrames", Wav(1, 2, 8000, 16, kFrames).substr(0, 44 + 7),
                Enc::SignedInt, 2, 8000, 16, kFrames.substr(0, 4)},
        Refused("Compressed", Wav(2, 1, 8000, 4, kFrames)),
        Refused("TwentyFourBit", Wav(1, 1, 8000, 24, "\x01\x02\x03")),
        Refused("NoChannels", Wav(1, 0, 8000, 16, kFrames)),
        Refused("NotRiff", "RIFX" + Wav(1, 1, 8000, 8, "\x30").substr(4)),
        Refused("NoDataChunk", Wav(1, 1, 8000, 8, "\x30").substr(0, 36)),
        Refused("DataBeforeFormat", "RIFF" + Le(16, 4) + "WAVEdata" + Le(0, 4)),
        Refused("Empty", "")),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildPreviewText, PutsEachLineOnItsOwnRowWithNoBreakAfterTheLast) {
  const std::string breaks = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  EXPECT_EQ(BuildPreviewText({}), breaks);
  EXPECT_EQ(BuildPreviewText({"", "", "", "", "", "", "", "  last ."}), breaks + "  last .");
  EXPECT_EQ(BuildPreviewText({"top", "    ", "", "x", "", "", "", "end"}),
            "top\r\n    \r\n\r\nx\r\n\r\n\r\n\r\nend");
}

TEST(FindLongLines, CountsEverythingButTrailingSpaces) {
  const std::string x32(32, 'x');
  EXPECT_EQ(FindLongLines({x32, x32 + " ", x32 + "x", "    " + x32, std::string(36, ' ')}),
            (std::vector<int>{3, 4}));
}

using SpacingFixer = EditorTest;

TEST_F(SpacingFixer, ShowsItsFourBoxesWithAndWithoutLongLines) {
  const std::pair<BindLines, std::string> cases[] = {
      {{std::string(32, 'x'), "", "a", std::string(32, 'x') + "    "},
       "Doesn't seem to be any line length problems in this bind.\r\nContinue?"},
      {{"", "", std::string(33, 'x'), "", "", "", "    " + std::string(32, 'y'), ""},
       "Line 3 may be too long.\r\nLine 7 may be too long.\r\n\r\n\r\n"
       "Do you wish to continue? Or cancel to fix these problems?"},
  };
  for (const auto& [lines, step_one_rest] : cases) {
    document.lines = lines;
    dialogs.boxes.clear();
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
    RunSpacingFixer(editor);
    EXPECT_EQ(dialogs.boxes,
              (Boxes{{"Spacing Fixer\r\n\r\n"
                      "This will attempt to fix problems you may have with the spacing\r\n"
                      "of your binds.\r\n\r\nAre you sure you want to go ahead?",
                      "Spacing Fixer Warning", 67},
                     {"Spacing Fixer - Step 1\r\n\r\n"
                      "The program has checked the length of each line for problems ..\r\n\r\n" +
                          step_one_rest,
                      "Step 1", 65},
                     {"Spacing Fixer - Step 2\r\n\r\n"
                      "The program will now place an invisible to Vellmar character\r\n"
                      "down the left hand side of the bind\r\n\r\n"
                      "This will replace whatever character is there\r\n\r\n"
                      "Are you sure you wish to continue?",
                      "Step 2", 65},
                     {"Finised ...\r\n\r\nNow save the bind and try it again to see if the "
                      "spacing\r\nworks ok..",
                      "Finished", 64}}));
  }
}

TEST_F(SpacingFixer, MarksTheLinesOnlyWhenAllThreeQuestionsAreAnswered) {
  const std::string m = "\x85", full = "0123456789abcdefghijklmnopqrstuvwxyz";
  document.lines = {std::string(33, 'x'), "one", "abc", "", full, "  art", m + "ok", " "};
  for (const std::deque<Answer>& answers :
       {std::deque{Answer::No}, std::deque{Answer::Cancel}, std::deque{Answer::Yes, Answer::Cancel},
        std::deque{Answer::Yes, Answer::Ok, Answer::Cancel}}) {
    dialogs.boxes.clear();
    dialogs.answers = answers;
    RunSpacingFixer(editor);
    EXPECT_EQ(dialogs.boxes.size(), answers.size()) << "declined: no further box";
  }
  EXPECT_EQ(document.line_changes, 0);
  dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
  RunSpacingFixer(editor);
  EXPECT_EQ(document.lines, (BindLines{m + std::string(32, 'x'), m + "ne", m + "bc", m,
                                       m + full.substr(1), m + " art", m + "ok", m}));
}

}  // namespace
}  // namespace vbe::testing
