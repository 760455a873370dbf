// TReportListView: painting of cells, headers, the empty message and the
// insertion line; column widths measured from the painted texts.
#include "OrvTReportListView.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kGrey = 0x808080;
constexpr int kCheckIndent = 16;  // room of the check box in front of a check cell's text
constexpr int kArrowRoom = 13;    // room of the sort arrow in a header

// Nearest integer, halves to the even neighbour.
int RoundEven(double x) { return int(std::nearbyint(x)); }

void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

// Raised edge: white along the left and top, grey along the bottom and right.
void RaisedEdge(TCanvas* C, int L, int T, int R, int B) {
  C->Pen()->SetColor(kWhite);
  C->MoveTo(L, B - 1);
  C->LineTo(L, T);
  C->LineTo(R, T);
  C->Pen()->SetColor(kGrey);
  C->MoveTo(L + 1, B - 1);
  C->LineTo(R - 1, B - 1);
  C->LineTo(R - 1, T);
}

// x of a text of width W aligned inside [Left, Right).
int AlignedX(TAlignment A, int Left, int Right, int W) {
  switch (A) {
    case taRightJustify: return Right - W;
    case taCenter: return (Left + Right) / 2 - W / 2;
    case taLeftJustify: break;
  }
  return Left;
}

}  // namespace

// ------------------------------------------------------------------ geometry

int TReportListView::RowLineWidth() const {
  const TGridOptions o = Options();
  return o.Contains(goFixedHorzLine) || o.Contains(goHorzLine) ? GridLineWidth() : 0;
}

int TReportListView::HeadRowsBottom() const {
  // Each head row but the last is followed by its line; the last one's line
  // is the one this gives.
  int y = CellArea().Top - RowLineWidth();
  for (int r = 0; r < CountHeadRows(); ++r) y += RowHeights(r) + RowLineWidth();
  return y;
}

int TReportListView::ColumnHeaderGridRow() const {
  if (!FColumnHeadersVisible) return -1;
  return FCommonHeaderVisible ? 1 : 0;
}

int TReportListView::InterRowLineY() const {
  const int p = FInterRowIndi;
  if (p < 1 || p > NrOfRows() + 1) return -1;
  // The shown row whose top edge the line follows (ShownRowCount(): below the
  // last one); above the top row the line is not drawn.
  const int index = ShownIndexFrom(p);
  const int top = GridTopRow() - CountHeadRows();
  if (index < top) return -1;
  return HeadRowsBottom() + (index - top) * (DefaultRowHeight() + RowLineWidth());
}

int TReportListView::HeaderRightEdge() const {
  int w = 0;
  for (int c = FixedCols() > 0 ? 0 : GridLeftCol(); c < ColCount(); ++c) {
    const TRect r = CellRect(c, 0);
    if (r.IsEmpty()) {
      if (c >= GridLeftCol()) break;
      continue;
    }
    w = r.Right;
  }
  return w;
}

// ------------------------------------------------------------------ cells

void TReportListView::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  // The grid prepared the canvas: control font, solid one-pixel pen and solid brush.
  if (ARow >= FixedRows())
    DrawDataCell(ACol, ARow, ARect);
  else if (ARow == ColumnHeaderGridRow())
    DrawColumnHeader(ACol, ARect);
  else if (FCommonHeaderVisible && ARow == 0)
    DrawCommonHeader(ARect);
  TCustomDrawGrid::DrawCell(ACol, ARow, TextRectOf(ARect), AState);
}

