// Table editor data and layout: defaults, the value text rule, clamping,
// dimensions, attribute column and row, names, gated events, the binding to
// the table and the sorts.
#include "NTabEdTestSupport.h"

#include <cmath>
#include <limits>

using namespace orv;
using orv::test::NTabEdTest;

TEST_F(NTabEdTest, NewEditorDefaults) {
  EXPECT_EQ(E->NrOfColumns(), 3);
  EXPECT_EQ(E->NrOfRows(), 4);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(E->Precision(c), 3);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(E->Elem(c, r), 0.0);
  }
  EXPECT_TRUE(E->AttribRowVisible());
  EXPECT_FALSE(E->AttribColVisible());
  EXPECT_EQ(E->FirstDataGridCol(), 2);
  EXPECT_EQ(E->FirstDataGridRow(), 1);
  EXPECT_EQ(E->ColWidths(0), 80);
  EXPECT_EQ(E->ColWidths(-1), 32);
  EXPECT_FALSE(E->ExtMatAssigned());
  EXPECT_EQ(E->NumWidth(), 1);
  EXPECT_EQ(E->ColorNormal(), TColor(0x002000));
}

TEST_F(NTabEdTest, PrecisionIsLimitedAndOutOfRangeIgnored) {
  const struct {
    int Set, Stored;
  } cases[] = {{12, 10}, {-5, -1}, {4, 4}, {0, 0}, {10, 10}};
  for (const auto& k : cases) {
    E->SetPrecision(1, k.Set);
    EXPECT_EQ(E->Precision(1), k.Stored) << k.Set;
  }
  EXPECT_EQ(Events("LayoutChanged"), 5);
  E->SetPrecision(0, 5);
  E->SetPrecision(4, 5);
  EXPECT_EQ(Events("LayoutChanged"), 5);
  EXPECT_EQ(E->Precision(0), 0);
  EXPECT_EQ(E->Precision(4), 0);
}

TEST_F(NTabEdTest, NumWidthOutsideItsRangeStillReportsLayout) {
  E->SetNumWidth(0);
  E->SetNumWidth(21);
  EXPECT_EQ(E->NumWidth(), 1);
  E->SetNumWidth(20);
  EXPECT_EQ(E->NumWidth(), 20);
  EXPECT_EQ(Events("LayoutChanged"), 3);
}

TEST(NTabValueText, FixedOrScientificByPrecision) {
  const struct {
    double Value;
    int Width, Precision;
    const char* Text;
  } cases[] = {
      {1234567.5, 1, 2, " 1E+06"},       {999999.99, 1, 2, "999999.99"}, {0.001, 1, 2, " 1E-03"},
      {0, 1, 2, "0.00"},                 {0.5, 1, 0, " 5E-01"},          {-0.5, 1, 0, "-5E-01"},
      {7, 1, 0, "7"},                    {12.345, 1, 1, "12.3"},         {5, 1, -1, " 5E+00"},
      {5, 1, 9, " 5E+00"},               {5, 1, 10, " 5E+00"},           {1234567.5, 6, 2, " 1.23457E+06"},
      {1000000000, 1, 0, " 1E+09"},      {999999999, 1, 0, "999999999"}, {0.5, 1, 8, "0.50000000"},
      {1.5, 1, 8, " 2E+00"},             {2.5, 5, 1, "  2.5"},
  };
  for (const auto& k : cases)
    EXPECT_EQ(NTabValueText(k.Value, k.Width, k.Precision), QString::fromLatin1(k.Text))
        << k.Value << " w" << k.Width << " d" << k.Precision;
}

// Copied texts keep every number readable: no asterisks for large exponents or non-finite values.
TEST(NTabClipText, FullPrecisionFixedOrScientific) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double Value;
    bool FullPrec;
    int Precision;
    const char* Text;
  } cases[] = {
      {-1234.5, true, 3, "-1.2345000000000E+0003"}, {1e308, true, 3, " 1.0000000000000E+0308"},
      {2.5e-300, true, 3, " 2.5000000000000E-0300"}, {1.25, false, 1, "1.2"},
      {-1234.5, false, -1, "-1.234500E+03"},        {1e308, false, -1, " 1.000000E+308"},
      {-2.5e-150, false, -1, "-2.500000E-150"},      {inf, true, 3, "INF"},
      {-inf, false, -1, "-INF"},                     {std::nan(""), true, 3, "NAN"},
  };
  for (const auto& k : cases)
    EXPECT_EQ(NTabClipText(k.Value, k.FullPrec, k.Precision), QString::fromLatin1(k.Text))
        << k.Value << " full " << k.FullPrec << " d" << k.Precision;
}

