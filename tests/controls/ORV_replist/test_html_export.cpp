// TRLData: the HTML table export.

#include <ORV_replist.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace orv;

namespace {

struct HtmlTest : ::testing::Test {
  QTemporaryDir dir;
  TRLData d{nullptr};
  void SetUp() override {
    d.SetNrCols(3);
    d.SetNrRows(2);
    d.SetColName(1, "A<1>");
    d.SetColName(2, "B");
    d.SetColName(3, "C");
    d.SetElem(1, 1, "x & \"y\"");
    d.SetElem(2, 1, "two\r\nlines");
    d.SetElem(3, 1, "z");
    d.SetElem(1, 2, "ü");
    d.SetColCheckMode(3, cmBox);
    d.SetElemChecked(3, 1, true);
  }
  QString Export(const QList<int>& cols, bool header, const QString& table = "t", int LoC = 1, int HiC = 3) {
    const QString name = dir.filePath("t.html");
    d.ExportHTMLTable(name, LoC, 1, HiC, 2, cols, 1, 2, 3, header, "h", "c", table);
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
  }
};

}  // namespace

TEST_F(HtmlTest, WritesAnEscapedTableWithClassesAndHeader) {
  EXPECT_EQ(Export({}, true),
            "<table class=\"t\" border=\"1\" cellspacing=\"2\" cellpadding=\"3\">\n"
            "<tr><th class=\"h\">A&lt;1&gt;</th><th class=\"h\">B</th><th class=\"h\">C</th></tr>\n"
            "<tr><td class=\"c\">x &amp; &quot;y&quot;</td><td class=\"c\">two<br>lines</td><td class=\"c\">z</td></tr>\n"
            "<tr><td class=\"c\">ü</td><td class=\"c\"></td><td class=\"c\"></td></tr>\n"
            "</table>\n");
}

TEST_F(HtmlTest, ColumnSelectionWithinTheBlockAndEmptyClasses) {
  const QString html = Export({3, 1, 7, 2}, false, "", 1, 2);
  EXPECT_EQ(html,
            "<table border=\"1\" cellspacing=\"2\" cellpadding=\"3\">\n"
            "<tr><td class=\"c\">x &amp; &quot;y&quot;</td><td class=\"c\">two<br>lines</td></tr>\n"
            "<tr><td class=\"c\">ü</td><td class=\"c\"></td></tr>\n"
            "</table>\n");
}

TEST_F(HtmlTest, HookRewritesEveryTextBeforeEscaping) {
  QStringList seen;
  d.OnBeforeHTMLExport = [&](TObject* Sender, QString& Text, int Col, int Row) {
    EXPECT_EQ(Sender, &d);
    seen << QStringLiteral("%1:%2").arg(Col).arg(Row);
    if (Col == 2 && Row == 2) Text = "<b>";
  };
  const QString html = Export({2}, true);
  EXPECT_EQ(seen, (QStringList{"2:0", "2:1", "2:2"}));
  EXPECT_TRUE(html.contains("<td class=\"c\">&lt;b&gt;</td>"));
}

TEST_F(HtmlTest, UnwritableFileRaises) {
  EXPECT_THROW(d.ExportHTMLTable(dir.filePath("no/such/t.html"), 1, 1, 3, 2, {}, 0, 0, 0, false, "", "", ""),
               EInOutError);
}
