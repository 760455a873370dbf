// TNumIO2 editing and interaction, driven by real key and mouse events:
// typing with the online check, editing keys, the clipboard, the caret timer,
// spin buttons, gauge, freeze box, value conversions, separators and Assign.
#include "NumIO2Fixture.h"

#include <functional>

using namespace orv;
using namespace orv::test;

namespace {

class NumIO2Input : public NumIO2Test {
protected:
  void Paste(const QString& S) {
    Clipboard()->SetAsText(S);
    Key(Qt::Key_V, Qt::ControlModifier);
  }
  QPoint UpButton() const { return {N->ButtonRect().Left + N->ButWidth() / 2, N->ButHeight() / 4}; }
  QPoint DownButton() const { return {N->ButtonRect().Left + N->ButWidth() / 2, N->ButHeight() * 3 / 4}; }
  int GaugeY() const { return N->Height() - 4; }
};

class SystemSeparator {
public:
  explicit SystemSeparator(QChar c) : FOld(FormatSettings.DecimalSeparator) { FormatSettings.DecimalSeparator = c; }
  ~SystemSeparator() { FormatSettings.DecimalSeparator = FOld; }

private:
  QChar FOld;
};

}  // namespace

// ---------------------------------------------------------------- typing

TEST_F(NumIO2Input, TypingAFloatWithTheOnlineCheck) {
  N->SetBeep(true);
  Type(QStringLiteral("1.5"));
  EXPECT_EQ(N->Text(), QStringLiteral("1.5"));
  EXPECT_EQ(N->CaretPos(), 3);
  EXPECT_EQ(Changes, 3);
  const int beeps = BeepCount();
  Type(QStringLiteral("."));  // a second separator is refused, buffer unchanged
  EXPECT_EQ(N->Text(), QStringLiteral("1.5"));
  EXPECT_EQ(N->CaretPos(), 3);
  EXPECT_EQ(BeepCount(), beeps + 1);
  EXPECT_EQ(Changes, 3);
  N->SetText(QString());
  Type(QStringLiteral("-"));  // a lone sign is an accepted partial entry
  EXPECT_EQ(N->Text(), QStringLiteral("-"));
  Type(QStringLiteral("."));
  EXPECT_EQ(N->Text(), QStringLiteral("-."));
  N->SetBeep(false);
  Type(QStringLiteral("x"));  // no character for this key: refused silently
  EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(NumIO2Input, KeysTypeTheirCharactersPerFormat) {
  struct Case {
    const char* Name;
    TInFormat Format;
    TDecPSep Sep;
    std::function<void()> Keys;
    const char* Expected;
  };
  const Case cases[] = {
      {"keypad digits and decimal", itFloat, dpsDotOrComma,
       [&] {
         Key(Qt::Key_1, Qt::KeypadModifier);
         Key(Qt::Key_Period, Qt::KeypadModifier);
         Key(Qt::Key_5, Qt::KeypadModifier);
       },
       "1,5"},
      {"keypad decimal is a comma", itFloat, dpsDot,
       [&] {
         Key(Qt::Key_1, Qt::KeypadModifier);
         Key(Qt::Key_Period, Qt::KeypadModifier);
         Key(Qt::Key_9, Qt::KeypadModifier);
       },
       "19"},
      {"exponent with minus", itExp, dpsDotOrComma, [&] { Type(QStringLiteral("1e-3")); }, "1E-3"},
      {"keypad minus and plus", itInt, dpsDotOrComma,
       [&] {
         Key(Qt::Key_Minus, Qt::KeypadModifier);
         Key(Qt::Key_7);
         Key(Qt::Key_Home);
         Key(Qt::Key_Plus, Qt::KeypadModifier);
       },
       "-7"},
      {"plus key", itInt, dpsDotOrComma, [&] { Type(QStringLiteral("+7")); }, "+7"},
      {"hex letters, G refused", itHex, dpsDotOrComma, [&] { Type(QStringLiteral("aF0g")); }, "AF0"},
      {"octal", itOct, dpsDotOrComma, [&] { Type(QStringLiteral("780")); }, "70"},
      {"binary", itBin, dpsDotOrComma, [&] { Type(QStringLiteral("1021")); }, "101"},
      {"lone dollar refused", itDynamic, dpsDotOrComma, [&] { Key(Qt::Key_4, Qt::ShiftModifier); }, ""},
      {"hex digit without prefix refused", itDynamic, dpsDotOrComma, [&] { Type(QStringLiteral("F")); }, ""},
      {"Shift+5 before binary digits", itDynamic, dpsDotOrComma,
       [&] {
         Type(QStringLiteral("101"));
         Key(Qt::Key_Home);
         Key(Qt::Key_5, Qt::ShiftModifier);
       },
       "%101"},
      {"dollar and ampersand as the layout reports them", itDynamic, dpsDotOrComma,
       [&] {
         Type(QStringLiteral("17"));
         Key(Qt::Key_Home);
         Key(Qt::Key_Ampersand);
         Key(Qt::Key_Dollar);
       },
       "&17"},
  };
  for (const Case& c : cases) {
    N->SetInputFormat(c.Format);
    N->SetDecPlaceSep(c.Sep);
    N->SetText(QString());
    c.Keys();
    EXPECT_EQ(N->Text(), QString::fromLatin1(c.Expected)) << c.Name;
  }
  N->SetText(QString());
  Paste(QStringLiteral("$FF"));
  EXPECT_EQ(N->Text(), QStringLiteral("$FF"));
  EXPECT_EQ(N->GetNioValue(), 255);
}

TEST_F(NumIO2Input, EditingKeysMoveTheCaretAndDelete) {
  N->SetText(QStringLiteral("1234"));
  Key(Qt::Key_End);
  Key(Qt::Key_Left);
  Key(Qt::Key_Up);
  EXPECT_EQ(N->CaretPos(), 2);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(N->Text(), QStringLiteral("134"));
  EXPECT_EQ(N->CaretPos(), 1);
  Key(Qt::Key_Delete);
  EXPECT_EQ(N->Text(), QStringLiteral("14"));
  EXPECT_EQ(Changes, 2);
  Key(Qt::Key_Home);
  Key(Qt::Key_Backspace);  // nothing before the caret: no change
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  EXPECT_EQ(N->CaretPos(), 2);
  Key(Qt::Key_Delete);  // nothing after the caret
  EXPECT_EQ(N->Text(), QStringLiteral("14"));
  EXPECT_EQ(Changes, 2);
  Edit(QStringLiteral("98765"), 1, 3);
  Key(Qt::Key_Delete);
  EXPECT_EQ(N->Text(), QStringLiteral("965"));
  EXPECT_EQ(N->CaretPos(), 1);
  EXPECT_EQ(N->SelBegin(), N->SelEnd());
  Edit(QStringLiteral("98765"), 1, 3);
  Type(QStringLiteral("4"));  // typing replaces the selection
  EXPECT_EQ(N->Text(), QStringLiteral("9465"));
  EXPECT_EQ(N->CaretPos(), 2);
}

TEST_F(NumIO2Input, RefusedKeyRestoresBufferCaretAndSelection) {
  Edit(QStringLiteral("12.5"), 0, 2);
  Type(QStringLiteral("."));  // the buffer would be "..5"
  EXPECT_EQ(N->Text(), QStringLiteral("12.5"));
  EXPECT_EQ(N->SelBegin(), 0);
  EXPECT_EQ(N->SelEnd(), 2);
  EXPECT_EQ(Changes, 0);
}

TEST_F(NumIO2Input, FixedPointDecimalsAreTypedOver) {
  N->SetInputFormat(itFixPoint);
  N->SetText(QStringLiteral("3.14"));
  Key(Qt::Key_Home);
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  EXPECT_EQ(N->CaretPos(), 2);
  EXPECT_EQ(N->SelBegin(), 2);
  EXPECT_EQ(N->SelEnd(), 3);
  Type(QStringLiteral("9"));
  EXPECT_EQ(N->Text(), QStringLiteral("3.94"));
  EXPECT_EQ(N->SelBegin(), 3);
  EXPECT_EQ(N->SelEnd(), 4);
  Type(QStringLiteral("5"));
  EXPECT_EQ(N->Text(), QStringLiteral("3.95"));
  EXPECT_EQ(N->SelBegin(), N->SelEnd());
  Type(QStringLiteral("1"));  // a third decimal is refused
  EXPECT_EQ(N->Text(), QStringLiteral("3.95"));
  Key(Qt::Key_Home);
  Type(QStringLiteral("2"));  // integer digits are inserted
  EXPECT_EQ(N->Text(), QStringLiteral("23.95"));
  EXPECT_EQ(N->SelBegin(), N->SelEnd());
}

TEST_F(NumIO2Input, DeletingTheWholeSelectionWritesZero) {
  for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Delete}) {
    Edit(QStringLiteral("12.50"), 0, 5);
    Changes = 0;
    Key(k);
    EXPECT_EQ(N->Text(), QStringLiteral("0.00"));
    EXPECT_EQ(N->CaretPos(), 0);
    EXPECT_EQ(Changes, 1);
  }
  Edit(QStringLiteral("12.50"), 0, 5);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("12.50"));
  EXPECT_EQ(N->Text(), QStringLiteral("0.00"));
}

