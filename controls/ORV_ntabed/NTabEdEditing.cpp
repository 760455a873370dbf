// TNTabEd: the in-place editor, keys, mouse, the heading editor and the
// comment editor.
#include "OrvTNTabEd.h"

#include "OrvNTabEdText.h"

#include <ORV_math1.h>

#include <cmath>

namespace orv {

namespace {

constexpr int kMaxEditText = 255;

bool IsArrow(std::uint16_t Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

// Nearest whole number, halves to even, saturated to the int range.
int RoundHalfEven(double x) {
  if (!(x > -2e9 && x < 2e9)) return x > 0 ? 2000000000 : -2000000000;
  return int(std::nearbyint(x));
}

}  // namespace

// ------------------------------------------------------------------ editing

void TNTabEd::SetEditing(bool On) {
  TGridOptions o = Options();
  if (On) o.Include(goEditing);
  else o.Exclude(goEditing);
  SetOptions(o);
}

bool TNTabEd::IsLocked(int GridCol, int GridRow) const {
  return IsDataCell(GridCol, GridRow) && (CellState(GridCol - FColOffset, GridRow - FRowOffset) & dtsLocked);
}

bool TNTabEd::CurrentCellLocked() const {
  const TGridRect s = Selection();
  return IsLocked(s.Left, s.Top);
}

void TNTabEd::SetDataReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  if (Value) HideEditor();
  SetEditing(!Value);
}

void TNTabEd::SetNomEditDropDownCount(int Value) {
  FDropdownCount = Value;
  if (auto* list = dynamic_cast<TInplaceEditList*>(InplaceEditor())) list->SetDropDownRows(Value);
}

TInplaceEdit* TNTabEd::CreateEditor() {
  auto* editor = new TInplaceEditList(this);
  editor->SetDropDownRows(FDropdownCount);
  editor->OnGetPickListItems = [this](int ACol, int, QStringList& Items) {
    FColPickList.clear();
    const int c = ACol - FColOffset;
    for (int k = 0; k <= MaxNominalCode; ++k) {
      const QString name = Data->GetNominalID(c, k);
      if (!name.isEmpty()) FColPickList.append(name);
    }
    Items = FColPickList;
  };
  return editor;
}

TEditStyle TNTabEd::GetEditStyle(int ACol, int ARow) {
  return IsDataCell(ACol, ARow) && IsCodedColumn(ACol - FColOffset) ? esPickList : esSimple;
}

QString TNTabEd::GetEditText(int ACol, int ARow) {
  QString text;
  if (IsDataCell(ACol, ARow)) {
    const int c = ACol - FColOffset, r = ARow - FRowOffset;
    FEditStart = {TGridCoord(ACol, ARow), Elem(c, r), CellState(c, r)};
    if (IsCodedColumn(c)) {
      const int k = RoundHalfEven(Elem(c, r));
      const QString name = k >= 0 && k <= MaxNominalCode ? Data->GetNominalID(c, k) : QString();
      text = name.isEmpty() ? QString::number(k) : name;
    } else {
      text = NTabValueText(Elem(c, r), FNumWidth, Precision(c));
    }
  }
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TNTabEd::SetEditText(int ACol, int ARow, const QString& Value) {
  if (IsDataCell(ACol, ARow)) {
    const int c = ACol - FColOffset, r = ARow - FRowOffset;
    const std::uint8_t s = CellState(c, r);
    if (IsCodedColumn(c)) {
      const QString text = Value.left(kMaxEditText);
      // Codes are whole numbers: the range ends are rounded too.
      auto clampCode = [this](double k) {
        if (FVRangeLow == 0 && FVRangeHigh == 0) return k;
        return std::min(std::max(k, double(RoundHalfEven(FVRangeLow))), double(RoundHalfEven(FVRangeHigh)));
      };
      const int code = Data->OrdinalOfNominalID(c, text, true);
      if (code >= 1) {
        Data->SetElem(c, r, clampCode(code));
        Data->SetCellState(c, r, 0);
      } else if (IsValidDecInt(text)) {
        Data->SetElem(c, r, clampCode(text.trimmed().toDouble()));
        Data->SetCellState(c, r, s & ~dtsNotANumber);
      } else {
        Data->SetCellState(c, r, s | dtsNotANumber);
      }
    } else {
      QString text = Value;
      text.replace(u',', u'.');
      bool ok = false;
      const double v = text.trimmed().toDouble(&ok);
      if (ok && std::isfinite(v)) {
        Data->SetElem(c, r, ClampToRange(v));
        Data->SetCellState(c, r, s & ~dtsNotANumber);
      } else {
        Data->SetCellState(c, r, s | dtsNotANumber);
        Invalidate();
      }
    }
  }
  TCustomGrid::SetEditText(ACol, ARow, Value);
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

// ---------------------------------------------------------------------- keys

void TNTabEd::KeyPress(QChar& Key) {
  // The grid consumes Enter (leaving #0) and also a character that opens the
  // editor; only Enter moves on.
  const bool enter = Key == QChar(VK_RETURN);
  if (CurrentCellLocked() || FReadOnly) {
    SetEditing(false);
  } else {
    SetEditing(true);
    const bool cancel = Key == QChar(VK_ESCAPE) && EditorMode();
    TCustomGrid::KeyPress(Key);
    // Escape puts back the value and state the cell had, not the value of the
    // (rounded) text the editor started with.
    if (cancel && IsDataCell(FEditStart.Cell.X, FEditStart.Cell.Y)) {
      const int c = FEditStart.Cell.X - FColOffset, r = FEditStart.Cell.Y - FRowOffset;
      if (Elem(c, r) != FEditStart.Value || CellState(c, r) != FEditStart.State) {
        Data->SetCellState(c, r, FEditStart.State);
        Data->SetElem(c, r, FEditStart.Value);
      }
    }
  }
  if (FAutoAdvance && enter) {
    std::uint16_t k = FAutoAdvanceDir == orDown ? VK_DOWN : VK_RIGHT;
    KeyDown(k, {});
  }
  if (Key == QChar(VK_ESCAPE) && InplaceEditor()) {
    SetEditing(false);
    HideEditor();
  }
}

void TNTabEd::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (CurrentCellLocked() && Key != 0 && Key != VK_RETURN && !IsArrow(Key)) {
    SetEditing(false);
    return;
  }
  TCustomGrid::KeyDown(Key, Shift);
  ChangedSelection();
  const TGridRect s = Selection();
  DisplayCellCursor(s.Left, s.Top);
  Invalidate();
}

// --------------------------------------------------------------------- mouse

void TNTabEd::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FCommentMMActive) {
    TCustomGrid::MouseDown(Button, Shift, X, Y);
    FClicked = MouseCoord(X, Y);
    if (FClicked == TGridCoord(0, 0)) CloseCommentEditor(false);
    return;
  }
  if (FNameEdActive) return;
  const TGridCoord previous = MouseCoord(FPrevPress.X, FPrevPress.Y);
  const TGridCoord cell = MouseCoord(X, Y);
  FClicked = cell;
  if (!(previous == cell)) SetEditing(false);
  TCustomGrid::MouseDown(Button, Shift, X, Y);
  Invalidate();
  if (X <= 0 || X >= Width() || Y <= 0 || Y >= Height() || cell.X < 0 || cell.Y < 0) return;
  FPrevPress = TPoint(X, Y);
  const bool noMenu = !PopupMenu() && !FBlockInternalPopup;
  if (IsDataCell(cell.X, cell.Y)) {
    if (previous == cell && !FReadOnly) SetEditing(true);
    if (IsLocked(cell.X, cell.Y) || FReadOnly) SetEditing(false);
    if (Button == mbRight && noMenu) {
      OpenDataMenu(X, Y);
    } else if (Button == mbLeft) {
      const TGridRect s = Selection();
      DisplayCellCursor(s.Left, s.Top);
    }
  } else if (cell == TGridCoord(0, 0)) {
    if (Button == mbRight && !FBlockInternalPopup && FCommentEditingAllowed) OpenCommentEditor();
  } else if ((cell.X > FColOffset || cell.Y > FRowOffset) && Button == mbRight && noMenu) {
    OpenHeadingMenu();
  }
}

