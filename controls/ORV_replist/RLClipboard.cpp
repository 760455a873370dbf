// Clipboard text of a block of the table: tab- or separator-joined, or fixed width.

#include "OrvTRLData.h"

#include <algorithm>

namespace orv {

QString TRLData::ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                               const QString* Separator) const {
  LeftCol = std::max(LeftCol, 0);
  RightCol = std::min(RightCol, FNrOfCols);
  TopRow = std::max(TopRow, 1);
  BottomRow = std::min(BottomRow, FNrOfRows);
  const QChar lf = QLatin1Char('\n');
  QString text;
  if (LeftCol > RightCol) return text;

  if (Separator) {
    if (AddHeader) {
      for (int c = LeftCol; c <= RightCol; ++c) {
        if (c > LeftCol) text += *Separator;
        text += GetColName(c);
      }
      text += lf;
      text += lf;
    }
    for (int r = TopRow; r <= BottomRow; ++r) {
      for (int c = LeftCol; c <= RightCol; ++c) {
        if (c > LeftCol) text += *Separator;
        text += GetElem(c, r);
      }
      text += lf;
    }
    return text;
  }

  // Fixed width: each column one character wider than its longest stored
  // text (check character included) or name.
  std::vector<int> width(std::size_t(RightCol - LeftCol + 1), 0);
  for (int c = LeftCol; c <= RightCol; ++c) {
    int& w = width[std::size_t(c - LeftCol)];
    if (AddHeader) w = int(GetColName(c).size());
    for (int r = TopRow; r <= BottomRow; ++r) w = std::max(w, int(Stored(c, r).size()));
  }
  if (AddHeader) {
    for (int c = LeftCol; c <= RightCol; ++c) text += LeftString(GetColName(c), width[std::size_t(c - LeftCol)] + 1);
    text += lf;
    text += lf;
  }
  for (int r = TopRow; r <= BottomRow; ++r) {
    for (int c = LeftCol; c <= RightCol; ++c) text += LeftString(GetElem(c, r), width[std::size_t(c - LeftCol)] + 1);
    text += lf;
  }
  return text;
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs) {
  const QString tab(QLatin1Char('\t'));
  Clipboard()->SetAsText(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs ? &tab : nullptr));
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              const QString& Separator) {
  Clipboard()->SetAsText(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, &Separator));
}

}  // namespace orv
