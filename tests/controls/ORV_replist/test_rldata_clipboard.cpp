// TRLData: clipboard text in its tab, separator and fixed-width forms.

#include <ORV_replist.h>

#include <gtest/gtest.h>

using namespace orv;

namespace {

struct ClipTable : ::testing::Test {
  TRLData d{nullptr};
  void SetUp() override {
    d.SetNrCols(2);
    d.SetNrRows(2);
    d.SetColName(1, "A");
    d.SetColName(2, "B");
    d.SetElem(1, 1, "x");
    d.SetElem(2, 1, "y");
    d.SetElem(1, 2, "long text");
  }
};

}  // namespace

TEST_F(ClipTable, TabFormWithHeader) {
  d.CopyToClipBoard(1, 1, 2, 1, true, true);
  EXPECT_EQ(Clipboard()->AsText(), "A\tB\n\nx\ty\n");
  d.CopyToClipBoard(1, 1, 2, 2, false, true);
  EXPECT_EQ(Clipboard()->AsText(), "x\ty\nlong text\t\n");
}

TEST_F(ClipTable, SeparatorForm) {
  d.CopyToClipBoard(1, 1, 2, 2, true, " | ");
  EXPECT_EQ(Clipboard()->AsText(), "A | B\n\nx | y\nlong text | \n");
  d.CopyToClipBoard(1, 1, 2, 1, false, QStringLiteral(";"));
  EXPECT_EQ(Clipboard()->AsText(), "x;y\n");
}

TEST_F(ClipTable, FixedWidthPadsToTheLongestStoredTextPlusOne) {
  d.SetColCheckMode(2, cmBox);  // stored " y": width 2 counts the check character
  d.CopyToClipBoard(1, 1, 2, 2, true, false);
  EXPECT_EQ(Clipboard()->AsText(), "A         B  \n\n"
                                    "x         y  \n"
                                    "long text    \n");
}

TEST_F(ClipTable, BlockIsLimitedToTheTable) {
  d.SetElem(0, 1, "k");
  d.CopyToClipBoard(0, -5, 9, 99, false, true);
  EXPECT_EQ(Clipboard()->AsText(), "k\tx\ty\n\tlong text\t\n");
  d.CopyToClipBoard(2, 1, 1, 2, true, true);
  EXPECT_EQ(Clipboard()->AsText(), "");
}
