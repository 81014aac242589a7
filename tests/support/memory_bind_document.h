#pragma once

#include <filesystem>
#include <string>

#include "core/bind_document.h"

namespace vbe::testing {

// A document held in plain values.
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
  void SetLine(int number, const std::string& text) override {
    std::string& line = lines.at(number - 1);
    const std::string kept = text.substr(0, DisplayLineWidth);
    if (kept != line) ++line_changes;
    line = kept;
  }
  void ReplaceFirstCharacter(int number, char character) override {
    const std::string& line = lines.at(number - 1);
    SetLine(number, character + (line.empty() ? line : line.substr(1)));
  }
  TextColour Colour() const override { return colour; }
  void SetColour(TextColour c) override { colour = c; }
  std::string Key() const override { return key; }
  bool AddToAutoexec() const override { return add_to_autoexec; }
  std::string AutoexecFolder() const override { return autoexec_folder; }
  std::filesystem::path FileName() const override { return file_name; }
  void SetFileName(const std::filesystem::path& name) override { file_name = name; }
};

}  // namespace vbe::testing
