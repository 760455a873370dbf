// Report list view structure: defaults, head rows, column settings that travel
// with their columns, widths, out-of-range access, Assign and the exchange forwarders.
#include "ViewTestSupport.h"

#include <QTemporaryDir>

using namespace orv;
using orv::test::ViewTest;

TEST(ViewDefaults, NewViewHasFiveNamedColumnsAndFourBlankRows) {
  TReportListView v(nullptr);
  EXPECT_EQ(v.NrOfColumns(), 5);
  EXPECT_EQ(v.NrOfRows(), 4);
  EXPECT_EQ(v.CountHeadRows(), 1);
  EXPECT_EQ(test::GridOf::Rows(v), 5);
  EXPECT_EQ(test::GridOf::Cols(v), 5);
  EXPECT_EQ(test::GridOf::FixedColsOf(v), 0);
  EXPECT_EQ(test::GridOf::FixedRowsOf(v), 1);
  for (int c = 1; c <= 5; ++c) {
    EXPECT_EQ(v.Header(c), QStringLiteral("C-%1").arg(c));
    EXPECT_EQ(v.ColumnOrder(c), c);
    EXPECT_EQ(v.ColumnAlignment(c), taLeftJustify);
  }
  EXPECT_EQ(v.Elem(1, 1), QString());
  EXPECT_EQ(v.TopRow(), 1);
  EXPECT_TRUE(v.SuppressPaint());  // until the window exists
  EXPECT_FALSE(v.DefaultDrawing());
  EXPECT_EQ(v.Options(), TGridOptions({goFixedVertLine, goFixedHorzLine, goColSizing, goRowSelect, goThumbTracking}));
  EXPECT_EQ(v.CommonHeader(), QStringLiteral("ORV Report Listview"));
  EXPECT_EQ(v.ColorBkgdShaded(), 0xF0EFE8u);
  EXPECT_EQ(v.RowSelectMode(), 1);
  EXPECT_EQ(v.LastSortColumn(), -1);
}

TEST_F(ViewTest, HeaderHeightsClampAndHeadRowsRecount) {
  V->SetCommonHeaderHeight(3);
  EXPECT_EQ(V->CommonHeaderHeight(), 8);
  V->SetCommonHeaderHeight(500);
  EXPECT_EQ(V->CommonHeaderHeight(), 127);
  V->SetCommonHeaderHeight(30);
  V->SetColumnHeadersHeight(22);
  V->SetCommonHeaderVisible(true);
  EXPECT_EQ(V->CountHeadRows(), 2);
  EXPECT_EQ(test::GridOf::FixedRowsOf(*V), 2);
  EXPECT_EQ(test::GridOf::Rows(*V), 8);
  EXPECT_EQ(V->RowHeights(0), 30);
  EXPECT_EQ(V->RowHeights(1), 22);
  V->SetColumnHeadersVisible(false);
  EXPECT_EQ(test::GridOf::FixedRowsOf(*V), 1);
  EXPECT_EQ(V->RowHeights(0), 30);
  EXPECT_EQ(V->RowHeights(1), V->DefaultRowHeight());
  V->SetCommonHeaderVisible(false);
  EXPECT_EQ(test::GridOf::FixedRowsOf(*V), 0);
  EXPECT_EQ(test::GridOf::Rows(*V), 6);
  EXPECT_EQ(V->Elem(1, 1), QStringLiteral("delta"));
}

TEST_F(ViewTest, ColumnSettingsTravelWithInsertedAndRemovedColumns) {
  V->SetColumnAlignment(2, taRightJustify);
  V->SetColumnAlignment(3, taCenter);
  V->SetColumnEditable(3, true);
  V->SetColumnIsPwd(2, true);
  EXPECT_EQ(V->InsertColumn(2), 2);
  EXPECT_EQ(V->NrOfColumns(), 4);
  const TAlignment expected[] = {taLeftJustify, taLeftJustify, taRightJustify, taCenter};
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(V->ColumnAlignment(c), expected[c - 1]) << c;
  EXPECT_TRUE(V->ColumnIsPwd(3));
  EXPECT_TRUE(V->ColumnEditable(4));
  EXPECT_FALSE(V->ColumnEditable(2));
  EXPECT_EQ(V->Elem(3, 1), QStringLiteral("4"));
  V->RemoveColumn(1);
  EXPECT_EQ(V->ColumnAlignment(2), taRightJustify);
  EXPECT_EQ(V->ColumnAlignment(3), taCenter);
  EXPECT_TRUE(V->ColumnEditable(3));
  EXPECT_EQ(test::GridOf::Cols(*V), 3);
  EXPECT_EQ(V->InsertColumn(99), 4);  // appends
}

