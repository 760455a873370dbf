#include "OrvTMemo.h"

#include "OrvKeyCodes.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace orv {

namespace {

// The memo's lines, read from its document and written through its text.
class TMemoLines : public TStrings {
public:
  explicit TMemoLines(QPlainTextEdit* Edit) : FEdit(Edit) {}

  int Count() const override {
    const QTextDocument* doc = FEdit->document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().text().isEmpty() ? blocks - 1 : blocks;
  }
  QString Strings(int Index) const override {
    return Index >= 0 && Index < Count() ? FEdit->document()->findBlockByNumber(Index).text() : QString();
  }
  void SetStrings(int Index, const QString& Value) override {
    if (Index < 0 || Index >= Count()) return;
    QStringList lines = StringList();
    lines[Index] = Value;
    SetStringList(lines);
  }
  void Insert(int Index, const QString& S) override {
    QStringList lines = StringList();
    lines.insert(std::clamp(Index, 0, int(lines.size())), S);
    SetStringList(lines);
  }
  void Delete(int Index) override {
    if (Index < 0 || Index >= Count()) return;
    QStringList lines = StringList();
    lines.removeAt(Index);
    SetStringList(lines);
  }
  void Clear() override { FEdit->clear(); }
  void SetStringList(const QStringList& Value) override { FEdit->setPlainText(Value.join(QLatin1Char('\n'))); }

private:
  QPlainTextEdit* FEdit;
};

}  // namespace

TCustomMemo::TCustomMemo(TOwnerArg AOwner)
    : THostedControl(AOwner), FEdit(new QPlainTextEdit(this)), FLines(std::make_unique<TMemoLines>(FEdit)) {
  SetHostedWidget(FEdit);
  HostInput(FEdit->viewport());
  FEdit->setTabChangesFocus(true);
  resize(185, 89);
  SetScrollBars(ssNone);
  connect(FEdit, &QPlainTextEdit::textChanged, this, [this] { Change(); });
}

TCustomMemo::~TCustomMemo() { disconnect(FEdit, nullptr, this, nullptr); }

QString TCustomMemo::Text() const { return FEdit->toPlainText(); }
void TCustomMemo::SetText(const QString& Value) { FEdit->setPlainText(Value); }
bool TCustomMemo::ReadOnly() const { return FEdit->isReadOnly(); }
void TCustomMemo::SetReadOnly(bool Value) { FEdit->setReadOnly(Value); }

void TCustomMemo::SetWordWrap(bool Value) {
  FWordWrap = Value;
  FEdit->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  const bool h = Value == ssHorizontal || Value == ssBoth, v = Value == ssVertical || Value == ssBoth;
  FEdit->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  FEdit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TCustomMemo::SetWantTabs(bool Value) {
  THostedControl::SetWantTabs(Value);
  FEdit->setTabChangesFocus(!Value);
}

void TCustomMemo::SelectAll() { FEdit->selectAll(); }

void TCustomMemo::KeyPress(QChar& Key) {
  THostedControl::KeyPress(Key);
  if (Key == QChar(VK_RETURN) && !FWantReturns) Key = QChar();
}

void TCustomMemo::Change() {
  if (OnChange) OnChange(this);
}

}  // namespace orv
