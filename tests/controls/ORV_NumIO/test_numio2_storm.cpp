// A storm of random keys, clipboard contents, clicks, drags and timer ticks
// (fixed seed) against TNumIO2 in every input format: it never throws, and
// after every event the buffer is valid or an accepted partial entry and the
// caret and selection lie inside it.
#include "NumIO2Fixture.h"

#include <random>

using namespace orv;
using namespace orv::test;

namespace {

struct KeyStroke {
  Qt::Key Key;
  Qt::KeyboardModifiers Mods;
};

const KeyStroke kKeys[] = {
    {Qt::Key_0, {}},          {Qt::Key_1, {}},          {Qt::Key_2, {}},           {Qt::Key_5, {}},
    {Qt::Key_7, {}},          {Qt::Key_8, {}},          {Qt::Key_9, {}},           {Qt::Key_A, {}},
    {Qt::Key_C, {}},          {Qt::Key_E, {}},          {Qt::Key_F, {}},           {Qt::Key_G, {}},
    {Qt::Key_Z, {}},          {Qt::Key_Period, {}},     {Qt::Key_Comma, {}},       {Qt::Key_Minus, {}},
    {Qt::Key_Plus, {}},       {Qt::Key_Space, {}},      {Qt::Key_Escape, {}},      {Qt::Key_F1, {}},
    {Qt::Key_3, Qt::KeypadModifier}, {Qt::Key_Period, Qt::KeypadModifier}, {Qt::Key_Minus, Qt::KeypadModifier},
    {Qt::Key_Plus, Qt::KeypadModifier}, {Qt::Key_4, Qt::ShiftModifier},  {Qt::Key_5, Qt::ShiftModifier},
    {Qt::Key_6, Qt::ShiftModifier}, {Qt::Key_Dollar, {}},  {Qt::Key_Backspace, {}},   {Qt::Key_Delete, {}},
    {Qt::Key_Home, {}},       {Qt::Key_End, {}},        {Qt::Key_Left, {}},        {Qt::Key_Right, {}},
    {Qt::Key_Up, {}},         {Qt::Key_Down, {}},       {Qt::Key_Backspace, {}},   {Qt::Key_Left, {}},
    {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_5, Qt::AltModifier},
};

class NumIO2Storm : public NumIO2Test {
protected:
  QString RandomClipboard() {
    static const QString fixed[] = {
        QString(),          QStringLiteral("12"),   QStringLiteral("-3.5"), QStringLiteral("$FF"),
        QStringLiteral("%101"), QStringLiteral("&17"), QStringLiteral("1e5"), QStringLiteral("1,5"),
        QStringLiteral("abc"), QStringLiteral("0.25"), QStringLiteral("1e4201"), QString(300, QLatin1Char('9')),
    };
    if (Rng() % 3) return fixed[Rng() % std::size(fixed)];
    static const QString alphabet = QStringLiteral("0123456789.,-+eE$%&xA \n\u00e9");
    QString s;
    const int len = int(Rng() % (Rng() % 10 == 0 ? 600 : 8));
    for (int i = 0; i < len; ++i) s += alphabet[int(Rng() % alphabet.size())];
    return s;
  }

  QPoint RandomPoint() {
    return {int(Rng() % (N->Width() + 10)) - 5, int(Rng() % (N->Height() + 10)) - 5};
  }

  void RandomEvent() {
    switch (Rng() % 10) {
      case 0: Clipboard()->SetAsText(RandomClipboard()); break;
      case 1: {
        const QPoint p = RandomPoint();
        Click(p.x(), p.y());
        break;
      }
      case 2: {
        QPoint p = RandomPoint();
        Press(p.x(), p.y());
        for (int i = int(Rng() % 4); i >= 0; --i) {
          p = RandomPoint();
          DragTo(p.x(), p.y());
        }
        Release(p.x(), p.y());
        break;
      }
      case 3: AdvanceTimers(int(Rng() % 700)); break;
      default: {
        const KeyStroke& k = kKeys[Rng() % std::size(kKeys)];
        Key(k.Key, k.Mods);
        break;
      }
    }
  }

  void ExpectSound(const char* Config, int Step) {
    const QString t = N->Text();
    const bool partial = t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+");
    ASSERT_TRUE(partial || N->CheckValidity(t)) << Config << " step " << Step << ": \"" << t.left(80).toStdString() << "\"";
    const int len = int(t.size());
    ASSERT_TRUE(N->SelBegin() >= 0 && N->SelBegin() <= N->SelEnd() && N->SelEnd() <= len)
        << Config << " step " << Step << ": " << N->SelBegin() << ".." << N->SelEnd() << " of " << len;
    ASSERT_TRUE(N->CaretPos() >= 0 && N->CaretPos() <= len) << Config << " step " << Step;
  }

  std::mt19937 Rng{20240611};
};

}  // namespace

TEST_F(NumIO2Storm, RandomInputKeepsTheBufferSound) {
  N->SetWidth(300);
  N->SetHeight(40);
  N->SetButVisible(true);
  N->SetGaugeVisible(true);
  N->SetFreezeBoxVisible(true);
  N->SetRangeLow(-500);
  N->SetBeep(true);
  const int handled = HandledExceptionCount();
  struct Config {
    const char* Name;
    TInFormat Format;
    TDecPSep Sep;
    TAlignment Align;
    bool Pivots;
  };
  // (A comma-only fixed-point field is left out: its rule looks for "." and
  // accepts no decimals at all.)
  const Config configs[] = {
      {"exp", itExp, dpsDotOrComma, taCenter, false},     {"float dot", itFloat, dpsDot, taLeftJustify, true},
      {"float comma", itFloat, dpsComma, taRightJustify, false}, {"fixpoint", itFixPoint, dpsDotOrComma, taCenter, true},
      {"int", itInt, dpsSystem, taLeftJustify, false},    {"hex", itHex, dpsDotOrComma, taRightJustify, false},
      {"oct", itOct, dpsDotOrComma, taCenter, true},      {"bin", itBin, dpsDotOrComma, taCenter, false},
      {"dynamic", itDynamic, dpsDotOrComma, taLeftJustify, true}, {"exp comma", itExp, dpsComma, taCenter, true},
  };
  for (const Config& c : configs) {
    N->SetFreezeBoxChecked(false);
    N->SetInputFormat(c.Format);
    N->SetDecPlaceSep(c.Sep);
    N->SetAlignment(c.Align);
    N->ButtonPivots = c.Pivots ? QList<double>{-500, -1, 0, 2.5, 10, 999} : QList<double>{};
    N->SetText(QString());
    N->SetFocus();
    for (int step = 0; step < 500; ++step) {
      RandomEvent();
      if (!N->Focused()) N->SetFocus();
      ExpectSound(c.Name, step);
      if (HasFatalFailure()) return;
    }
  }
  EXPECT_EQ(HandledExceptionCount(), handled);
}
