// The bind being edited and what is done with it.
//
// A bind is eight short lines and a colour. Save composes them into four long `say` commands
// (bind_file.h) and writes the 352-byte bind file; Open reads such a file back (bind_reader.h).
// Everything here is a decision on bytes; the operations behind the buttons (commands/) read and
// write a BindDocument, which the main window's behaviour (app/) implements over its controls.
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

}  // namespace vbe
