// TNTabEd: painting of data cells, headings, the corner cell and the empty
// table's message.
#include "OrvTNTabEd.h"

#include "OrvNTabEdText.h"

#include <cmath>

namespace orv {

namespace {

constexpr TColor kCommentBack = 0x808000;
constexpr TColor kWhite = 0xFFFFFF;

// Nearest whole number, halves to the even neighbour; saturated to int.
int RoundCode(double x) {
  if (!(x > -2e9 && x < 2e9)) return x > 0 ? 2000000000 : -2000000000;
  return int(std::nearbyint(x));
}

// The rectangle shrunk by one pixel on each side, in each dimension that has room for it.
TRect Shrunk(TRect R) {
  if (R.Right - R.Left >= 1) {
    ++R.Left;
    --R.Right;
  }
  if (R.Bottom - R.Top >= 1) {
    ++R.Top;
    --R.Bottom;
  }
  return R;
}

}  // namespace

bool TNTabEd::IsCodedColumn(int ACol) const {
  const int t = Data->GetMScaleType(ACol);
  return t == 1 || t == 2;
}

QString TNTabEd::CellText(int ACol, int ARow) const {
  const std::uint8_t s = CellState(ACol, ARow);
  if (s & dtsEmpty) return QString();
  if (s & dtsNotANumber) return QStringLiteral("-nan-");
  if (IsCodedColumn(ACol)) {
    const int k = RoundCode(Elem(ACol, ARow));
    if (k >= 0 && k <= MaxNominalCode) {
      const QString name = Data->GetNominalID(ACol, k);
      if (!name.isEmpty()) return name;
    }
    return MScaleTypeNames(Data->GetMScaleType(ACol)) + u':' + QString::number(k);
  }
  return NTabValueText(Elem(ACol, ARow), FNumWidth, Precision(ACol));
}

void TNTabEd::Paint() {
  if (Suppressed()) return;
  TCustomGrid::Paint();
  if (NrOfRows() == 0) PaintEmptyMessage();
  if (FOptimizeRowHeight) {
    const int h = AutoRowHeight(-1, 2);
    if (h != DefaultRowHeight()) SetDefaultRowHeight(h);
  }
}

void TNTabEd::PaintEmptyMessage() {
  TCanvas* c = Canvas();
  c->SetClipRect(TRect());
  c->Pen()->SetColor(Color());
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->Rectangle(ClientRect());
  if (FEmptyMessage.isEmpty()) return;
  c->Font()->Assign(Font());
  c->Font()->SetColor(FColorEmptyMsg);
  c->Brush()->SetStyle(bsClear);
  const int h = c->TextHeight(FEmptyMessage);
  QStringList lines;
  const int n = Tokenize(FEmptyMessage, QStringLiteral("|"), lines);
  const int y0 = -n * h;
  for (int i = 1; i <= n; ++i) {
    const QString& line = lines[i - 1];
    c->TextOut((Width() - c->TextWidth(line)) / 2, y0 + (Height() - y0) / 2 + (i - 1) * h - 2, line);
  }
  c->Brush()->SetStyle(bsSolid);
}

void TNTabEd::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (ACol == 0 && ARow == 0)
    DrawCornerCell(ARect);
  else if (IsDataCell(ACol, ARow))
    DrawDataCell(ACol - FColOffset, ARow - FRowOffset, ARect, AState);
  else
    DrawHeadingCell(ACol, ARow, ARect);
}

void TNTabEd::DrawDataCell(int c, int r, const TRect& ARect, TGridDrawState AState) {
  TCanvas* cv = Canvas();
  QString text = CellText(c, r);
  const std::uint8_t s = CellState(c, r);
  const bool selected = AState.Contains(gdSelected);
  TFontStyles styles = Font()->Style();
  TColor fg;
  if (s < dtsMarkA) {
    fg = selected ? FColorRangeSelFG : FColorNormal;
  } else {
    fg = s >= (dtsMarkA | dtsMarkB) ? FColorMarkedBoth : s >= dtsMarkB ? FColorMarkedB : FColorMarkedA;
    if (FBoldMarks) styles.Include(fsBold);
  }
  TColor bg = selected ? FColorRangeSelBG : Color();
  BeforeRenderCell(c, r, text, fg, bg, styles);
  cv->Brush()->SetColor(bg);
  cv->FillRect(ARect);
  cv->Font()->SetColor(fg);
  cv->Font()->SetStyle(styles);
  cv->TextRect(ARect, ARect.Left + 2, ARect.Top + 1, text);
}

