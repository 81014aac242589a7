// The bind being edited and what is done with it.
//
// A bind is eight short lines and a colour. Save composes them into four long `say` commands
// (bind_file.h) and writes the 352-byte bind file; Open reads such a file back. The operations
// (operations.h) never touch a widget: they read and write a BindDocument, talk to the user
// through UserDialogs and reach files through the drive table. The main window implements
// BindDocument over its controls; tests use MemoryBindDocument.
//
// Every text is Windows-1252 bytes, one byte a character, exactly as the game's files hold them.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vbe {

// At most this many characters make one line of a bind.
inline constexpr std::size_t DisplayLineWidth = 36;
inline constexpr int LineCount = 8;

enum class TextColour { White, Yellow };

// Carriage return and line feed: joins the rows of the preview and of message texts.
inline constexpr std::string_view LineBreak = "\r\n";

// The key chooser's text when nothing has been picked.
inline constexpr std::string_view KeyPrompt = "Choose your key";

inline constexpr std::string_view DefaultAutoexecFolder = "c:\\program files\\Vellmar\\main";

// Lines 1 to 8 at indices 0 to 7.
using BindLines = std::array<std::string, LineCount>;

class BindDocument {
 public:
  virtual ~BindDocument() = default;

  // Lines are numbered 1 to 8 from the top. Setting a line goes through its editor, so the
  // editor's change handling runs; an editor keeps at most DisplayLineWidth characters.
  virtual std::string Line(int number) const = 0;
  virtual void SetLine(int number, const std::string& text) = 0;
  // Replaces the first character of a line with `character` the way a user would: select
  // (0, 1) in the line's editor and type over it. An empty line gets the character inserted.
  // The editor's change handling runs once.
  virtual void ReplaceFirstCharacter(int number, char character) = 0;

  virtual TextColour Colour() const = 0;
  virtual void SetColour(TextColour colour) = 0;

  virtual std::string Key() const = 0;
  virtual bool AddToAutoexec() const = 0;
  virtual std::string AutoexecFolder() const = 0;

  // The file last chosen in the shared open/save dialog, as the host names it; empty until one
  // was chosen. A bind may live in any file the host can name; only the autoexec line needs a
  // name the game can reach.
  virtual std::filesystem::path FileName() const = 0;
  virtual void SetFileName(const std::filesystem::path& file_name) = 0;

  BindLines Lines() const;
};

// A document held in plain values, for tests and benchmarks.
class MemoryBindDocument : public BindDocument {
 public:
  BindLines lines;
  TextColour colour = TextColour::White;
  std::string key{KeyPrompt};
  bool add_to_autoexec = false;
  std::string autoexec_folder{DefaultAutoexecFolder};
  std::filesystem::path file_name;
  int line_changes = 0;  // how often a line's text actually changed

  std::string Line(int number) const override { return lines.at(number - 1); }
  void SetLine(int number, const std::string& text) override;
  void ReplaceFirstCharacter(int number, char character) override;
  TextColour Colour() const override { return colour; }
  void SetColour(TextColour c) override { colour = c; }
  std::string Key() const override { return key; }
  bool AddToAutoexec() const override { return add_to_autoexec; }
  std::string AutoexecFolder() const override { return autoexec_folder; }
  std::filesystem::path FileName() const override { return file_name; }
  void SetFileName(const std::filesystem::path& name) override { file_name = name; }
};

}  // namespace vbe