void TReportListView::DrawDataCell(int ACol, int ARow, const TRect& ARect) {
  TCanvas* c = Canvas();
  TRect F = ARect;
  if (ACol >= FixedCols()) {
    if (!Options().Contains(goVertLine)) ++F.Right;
    if (!Options().Contains(goHorzLine)) ++F.Bottom;
  }
  TRect X = TextRectOf(ARect);
  const int D = DataColOfGridCol(ACol);
  const int DR = DataRowOfGridRow(ARow);
  const TCheckMode mode = FRLData->GetColCheckMode(D);
  const bool checkCol = mode != cmNone;

  // DR is 0 on the blank row of an empty (or wholly filtered) table.
  QString text = DR == 0 ? QString() : ColumnIsPwd(D) ? QStringLiteral("******") : Store()->GetString(D, DR);
  TColor font = FColorNormal;
  TColor brush = FRColorNormal;
  if (FRowColPattern > 0 && ((ARow - FixedRows()) / FRowColPattern) % 2 == 0) brush = FRColorShaded;
  TFontStyles styles = Font()->Style();
  const std::uint8_t rowAttr = Store()->GetRowAttrib(DR);
  const bool rowDisabled = rowAttr & rlRowDisabled;
  if (FEnabled) {
    const bool rowSel = rowAttr & rlRowSelected;
    const bool colSel = Store()->GetColAttrib(D) & rlColSelected;
    if (rowDisabled) {
      brush = FColorDisabledBkgd;
      font = FColorDisabledText;
    } else {
      if (rowSel && colSel) {
        brush = FColorSelBoth;
        font = FColorSelBothText;
      } else if (colSel) {
        brush = FColorSelCol;
        font = FColorSelColText;
      } else if (rowSel) {
        brush = FColorSelRow;
        font = FColorSelRowText;
      }
      if ((DR != 0 && DR == FHighLightRow) || (D != 0 && D == FHighLightColumn)) {
        brush = FColorHigh;
        font = FColorHighText;
        if (FHighLightBold) styles.Include(fsBold);
      }
    }
  }
  if (ACol < FixedCols()) brush = FixedColor();
  if (!FEnabled) font = clInactiveCaption;
  TColor pen = brush;
  if (OnBeforeRenderCell) OnBeforeRenderCell(this, D, DR, pen, brush, font, styles, text);
  c->Font()->SetStyle(styles);
  c->Font()->SetColor(font);
  c->Brush()->SetColor(brush);

  const int avail = ColWidths(D) - 9 - (checkCol ? kCheckIndent : 0);
  // Short texts fit without being measured: no character is wider than FWidestChar.
  const bool mayNotFit = qint64(text.size()) * FWidestChar > avail;
  if (const int w = mayNotFit && text.size() > 1 ? c->TextWidth(text.mid(1)) : 0; w > 0 && avail < w) {
    const int n = std::max(1, RoundEven(double(text.size()) * avail / w - 4));
    if (ColumnAlignment(D) == taRightJustify)
      text = text.left(1) + QStringLiteral("...") + text.right(n);
    else
      text = text.left(n) + QStringLiteral("...");
  }

  c->FillRect(F);  // what Rectangle(F) draws with pen and brush both in the brush colour
  c->Pen()->SetColor(pen);
  // The texts go onto the filled cell: no second fill of their rectangle.
  c->Brush()->SetStyle(bsClear);

  const bool italic = Font()->Style().Contains(fsItalic);
  auto drawText = [&](const QString& s) {
    const TAlignment al = ColumnAlignment(D);
    const int w = al == taLeftJustify ? 0 : c->TextWidth(s) + (italic ? 2 : 0);
    c->TextRect(X, AlignedX(al, X.Left, X.Right, w), X.Top - 1, s);
  };
  const bool checkBox = checkCol && (text.size() > 1 || FShowEmptyCBx);
  if (!checkCol) {
    drawText(text);
  } else if (checkBox) {
    X.Left += kCheckIndent;
    drawText(text.mid(1));
  }
  c->Brush()->SetStyle(bsSolid);
  if (checkBox) {
    const bool checked = !text.isEmpty() && text.at(0) != u' ';
    const int L = ARect.Left, T = ARect.Top;
    if (!FROCheckMarks) {
      const TColor frame = !FEnabled ? clInactiveCaption : rowDisabled ? pen : clBtnShadow;
      const TRect box = CheckBoxRectOf(ARect);
      if (mode == cmRadio) {
        c->Pen()->SetColor(frame);
        c->Brush()->SetStyle(bsClear);
        c->Ellipse(box);
        c->Brush()->SetStyle(bsSolid);
      } else {
        // The outline Rectangle draws with a one-pixel pen and a clear brush.
        c->Brush()->SetColor(frame);
        c->FrameRect(box);
        c->Brush()->SetColor(brush);
      }
    }
    c->Pen()->SetColor(FEnabled ? font : clInactiveCaption);
    if (checked && mode == cmRadio) {
      Line(c, L + 8, T + 7, L + 11, T + 7);
      for (int i = 0; i < 3; ++i) Line(c, L + 7, T + 8 + i, L + 12, T + 8 + i);
      Line(c, L + 8, T + 11, L + 11, T + 11);
    } else if (checked) {
      for (int i = 0; i < 3; ++i) {
        Line(c, L + 6, T + 8 + i, L + 9, T + 11 + i);
        Line(c, L + 8, T + 10 + i, L + 13, T + 5 + i);
      }
    }
  }
  if (ACol < FixedCols()) RaisedEdge(c, ARect.Left, ARect.Top, F.Right, F.Bottom);
}

