// TRLData: the XML form, its readers and writers, and CheckIfValidReplist.

#include "RLTestTables.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace orv;

namespace {

QString WriteToString(TRLData& d, bool header, const QString& id) {
  QBuffer buf;
  buf.open(QIODevice::WriteOnly);
  d.WriteToXMLStream(&buf, header, id);
  return QString::fromUtf8(buf.data());
}

// A small table whose XML form the tests below vary.
const char* const SmallTable =
    "<replist library=\"orvlib\" version=\"1\" id=\"T\">\n"
    "<numcols>2</numcols>\n"
    "<numrows>2</numrows>\n"
    "<colname c=\"1\">Name</colname>\n"
    "<cell c=\"1\" r=\"1\">a</cell>\n"
    "<cell c=\"2\" r=\"2\">b</cell>\n"
    "</replist>\n";

struct XmlTest : ::testing::Test {
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace

TEST_F(XmlTest, GeneratedTablesRoundTripThroughEveryWriterAndReader) {
  for (unsigned seed : {11u, 12u, 13u, 14u}) {
    TRLData src(nullptr);
    test::FillRandomTable(src, seed, {seed % 2 ? 7 : 1, 50, true, true});
    const QString id = src.DataID();

    TRLData fromString(nullptr);
    ASSERT_TRUE(fromString.ReadFromXMLString(WriteToString(src, true, id), id));
    EXPECT_EQ(test::XmlContentDifference(src, fromString).toStdString(), "") << "string, seed " << seed;

    src.SaveAsXMLFile(Path("t.xml"), id);
    TRLData fromFile(nullptr);
    ASSERT_TRUE(fromFile.LoadFromXMLFile(Path("t.xml"), ""));
    EXPECT_EQ(test::XmlContentDifference(src, fromFile).toStdString(), "") << "file, seed " << seed;
  }
}

TEST_F(XmlTest, WriterOutputIsTheDocumentedForm) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetColName(1, "Region");
  d.SetColName(2, "Done");
  d.SetColCheckMode(2, cmBox);
  d.SetColumnFormat(1, "[s][]x");
  d.SetElem(0, 1, "key");
  d.SetElem(1, 1, "North <main> & \"co\"");
  d.SetElem(2, 1, "yes");
  d.SetElemChecked(2, 1, true);
  d.SetElem(1, 2, "two\r\nlines\ttab");
  d.SetComment("c");
  d.SetCommonHeader("Sales");
  EXPECT_EQ(WriteToString(d, true, "Sales \"2\""),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<replist library=\"orvlib\" version=\"1\" id=\"Sales &quot;2&quot;\">\n"
            "<numcols>2</numcols>\n"
            "<numrows>2</numrows>\n"
            "<commonheader>Sales</commonheader>\n"
            "<comment>c</comment>\n"
            "<colname c=\"1\">Region</colname>\n"
            "<columnformat c=\"1\">[s][]x</columnformat>\n"
            "<colname c=\"2\">Done</colname>\n"
            "<checkedcolumn c=\"2\">box</checkedcolumn>\n"
            "<cell c=\"0\" r=\"1\">key</cell>\n"
            "<cell c=\"1\" r=\"1\">North &lt;main&gt; &amp; &quot;co&quot;</cell>\n"
            "<cell c=\"2\" r=\"1\" checked=\"1\">yes</cell>\n"
            "<cell c=\"1\" r=\"2\">two&#13;&#10;lines&#9;tab</cell>\n"
            "</replist>\n");
  EXPECT_FALSE(WriteToString(d, false, "").contains("id=")) << "no identifier, no attribute";
}

TEST_F(XmlTest, SeveralTablesInOneOpenFileAreReadOneAfterAnother) {
  TRLData a(nullptr), b(nullptr), c(nullptr);
  test::FillRandomTable(a, 21, {3, 10});
  test::FillRandomTable(b, 22, {2, 5});
  test::FillRandomTable(c, 23, {4, 0});
  {
    QFile f(Path("multi.xml"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream out(&f);
    a.WriteToOpenXMLFile(out, true, a.DataID());
    b.WriteToOpenXMLFile(out, false, b.DataID());
    c.WriteToOpenXMLFile(out, false, c.DataID());
  }
  QFile f(Path("multi.xml"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
  QTextStream in(&f);
  TRLData r(nullptr);
  ASSERT_TRUE(r.ReadFromOpenXMLFile(in, ""));
  EXPECT_EQ(test::XmlContentDifference(a, r).toStdString(), "");
  ASSERT_TRUE(r.ReadFromOpenXMLFile(in, c.DataID().toUpper())) << "skips b, identifiers ignore case";
  EXPECT_EQ(test::XmlContentDifference(c, r).toStdString(), "");
  EXPECT_FALSE(r.ReadFromOpenXMLFile(in, b.DataID())) << "b lies behind the reading position now";
  EXPECT_EQ(test::XmlContentDifference(c, r).toStdString(), "") << "nothing found, nothing changed";

  // The same file through a stream: a seekable stream stops behind each table.
  QFile raw(Path("multi.xml"));
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  ASSERT_TRUE(r.ReadFromXMLStream(&raw, ""));
  EXPECT_EQ(test::XmlContentDifference(a, r).toStdString(), "");
  ASSERT_TRUE(r.ReadFromXMLStream(&raw, ""));
  EXPECT_EQ(test::XmlContentDifference(b, r).toStdString(), "");
  ASSERT_TRUE(r.ReadFromXMLStream(&raw, ""));
  EXPECT_EQ(test::XmlContentDifference(c, r).toStdString(), "");
  EXPECT_FALSE(r.ReadFromXMLStream(&raw, ""));
}

TEST_F(XmlTest, ZeroColumnsAndZeroRowsRoundTrip) {
  TRLData d(nullptr);
  d.RemoveColumn(1);
  ASSERT_EQ(d.NrOfColumns(), 0);
  TRLData r(nullptr);
  r.SetNrCols(3);
  r.SetNrRows(3);
  ASSERT_TRUE(r.ReadFromXMLString(WriteToString(d, false, ""), ""));
  EXPECT_EQ(r.NrOfColumns(), 0);
  EXPECT_EQ(r.NrOfRows(), 0);
}

TEST_F(XmlTest, ReaderAcceptsXmlVariants) {
  const QString variants[] = {
      // single quotes, attributes swapped, empty-element tags, upper-case names
      "<REPLIST LIBRARY='ORVLIB' ID=\"t\">\n<NUMCOLS> 2 </NUMCOLS><numrows>2</numrows>"
      "<colname c='1'>Name</colname><cell r='1' c='1'>a</cell><cell c='2' r='2'>b</cell>"
      "<cell c='1' r='2'/></REPLIST>",
      // comments, processing instructions, unknown elements with children, CDATA, references
      "<?xml version=\"1.0\"?>\n<!-- before -->\n<replist library=\"orvlib\" id=\"T\">\n"
      "<numcols>2</numcols><!-- c --><numrows>2</numrows><?pi x?>\n"
      "<future a=\"1\"><inner>x</inner><empty/></future>\n"
      "<colname c=\"1\">N<![CDATA[am]]>&#x65;</colname>\n"
      "<cell c=\"1\" r=\"1\">&#97;</cell><cell c=\"2\" r=\"2\">&#98;<!-- no --></cell>\n</replist>",
  };
  for (const QString& text : variants) {
    TRLData d(nullptr);
    ASSERT_TRUE(d.ReadFromXMLString(text, "t")) << text.toStdString();
    EXPECT_EQ(d.NrOfColumns(), 2);
    EXPECT_EQ(d.GetColName(1), "Name");
    EXPECT_EQ(d.GetColName(2), "C-2");
    EXPECT_EQ(d.GetElem(1, 1), "a");
    EXPECT_EQ(d.GetElem(2, 2), "b");
  }
  TRLData d(nullptr);
  ASSERT_TRUE(d.ReadFromXMLString(
      "<replist library=\"orvlib\"><numcols>1</numcols><numrows>1</numrows><cell c=\"1\" r=\"1\">x\r\ny\rz&apos;</cell></replist>", ""));
  EXPECT_EQ(d.GetElem(1, 1), "x\ny\nz'") << "raw line breaks read as line feeds";
  EXPECT_EQ(d.CommonHeader(), "ORV Report Listview") << "missing texts get their defaults";
  EXPECT_EQ(d.DataID(), "");
}

TEST_F(XmlTest, FindsTheTableByIdentifierOnly) {
  const QString two = QString(SmallTable).replace("id=\"T\"", "id=\"first\"") + SmallTable;
  TRLData d(nullptr);
  EXPECT_FALSE(d.ReadFromXMLString(two, "none"));
  EXPECT_EQ(d.NrOfRows(), 0);
  ASSERT_TRUE(d.ReadFromXMLString(two, " t "));
  EXPECT_EQ(d.DataID(), "T");
  EXPECT_FALSE(d.ReadFromXMLString("<replist id=\"T\"><numcols>1</numcols></replist>", ""))
      << "without the library keyword the line is no header";
}

TEST_F(XmlTest, MalformedTablesRaiseAndLeaveTheObjectUnchanged) {
  const QString good = SmallTable;
  const struct {
    QString text;
    const char* fault;
  } cases[] = {
      {good.left(good.size() - 12), "line 6 of the table: the text ends before </replist>"},
      {good.left(good.indexOf("b</cell>")), "line 6 of the table: the text ends inside <cell>"},
      {QString(good).replace("r=\"2\">b", "r=\"3\">b"), "<cell> names row 3 of a table of 2 rows"},
      {QString(good).replace("c=\"2\" r", "c=\"9\" r"), "<cell> names column 9 of a table of 2 columns"},
      {QString(good).replace("c=\"1\">Name", "c=\"0\">Name"), "<colname> names column 0"},
      {QString(good).replace(">2</numrows", ">x</numrows"), "<numrows> is not a count"},
      {QString(good).replace(">2</numrows", ">-1</numrows"), "<numrows> is not a count"},
      {QString(good).replace("<numcols>2</numcols>", ""), "<colname> comes before <numcols> and <numrows>"},
      {QString(good).replace("r=\"1\"", "r=\"one\""), "attribute r is not a number"},
      {QString(good).replace("r=\"1\"", "r=1"), "an attribute value must be quoted"},
      {QString(good).replace(">a<", ">&nbsp;<"), "unknown reference \"&nbsp;\""},
      {QString(good).replace(">a<", ">a & b<"), "a \"&\" that starts no reference"},
      {QString(good).replace(">a<", ">&#xD800;<"), "bad character reference"},
      {QString(good).replace("a</cell>", "a</cel>"), "</cell> was expected"},
      {QString(good).replace(">a<", "><b>a</b><"), "element <b> inside <cell>"},
      {QString(good).replace("</replist>", "<replist library=\"orvlib\">"), "a new table starts before </replist>"},
      {QString(good).replace("<cell c=\"1\"", "text <cell c=\"1\""), "text outside an element"},
      {QString(good).replace("<cell c=\"1\" r=\"1\">a</cell>", "<cell c=\"1\" r=\"1\">a</cell><checkedcolumn c=\"1\">box</checkedcolumn>"),
       "<checkedcolumn> comes after the cells"},
      {QString(good).replace("</colname>", "</colname><checkedcolumn c=\"1\">maybe</checkedcolumn>"),
       "<checkedcolumn> must hold box, radio or none"},
      {QString(good).replace("<numrows>2", "<numrows>2</numrows><numrows>2"), "<numrows> is given twice"},
      {QString(good).replace(">2</numrows", ">100000000</numrows"), "a table of 2 columns and 100000000 rows is far larger than its text"},
  };
  for (const auto& c : cases) {
    TRLData d(nullptr);
    d.SetNrRows(1);
    d.SetElem(1, 1, "kept");
    d.SetDataID("old");
    try {
      d.ReadFromXMLString(c.text, "");
      ADD_FAILURE() << "accepted: " << c.fault;
    } catch (const EORVRLDataError& e) {
      EXPECT_TRUE(e.Message().startsWith("Class TRLData: malformed XML table, line ")) << e.what();
      EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.fault))) << e.what() << " / expected: " << c.fault;
    }
    EXPECT_EQ(d.NrOfRows(), 1);
    EXPECT_EQ(d.GetElem(1, 1), "kept");
    EXPECT_EQ(d.DataID(), "old");
  }
}

TEST_F(XmlTest, BytesThatAreNotUtf8AreAnError) {
  QFile f(Path("latin1.xml"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(SmallTable).replace(">a<", ">\xE9<"));
  f.close();
  TRLData d(nullptr);
  EXPECT_THROW(d.LoadFromXMLFile(Path("latin1.xml"), ""), EORVRLDataError);
}

TEST_F(XmlTest, FileErrorsRaiseInOutError) {
  TRLData d(nullptr);
  EXPECT_THROW(d.LoadFromXMLFile(Path("missing.xml"), ""), EInOutError);
  EXPECT_THROW(d.SaveAsXMLFile(Path("no/such/dir/t.xml"), ""), EInOutError);
  EXPECT_THROW(CheckIfValidReplist(Path("missing.xml"), ""), EInOutError);
  QBuffer closed;
  EXPECT_THROW(d.WriteToXMLStream(&closed, false, ""), EInOutError);
  EXPECT_THROW(d.ReadFromXMLStream(&closed, ""), EInOutError);
}

TEST_F(XmlTest, FailedSaveKeepsTheOldFile) {
  {
    QFile f(Path("keep.xml"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  TRLData d(nullptr);
  d.SetNrRows(300);
  d.OnPercentDone = [](TObject*, int Percent) {
    if (Percent >= 50) throw std::runtime_error("stop");
  };
  EXPECT_THROW(d.SaveAsXMLFile(Path("keep.xml"), ""), std::runtime_error);
  QFile f(Path("keep.xml"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "old");
}

TEST_F(XmlTest, CheckIfValidReplistFollowsTheHeaderLineRule) {
  const struct {
    QByteArray content;
    const char* id;
    bool expected;
  } cases[] = {
      {"<replist library=\"orvlib\" id=\" Sales 2 \">\n", "sales 2", true},
      {"<replist library=\"orvlib\" id=\"Sales 2\">\n", "", true},
      {"<replist library=\"orvlib\" id=\"Sales 2\">\n", "sales", false},
      {"<REPLIST LIBRARY=\"ORVLIB\" ID=\"SALES 2\">\n", "Sales 2", true},
      {"<replist id=\"Sales 2\">\n", "", false},
      {"", "", false},
      {"<?xml?>\nplain line\n<replist orvlib>\n", "", true},
      {"<replist library=\"orvlib\" id=\"a&amp;b\">\n", "A&B", true},
  };
  int i = 0;
  for (const auto& c : cases) {
    const QString name = Path(QStringLiteral("check%1.xml").arg(i++));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(c.content);
    f.close();
    EXPECT_EQ(CheckIfValidReplist(name, c.id), c.expected) << c.content.constData() << " / " << c.id;
  }
  // The stream form reads from the current position and leaves it there.
  QBuffer buf;
  buf.setData("<replist orvlib id=\"one\">\nx\n<replist orvlib id=\"two\">\ny\n");
  buf.open(QIODevice::ReadOnly);
  buf.seek(5);
  EXPECT_FALSE(CheckIfValidReplist(&buf, "one"));
  buf.seek(0);
  EXPECT_TRUE(CheckIfValidReplist(&buf, "one"));
  EXPECT_TRUE(CheckIfValidReplist(&buf, "two"));
  EXPECT_TRUE(buf.isOpen());
}

TEST_F(XmlTest, TagVocabulary) {
  EXPECT_EQ(RepListXmlTagOf(u"numcols"), xmlNumCols);
  EXPECT_EQ(RepListXmlTagOf(u"CELL"), xmlCell);
  EXPECT_EQ(RepListXmlTagOf(u"/replist"), xmlEndReplist);
  EXPECT_EQ(RepListXmlTagOf(u"table"), xmlInvalid);
  EXPECT_EQ(RepListXmlTagOf(u"célla"), xmlInvalid);
  EXPECT_STREQ(RepListXmlTagNames[xmlCommonHd], "commonheader");
  EXPECT_STREQ(RepListXmlTagNames[xmlInvalid], "invalidtag");
}