void TNTabEd::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseUp(Button, Shift, X, Y);
  FClicked = MouseCoord(X, Y);
  SetEditing(!IsLocked(FClicked.X, FClicked.Y) && !FReadOnly);
}

void TNTabEd::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseMove(Shift, X, Y);
  if (const TGridRect s = Selection(); !(s == FOldSel)) {
    FOldSel = s;
    ChangedSelection();
  }
}

void TNTabEd::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (const TGridRect s = Selection(); !(s == FOldSel)) {
    FOldSel = s;
    ChangedSelection();
  }
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

bool TNTabEd::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool result = TCustomGrid::DoMouseWheelDown(Shift, MousePos);
  DisplayCellCursor(Selection().Left, Selection().Top);
  ChangedSelection();
  Invalidate();
  return result;
}

bool TNTabEd::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool result = TCustomGrid::DoMouseWheelUp(Shift, MousePos);
  DisplayCellCursor(Selection().Left, Selection().Top);
  ChangedSelection();
  Invalidate();
  return result;
}

// ------------------------------------------------------------ heading editor

void TNTabEd::OpenHeadingEditor() {
  const TGridCoord cell = FClicked;
  if (!FNameEd || cell.X < 0 || cell.Y < 0 || (cell.X <= FColOffset && cell.Y <= FRowOffset)) return;
  QString text;
  if (cell.X > FColOffset) {
    const int c = cell.X - FColOffset;
    text = cell.Y == 0 ? ColName(c) : QString::number(ColAttrib(c));
  } else {
    const int r = cell.Y - FRowOffset;
    text = cell.X == 0 ? RowName(r) : QString::number(RowAttrib(r));
  }
  const TRect r = CellRect(cell.X, cell.Y);
  FNameEdCell = cell;
  FNameEd->SetBounds(r.Left + 30, r.Top + 5, std::max(120, r.Right - r.Left), FNameEd->Height());
  FNameEd->SetText(text);
  FNameEd->show();
  FNameEd->raise();
  FNameEd->SetFocus();
  FNameEd->SelectAll();
  FNameEdActive = true;
}