TEST_F(NTabEdTest, ValuesAreClampedIntoTheRangeUnlessBothEndsAreZero) {
  const struct {
    double Low, High, Value, Stored;
  } cases[] = {{0, 0, 5, 5}, {0, 0, -1e300, -1e300}, {1, 3, 5, 3}, {1, 3, -2, 1}, {1, 3, 2.5, 2.5}};
  for (const auto& k : cases) {
    E->SetVRangeLow(k.Low);
    E->SetVRangeHigh(k.High);
    E->SetElem(1, 1, k.Value);
    EXPECT_EQ(E->Elem(1, 1), k.Stored) << k.Low << ".." << k.High << " " << k.Value;
  }
  EXPECT_EQ(Events("Change"), 5);
}

TEST_F(NTabEdTest, RowsAreInsertedAndRemovedOnlyInsideTheirLimits) {
  E->SetNrOfRows(1);
  E->RemoveRow(1);
  EXPECT_EQ(E->NrOfRows(), 1);
  E->InsertRow(E->NrOfRows() + 2);
  EXPECT_EQ(E->NrOfRows(), 1);
  E->SetRowName(1, QStringLiteral("first"));
  E->InsertRow(E->NrOfRows() + 1);
  EXPECT_EQ(E->NrOfRows(), 2);
  EXPECT_EQ(E->RowName(1), QStringLiteral("first"));
  E->InsertRow(1);
  EXPECT_EQ(E->RowName(2), QStringLiteral("first"));
  E->RemoveRow(1);
  EXPECT_EQ(E->RowName(1), QStringLiteral("first"));
  E->RemoveColumn(0);
  E->RemoveColumn(4);
  EXPECT_EQ(E->NrOfColumns(), 3);
}

TEST_F(NTabEdTest, ColumnsCarryTheirPrecisionWhenInsertedOrRemoved) {
  E->SetPrecision(1, 1);
  E->SetPrecision(2, 2);
  E->SetPrecision(3, 5);
  E->InsertColumn(1);
  EXPECT_EQ(E->NrOfColumns(), 4);
  EXPECT_EQ(E->Precision(1), 1);  // the new column, from its right neighbour
  EXPECT_EQ(E->Precision(2), 1);
  EXPECT_EQ(E->Precision(3), 2);
  EXPECT_EQ(E->Precision(4), 5);
  E->RemoveColumn(3);
  EXPECT_EQ(E->Precision(3), 5);
  E->InsertColumn(4);
  EXPECT_EQ(E->Precision(4), 5);
}

TEST_F(NTabEdTest, GrowingColumnsTakesTheLastColumnsWidthAndPrecision) {
  E->SetColWidths(3, 71);
  E->SetPrecision(3, 6);
  Fired.clear();
  E->SetNrOfColumns(5);
  EXPECT_EQ(E->NrOfColumns(), 5);
  for (int c : {4, 5}) {
    EXPECT_EQ(E->ColWidths(c), 71);
    EXPECT_EQ(E->Precision(c), 6);
  }
  EXPECT_EQ(Events("ChangeSetup"), 1);
  E->Redimension(2, 7);
  EXPECT_EQ(E->NrOfColumns(), 2);
  EXPECT_EQ(E->NrOfRows(), 7);
  EXPECT_EQ(Events("ChangeSetup"), 2);
}

TEST_F(NTabEdTest, AttributeColumnHidesAndComesBackWithItsWidth) {
  E->SetColWidths(-1, 45);
  E->SetColWidths(1, 66);
  Fired.clear();
  E->SetAttribRowVisible(true);
  EXPECT_EQ(Events("LayoutChanged"), 0);
  E->SetAttribRowVisible(false);
  EXPECT_EQ(E->ColWidths(-1), 0);
  EXPECT_EQ(E->FirstDataGridCol(), 1);
  EXPECT_EQ(E->ColWidths(1), 66);
  E->SetColWidths(-1, 99);  // ignored while hidden
  E->SetAttribRowVisible(true);
  EXPECT_EQ(E->ColWidths(-1), 45);
  EXPECT_EQ(E->ColWidths(1), 66);
  EXPECT_EQ(Events("LayoutChanged"), 3);
}

TEST_F(NTabEdTest, AttributeRowTakesTheNameRowsHeight) {
  E->SetRowHeights(0, 30);
  E->SetRowHeights(1, 17);
  E->SetAttribColVisible(true);
  EXPECT_EQ(E->FirstDataGridRow(), 2);
  EXPECT_EQ(E->RowHeights(1), 30);
  EXPECT_EQ(E->RowHeights(2), 17);
  E->SetAttribColVisible(false);
  EXPECT_EQ(E->FirstDataGridRow(), 1);
  EXPECT_EQ(E->RowHeights(1), 17);
}

