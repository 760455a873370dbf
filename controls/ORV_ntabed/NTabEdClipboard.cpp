// TNTabEd: copy, paste and extraction of numbers from clipboard text.
#include "OrvTNTabEd.h"

#include "OrvNTabEdText.h"

#include <algorithm>

namespace orv {

void TNTabEd::PopupMenuClickCopy(TObject*) {
  const TGridRect r = ClampedDataSelection();
  const int nc = std::max(0, r.Right - r.Left + 1), nr = std::max(0, r.Bottom - r.Top + 1);
  FDataCopy->Resize(nc, nr);
  QString text;
  text.reserve(nc * nr * (FClipboardUseFullPrec ? 23 : 8) + nr * 2);
  for (int j = 0; j < nr; ++j) {
    for (int i = 0; i < nc; ++i) {
      const int c = r.Left + i, row = r.Top + j;
      FDataCopy->Elements().SetVal(i + 1, j + 1, Elem(c, row));
      FDataCopy->SetCellState(i + 1, j + 1, CellState(c, row));
      text += i == 0 ? u' ' : u'\t';
      text += Data->GetIsNumber(c, row) ? NTabClipText(Elem(c, row), FClipboardUseFullPrec, Precision(c))
                                        : QStringLiteral("####");
    }
    text += QStringLiteral("\r\n");
  }
  Clipboard()->SetAsText(text);
  FDataCopyAvail = true;
}

void TNTabEd::PopupMenuClickPaste(TObject*) {
  const TGridRect s = DataSelection();
  const int nc = FDataCopy->NrOfColumns(), nr = FDataCopy->NrOfRows();
  if (nc == 0 || nr == 0) return;
  Bulk(true, [&] {
    for (int i = 1; i <= nc; ++i)
      for (int j = 1; j <= nr; ++j) {
        const int c = s.Left + i - 1, r = s.Top + j - 1;
        if (c < 1 || c > NrOfColumns() || r < 1 || r > NrOfRows()) continue;
        Data->SetElem(c, r, ClampToRange(FDataCopy->GetElem(i, j)));
        Data->SetCellState(c, r, FDataCopy->GetCellState(i, j));
      }
  });
  ChangedData();
  ChangedCellStates();
  if (OnPaste) OnPaste(this);
  SelectDataRect(s.Left, s.Top, s.Left + nc - 1, s.Top + nr - 1);
}

void TNTabEd::PopupMenuClickExtClip(TObject*) {
  if (!Clipboard()->HasFormat(CF_TEXT)) return;
  const QString text = Clipboard()->AsText();
  const TGridRect s = DataSelection();
  int maxI = 0, maxJ = 0;
  const int cols = NrOfColumns(), rows = NrOfRows();
  TMatrix& elems = Data->Elements();
  Bulk(true, [&] {
    ScanClipNumbers(
        text, false,
        [&](int i, int j, double v) {
          const int c = s.Left + i, r = s.Top + j;
          if (c >= 1 && c <= cols && r >= 1 && r <= rows) elems.SetVal(c, r, ClampToRange(v));
          maxI = std::max(maxI, i);
          maxJ = std::max(maxJ, j);
        },
        nullptr);
  });
  ChangedData();
  if (OnPaste) OnPaste(this);
  SelectDataRect(s.Left, s.Top, s.Left + maxI, s.Top + maxJ);
}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) const {
  NCols = 1;
  NRows = 1;
  if (!Clipboard()->HasFormat(CF_TEXT)) return false;
  bool found = false;
  ScanClipNumbers(
      Clipboard()->AsText(), true, [&](int, int, double) { found = true; },
      [&](int Count) {
        NCols = std::max(NCols, Count);
        ++NRows;
      });
  return found;
}

}  // namespace orv
