#include "OrvTCustomEdit.h"

#include <QGuiApplication>
#include <QLineEdit>

namespace orv {

TCustomEdit::TCustomEdit(TOwnerArg AOwner) : THostedControl(AOwner), FEdit(new QLineEdit(this)) {
  SetHostedWidget(FEdit);
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

void TCustomEdit::DoEnter() {
  // Entered by a click, the click places the caret instead.
  if (FAutoSelect && !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) FEdit->selectAll();
  THostedControl::DoEnter();
}

}  // namespace orv
