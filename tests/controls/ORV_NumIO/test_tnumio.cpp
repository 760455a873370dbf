// TNumIO driven by real typing: acceptance, rejection with beep, fixed-point
// reformatting, range changes, Value, Assign and the designer defaults.
#include <ORV_NumIO.h>

#include <QLineEdit>
#include <QMetaProperty>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace orv;

namespace {

class NumIOTest : public ::testing::Test {
protected:
  void SetUp() override {
    Box = std::make_unique<TNumIO>(nullptr);
    Box->OnChange = [this](TObject* Sender) {
      ++Changes;
      EXPECT_EQ(Sender, Box.get());
    };
  }
  void Type(const QString& Keys) { QTest::keyClicks(Box->LineEdit(), Keys); }
  void Key(Qt::Key K) { QTest::keyClick(Box->LineEdit(), K); }
  // Sets both limits in the order that avoids a swap.
  void SetRange(double Low, double High) {
    if (Low < Box->RangeHigh()) {
      Box->SetRangeLow(Low);
      Box->SetRangeHigh(High);
    } else {
      Box->SetRangeHigh(High);
      Box->SetRangeLow(Low);
    }
  }

  std::unique_ptr<TNumIO> Box;
  int Changes = 0;
};

}  // namespace

TEST_F(NumIOTest, Defaults) {
  EXPECT_EQ(Box->InputFormat(), itDynamic);
  EXPECT_EQ(Box->FixPointDecPlaces(), 2);
  EXPECT_EQ(Box->DecPlaceSep(), dpsSystem);
  EXPECT_EQ(Box->RangeLow(), 0);
  EXPECT_EQ(Box->RangeHigh(), 0);
  EXPECT_FALSE(Box->Beep());
  EXPECT_EQ(Box->Text(), "");
  // Until a range is set only 0 is accepted.
  Type("5");
  EXPECT_EQ(Box->Text(), "");
  Type("0");
  EXPECT_EQ(Box->Text(), "0");
  EXPECT_EQ(Changes, 1);
}

TEST_F(NumIOTest, OutOfRangeKeystrokeIsRejectedWithBeep) {
  Box->SetInputFormat(itFloat);
  SetRange(0, 100);
  Box->SetBeep(true);
  const int beeps = BeepCount();
  Type("123");
  EXPECT_EQ(Box->Text(), "12");
  EXPECT_EQ(BeepCount(), beeps + 1);
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(Box->GetLabValue(), 12);
  // Emptying the box puts the last accepted text back.
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Box->Text(), "1");
  EXPECT_EQ(BeepCount(), beeps + 2);
}

TEST_F(NumIOTest, RejectionWithoutBeepAndCaretReturns) {
  Box->SetInputFormat(itInt);
  SetRange(-500, 500);
  const int beeps = BeepCount();
  Type("12");
  Box->LineEdit()->setCursorPosition(1);
  Type("x");
  EXPECT_EQ(Box->Text(), "12");
  EXPECT_EQ(Box->LineEdit()->cursorPosition(), 1);
  Type("9");  // 192 in range
  EXPECT_EQ(Box->Text(), "192");
  Type("9");  // 1992 out of range
  EXPECT_EQ(Box->Text(), "192");
  EXPECT_EQ(BeepCount(), beeps);
}

TEST_F(NumIOTest, PartialEntriesAndZeroOutsideTheRange) {
  Box->SetInputFormat(itFloat);
  SetRange(-10, -5);
  Type("-");
  EXPECT_EQ(Box->Text(), "-");  // converts to 0, which is always accepted
  Type("7");
  EXPECT_EQ(Box->Text(), "-7");
  EXPECT_EQ(Box->GetLabValue(), -7);
  Box->SetText(".");
  EXPECT_EQ(Box->Text(), ".");
  EXPECT_EQ(Box->GetLabValue(), 0);
}