TEST_F(NTabEdTest, NamesAreCutAndOutOfRangeIndexesIgnored) {
  E->SetColName(1, QString(60, u'x'));
  EXPECT_EQ(E->ColName(1).size(), 50);
  E->SetColName(4, QStringLiteral("no"));
  E->SetRowName(0, QStringLiteral("no"));
  EXPECT_EQ(E->ColName(4), QString());
  EXPECT_EQ(Events("HeadingChanged"), 1);
  E->SetRowAttrib(2, 200);
  E->SetColAttrib(9, 1);
  EXPECT_EQ(E->RowAttrib(2), 200);
  EXPECT_EQ(E->ColAttrib(9), 0);
  EXPECT_EQ(Events("AttributeChanged"), 1);
  E->SetComment(QStringLiteral("a\tb\nc"));
  EXPECT_EQ(E->Comment(), QStringLiteral("abc"));
}

TEST_F(NTabEdTest, ClearNamesColumnsAndRowsAndResetsPrecision) {
  E->Redimension(2, 2);
  E->SetPrecision(1, 7);
  E->SetElem(2, 2, 4);
  E->Clear();
  EXPECT_EQ(E->ColName(1), QStringLiteral("C-1"));
  EXPECT_EQ(E->ColName(2), QStringLiteral("C-2"));
  EXPECT_EQ(E->RowName(1), QStringLiteral("R-1"));
  EXPECT_EQ(E->RowName(2), QStringLiteral("R-2"));
  EXPECT_EQ(E->Precision(1), 3);
  EXPECT_EQ(E->Elem(2, 2), 0.0);
}

TEST_F(NTabEdTest, SuppressPaintSilencesGatedEvents) {
  E->SetSuppressPaint(true);
  E->SetElem(1, 1, 2);
  E->SetColName(1, QStringLiteral("a"));
  E->SetElemMarkedA(1, 1, true);
  E->SetNrOfRows(6);
  E->SetPrecision(1, 1);
  E->ChangedSelection();
  EXPECT_TRUE(Fired.empty());
  E->SetSuppressPaint(false);
  E->SetElem(1, 1, 3);
  EXPECT_EQ(Events("Change"), 1);
}

TEST_F(NTabEdTest, MarksAndStates) {
  E->SetElemMarkedA(2, 3, true);
  E->SetElemMarkedB(1, 1, true);
  E->SetElemMarkedA(9, 9, true);
  EXPECT_TRUE(E->IfRowMarked(3));
  EXPECT_FALSE(E->IfRowMarked(2));
  EXPECT_FALSE(E->IfRowMarked(5));
  EXPECT_TRUE(E->IfColumnMarked(2));
  EXPECT_FALSE(E->IfColumnMarked(3));
  EXPECT_TRUE(E->IfAnyMarked());
  EXPECT_EQ(E->NrOfMarkedDataA(), 1);
  EXPECT_EQ(E->NrOfMarkedDataB(), 1);
  EXPECT_EQ(Events("CellStateChanged"), 3);
  E->ExchangeMarkings();
  EXPECT_TRUE(E->ElemMarkedB(2, 3));
  EXPECT_TRUE(E->ElemMarkedA(1, 1));
  E->MarkAllElemsB();
  EXPECT_EQ(E->NrOfMarkedDataB(), 12);
  E->UnMarkAllElems();
  EXPECT_FALSE(E->IfAnyMarked());
  E->SetIsEmpty(1, 2, true);
  EXPECT_TRUE(E->IsEmpty(1, 2));
  EXPECT_FALSE(E->IsNumber(1, 2));
  EXPECT_EQ(Events("EmptyStChanged"), 1);
  E->SetCellState(1, 1, dtsLocked | dtsNotANumber);
  EXPECT_EQ(E->CellState(1, 1), dtsLocked | dtsNotANumber);
  EXPECT_FALSE(E->IsNumber(1, 1));
  E->SetElem(1, 1, 4);
  E->SetCellState(1, 1, 0);
  EXPECT_EQ(E->FillMarkedCells(9, dtsMarkA), 0);
  E->SetElemMarkedA(3, 4, true);
  EXPECT_EQ(E->FillMarkedCells(9, dtsMarkA), 1);
  EXPECT_EQ(E->Elem(3, 4), 9.0);
}