TEST_F(NumIO2Input, ClipboardCopyCutAndPaste) {
  N->SetBeep(true);
  Edit(QStringLiteral("1234"), 1, 3);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("23"));
  EXPECT_EQ(N->Text(), QStringLiteral("1234"));
  Paste(QStringLiteral("99"));
  EXPECT_EQ(N->Text(), QStringLiteral("1994"));
  EXPECT_EQ(N->CaretPos(), 3);
  EXPECT_EQ(N->SelBegin(), 0);
  EXPECT_EQ(N->SelEnd(), 0);
  EXPECT_EQ(Changes, 1);
  Edit(QStringLiteral("1234"), 0, 0);
  Key(Qt::Key_X, Qt::ControlModifier);  // nothing selected: nothing cut
  EXPECT_EQ(N->Text(), QStringLiteral("1234"));
  const int beeps = BeepCount();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(NumIO2Input, InvalidPasteOfAnyLengthIsRefusedWhole) {
  N->SetBeep(true);
  N->SetText(QStringLiteral("42"));
  Key(Qt::Key_End);
  const QString invalid[] = {
      QStringLiteral("12a"),
      QStringLiteral("1\n2"),
      QString(200000, QLatin1Char('7')) + QLatin1Char('x'),
      QStringLiteral("\u0661\u0662"),  // other digits than ASCII ones
      QStringLiteral("1.2.3"),
  };
  const int beeps = BeepCount();
  for (const QString& s : invalid) {
    Paste(s);
    EXPECT_EQ(N->Text(), QStringLiteral("42"));
    EXPECT_EQ(N->CaretPos(), 2);
  }
  EXPECT_EQ(BeepCount(), beeps + int(std::size(invalid)));
  EXPECT_EQ(Changes, 0);
  N->SetInputFormat(itInt);
  N->SetText(QString());
  Paste(QString(50000, QLatin1Char('9')));  // valid digits: accepted, the value saturates
  EXPECT_EQ(N->Text().size(), 50000);
  EXPECT_EQ(N->GetNioValue(), 2147483647.0);
}

