#include "qt/line_input.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include "app/main_window.h"
#include "app/text_filter.h"
#include "qt/bind_text.h"

namespace vbe {
namespace {

// Refuses any text the filter would not have left as it is. A refused edit is undone by the
// editor without touching its history, where a rewritten one would clear it.
class LineGuard : public QValidator {
 public:
  LineGuard(QObject* parent, std::size_t max_length) : QValidator(parent), max_(max_length) {}
  State validate(QString& input, int&) const override {
    if (static_cast<std::size_t>(input.size()) > max_) return Invalid;
    for (QChar c : input) {
      if (!IsLineCharacter(c.unicode())) return Invalid;
    }
    return Acceptable;
  }

 private:
  std::size_t max_;
};

// Watches every way text enters the editor and inserts the filtered text instead.
class LineInputFilter : public QObject {
 public:
  LineInputFilter(QLineEdit* editor, std::size_t max_length)
      : QObject(editor), editor_(editor), max_(max_length) {
    setObjectName(kName);
  }
  // The name it is found by among the editor's children.
  static constexpr const char* kName = "vbe_line_input";

  bool eventFilter(QObject*, QEvent* event) override {
    if (editor_->isReadOnly()) return false;
    switch (event->type()) {
      case QEvent::KeyPress:
        return OnKey(static_cast<QKeyEvent*>(event));
      case QEvent::ContextMenu:
        ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection()) {
          return false;
        }
        editor_->deselect();
        Insert(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
      case QEvent::Drop:
        return OnDrop(static_cast<QDropEvent*>(event));
      case QEvent::InputMethod:
        return OnInputMethod(static_cast<QInputMethodEvent*>(event));
      default:
        return false;
    }
  }

  void SetPasteRows(std::function<void(const QString&)> paste_rows) {
    paste_rows_ = std::move(paste_rows);
  }

 private:
  std::size_t Room(qsizetype replaced) const {
    return RoomLeft(static_cast<std::size_t>(editor_->text().size()),
                    static_cast<std::size_t>(replaced), max_);
  }

  // Inserts what the filter keeps of `text` over the selection, as one edit; nothing kept,
  // nothing changes. Rows go where they were routed.
  void Insert(const QString& text) {
    const std::u16string inserted = ToUtf16(text);
    if (paste_rows_ && HoldsLineBreak(inserted)) {
      paste_rows_(text);
      return;
    }
    const KeptInsertion kept = FilterInsertion(inserted, Room(editor_->selectedText().size()));
    if (!kept.text.empty()) editor_->insert(ToQString(kept.text));
    if (kept.refused) emit editor_->inputRejected();
  }

  // The keys the editor would insert as text, as QLineEdit decides: a printable text that is
  // not a Ctrl shortcut.
  static bool InsertsText(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty()) return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format) return true;
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) {
      return false;
    }
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1);
  }

  bool OnKey(QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste)) {
      // Ctrl+Shift+Insert pastes the selection, as the editor itself would on X11.
      const bool selection = key->key() == Qt::Key_Insert &&
                             key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                             QGuiApplication::clipboard()->supportsSelection();
      Insert(QGuiApplication::clipboard()->text(selection ? QClipboard::Selection
                                                          : QClipboard::Clipboard));
      return true;
    }
    if (!InsertsText(key)) return false;
    const QString text = key->text();
    // The common case, one character a line may hold with room for it, costs no copies.
    if (text.size() == 1 && IsLineCharacter(text[0].unicode()) &&
        Room(editor_->selectedText().size()) > 0) {
      return false;
    }
    const std::u16string typed = ToUtf16(text);
    const KeptInsertion kept = FilterInsertion(typed, Room(editor_->selectedText().size()));
    if (kept.text == typed) return false;  // the editor types it as it stands
    if (!kept.text.empty()) editor_->insert(ToQString(kept.text));
    if (kept.refused) emit editor_->inputRejected();
    return true;
  }

  // The editor's own menu, whose Paste goes through the filter.
  void ShowContextMenu(const QPoint& at) {
    QMenu* menu = editor_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
      // The menu's Paste is the action wired to the editor's own paste.
      if (!QObject::disconnect(action, SIGNAL(triggered()), editor_, SLOT(paste())) &&
          !QObject::disconnect(action, &QAction::triggered, editor_, &QLineEdit::paste)) {
        continue;
      }
      connect(action, &QAction::triggered, this,
              [this] { Insert(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(at);
  }

  bool OnDrop(QDropEvent* drop) {
    const QMimeData* data = drop->mimeData();
    // Files are the window's; a move inside the editor moves text it already holds.
    if (!data || data->hasUrls() || !data->hasText() || drop->source() == editor_) return false;
    editor_->deselect();
    editor_->setCursorPosition(editor_->cursorPositionAt(drop->position().toPoint()));
    Insert(data->text());
    drop->acceptProposedAction();
    editor_->setFocus(Qt::MouseFocusReason);
    return true;
  }

  bool OnInputMethod(QInputMethodEvent* input) {
    const std::u16string commit = ToUtf16(input->commitString());
    if (commit.empty()) return false;
    const KeptInsertion kept =
        FilterInsertion(commit, Room(editor_->selectedText().size() + input->replacementLength()));
    if (kept.text == commit) return false;
    QInputMethodEvent filtered(input->preeditString(), input->attributes());
    filtered.setCommitString(ToQString(kept.text), input->replacementStart(),
                             input->replacementLength());
    QCoreApplication::sendEvent(editor_, &filtered);
    if (kept.refused) emit editor_->inputRejected();
    return true;
  }

  QLineEdit* editor_;
  std::size_t max_;
  std::function<void(const QString&)> paste_rows_;
};

}  // namespace

void FilterLineInput(QLineEdit* editor, std::size_t max_length) {
  if (max_length != NoLengthLimit) editor->setMaxLength(static_cast<int>(max_length));
  editor->setValidator(new LineGuard(editor, max_length));
  editor->installEventFilter(new LineInputFilter(editor, max_length));
}

void RoutePastedRows(QLineEdit* editor, std::function<void(const QString&)> paste_rows) {
  // The filter has no meta-object of its own, so it is found by its name.
  if (auto* filter =
          editor->findChild<QObject*>(LineInputFilter::kName, Qt::FindDirectChildrenOnly)) {
    static_cast<LineInputFilter*>(filter)->SetPasteRows(std::move(paste_rows));
  }
}

}  // namespace vbe