TEST_F(NTabEdTest, OutsideTableIsUnhookedWhenTheEditorGoes) {
  auto ext = std::make_unique<TDataTable>(nullptr);
  ext->Resize(6, 2);
  ext->SetElem(6, 2, 42);
  E->AssignAnotherDataMatrix(ext.get());
  EXPECT_TRUE(E->ExtMatAssigned());
  EXPECT_EQ(E->NrOfColumns(), 6);
  EXPECT_EQ(E->Elem(6, 2), 42.0);
  EXPECT_EQ(E->Precision(6), 3);
  Fired.clear();
  ext->SetElem(1, 1, 5);
  EXPECT_EQ(Events("Change"), 1);
  ext->Resize(7, 2);
  EXPECT_EQ(E->NrOfColumns(), 7);
  E.reset();
  // The table lives on and no longer calls into the editor.
  ext->Resize(8, 3);
  ext->SetElem(1, 1, 6);
  ext->SetFComment(QStringLiteral("still here"));
  EXPECT_EQ(ext->GetElem(1, 1), 6.0);
}

TEST_F(NTabEdTest, ContentsAndStatesAreCopiedFromAnotherEditor) {
  TNTabEd other(nullptr);
  other.Redimension(2, 3);
  other.SetElem(2, 3, 8.5);
  other.SetColName(2, QStringLiteral("b"));
  other.SetRowAttrib(3, 7);
  other.SetPrecision(2, 1);
  other.SetComment(QStringLiteral("note"));
  other.SetElemMarkedB(1, 2, true);
  E->CopyContentsFrom(&other);
  EXPECT_EQ(E->NrOfColumns(), 2);
  EXPECT_EQ(E->NrOfRows(), 3);
  EXPECT_EQ(E->Elem(2, 3), 8.5);
  EXPECT_EQ(E->ColName(2), QStringLiteral("b"));
  EXPECT_EQ(E->RowAttrib(3), 7);
  EXPECT_EQ(E->Precision(2), 1);
  EXPECT_EQ(E->Comment(), QStringLiteral("note"));
  EXPECT_TRUE(E->ElemMarkedB(1, 2));

  E->UnMarkAllElems();
  EXPECT_TRUE(E->CopyCellStatesFrom(&other));
  EXPECT_TRUE(E->ElemMarkedB(1, 2));
  other.SetNrOfRows(4);
  E->UnMarkAllElems();
  EXPECT_FALSE(E->CopyCellStatesFrom(&other));
  EXPECT_FALSE(E->ElemMarkedB(1, 2));
}

TEST_F(NTabEdTest, SortRowsByAColumnMovesNamesWithHeaders) {
  const double values[] = {3, 1, 4, 2};
  for (int r = 1; r <= 4; ++r) {
    E->SetElem(1, r, values[r - 1]);
    E->SetElem(2, r, 10 * values[r - 1]);
    E->SetRowName(r, QStringLiteral("r%1").arg(values[r - 1]));
  }
  Fired.clear();
  E->SortRows(1, true, 1, 1, 3, 4, true);
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(E->Elem(1, r), r);
    EXPECT_EQ(E->Elem(2, r), 10 * r);
    EXPECT_EQ(E->RowName(r), QStringLiteral("r%1").arg(r));
  }
  EXPECT_EQ(Events("Change"), 1);
  E->SortRows(1, false, 1, 1, 1, 4, false);  // only column 1, names stay
  EXPECT_EQ(E->Elem(1, 1), 4.0);
  EXPECT_EQ(E->Elem(2, 1), 10.0);
  EXPECT_EQ(E->RowName(1), QStringLiteral("r1"));
}

TEST_F(NTabEdTest, SortColsWithHeadersKeepsEachColumnsPrecision) {
  const double keys[] = {30, 10, 20};
  for (int c = 1; c <= 3; ++c) {
    E->SetElem(c, 1, keys[c - 1]);
    E->SetPrecision(c, c);
    E->SetColName(c, QStringLiteral("k%1").arg(keys[c - 1]));
  }
  E->SortCols(1, true, 1, 1, 3, 4, true);
  EXPECT_EQ(E->ColName(1), QStringLiteral("k10"));
  EXPECT_EQ(E->Precision(1), 2);
  EXPECT_EQ(E->ColName(3), QStringLiteral("k30"));
  EXPECT_EQ(E->Precision(3), 1);
  E->SortCols(1, false, 1, 1, 3, 4, false);  // values only: precisions stay in place
  EXPECT_EQ(E->Elem(1, 1), 30.0);
  EXPECT_EQ(E->Precision(1), 2);
}

