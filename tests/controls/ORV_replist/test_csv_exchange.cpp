// TRLData: CSV export and import, line files.

#include "RLTestTables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orv;

namespace {

struct CsvFiles : ::testing::Test {
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.filePath(name); }
  QByteArray ReadBytes(const QString& name) const {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
  void WriteBytes(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

QStringList Row(const TRLData& d, int r) {
  QStringList out;
  for (int c = 1; c <= d.NrOfColumns(); ++c) out << d.GetElem(c, r);
  return out;
}

}  // namespace

TEST_F(CsvFiles, GeneratedTablesRoundTripWithEveryDelimiter) {
  for (TCSVDelimiters delim : {csvComma, csvSemicolon, csvTab, csvSpace}) {
    for (unsigned seed : {1u, 2u, 3u}) {
      TRLData src(nullptr);
      test::FillRandomTable(src, seed * 10 + unsigned(delim), {seed == 3 ? 1 : 6, 60, true, true});
      ASSERT_EQ(src.ExportCSV(Path("t.csv"), delim, true, false, 1, 1, src.NrOfColumns(), src.NrOfRows()), 60);
      TRLData dst(nullptr);
      ASSERT_EQ(dst.ImportCSV(Path("t.csv"), delim, true), 60);
      EXPECT_EQ(test::CellDifference(src, dst, 1, true).toStdString(), "") << "delimiter " << delim << ", seed " << seed;
    }
  }
}

TEST_F(CsvFiles, ExportQuotesWhatNeedsItAndHidesCheckCharacters) {
  TRLData d(nullptr);
  d.SetNrCols(3);
  d.SetNrRows(2);
  d.SetColName(1, "Na,me");
  d.SetElem(1, 1, "plain");
  d.SetElem(2, 1, "say \"hi\"");
  d.SetElem(3, 1, "two\nlines");
  d.SetElem(1, 2, "a;b");
  d.SetColCheckMode(3, cmBox);
  d.SetElemChecked(3, 2, true);
  d.SetCommonHeader("Common");
  EXPECT_EQ(d.ExportCSV(Path("q.csv"), csvComma, true, true, 1, 1, 3, 2), 2);
  EXPECT_EQ(ReadBytes("q.csv"), "Common\r\n\"Na,me\",C-2,C-3\r\nplain,\"say \"\"hi\"\"\",\"two\nlines\"\r\na;b,,\r\n");
  EXPECT_EQ(d.ExportCSV(Path("s.csv"), csvSemicolon, false, false, 1, 2, 1, 2), 1);
  EXPECT_EQ(ReadBytes("s.csv"), "\"a;b\"\r\n");
}

TEST_F(CsvFiles, ExportBlockIsLimitedToTheTable) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(0, 1, "k");
  d.SetElem(2, 2, "v");
  EXPECT_EQ(d.ExportCSV(Path("b.csv"), csvComma, false, false, -4, 0, 7, 9), 2);
  EXPECT_EQ(ReadBytes("b.csv"), "k,,\r\n,,v\r\n") << "column 0 is exported when asked for";
  EXPECT_EQ(d.ExportCSV(Path("e.csv"), csvComma, false, false, 3, 1, 4, 2), xeBadRange);
  EXPECT_FALSE(QFile::exists(Path("e.csv")));
  EXPECT_EQ(d.ExportCSV(Path("h.csv"), csvComma, true, false, 1, 5, 2, 9), 0) << "no rows: the names alone";
  EXPECT_EQ(ReadBytes("h.csv"), "C-1,C-2\r\n");
}

TEST_F(CsvFiles, OneColumnEmptyCellsStayRecords) {
  TRLData d(nullptr);
  d.SetNrRows(3);
  d.SetElem(1, 2, "middle");
  EXPECT_EQ(d.ExportCSV(Path("one.csv"), csvComma, false, false, 1, 1, 1, 3), 3);
  EXPECT_EQ(ReadBytes("one.csv"), "\"\"\r\nmiddle\r\n\"\"\r\n");
  TRLData back(nullptr);
  EXPECT_EQ(back.ImportCSV(Path("one.csv"), csvComma, false), 3);
  EXPECT_EQ(back.GetElem(1, 2), "middle");
}

TEST_F(CsvFiles, ExportTextHookSeesEveryText) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(1);
  d.SetElem(1, 1, "a");
  d.SetElem(2, 1, "b");
  QStringList seen;
  d.OnExportText = [&](TObject* Sender, QString& Text, int Col, int Row) {
    EXPECT_EQ(Sender, &d);
    seen << QStringLiteral("%1:%2:%3").arg(Col).arg(Row).arg(Text);
    Text = Text.toUpper() + ",";
  };
  d.ExportCSV(Path("hook.csv"), csvComma, true, true, 1, 1, 2, 1);
  EXPECT_EQ(seen, (QStringList{"0:-1:ORV Report Listview", "1:0:C-1", "2:0:C-2", "1:1:a", "2:1:b"}));
  EXPECT_EQ(ReadBytes("hook.csv"), "\"ORV REPORT LISTVIEW,\"\r\n\"C-1,\",\"C-2,\"\r\n\"A,\",\"B,\"\r\n");
}

