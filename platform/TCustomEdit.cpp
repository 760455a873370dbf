#include "OrvTCustomEdit.h"

#include "OrvKeyCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orv {

TCustomEdit::TCustomEdit(TOwnerArg AOwner) : TControl(AOwner), FEdit(new QLineEdit(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FEdit);
  setFocusProxy(FEdit);
  setFocusPolicy(Qt::StrongFocus);
  FEdit->installEventFilter(this);
  // Grows and shrinks as its line edit does: sideways only.
  setSizePolicy(FEdit->sizePolicy());
  SetInitialSize(121, FEdit->sizeHint().height());
  connect(FEdit, &QLineEdit::textChanged, this, [this] { Change(); });
}

QString TCustomEdit::Text() const { return FEdit->text(); }
void TCustomEdit::SetText(const QString& Value) { FEdit->setText(Value); }
bool TCustomEdit::ReadOnly() const { return FEdit->isReadOnly(); }
void TCustomEdit::SetReadOnly(bool Value) { FEdit->setReadOnly(Value); }
int TCustomEdit::MaxLength() const { return FEdit->maxLength() == 32767 ? 0 : FEdit->maxLength(); }
void TCustomEdit::SetMaxLength(int Value) { FEdit->setMaxLength(Value <= 0 ? 32767 : Value); }

int TCustomEdit::SelStart() const { return FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition(); }

void TCustomEdit::SetSelStart(int Value) { FEdit->setCursorPosition(std::clamp(Value, 0, int(Text().size()))); }

int TCustomEdit::SelLength() const { return FEdit->hasSelectedText() ? FEdit->selectionLength() : 0; }

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  FEdit->setSelection(start, std::clamp(Value, 0, int(Text().size()) - start));
}

QString TCustomEdit::SelText() const { return FEdit->selectedText(); }
void TCustomEdit::SetSelText(const QString& Value) { FEdit->insert(Value); }
void TCustomEdit::SelectAll() { FEdit->selectAll(); }
void TCustomEdit::ClearSelection() { FEdit->del(); }
bool TCustomEdit::PasswordMode() const { return FEdit->echoMode() == QLineEdit::Password; }
void TCustomEdit::SetPasswordMode(bool Value) { FEdit->setEchoMode(Value ? QLineEdit::Password : QLineEdit::Normal); }
void TCustomEdit::CopyToClipboard() { FEdit->copy(); }
void TCustomEdit::CutToClipboard() { FEdit->cut(); }
void TCustomEdit::PasteFromClipboard() { FEdit->paste(); }

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::FontChanged() { FEdit->setFont(font()); }

// Keys typed into the line edit pass through the framework's key methods
// first; a key set to 0 there does not reach the line edit.
bool TCustomEdit::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FEdit) {
    switch (Event->type()) {
      case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(Event);
        std::uint16_t key = QtKeyToVirtualKey(k->key(), k->modifiers());
        const TShiftState shift = KeyShiftState(k);
        if (key != 0) {
          KeyDown(key, shift);
          if (key == 0) return true;
        }
        const QString text = k->text();
        if (text.size() == 1 && IsKeyPressChar(text[0], false) && !shift.Contains(ssCtrl)) {
          QChar c = text[0];
          KeyPress(c);
          if (c.isNull()) return true;
          if (c != text[0]) {
            FEdit->insert(QString(c));
            return true;
          }
        }
        break;
      }
      case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(Event);
        std::uint16_t key = QtKeyToVirtualKey(k->key(), k->modifiers());
        if (key != 0) KeyUp(key, KeyShiftState(k));
        break;
      }
      case QEvent::FocusIn:
        if (FAutoSelect && static_cast<QFocusEvent*>(Event)->reason() != Qt::MouseFocusReason) FEdit->selectAll();
        DoEnter();
        break;
      case QEvent::FocusOut:
        DoExit();
        break;
      case QEvent::MouseButtonDblClick:
        DblClick();
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) Click();
        break;
      default:
        break;
    }
  }
  return TControl::eventFilter(Watched, Event);
}

}  // namespace orv