TEST_F(NumIOTest, FixPointReformatsWithRounding) {
  Box->SetInputFormat(itFixPoint);
  SetRange(0, 1000);
  Box->SetText("1.5");
  EXPECT_EQ(Box->Text(), "1.50");
  Box->LineEdit()->end(false);
  Type("7");
  EXPECT_EQ(Box->Text(), "1.51");  // 1.507 rounded, not cut
  EXPECT_EQ(Box->GetLabValue(), 1.51);
  // Deleting the point of 1.51 gives 151.
  Box->LineEdit()->setCursorPosition(2);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Box->Text(), "151.00");
  // A rejected change returns to the text shown, not to what was typed.
  Box->LineEdit()->end(false);
  Type("9");  // 151.009 -> 151.01
  Box->LineEdit()->setCursorPosition(0);
  Type("9");  // 9151.01 out of range
  EXPECT_EQ(Box->Text(), "151.01");
  EXPECT_EQ(Box->GetLabValue(), 151.01);
}

TEST_F(NumIOTest, FixPointSameTextDoesNotSkipTheNextCheck) {
  Box->SetInputFormat(itFixPoint);
  SetRange(0, 100);
  Box->SetText("2.00");  // already in its reformatted shape
  ASSERT_EQ(Box->Text(), "2.00");
  Type("x");
  EXPECT_EQ(Box->Text(), "2.00");
}

TEST_F(NumIOTest, RangeChangeClearsTheText) {
  Box->SetInputFormat(itInt);
  SetRange(0, 10);
  Type("3");
  ASSERT_EQ(Box->Text(), "3");
  Box->SetRangeLow(5);
  EXPECT_EQ(Box->Text(), "");
  Type("7");
  EXPECT_EQ(Box->Text(), "7");
  Box->SetInputFormat(itHex);  // "7" is a hex number in range
  EXPECT_EQ(Box->Text(), "7");
  Box->SetDecPlaceSep(dpsComma);
  EXPECT_EQ(Box->Text(), "7");
}