void TNTabEd::HeadingEditorKey(QChar& Key) {
  if (Key != QChar(VK_RETURN) && Key != QChar(VK_ESCAPE)) return;
  const bool store = Key == QChar(VK_RETURN);
  Key = QChar();
  FNameEdActive = false;
  FNameEd->hide();
  setFocus();
  Invalidate();
  if (!store) return;
  const TGridCoord cell = FNameEdCell;
  const QString text = FNameEd->Text().left(kMaxEditText);
  const bool isName = cell.X > FColOffset ? cell.Y == 0 : cell.X == 0;
  if (isName) {
    if (cell.X > FColOffset) SetColName(cell.X - FColOffset, text);
    else SetRowName(cell.Y - FRowOffset, text);
    return;
  }
  bool ok = false;
  const double v = QString(text).replace(u',', u'.').trimmed().toDouble(&ok);
  if (!ok || std::isnan(v)) return;
  const auto attrib = std::uint8_t(RoundHalfEven(std::clamp(v, 0.0, 255.0)));
  if (cell.X > FColOffset) SetColAttrib(cell.X - FColOffset, attrib);
  else SetRowAttrib(cell.Y - FRowOffset, attrib);
  ChangedHeading();
}

// ------------------------------------------------------------ comment editor

void TNTabEd::OpenCommentEditor() {
  if (!FCommentMM) return;
  FCommentMMActive = true;
  FCommentMM->SetBounds(GridColWidths(0), 0, Width() - GridColWidths(0) - 20, 80);
  FCommentMM->SetText(Comment());
  FCommentMM->SetColor(0x808000);
  FCommentMM->Font()->SetColor(0xFFFFFF);
  FCommentMM->show();
  FCommentMM->raise();
  FCommentMM->SetFocus();
  Invalidate();
}

void TNTabEd::CloseCommentEditor(bool Store) {
  FCommentMMActive = false;
  FCommentMM->hide();
  setFocus();
  if (Store) {
    Data->SetFComment(FCommentMM->Text());
    ChangedData();
  }
  Invalidate();
  DisplayCellCursor(Selection().Left, Selection().Top);
}

void TNTabEd::CommentEditorKey(QChar& Key) {
  if (Key != QChar(VK_RETURN) && Key != QChar(VK_ESCAPE)) return;
  const bool store = Key == QChar(VK_RETURN);
  Key = QChar();
  CloseCommentEditor(store);
}

}  // namespace orv
