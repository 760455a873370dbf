#include <orvcore.h>

#include <gtest/gtest.h>

#include <cmath>

#include <QBuffer>
#include <QMetaEnum>

using namespace orv;

TEST(Streams, ReadLnStreamReadsLinesWithAnyLineEnd) {
  QByteArray data("\xEF\xBB\xBF" "first\r\nzweite Zeile \xC3\xBC\n\nlast");
  QBuffer buf(&data);
  buf.open(QIODevice::ReadOnly);
  QStringList lines;
  QString line;
  while (ReadLnStream(&buf, line)) lines << line;
  EXPECT_EQ(lines, (QStringList{"first", QString::fromUtf8("zweite Zeile ü"), "", "last"}));
  EXPECT_FALSE(ReadLnStream(&buf, line));
  EXPECT_TRUE(line.isEmpty());
  EXPECT_FALSE(ReadLnStream(nullptr, line));
}

TEST(NameTables, EveryLanguageFitsTheLengthLimits) {
  for (TLanguage lang : {lgEnglish, lgGerman, lgFrench, lgSpanish}) {
    for (int m = 1; m <= 12; ++m) {
      EXPECT_FALSE(MonthLong(lang, m).isEmpty());
      EXPECT_LE(MonthLong(lang, m).size(), 10) << MonthLong(lang, m).toStdString();
      EXPECT_FALSE(MonthShort(lang, m).isEmpty());
      EXPECT_LE(MonthShort(lang, m).size(), 4) << MonthShort(lang, m).toStdString();
    }
    for (int d = 0; d < 7; ++d) EXPECT_LE(WeekDayShort(lang, d).size(), 3);
  }
  struct {
    TLanguage lang;
    const char* march;
    const char* monday;
    const char* sunday;
  } cases[] = {{lgEnglish, "March", "Mon", "Sun"},
               {lgGerman, "März", "Mo", "So"},
               {lgFrench, "Mars", "Lun", "Dim"},
               {lgSpanish, "Marzo", "Lun", "Dom"},
               {lgNone, "March", "Mon", "Sun"}};
  for (const auto& c : cases) {
    EXPECT_EQ(MonthLong(c.lang, 3), QString::fromUtf8(c.march));
    EXPECT_EQ(WeekDayShort(c.lang, 0), c.monday);
    EXPECT_EQ(WeekDayShort(c.lang, 6), c.sunday);
  }
  EXPECT_EQ(MonthLong(lgEnglish, 0), "");
  EXPECT_EQ(MonthShort(lgEnglish, 13), "");
  EXPECT_EQ(WeekDayShort(lgEnglish, 7), "");
}

TEST(Colours, PredefinedTableAndMean) {
  EXPECT_EQ(PredefinedColors(1), clBlack);
  EXPECT_EQ(PredefinedColors(16), clWhite);
  EXPECT_EQ(PredefinedColors(20), clMedGray);
  EXPECT_EQ(PredefinedColors(21), clScrollBar);
  EXPECT_EQ(PredefinedColors(36), clBtnFace);
  EXPECT_EQ(PredefinedColors(0), clBlack);
  EXPECT_EQ(PredefinedColorName(10), "clRed");
  EXPECT_EQ(PredefinedColorName(48), "");
  for (int i = 1; i <= NrOfPredefinedColors; ++i)
    for (int j = i + 1; j <= NrOfPredefinedColors; ++j) EXPECT_NE(PredefinedColors(i), PredefinedColors(j)) << i << " " << j;

  EXPECT_EQ(MeanColor(clBlack, clWhite), RGB(127, 127, 127));
  EXPECT_EQ(MeanColor(RGB(10, 20, 30), RGB(30, 40, 51)), RGB(20, 30, 40));
  EXPECT_EQ(MeanColor(clBtnFace, clBtnFace), ColorToRGB(clBtnFace));
}

TEST(Constants, Values) {
  EXPECT_EQ(uc_MaxDouble, std::numeric_limits<double>::max());
  EXPECT_DOUBLE_EQ(uc_ln10, std::log(10.0));
  EXPECT_EQ(CSVDelimiterChar(csvTab), QChar('\t'));
  EXPECT_TRUE(CombineLogic(loXor, true, false));
  EXPECT_FALSE(CombineLogic(loAnd, true, false));
  EXPECT_TRUE(CombineLogic(loNone, true, false));
  EXPECT_EQ(int(fsBump), 5);
  EXPECT_EQ(int(lgSpanish), 4);
}

TEST(Enumerations, AreRegisteredForDesigner) {
  EXPECT_STREQ(QMetaEnum::fromType<TFrameStyle>().valueToKey(fsSunken), "fsSunken");
  EXPECT_STREQ(QMetaEnum::fromType<TCSVDelimiters>().valueToKey(csvTab), "csvTab");
  EXPECT_EQ(QMetaEnum::fromType<TDirection>().keyCount(), 4);
}