TEST_F(NTabEdTest, NameAndAttributeSortsReorderWholeLines) {
  const char* names[] = {"beta", "Alpha", "gamma"};
  for (int c = 1; c <= 3; ++c) {
    E->SetColName(c, QString::fromLatin1(names[c - 1]));
    E->SetElem(c, 2, c);
    E->SetPrecision(c, c);
    E->SetColAttrib(c, std::uint8_t(10 - c));
  }
  E->SortColNames(true, true, 1, 1, 3, 4);
  EXPECT_EQ(E->ColName(1), QStringLiteral("Alpha"));
  EXPECT_EQ(E->Elem(1, 2), 2.0);
  EXPECT_EQ(E->Precision(1), 2);
  EXPECT_EQ(E->FindColIndex(QStringLiteral("gamma")), 3);
  EXPECT_EQ(E->FindColIndex(QStringLiteral("delta")), 0);
  E->SortColNames(true, 1, 1, 3, 4);  // case-sensitive: capitals first
  EXPECT_EQ(E->ColName(1), QStringLiteral("Alpha"));
  E->SortColAttributes(true, 1, 1, 3, 4);
  EXPECT_EQ(E->ColName(1), QStringLiteral("gamma"));
  EXPECT_EQ(E->ColAttrib(1), 7);

  for (int r = 1; r <= 4; ++r) {
    E->SetRowAttrib(r, std::uint8_t(5 - r));
    E->SetRowName(r, QStringLiteral("n%1").arg(r));
  }
  E->SortRowAttributes(true, 1, 1, 3, 4);
  EXPECT_EQ(E->RowName(1), QStringLiteral("n4"));
  EXPECT_EQ(E->FindRowIndex(QStringLiteral("n4")), 1);
  E->SortRowNames(true, 1, 1, 3, 4);
  EXPECT_EQ(E->RowName(1), QStringLiteral("n1"));
  EXPECT_EQ(E->Elem(1, 2), 3.0);  // the cells came back with their rows
}

TEST_F(NTabEdTest, AutomaticSizesFollowTheTexts) {
  TCanvas* c = E->Canvas();
  c->Font()->Assign(E->Font());
  E->SetColName(2, QStringLiteral("A rather long column name"));
  E->SetElem(2, 3, 12345.5);
  const int name = c->TextWidth(E->ColName(2));
  EXPECT_EQ(E->AutoColWidth(2, true, 3), name + 11);
  EXPECT_EQ(E->ColWidths(2), name + 11);
  EXPECT_EQ(E->AutoColWidth(2, false, 0), c->TextWidth(QStringLiteral("12345.500")) + 8);
  E->SetRowName(4, QStringLiteral("the longest row name here"));
  EXPECT_EQ(E->AutoColWidth(0, false, 0), c->TextWidth(E->RowName(4)) + 8);
  EXPECT_EQ(E->AutoColWidth(-1, true, 0), c->TextWidth(QStringLiteral("Attrib")) + 8);
  EXPECT_EQ(E->ColWidths(-1), c->TextWidth(QStringLiteral("Attrib")) + 8);
  EXPECT_EQ(E->AutoColWidth(9, true, 1), 9);  // no such column: Addon + 8 only
  const int h = std::max(8, c->TextHeight(QStringLiteral("9GMg\u00DC$\u00A7[{|")) + 5);
  EXPECT_EQ(E->AutoRowHeight(2, 3), h);
  EXPECT_EQ(E->RowHeights(2), h);
  const int before = E->RowHeights(1);
  EXPECT_EQ(E->AutoRowHeight(-1, 3), h);  // the attribute row is hidden: nothing changes
  EXPECT_EQ(E->RowHeights(1), before);

  E->SetColWidths(0, 120);
  E->SetColWidths(-1, 50);
  E->SetDefaultColWidth(70);
  EXPECT_EQ(E->ColWidths(0), 80);
  EXPECT_EQ(E->ColWidths(-1), 50);
  EXPECT_EQ(E->ColWidths(3), 70);
}

TEST_F(NTabEdTest, TopRowAndLeftColAreClampedToTheTable) {
  E->Redimension(40, 200);
  E->SetTopRow(0);
  EXPECT_EQ(E->TopRow(), 1);
  E->SetTopRow(120);
  EXPECT_EQ(E->TopRow(), 120);
  E->SetLeftCol(-3);
  EXPECT_EQ(E->LeftCol(), 1);
  E->SetLeftCol(10);
  EXPECT_EQ(E->LeftCol(), 10);
}