TEST_F(ViewTest, ColumnOrderNeedsOneEntryPerColumn) {
  EXPECT_FALSE(V->SetColumnOrder({2, 1}));
  EXPECT_EQ(V->ColumnOrder(1), 1);
  EXPECT_TRUE(V->SetColumnOrder({3, 1, 2}));
  EXPECT_EQ(V->ColumnOrder(1), 3);
  EXPECT_FALSE(V->SetColumnOrder({1, 9, 2}));  // the valid entries are stored
  EXPECT_EQ(V->ColumnOrder(1), 1);
  EXPECT_EQ(V->ColumnOrder(2), 1);
}

TEST_F(ViewTest, RowsInsertRemoveAndForgetTheSort) {
  V->Sort(1, -1, true);
  EXPECT_EQ(V->InsertRow(2), 2);
  EXPECT_EQ(V->LastSortColumn(), -1);
  EXPECT_EQ(V->NrOfRows(), 7);
  EXPECT_EQ(test::GridOf::Rows(*V), 8);
  EXPECT_EQ(V->Elem(1, 1), QStringLiteral("alpha"));
  EXPECT_EQ(V->Elem(1, 2), QString());
  EXPECT_EQ(V->InsertRow(0), 0);
  EXPECT_EQ(V->InsertRow(50), 8);
  V->RemoveEmptyRows();
  EXPECT_EQ(V->NrOfRows(), 6);
  V->RemoveRow(1);
  EXPECT_EQ(V->Elem(1, 1), QStringLiteral("bravo"));
  EXPECT_EQ(V->AddRow(), 6);
}

TEST_F(ViewTest, OutOfRangeNumbersAreIgnored) {
  for (int bad : {-5, 0, 4, 1000000}) {
    EXPECT_EQ(V->ColumnAlignment(bad), taLeftJustify);
    EXPECT_FALSE(V->ColumnEditable(bad));
    EXPECT_FALSE(V->ColumnIsPwd(bad));
    EXPECT_FALSE(V->ColumnSelected(bad));
    EXPECT_EQ(V->ColWidths(bad), 0);
    EXPECT_EQ(V->ColumnOrder(bad), 0);
    V->SetColumnAlignment(bad, taCenter);
    V->SetColumnEditable(bad, true);
    V->SetColumnIsPwd(bad, true);
    V->SetColumnSelected(bad, true);
    V->SetColWidths(bad, 5);
    V->AutoColWidth(bad, true, 0);
    V->ExpandColWidth(bad, 0);
    V->RemoveColumn(bad);
  }
  for (int bad : {-1, 0, 7, 1 << 30}) {
    EXPECT_FALSE(V->RowSelected(bad));
    EXPECT_FALSE(V->RowEnabled(bad));
    V->SetRowSelected(bad, true);
    V->SetRowEnabled(bad, false);
    V->RemoveRow(bad);
    V->SelectRow(bad);
    V->CenterScrollAndSelect(bad);
    EXPECT_EQ(V->GridRowOfDataRow(bad), -1);
  }
  EXPECT_EQ(V->DetermineMaxColWidth(0, true), 10);
  V->Sort(17, 2, true);
  V->SetSecondarySortColumn(-1);
  V->SetSecondarySortColumn(V->NrOfColumns() + 1);
  EXPECT_EQ(V->SecondarySortColumn(), -1);
  V->SetSecondarySortColumn(2);
  EXPECT_EQ(V->SecondarySortColumn(), 2);
  V->SetSecondarySortColumn(-1);
  EXPECT_EQ(V->SecondarySortColumn(), -1);
  EXPECT_EQ(V->NrOfRows(), 6);
  EXPECT_EQ(V->NrOfColumns(), 3);
  (void)Image();
}

TEST_F(ViewTest, ColumnWidthFitting) {
  V->SetElem(1, 1, QStringLiteral("a much longer name than the others"));
  const int fit = V->DetermineMaxColWidth(1, false);
  V->AutoColWidth(1, false, 5);
  EXPECT_EQ(V->ColWidths(1), fit + 5);
  V->AutoColWidth(1, false, 5, 50);
  EXPECT_EQ(V->ColWidths(1), 50);
  V->SetColumnCheckMode(3, cmBox);
  EXPECT_EQ(V->DetermineMaxColWidth(3, false), 16 + 10);  // empty cells: the box alone
  V->ExpandColWidth(2, 10);
  EXPECT_EQ(V->ColWidths(1) + V->ColWidths(2) + V->ColWidths(3), V->Width() - 10);
  V->SetColWidths(1, V->Width());
  V->ExpandColWidth(2, 0);
  EXPECT_EQ(V->ColWidths(2), 16);
  V->FitAllColWidths(3, true, 0, 1000, 0);
  EXPECT_EQ(V->ColWidths(1), fit);
}