void TNTabEd::BeforeRenderCell(int colix, int rowix, QString& Text, TColor& ColorText, TColor& ColorBakg,
                               TFontStyles& FontStyles) {
  if (OnBeforeRenderCell) OnBeforeRenderCell(this, colix, rowix, Text, ColorText, ColorBakg, FontStyles);
}

bool TNTabEd::HeadingHighlighted(int ACol, int ARow) const {
  const TGridRect sel = Selection();
  // Row headings (the name and attribute columns) follow the current row, column headings the current column.
  return ACol <= FColOffset ? ARow == sel.Top : ACol == sel.Left;
}

void TNTabEd::DrawHeadingCell(int ACol, int ARow, TRect R) {
  TCanvas* cv = Canvas();
  const bool attribCorner = FColOffset == 1 && ARow == 0 && ACol == 1;
  if (!attribCorner) R.Right -= 2;
  R = Shrunk(R);
  QString text;
  int dy = 1;
  bool heading = true;  // a name or attribute, coloured and perhaps highlighted
  if (ARow > FRowOffset) {
    const int r = ARow - FRowOffset;
    if (ACol == 0) {
      text = RowName(r);
      dy = 0;
    } else {
      text = QString::number(RowAttrib(r));
    }
  } else if (ACol > FColOffset) {
    const int c = ACol - FColOffset;
    text = ARow == 0 ? ColName(c) : QString::number(ColAttrib(c));
  } else {
    heading = false;
    if (ARow == 1 && ACol == 0) text = QStringLiteral("Attribute");
    else if (ARow == 0 && ACol == 1) text = QStringLiteral("Attrib");
  }
  if (heading) {
    const bool high = HeadingHighlighted(ACol, ARow);
    cv->Font()->SetColor(high ? FColorSelected : FColorNormal);
    if (high && FBoldSelHeads) cv->Font()->SetStyle(Font()->Style() | TFontStyles{fsBold});
  }
  if (!text.isEmpty()) cv->TextRect(R, R.Left + 2, R.Top + dy, text);
  cv->Font()->SetStyle(Font()->Style());
}

void TNTabEd::DrawCornerCell(const TRect& R) {
  TCanvas* cv = Canvas();
  if (FCommentMMActive) {
    cv->Brush()->SetColor(kCommentBack);
    cv->FillRect(R);
    cv->Font()->SetColor(kWhite);
    cv->TextRect(R, R.Left + 2, R.Top + 1, QStringLiteral("Comment:"));
    return;
  }
  const TGridRect sel = Selection();
  PaintCellCursorText(R, sel.Left, sel.Top);
}

void TNTabEd::PaintCellCursorText(const TRect& R, int ACol, int ARow) {
  TCanvas* cv = Canvas();
  cv->Brush()->SetStyle(bsSolid);
  cv->Brush()->SetColor(clWindow);
  cv->FillRect(R);
  if (!FShowCellCursor) return;
  cv->Font()->Assign(Font());
  cv->Font()->SetStyle({});
  cv->Font()->SetColor(FColorNormal);
  cv->TextRect(R, R.Left + 3, R.Top + 2,
               QString::number(ACol - FColOffset) + u':' + QString::number(ARow - FRowOffset));
}

void TNTabEd::DisplayCellCursor(int ACol, int ARow) {
  if (!FShowCellCursor || Suppressed() || FCommentMMActive) return;
  const TRect r = CellRect(0, 0);
  if (r.IsEmpty()) return;
  Canvas()->SetClipRect(TRect());
  PaintCellCursorText(r, ACol, ARow);
  update();
}

}  // namespace orv
