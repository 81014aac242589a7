#pragma once

#include <QString>
#include <QValidator>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vbe {

// The black square that stands for the spacing mark (byte 0x85) in the editors and the preview.
inline constexpr char16_t SpacingMarkShown = u'\u25A0';

// Bytes of the code page as the widgets show them: byte for character, 0x85 as the black square.
QString BindTextToQString(std::string_view bytes);

// The bytes of a widget's text: the black square and the ellipsis both become 0x85, and "?"
// stands for a character the code page cannot carry (the editors let none in).
std::string QStringToBindTextLossy(const QString& text);

// A message text for a Qt widget: CR LF rows become line breaks.
QString MessageTextToQString(std::string_view bytes);

// A host file name as Qt shows it, and back.
QString HostPathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToHostPath(const QString& path);

// Keeps out of a line editor whatever the code page cannot carry, and the control characters
// that would break a say command (a tab is a character of the line and stays); an ellipsis turns
// into the black square it is saved as. With a `max_length` the line then keeps at most that many
// characters: of what was just typed, pasted or set, the first ones that fit. The editor's own
// maximum length must stay above it, or the editor would cut a paste before the characters the
// code page cannot carry were dropped.
class LineCharacterFilter : public QValidator {
 public:
  explicit LineCharacterFilter(QObject* parent, int max_length = 0)
      : QValidator(parent), max_length_(max_length) {}
  State validate(QString& input, int& position) const override;

 private:
  int max_length_;
  mutable QString accepted_;  // the text as the last validation left it
};

}  // namespace vbe