TEST_F(NumIOTest, RangeLimitsSwap) {
  Box->SetRangeHigh(-5);
  EXPECT_EQ(Box->RangeLow(), -5);
  EXPECT_EQ(Box->RangeHigh(), 0);
  Box->SetRangeLow(20);
  EXPECT_EQ(Box->RangeLow(), 0);
  EXPECT_EQ(Box->RangeHigh(), 20);
  Box->SetRangeHigh(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(Box->RangeHigh(), 20);
  Box->SetFixPointDecPlaces(0);
  EXPECT_EQ(Box->FixPointDecPlaces(), 1);
  Box->SetFixPointDecPlaces(99);
  EXPECT_EQ(Box->FixPointDecPlaces(), 8);
}

TEST_F(NumIOTest, ValueWritesTextWithoutChangeEvent) {
  struct Case {
    TInFormat Format;
    double Value;
    const char* Text;
    double ReadBack;
  };
  const Case cases[] = {
      {itExp, 1234.5, " 1.23450E+03", 1234.5},  {itDynamic, -0.5, "-5.00000E-01", -0.5},
      {itFloat, 1234.5, "1234.50000000", 1234.5}, {itFixPoint, 2.375, "2.38", 2.38},
      {itInt, 2.5, "2", 2},                       {itHex, 255, "000000FF", 255},
      {itHex, -1, "FFFFFFFF", -1},                {itOct, 8, "00000010", 8},
      {itBin, 5, "00000101", 5},                  {itBin, 300, "100101100", 300},
  };
  for (const Case& c : cases) {
    Box->SetInputFormat(c.Format);
    Box->SetLabValue(c.Value);
    EXPECT_EQ(Box->Text(), c.Text) << c.Text;
    EXPECT_EQ(Box->GetLabValue(), c.ReadBack) << c.Text;
  }
  EXPECT_EQ(Changes, 0);
  // The written text is what a rejected keystroke returns to, even outside the range.
  Box->SetInputFormat(itInt);
  Box->SetLabValue(42);
  Type("x");
  EXPECT_EQ(Box->Text(), "42");
}

TEST_F(NumIOTest, ValueReadsSeparatorsAndBadText) {
  Box->SetInputFormat(itFloat);
  SetRange(-100, 100);
  Box->SetDecPlaceSep(dpsComma);  // comma only
  Type("1,5");
  EXPECT_EQ(Box->Text(), "1,5");
  EXPECT_EQ(Box->GetLabValue(), 1.5);
  Box->SetDecPlaceSep(dpsDotOrComma);
  Type(".");  // second separator: rejected
  EXPECT_EQ(Box->Text(), "1,5");
  Box->SetText("2.");
  EXPECT_EQ(Box->GetLabValue(), 2);
  // Text that cannot be typed in: Arabic-Indic digits, control bytes, a huge paste.
  for (const QString& bad : {QString::fromUtf8("\xd9\xa1\xd9\xa2"), QString(QChar(1)), QString(5000, u'9') + u'x'}) {
    Box->SetText(bad);
    EXPECT_EQ(Box->Text(), "2.");
  }
}

TEST_F(NumIOTest, DynamicPrefixesTyped) {
  SetRange(-100, 100);
  Type("$1F");
  EXPECT_EQ(Box->Text(), "$1F");
  EXPECT_EQ(Box->GetLabValue(), 31);
  Box->SetText("%101");
  EXPECT_EQ(Box->GetLabValue(), 5);
  Box->SetText("&17");
  EXPECT_EQ(Box->GetLabValue(), 15);
  Box->SetText("2.5e-");
  EXPECT_EQ(Box->Text(), "2.5e-");
  EXPECT_EQ(Box->GetLabValue(), 2.5);
  Box->SetText("2.5 ");
  EXPECT_EQ(Box->Text(), "2.5e-");
}

TEST_F(NumIOTest, AssignCopiesSettingsButNotTextOrDecimals) {
  TNumIO other(nullptr);
  other.SetInputFormat(itHex);
  other.SetRangeHigh(50);
  other.SetBeep(true);
  other.SetDecPlaceSep(dpsDotOrComma);
  other.SetFixPointDecPlaces(5);
  other.SetText("1A");
  Box->Assign(&other);
  EXPECT_EQ(Box->InputFormat(), itHex);
  EXPECT_EQ(Box->RangeHigh(), 50);
  EXPECT_TRUE(Box->Beep());
  EXPECT_EQ(Box->DecPlaceSep(), dpsDotOrComma);
  EXPECT_EQ(Box->FixPointDecPlaces(), 2);
  EXPECT_EQ(Box->Text(), "");
  // From a TNumIO to something else: the framework's error.
  TEdit edit(nullptr);
  EXPECT_THROW(edit.Assign(Box.get()), EConvertError);
}

TEST(NumIODesign, DesignerRangeAndNoChecks) {
  TComponent form(nullptr);
  form.SetDesigning(true);
  auto* box = new TNumIO(&form);
  EXPECT_EQ(box->RangeLow(), -std::numeric_limits<double>::max());
  EXPECT_EQ(box->RangeHigh(), std::numeric_limits<double>::max());
  box->SetText("not a number");
  EXPECT_EQ(box->Text(), "not a number");
}

TEST(NumIOProperties, PublishedAsQtProperties) {
  TNumIO box(nullptr);
  const QMetaObject* mo = box.metaObject();
  const QMetaProperty format = mo->property(mo->indexOfProperty("InputFormat"));
  ASSERT_TRUE(format.isValid());
  EXPECT_TRUE(format.isEnumType());
  EXPECT_TRUE(box.setProperty("InputFormat", QVariant::fromValue(itHex)));
  EXPECT_EQ(box.InputFormat(), itHex);
  for (const char* name : {"FixPointDecPlaces", "DecPlaceSep", "RangeLow", "RangeHigh", "Beep"})
    EXPECT_GE(mo->indexOfProperty(name), 0) << name;
  box.setProperty("RangeHigh", 7.5);
  EXPECT_EQ(box.RangeHigh(), 7.5);
}