void TReportListView::DrawCommonHeader(const TRect& ARect) {
  TCanvas* c = Canvas();
  const int W = HeaderRightEdge();
  const TRect F(0, ARect.Top, W, ARect.Bottom);
  c->Font()->SetColor(FEnabled ? FComHdTextColor : FColorDisabledText);
  c->Brush()->SetColor(FEnabled ? FComHdColor : FColorDisabledBkgd);
  const QString header = CommonHeader();
  const int h = c->TextHeight(header);
  const QStringList lines = header.split(u'\n');
  const int T = ARect.Top;
  for (int i = 1; i <= lines.size(); ++i) {
    const QString& line = lines[i - 1];
    const int w = c->TextWidth(line);
    const int x = FHeaderAlignment == taLeftJustify ? 4 : FHeaderAlignment == taRightJustify ? W - w - 6 : W / 2 - w / 2;
    const TRect r = i == 1 ? F
                           : TRect(0, std::min(T + 2 + (i - 1) * h, F.Bottom), W, std::min(T + 2 + i * h, F.Bottom));
    c->TextRect(r, x, T + 2 + (i - 1) * h, line);
  }
  RaisedEdge(c, 0, T, W, F.Bottom);
  c->Pen()->SetColor(clBlack);
  Line(c, W, F.Bottom - 1, W, T - 1);
}

void TReportListView::DrawColumnHeader(int ACol, const TRect& ARect) {
  TCanvas* c = Canvas();
  const TRect& F = ARect;
  const TRect X = TextRectOf(ARect);
  const int D = DataColOfGridCol(ACol);
  const int W = HeaderRightEdge();
  c->Font()->SetColor(FEnabled ? FColHdTextColor : FColorDisabledText);
  c->Brush()->SetColor(FEnabled ? FixedColor() : FColorDisabledBkgd);
  const bool sorted = D != 0 && D == LastSortColumn();
  const int s = sorted ? kArrowRoom : 0;
  const QString name = Header(D);
  const int h = c->TextHeight(name);
  const QStringList lines = name.split(u'\n');
  const int avail = ColWidths(D) - 9 - s;
  const bool italic = Font()->Style().Contains(fsItalic);
  int a = 0;
  for (int i = 1; i <= lines.size(); ++i) {
    QString line = lines[i - 1];
    int w = c->TextWidth(line);
    if (avail < w && w > 0) {
      const int n = std::max(1, RoundEven(double(line.size()) * avail / w - 3));
      line = line.left(n) + QStringLiteral("...");
      w = c->TextWidth(line);
    }
    if (italic) w += 2;
    const TRect r = i == 1 ? F
                           : TRect(ARect.Left, std::min(ARect.Top + 2 + (i - 1) * h, F.Bottom), F.Right,
                                   std::min(ARect.Top + 2 + i * h, F.Bottom));
    const TAlignment al = ColumnAlignment(D);
    c->TextRect(r, AlignedX(al, X.Left, X.Right, w), X.Top + (i - 1) * h, line);
    if (i == 1)
      a = al == taLeftJustify    ? w + 10
          : al == taRightJustify ? (X.Right - X.Left) - w - 12
                                 : (X.Right - X.Left) / 2 + w / 2 + 10;
  }
  if (sorted) {
    a = std::min(a, ColWidths(D) - 12);
    const int x0 = X.Left + a, y0 = X.Top + h / 2;
    if (LastSortOrder()) {
      c->Pen()->SetColor(kGrey);
      Line(c, x0 - 4, y0 + 3, x0, y0 - 3);
      c->Pen()->SetColor(kWhite);
      c->LineTo(x0 + 4, y0 + 3);
      c->LineTo(x0 - 4, y0 + 3);
    } else {
      c->Pen()->SetColor(kWhite);
      Line(c, x0 + 4, y0 - 3, x0, y0 + 3);
      c->Pen()->SetColor(kGrey);
      c->LineTo(x0 - 4, y0 - 3);
      c->LineTo(x0 + 4, y0 - 3);
    }
  }
  RaisedEdge(c, ARect.Left, ARect.Top, std::max(W, F.Right), F.Bottom);
}