TEST_F(NumIO2Input, ReadOnlyCopiesButDoesNotEdit) {
  N->SetBeep(true);
  Edit(QStringLiteral("1234"), 0, 2);
  N->SetReadOnly(true);
  const int beeps = BeepCount();
  Key(Qt::Key_Backspace);
  Type(QStringLiteral("5"));
  Paste(QStringLiteral("7"));
  EXPECT_EQ(N->Text(), QStringLiteral("1234"));
  EXPECT_EQ(BeepCount(), beeps);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("12"));
  Key(Qt::Key_Tab);  // the focus is never trapped
  EXPECT_TRUE(Next->hasFocus());
}

TEST_F(NumIO2Input, TabMovesToTheNextControl) {
  Type(QStringLiteral("5"));
  Key(Qt::Key_Tab);
  EXPECT_TRUE(Next->hasFocus());
  EXPECT_EQ(N->Text(), QStringLiteral("5"));
}

TEST_F(NumIO2Input, KeyEventsStillReachTheHandlers) {
  std::vector<std::uint16_t> downs, ups;
  N->OnKeyDown = [&](TObject*, std::uint16_t& k, TShiftState) { downs.push_back(k); };
  N->OnKeyUp = [&](TObject*, std::uint16_t& k, TShiftState) { ups.push_back(k); };
  Type(QStringLiteral("7"));
  EXPECT_EQ(downs, std::vector<std::uint16_t>{'7'});
  EXPECT_EQ(ups, std::vector<std::uint16_t>{'7'});
}

