// TCustomGrid: the in-place editor.
#include "OrvTCustomGrid.h"

#include "OrvKeyCodes.h"
#include "OrvTInplaceEdit.h"

#include <QApplication>

namespace orv {

bool TCustomGrid::CanEditShow() const {
  return FOptions.Contains(goEditing) && !ComponentState().Contains(csDesigning);
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (FEditorMode && FEditCell == FCurrent) {
    if (IsActiveControl()) FInplaceEdit->SetFocus();
    return;
  }
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->hide();
    FInplaceEdit->setFont(font());
  }
  ScrollIntoView(FCurrent);
  FEditorMode = true;
  FEditCell = FCurrent;
  FSettingEditText = true;
  FInplaceEdit->UpdateContents();
  FSettingEditText = false;
  FEditOriginal = FInplaceEdit->Text();
  PlaceEditor();
  if (!FEditorMode) return;
  if (IsActiveControl()) FInplaceEdit->SetFocus();
  FInplaceEdit->SelectAll();
  Invalidate();
}

void TCustomGrid::HideEditor() {
  if (!FEditorMode) return;
  FEditorMode = false;
  if (FInplaceEdit->hasFocus()) {
    // The focus comes back to the grid; with goAlwaysShowEditor that must not reopen the editor.
    FHidingEditor = true;
    setFocus(Qt::OtherFocusReason);
    FHidingEditor = false;
  }
  FInplaceEdit->hide();
  Invalidate();
}

void TCustomGrid::CancelEditor() {
  if (!FEditorMode) return;
  if (FInplaceEdit->Text() != FEditOriginal) FInplaceEdit->SetText(FEditOriginal);
  if (FOptions.Contains(goAlwaysShowEditor))
    FInplaceEdit->SelectAll();
  else
    HideEditor();
}

// Keeps the editor over its cell; a cell scrolled out of view closes it.
void TCustomGrid::PlaceEditor() {
  if (!FEditorMode) return;
  const TRect cell = CellRect(FEditCell.X, FEditCell.Y);
  if (cell.IsEmpty()) {
    HideEditor();
    return;
  }
  const TRect area = CellArea();
  const TRect r(cell.Left, cell.Top, std::min(cell.Right, area.Right), std::min(cell.Bottom, area.Bottom));
  FInplaceEdit->setGeometry(r);
  FInplaceEdit->show();
}

void TCustomGrid::ShowEditorChar(QChar Ch) {
  ShowEditor();
  if (!FEditorMode) return;
  FInplaceEdit->SetText(Ch == QChar(VK_BACK) ? QString() : QString(Ch));
}

void TCustomGrid::EditorTextChanged(const QString& Text) {
  if (FSettingEditText || !FEditorMode) return;
  SetEditText(FEditCell.X, FEditCell.Y, Text);
}

// The editor lost the focus: it stays open while the focus is still inside
// the grid (the grid itself, the editor's own drop-down list) or outside the
// application, and closes when another control takes it.
void TCustomGrid::EditorExit() {
  if (!FEditorMode) return;
  QWidget* w = QApplication::focusWidget();
  if (!w) return;
  for (QWidget* p = w; p; p = p->parentWidget())
    if (p == this) return;
  HideEditor();
}

}  // namespace orv