TEST_F(ViewTest, AssignCopiesSettingsAndDataWithoutSharing) {
  V->SetColorHigh(0x123456);
  V->SetRowSelectMode(2);
  V->SetCommonHeaderVisible(true);
  V->SetColumnAlignment(2, taRightJustify);
  V->SetFixedFirstColumn(true);
  TReportListView copy(nullptr);
  copy.Assign(V.get());
  EXPECT_EQ(copy.ColorHigh(), 0x123456u);
  EXPECT_EQ(copy.RowSelectMode(), 2);
  EXPECT_EQ(copy.CountHeadRows(), 2);
  EXPECT_EQ(test::GridOf::Rows(copy), 8);
  EXPECT_EQ(copy.NrOfColumns(), 3);
  EXPECT_EQ(copy.ColumnAlignment(2), taRightJustify);
  EXPECT_TRUE(copy.FixedFirstColumn());
  EXPECT_EQ(copy.Elem(1, 3), QStringLiteral("echo"));
  EXPECT_NE(copy.RLData(), V->RLData());
  int changes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.SetElem(1, 3, QStringLiteral("x"));
  EXPECT_EQ(V->Elem(1, 3), QStringLiteral("echo"));
  EXPECT_EQ(changes, 1);  // the copy's store reports to the copy
}

TEST_F(ViewTest, AssignCopiesTheListedEventsAndColours) {
  int requests = 0, renders = 0;
  V->OnRequestEditFormat = [&](TObject*, int, int, QString&) { ++requests; };
  V->OnBeforeRenderCell = [&](TObject*, int, int, TColor&, TColor&, TColor&, TFontStyles&, QString&) { ++renders; };
  V->SetColorSelectedBoth(0x010203);
  V->SetColorBkgdShaded(0x040506);
  V->SetColorColumnHd(0x070809);
  V->SetCommonHeaderAlignment(taRightJustify);
  V->SetHighLightBold(true);
  V->SetInterRowIndicatorColor(0x00FF00);
  V->SetInterRowIndicatorWidth(5);
  V->SetShowEmptyCheckBoxes(false);
  TReportListView copy(nullptr);
  copy.Assign(V.get());
  ASSERT_TRUE(copy.OnRequestEditFormat);
  QString format;
  copy.OnRequestEditFormat(&copy, 1, 1, format);
  EXPECT_EQ(requests, 1);
  EXPECT_TRUE(copy.OnBeforeRenderCell);
  EXPECT_EQ(copy.ColorSelectedBoth(), 0x010203u);
  EXPECT_EQ(copy.ColorBkgdShaded(), 0x040506u);
  EXPECT_EQ(copy.ColorColumnHd(), 0x070809u);
  EXPECT_EQ(copy.FixedColor(), 0x070809u);
  EXPECT_EQ(copy.CommonHeaderAlignment(), taRightJustify);
  EXPECT_TRUE(copy.HighLightBold());
  EXPECT_EQ(copy.InterRowIndicatorColor(), 0x00FF00u);
  EXPECT_EQ(copy.InterRowIndicatorWidth(), 5);
  EXPECT_FALSE(copy.ShowEmptyCheckBoxes());
}

TEST_F(ViewTest, FixedColorAndColorColumnHdAreOneValue) {
  int setups = 0;
  V->OnChangeSetup = [&](TObject*) { ++setups; };
  TCustomGrid* grid = V.get();
  grid->SetFixedColor(0x112233);  // through the grid's own API
  EXPECT_EQ(V->ColorColumnHd(), 0x112233u);
  EXPECT_EQ(setups, 1);
  V->SetColorColumnHd(0x445566);
  EXPECT_EQ(grid->FixedColor(), 0x445566u);
  EXPECT_EQ(setups, 2);
  V->SetFixedColor(0x445566);  // unchanged: no event
  EXPECT_EQ(setups, 2);
  EXPECT_TRUE(V->setProperty("FixedColor", 0x778899u));
  EXPECT_EQ(V->property("ColorColumnHd").value<TColor>(), 0x778899u);
  EXPECT_EQ(orv::test::PixelAt(Image(), HeaderCell(1).Left + 3, HeaderCell(1).Top + 3), 0x778899u);
}