// ------------------------------------------------------------ caret timer

TEST_F(NumIO2Input, CaretBlinksWhileFocusedAndStopsWithoutFocus) {
  const int timers = ActiveTimerCount();
  EXPECT_TRUE(N->CaretVisible());
  AdvanceTimers(499);
  EXPECT_TRUE(N->CaretVisible());
  AdvanceTimers(1);
  EXPECT_FALSE(N->CaretVisible());
  AdvanceTimers(500);
  EXPECT_TRUE(N->CaretVisible());
  Next->setFocus();
  AdvanceTimers(500);
  EXPECT_FALSE(N->CaretVisible());
  EXPECT_EQ(ActiveTimerCount(), timers - 1);
  N->SetFocus();
  EXPECT_TRUE(N->CaretVisible());
  EXPECT_EQ(ActiveTimerCount(), timers);
  N->SetReadOnly(true);
  EXPECT_FALSE(N->CaretVisible());
  EXPECT_EQ(ActiveTimerCount(), timers - 1);
  Type(QStringLiteral("1"));
  AdvanceTimers(2000);
  EXPECT_FALSE(N->CaretVisible());
  N->SetReadOnly(false);
  EXPECT_TRUE(N->CaretVisible());
  EXPECT_EQ(ActiveTimerCount(), timers);
}

TEST_F(NumIO2Input, NoTimerAvailableFromEveryPlaceThatStartsIt) {
  N->SetName(QStringLiteral("Speed"));
  const QString msg = QStringLiteral("Component \"Speed\": no timer available");
  auto expectNoTimer = [&](const char* where, const std::function<void()>& f) {
    try {
      f();
      ADD_FAILURE() << where << ": no exception";
    } catch (const EORVNumIO2Error& e) {
      EXPECT_EQ(e.Message(), msg) << where;
    }
  };
  SetTimersFail(true);
  EXPECT_THROW(TNumIO2 failing(nullptr), EORVNumIO2Error);
  expectNoTimer("SetFocus", [&] { N->SetFocus(); });
  expectNoTimer("Click", [&] { N->Click(); });
  SetTimersFail(false);
  N->SetReadOnly(true);
  SetTimersFail(true);
  expectNoTimer("leaving read-only", [&] { N->SetReadOnly(false); });
  expectNoTimer("unfreezing", [&] {
    N->SetFreezeBoxChecked(true);
    N->SetFreezeBoxChecked(false);
  });
  // From Qt's own events the error goes to the application's handler.
  const int handled = HandledExceptionCount();
  Next->setFocus();
  Click(60, 10);
  EXPECT_GT(HandledExceptionCount(), handled);
  SetTimersFail(false);
  N->SetFocus();
  EXPECT_TRUE(N->CaretVisible());
}

// ------------------------------------------------------------------ mouse

TEST_F(NumIO2Input, ClickPlacesTheCaretAndDragSelectsFromTheAnchor) {
  N->SetText(QStringLiteral("12345"));
  Click(N->CharPosToXCoords(2), 10);
  EXPECT_EQ(N->CaretPos(), 2);
  EXPECT_EQ(N->SelBegin(), N->SelEnd());
  Press(N->CharPosToXCoords(3), 10);
  DragTo(N->CharPosToXCoords(5), 10);
  EXPECT_EQ(N->SelBegin(), 3);
  EXPECT_EQ(N->SelEnd(), 5);
  DragTo(N->CharPosToXCoords(1), 10);  // back past the anchor
  EXPECT_EQ(N->SelBegin(), 1);
  EXPECT_EQ(N->SelEnd(), 3);
  EXPECT_EQ(N->CaretPos(), 1);
  Release(N->CharPosToXCoords(1), 10);
  Type(QStringLiteral("0"));
  EXPECT_EQ(N->Text(), QStringLiteral("1045"));
}