TEST_F(CsvFiles, FailedExportKeepsTheOldFile) {
  WriteBytes("keep.csv", "old content");
  TRLData d(nullptr);
  d.SetNrRows(3);
  int n = 0;
  d.OnExportText = [&](TObject*, QString&, int, int) {
    if (++n == 2) throw std::runtime_error("stop");
  };
  EXPECT_THROW(d.ExportCSV(Path("keep.csv"), csvComma, false, false, 1, 1, 1, 3), std::runtime_error);
  EXPECT_EQ(ReadBytes("keep.csv"), "old content");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.csv"}) << "no temporary file left";
  EXPECT_EQ(d.ExportCSV(Path("no/such/dir/x.csv"), csvComma, false, false, 1, 1, 1, 3), xeOpenFailed);
}

TEST_F(CsvFiles, ImportReadsEncodingsLineEndsAndQuotes) {
  const struct {
    const char* name;
    QByteArray bytes;
    QList<QStringList> rows;
  } cases[] = {
      {"bom+crlf", "\xEF\xBB\xBF" "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
      {"lf, no final line end", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
      {"cr", "a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}},
      {"mixed line ends", "a\nb\rc\nd\re\n", {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}}},
      {"quoted breaks stay", "\"x\r\ny\",\"q\"\"q\"\n", {{"x\r\ny", "q\"q"}}},
      {"ragged rows", "a\nb,c,d\n", {{"a", "", ""}, {"b", "c", "d"}}},
      {"empty line is an empty row", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
      {"quote inside a plain field", "5\" disk,x\n", {{"5\" disk", "x"}}},
      {"text after a closing quote", "\"ab\"cd,e\n", {{"abcd", "e"}}},
      {"trailing delimiter", "a,\n", {{"a", ""}}},
      {"latin-1", "gr\xFC\xDF,\xE9\n", {{"grüß", "é"}}},
      // One byte that is not UTF-8 late in the text makes all of it Latin-1.
      {"latin-1 after utf-8-like rows", "a,\xC3\xA9\nb,\"x\xFC\"\n", {{"a", "Ã©"}, {"b", "xü"}}},
      {"utf-8", "grüß,中\n", {{"grüß", "中"}}},
  };
  for (const auto& c : cases) {
    WriteBytes("in.csv", c.bytes);
    TRLData d(nullptr);
    EXPECT_EQ(d.ImportCSV(Path("in.csv"), csvComma, false), c.rows.size()) << c.name;
    EXPECT_EQ(d.NrOfColumns(), c.rows[0].size()) << c.name;
    for (int r = 1; r <= d.NrOfRows(); ++r) EXPECT_EQ(Row(d, r), c.rows[r - 1]) << c.name;
  }
}

TEST_F(CsvFiles, ImportFindsFieldsAndEncodingInLongLines) {
  // Lines of every length from 50 to 140 bytes: each line break, character
  // that is not ASCII and byte that is not UTF-8 falls before, on and after
  // the places where a reader working in blocks of 16, 32 or 64 bytes would
  // cut the text.
  for (int k = 50; k <= 140; ++k) {
    const QByteArray a(k, 'a');
    const QString s = QString::fromLatin1(a);
    const struct {
      QByteArray bytes;
      QList<QStringList> rows;
    } cases[] = {
        {a + "\xC3\xA9,x\r\nb\n", {{s + "é", "x"}, {"b", ""}}},
        {a + "\xE2\x82\xAC\xF0\x9F\x98\x80\r\n", {{s + "€😀"}}},
        {"\"q\"" + a + "\xC3\xA9\rb", {{"q" + s + "é"}, {"b"}}},
        // A lead byte without its second byte: the whole text is Latin-1.
        {a + "\xC3,x\nb\xC3\xA9\n", {{s + "Ã", "x"}, {"bÃ©", ""}}},
        {a + "\xC3\xA9\xE2\x82", {{s + "Ã©â\u0082"}}},
    };
    for (const auto& c : cases) {
      WriteBytes("long.csv", c.bytes);
      TRLData d(nullptr);
      ASSERT_EQ(d.ImportCSV(Path("long.csv"), csvComma, false), c.rows.size()) << k << " " << c.bytes.toStdString();
      for (int r = 1; r <= d.NrOfRows(); ++r) EXPECT_EQ(Row(d, r), c.rows[r - 1]) << k << " " << c.bytes.toStdString();
    }
  }
}

TEST_F(CsvFiles, LeadingZeroWidthNoBreakSpaceSurvives) {
  // U+FEFF at the start of a text is the byte order mark's character.
  const QString z(QChar(0xFEFF));
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(1);
  d.SetColName(1, z + "a");
  d.SetColName(2, z + "b");
  d.SetElem(1, 1, z + "x");
  d.SetElem(2, 1, z);
  EXPECT_EQ(d.GetElem(1, 1), z + "x");
  ASSERT_EQ(d.ExportCSV(Path("z.csv")), 1);
  EXPECT_TRUE(ReadBytes("z.csv").startsWith("\"\xEF\xBB\xBF" "a\"")) << "quoted, so that it is not taken for a mark";
  TRLData back(nullptr);
  ASSERT_EQ(back.ImportCSV(Path("z.csv")), 1);
  EXPECT_EQ(test::CellDifference(d, back, 1, true).toStdString(), "");
}

TEST_F(CsvFiles, ImportReplacesContentButKeepsColumnSettings) {
  TRLData d(nullptr);
  d.SetNrCols(3);
  d.SetNrRows(5);
  d.Fill("old");
  d.SetElem(0, 1, "old key");
  d.SetColName(1, "Keep");
  d.SetColumnFormat(1, "[i][]1");
  d.SetColCheckMode(2, cmBox);
  d.Sort(1, -1, true);
  WriteBytes("in.csv", "Name,Done\nx,y\n");
  EXPECT_EQ(d.ImportCSV(Path("in.csv"), csvComma, true), 1);
  EXPECT_EQ(d.NrOfColumns(), 2);
  EXPECT_EQ(d.NrOfRows(), 1);
  EXPECT_EQ(d.GetColName(1), "Name");
  EXPECT_EQ(d.GetColumnFormat(1), "[i][]1");
  EXPECT_EQ(d.GetColCheckMode(2), cmBox);
  EXPECT_EQ(Row(d, 1), (QStringList{"x", "y"}));
  EXPECT_FALSE(d.GetElemChecked(2, 1)) << "imported cells are unchecked";
  EXPECT_EQ(d.GetElem(0, 1), "");
  EXPECT_EQ(d.LastSortColumn(), -1);

  WriteBytes("wide.csv", "1,2,3,4\n");
  EXPECT_EQ(d.ImportCSV(Path("wide.csv"), csvComma, false), 1);
  EXPECT_EQ(d.GetColName(1), "Name");
  EXPECT_EQ(d.GetColName(4), "C-4");

  WriteBytes("empty.csv", "");
  EXPECT_EQ(d.ImportCSV(Path("empty.csv"), csvComma, true), 0);
  EXPECT_EQ(d.NrOfRows(), 0);
  EXPECT_EQ(d.NrOfColumns(), 1);
}

TEST_F(CsvFiles, ImportErrorsLeaveTheTableAsItWas) {
  TRLData d(nullptr);
  d.SetNrRows(1);
  d.SetElem(1, 1, "before");
  WriteBytes("open.csv", "a,b\n\"never closed,c\nd\n");
  EXPECT_EQ(d.ImportCSV(Path("open.csv"), csvComma, false), xeUnclosedQuote);
  EXPECT_EQ(d.ImportCSV(Path("missing.csv"), csvComma, false), xeOpenFailed);
  EXPECT_EQ(d.ImportCSV(dir.path(), csvComma, false), xeOpenFailed) << "a folder is not a file";
  // 10 kB of text asking for 5001 x 5001 cells: a ragged first row and many empty ones.
  WriteBytes("bomb.csv", QByteArray(5000, ',') + "\n" + QByteArray(5000, '\n'));
  EXPECT_EQ(d.ImportCSV(Path("bomb.csv"), csvComma, false), xeTooLarge);
  EXPECT_EQ(d.NrOfRows(), 1);
  EXPECT_EQ(d.GetElem(1, 1), "before");
}

TEST_F(CsvFiles, ImportReportsProgress) {
  TRLData src(nullptr);
  test::FillRandomTable(src, 5, {3, 3000, false, false});
  src.ExportCSV(Path("p.csv"), csvComma, false, false, 1, 1, 3, 3000);
  TRLData d(nullptr);
  QList<int> percents;
  d.OnPercentDone = [&](TObject* Sender, int Percent) {
    EXPECT_EQ(Sender, &d);
    percents << Percent;
  };
  d.ImportCSV(Path("p.csv"), csvComma, false);
  ASSERT_FALSE(percents.isEmpty());
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_GT(percents.size(), 20);
  EXPECT_LE(percents.size(), 101);
}

TEST_F(CsvFiles, LoadLinesFillsOneColumnAndAddsRows) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(1, 1, "first");
  d.SetColCheckMode(2, cmBox);
  d.SetElemChecked(2, 2, true);
  WriteBytes("lines.txt", "\xEF\xBB\xBFone\r\ntwo\nthree\rvier ü\n");
  EXPECT_EQ(d.LoadLinesFromFile(2, 2, Path("lines.txt")), 4);
  EXPECT_EQ(d.NrOfRows(), 5);
  EXPECT_EQ(d.GetElem(1, 1), "first");
  EXPECT_EQ(d.GetElem(2, 2), "one");
  EXPECT_TRUE(d.GetElemChecked(2, 2)) << "check states stay";
  EXPECT_EQ(d.GetElem(2, 5), "vier ü");
  EXPECT_FALSE(d.GetElemChecked(2, 5));

  EXPECT_EQ(d.LoadLinesFromFile(3, 1, Path("lines.txt")), xeBadRange);
  EXPECT_EQ(d.LoadLinesFromFile(1, 0, Path("lines.txt")), xeBadRange);
  EXPECT_EQ(d.LoadLinesFromFile(1, 1, Path("missing.txt")), xeOpenFailed);
  EXPECT_EQ(d.LoadLinesFromFile(0, 9, Path("lines.txt")), 4);
  EXPECT_EQ(d.NrOfRows(), 12);
  EXPECT_EQ(d.GetElem(0, 12), "vier ü");
}