TEST_F(ViewTest, PublishedPropertiesWorkThroughTheMetaObject) {
  const QMetaObject* mo = V->metaObject();
  for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
    const QMetaProperty p = mo->property(i);
    EXPECT_TRUE(p.isReadable() && p.isWritable()) << p.name();
    EXPECT_TRUE(p.write(V.get(), p.read(V.get()))) << p.name();
  }
  EXPECT_TRUE(mo->property(mo->indexOfProperty("CommonHeaderAlignment")).enumerator().isValid());
  // As a form file stores them: enumerations by name, colours as numbers.
  EXPECT_TRUE(V->setProperty("CommonHeaderAlignment", QStringLiteral("taLeftJustify")));
  EXPECT_TRUE(V->setProperty("ColorHigh", 0x00FF00u));
  EXPECT_TRUE(V->setProperty("HighLightRow", 2));
  EXPECT_TRUE(V->setProperty("HighLightBold", true));
  EXPECT_TRUE(V->setProperty("InterRowIndicatorWidth", 2));
  EXPECT_TRUE(V->setProperty("DefaultRowHeight", 30));
  EXPECT_TRUE(V->setProperty("CommonHeaderHeight", 500));
  EXPECT_EQ(V->CommonHeaderAlignment(), taLeftJustify);
  EXPECT_EQ(V->ColorHigh(), 0x00FF00u);
  EXPECT_EQ(V->HighLightRow(), 2);
  EXPECT_TRUE(V->HighLightBold());
  EXPECT_EQ(V->InterRowIndicatorWidth(), 2);
  EXPECT_EQ(V->RowHeights(2), 30);
  EXPECT_EQ(V->RowHeights(0), V->ColumnHeadersHeight());  // the view's setter re-applied the header height
  EXPECT_EQ(V->CommonHeaderHeight(), 127);
}

TEST_F(ViewTest, ExchangeForwardersKeepTheGridInStep) {
  QTemporaryDir dir;
  const QString csv = dir.filePath(QStringLiteral("t.csv"));
  EXPECT_EQ(V->ExportCSV(csv, csvComma, true, false, 1, 1, 3, 6), 6);
  V->SetNrRows(2);
  V->SetNrCols(1);
  EXPECT_EQ(V->ImportCSV(csv, csvComma, true), 6);
  EXPECT_EQ(V->NrOfColumns(), 3);
  EXPECT_EQ(test::GridOf::Cols(*V), 3);
  EXPECT_EQ(test::GridOf::Rows(*V), 7);
  EXPECT_EQ(V->Header(2), QStringLiteral("Value"));
  const QString xml = dir.filePath(QStringLiteral("t.xml"));
  V->SaveAsXMLFile(xml, QStringLiteral("T"));
  V->SetNrRows(0);
  EXPECT_TRUE(V->LoadFromXMLFile(xml, QStringLiteral("T")));
  EXPECT_EQ(test::GridOf::Rows(*V), 7);
  EXPECT_EQ(V->Elem(1, 6), QStringLiteral("foxtrot"));
  int exported = 0;
  V->OnBeforeHTMLExport = [&](TObject* Sender, QString&, int, int) {
    EXPECT_EQ(Sender, V.get());
    ++exported;
  };
  V->ExportHTMLTable(dir.filePath(QStringLiteral("t.html")), 1, 1, 3, 6, {}, 1, 0, 2, true, {}, {}, {});
  EXPECT_EQ(exported, 3 * 7);
}

TEST_F(ViewTest, DataEventsAreForwardedWithTheViewAsSender) {
  int changes = 0;
  V->OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, V.get());
    ++changes;
  };
  V->SetElem(1, 1, QStringLiteral("zulu"));
  EXPECT_EQ(changes, 1);
  int exchanges = 0;
  V->OnBeforeSortExchange = [&](TObject* Sender, int, int) {
    EXPECT_EQ(Sender, V.get());
    ++exchanges;
  };
  V->Sort(1, -1, true);
  EXPECT_GT(exchanges, 0);
  QString read;
  V->OnReadCell = [&](TObject*, int, int, QString& Text) { Text = QStringLiteral("<") + Text + QStringLiteral(">"); };
  EXPECT_EQ(V->Elem(1, 1), QStringLiteral("<alpha>"));
  V->SetElem(2, 1, QStringLiteral("abc"));
  EXPECT_THROW(V->AsNumber(2, 1), EORVDStructError);
}