TEST_F(NumIO2Input, SpinButtonsStepAndClampToTheRange) {
  N->SetButVisible(true);
  N->SetRangeHigh(10);
  N->SetNioValue(10);
  EXPECT_EQ(N->ButtonAt(UpButton().x(), UpButton().y()), 1);
  EXPECT_EQ(N->ButtonAt(DownButton().x(), DownButton().y()), -1);
  Click(UpButton().x(), UpButton().y());
  EXPECT_EQ(N->GetNioValue(), 10);
  EXPECT_EQ(Changes, 1);  // fires even though the value stayed
  N->SetButIncrem(2.5);
  Click(DownButton().x(), DownButton().y());
  EXPECT_EQ(N->Text(), QStringLiteral("7.50"));
  EXPECT_EQ(Changes, 2);
  N->SetNioValue(1);
  Click(DownButton().x(), DownButton().y());
  EXPECT_EQ(N->GetNioValue(), 0);
  N->SetReadOnly(true);
  Click(UpButton().x(), UpButton().y());
  EXPECT_EQ(N->GetNioValue(), 0);
  EXPECT_EQ(Changes, 3);
  N->SetReadOnly(false);
  N->SetButVisible(false);
  Click(UpButton().x(), UpButton().y());
  EXPECT_EQ(Changes, 3);
}

TEST_F(NumIO2Input, SpinButtonsMoveBetweenPivots) {
  N->SetButVisible(true);
  N->ButtonPivots = {0, 5, 10};
  struct Case {
    const char* Start;
    bool Up;
    double Expected;
  };
  const Case cases[] = {
      {"5", true, 10},  {"5", false, 0},    {"4.999", true, 10}, {"7", true, 10},
      {"7", false, 5},  {"0", false, 0},    {"10", true, 10},    {"5.009", false, 0},
      {"5.02", false, 5}, {"-40", true, 0}, {"2", true, 5},
  };
  for (const Case& c : cases) {
    N->SetText(QString::fromLatin1(c.Start));
    const QPoint p = c.Up ? UpButton() : DownButton();
    Click(p.x(), p.y());
    EXPECT_EQ(N->GetNioValue(), c.Expected) << c.Start << (c.Up ? " up" : " down");
  }
}

TEST_F(NumIO2Input, GaugeClickAndDrag) {
  N->SetGaugeVisible(true);
  N->SetRangeLow(-100);
  N->SetRangeHigh(100);
  std::vector<double> gauge;
  N->OnGaugeChange = [&](TObject* s, TShiftState sh, double v) {
    EXPECT_EQ(s, N);
    EXPECT_TRUE(sh.Contains(ssLeft));
    gauge.push_back(v);
  };
  const int l = N->GaugeLeftMargin(), r = l + N->GaugeWidth();
  Press(l, GaugeY());
  EXPECT_EQ(N->GetNioValue(), -100);
  EXPECT_EQ(Changes, 0);  // OnChange waits for the button to go up
  Release(l, GaugeY());
  EXPECT_EQ(Changes, 1);
  Click(r, GaugeY());
  EXPECT_EQ(N->GetNioValue(), 100);
  EXPECT_EQ(Changes, 2);
  EXPECT_TRUE(gauge.empty());

  Press((l + r) / 2, GaugeY());
  DragTo(l - 1, GaugeY());
  DragTo(r + 1, GaugeY());
  DragTo(r + 2, GaugeY());  // outside the one-pixel slack: ignored
  EXPECT_EQ(gauge, (std::vector<double>{-100, 100}));
  Release(r + 2, GaugeY());
  EXPECT_EQ(Changes, 3);

  N->ButtonPivots = {-100, 25, 100};
  Click(l + N->GaugeWidth() * 6 / 10, GaugeY());  // about 20: snaps to 25
  EXPECT_EQ(N->GetNioValue(), 25);
  N->SetReadOnly(true);
  Click(l, GaugeY());
  EXPECT_EQ(N->GetNioValue(), 25);
}