// ------------------------------------------------------------- whole control

void TReportListView::Paint() {
  if (FSuppressPaint) return;
  QFont bold = Font()->Handle();
  bold.setBold(true);
  FWidestChar = QFontMetrics(bold).maxWidth();
  TCustomDrawGrid::Paint();
  if (NrOfRows() == 0 || ShownRowCount() == 0) PaintEmptyMessage();
  PaintInterRowLine();
}

void TReportListView::PaintEmptyMessage() {
  TCanvas* c = Canvas();
  const TRect area = CellArea();
  const int H = HeadRowsBottom();
  c->SetClipRect(area);
  c->Pen()->SetColor(Color());
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->Rectangle(TRect(area.Left, H, area.Right, area.Bottom));
  if (FEmptyMessage.isEmpty()) return;
  c->Font()->Assign(Font());
  c->Font()->SetColor(FColorEmptyMsg);
  c->Brush()->SetStyle(bsClear);
  const QStringList lines = FEmptyMessage.split(u'|');
  const int h = c->TextHeight(FEmptyMessage);
  const int y0 = H - h * int(lines.size());
  const int width = area.Right + area.Left, height = area.Bottom;
  for (int i = 1; i <= lines.size(); ++i) {
    const int x = (width - c->TextWidth(lines[i - 1])) / 2;
    c->TextOut(x, y0 + (height - y0) / 2 + (i - 1) * h - 2, lines[i - 1]);
  }
  c->Brush()->SetStyle(bsSolid);
  c->SetClipRect(TRect());
}

void TReportListView::PaintInterRowLine() {
  const int y = InterRowLineY();
  if (y < 0) return;
  TCanvas* c = Canvas();
  c->SetClipRect(CellArea());
  c->Pen()->SetColor(FInterRowColor);
  c->Pen()->SetWidth(FInterRowWidth);
  Line(c, 0, y, Width(), y);
  c->Pen()->SetWidth(1);
  c->SetClipRect(TRect());
}

// -------------------------------------------------------------- column widths

int TReportListView::ColWidths(int Index) const {
  if (!ValidCol(Index)) return 0;
  return GridColWidths(FColOrder[std::size_t(Index - 1)]);
}

void TReportListView::SetColWidths(int Index, int Value) {
  if (ValidCol(Index)) SetGridColWidths(FColOrder[std::size_t(Index - 1)], Value);
  ChangedSetup();
}

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader) {
  if (!ValidCol(ColNr)) return 10;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  const TFontStyles base = Font()->Style();
  const bool checkCol = FRLData->GetColCheckMode(ColNr) != cmNone;
  int widest = 0;
  for (int r = 1; r <= NrOfRows(); ++r) {
    QString text = Store()->GetString(ColNr, r);
    if (OnBeforeRenderCell) {
      TColor pen = 0, brush = 0, font = 0;
      TFontStyles styles = base;
      OnBeforeRenderCell(this, ColNr, r, pen, brush, font, styles, text);
      c->Font()->SetStyle(styles);
    }
    widest = std::max(widest, c->TextWidth(text) + (checkCol ? kCheckIndent : 0));
  }
  c->Font()->SetStyle(base);
  if (IncludeHeader)
    widest = std::max(widest, c->TextWidth(Header(ColNr)) + (ColNr == LastSortColumn() ? kArrowRoom : 0));
  return widest + 10;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
  SetColWidths(ColNr, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon));
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth) {
  SetColWidths(ColNr, std::min(std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon), MaxWidth));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin) {
  if (!ValidCol(ColIx)) return;
  int others = 0;
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (c != ColIx) others += ColWidths(c);
  const int w = ClientRect().Right - RightMargin - others;
  SetColWidths(ColIx, w <= 15 ? 16 : w);
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin) {
  TPaintLock lock(this);
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (c != ExpandColumn) AutoColWidth(c, IncludeHeader, Addon, MaxWidth);
  ExpandColWidth(ExpandColumn, RightMargin);
}

}  // namespace orv