TEST_F(NumIO2Input, FreezeBoxTogglesFreezingByMouse) {
  N->SetWidth(260);
  N->SetFreezeBoxVisible(true);
  N->SetHideInputOnFreeze(true);
  const TRect f = N->FreezeBoxRect();
  const int cx = (f.Left + f.Right) / 2, cy = (f.Top + f.Bottom) / 2;
  Click(f.Left, cy);  // on the border: outside
  EXPECT_FALSE(N->FreezeBoxChecked());
  Click(cx, cy);
  EXPECT_TRUE(N->FreezeBoxChecked());
  EXPECT_TRUE(N->ReadOnly());
  EXPECT_TRUE(N->HideInputEditor());
  EXPECT_EQ(Changes, 1);
  Type(QStringLiteral("5"));
  EXPECT_EQ(N->Text(), QString());
  Click(cx, cy);  // works while read-only
  EXPECT_FALSE(N->FreezeBoxChecked());
  EXPECT_FALSE(N->ReadOnly());
  EXPECT_FALSE(N->HideInputEditor());
  EXPECT_EQ(Changes, 2);
  N->SetHideInputOnFreeze(false);
  Click(cx, cy);
  EXPECT_TRUE(N->ReadOnly());
  EXPECT_FALSE(N->HideInputEditor());
}

// ------------------------------------------------------- value and text

TEST_F(NumIO2Input, TextAndValueDoNotFireOnChange) {
  N->SetText(QStringLiteral("abc"));
  EXPECT_EQ(N->Text(), QString());
  N->SetText(QStringLiteral("12.5"));
  EXPECT_EQ(N->Text(), QStringLiteral("12.5"));
  EXPECT_EQ(N->CaretPos(), 0);
  N->SetSelEnd(4);
  N->SetNioValue(1);
  EXPECT_EQ(N->Text(), QStringLiteral("1.00"));
  EXPECT_LE(N->SelEnd(), 4);
  N->SetNioValue(-5000);  // not clamped to the range
  EXPECT_EQ(N->GetNioValue(), -5000);
  EXPECT_TRUE(N->OutOfRange());
  N->setProperty("Value", 7.25);
  EXPECT_EQ(N->property("Text").toString(), QStringLiteral("7.25"));
  EXPECT_EQ(Changes, 0);
}

TEST_F(NumIO2Input, FormatChangesRewriteTheValue) {
  N->SetNioValue(255);
  N->SetInputFormat(itHex);
  EXPECT_EQ(N->Text(), QStringLiteral("000000FF"));
  N->SetInputFormat(itBin);
  EXPECT_EQ(N->Text(), QStringLiteral("00000000000000000000000011111111"));
  N->SetInputFormat(itOct);
  EXPECT_EQ(N->Text(), QStringLiteral("00000000377"));
  N->SetInputFormat(itFixPoint);
  N->SetFixPointDecPlaces(3);
  EXPECT_EQ(N->Text(), QStringLiteral("255.000"));
  N->SetNioValue(1234.5);
  N->SetInputFormat(itExp);
  EXPECT_EQ(N->Text(), QStringLiteral(" 1.23450E+03"));
  N->SetSignificantDigits(3);
  EXPECT_EQ(N->Text(), QStringLiteral(" 1.23E+03"));
  N->SetInputFormat(itDynamic);
  EXPECT_EQ(N->Text(), QStringLiteral("1230"));
}

TEST_F(NumIO2Input, IntegerValueWithOverflowError) {
  N->SetName(QStringLiteral("Counter"));
  N->SetText(QStringLiteral("2147483647"));
  EXPECT_EQ(N->GetNioIntValue(), 2147483647);
  N->SetText(QStringLiteral("-2147483648"));
  EXPECT_EQ(N->GetNioIntValue(), -2147483648);
  N->SetText(QStringLiteral("2.5"));
  EXPECT_EQ(N->GetNioIntValue(), 2);
  N->SetText(QStringLiteral("2147483647.4"));
  try {
    N->GetNioIntValue();
    ADD_FAILURE() << "no exception";
  } catch (const EORVNumIO2Error& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"Counter\": integer overflow"));
  }
}

TEST_F(NumIO2Input, SeparatorChangeRewritesTheBuffer) {
  SystemSeparator comma(QLatin1Char(','));
  struct Case {
    TDecPSep From;
    const char* Text;
    TDecPSep To;
    const char* Expected;
  };
  const Case cases[] = {
      {dpsDotOrComma, "1.5", dpsComma, "1,5"},
      {dpsDotOrComma, "1,5", dpsDot, "1.5"},
      {dpsComma, "1,5", dpsDot, "1.5"},
      {dpsDot, "1.5", dpsDotOrComma, "1.5"},
      {dpsDot, "1.5", dpsSystem, "1,5"},
      {dpsSystem, "1,5", dpsComma, "1,5"},
  };
  for (const Case& c : cases) {
    N->SetDecPlaceSep(c.From);
    N->SetText(QString::fromLatin1(c.Text));
    ASSERT_EQ(N->Text(), QString::fromLatin1(c.Text));
    N->SetDecPlaceSep(c.To);
    EXPECT_EQ(N->Text(), QString::fromLatin1(c.Expected)) << int(c.From) << "->" << int(c.To);
    EXPECT_EQ(N->DecPlaceSep(), c.To);
  }
}

TEST_F(NumIO2Input, CommaOnlyFieldStaysEditableAfterAValueWasSet) {
  N->SetDecPlaceSep(dpsComma);
  N->SetNioValue(1.5);
  EXPECT_EQ(N->Text(), QStringLiteral("1,50"));
  Key(Qt::Key_End);
  Type(QStringLiteral("7"));
  EXPECT_EQ(N->Text(), QStringLiteral("1,507"));
  EXPECT_DOUBLE_EQ(N->GetNioValue(), 1.507);
}

// ----------------------------------------------------------------- Assign

TEST_F(NumIO2Input, AssignCopiesTheListedSettingsOnly) {
  TNumIO2 src(nullptr);
  src.SetLeftText(QStringLiteral("Speed"));
  src.SetRightText(QStringLiteral("km/h"));
  src.SetTextBoxWidth(90);
  src.SetColorBoxBG(0x00FFFF);
  src.SetColorScheme(csSystemColors);
  src.SetInputFormat(itInt);
  src.SetRangeHigh(300);
  src.SetText(QStringLiteral("120"));
  src.SetSelEnd(2);
  src.SetReadOnly(true);
  src.SetFreezeBoxVisible(true);
  src.SetButVisible(true);
  src.SetGaugeVisible(true);
  src.SetButIncrem(5);
  src.ButtonPivots = {1, 2};
  int srcChanges = 0;
  src.OnChange = [&](TObject*) { ++srcChanges; };

  N->Assign(&src);
  EXPECT_EQ(N->LeftText(), QStringLiteral("Speed"));
  EXPECT_EQ(N->RightText(), QStringLiteral("km/h"));
  EXPECT_EQ(N->TextBoxWidth(), 90);
  EXPECT_EQ(N->ColorBoxBG(), 0x00FFFFu);
  EXPECT_EQ(N->ColorScheme(), csSystemColors);
  EXPECT_EQ(N->InputFormat(), itInt);
  EXPECT_EQ(N->RangeHigh(), 300);
  EXPECT_EQ(N->Text(), QStringLiteral("120"));
  EXPECT_EQ(N->SelEnd(), 2);
  EXPECT_TRUE(N->ReadOnly());
  EXPECT_TRUE(N->FreezeBoxVisible());
  EXPECT_FALSE(N->ButVisible());
  EXPECT_FALSE(N->GaugeVisible());
  EXPECT_EQ(N->ButIncrem(), 1.0);
  EXPECT_TRUE(N->ButtonPivots.isEmpty());
  N->Changed();
  EXPECT_EQ(srcChanges, 0);
  EXPECT_EQ(Changes, 1);

  TBitmap bmp;
  EXPECT_THROW(N->Assign(&bmp), EConvertError);
  EXPECT_THROW(bmp.Assign(N), EConvertError);
}
