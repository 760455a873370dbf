// TNTabEd: the built-in data and heading menus, their masks and captions.
#include "OrvTNTabEd.h"

namespace orv {

namespace {

constexpr int kMaxCaption = 50;
constexpr int kReadOnlyItem = 10;
constexpr int kPasteItem = 8, kClearItem = 6, kExtractItem = 9;

QString CutCaption(const QString& S) { return S.left(kMaxCaption); }

bool Bit(int Mask, int Item) { return (Mask >> (Item - 1)) & 1; }

}  // namespace

TMenuItem* TNTabEd::NewItem(TComponent* Owner, TMenuItem* Parent, const QString& Name, const QString& Caption,
                            void (TNTabEd::*Handler)(TObject*)) {
  auto* item = new TMenuItem(Owner);
  item->SetName(Name);
  item->SetCaption(Caption);
  if (Handler) item->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
  Parent->Add(item);
  return item;
}

void TNTabEd::BuildMenus() {
  using H = void (TNTabEd::*)(TObject*);
  FPopupD = new TPopupMenu(this);
  FPopupD->SetName(QStringLiteral("PopupDTAction"));
  FPopupD->SetAlignment(paLeft);
  const char* const dCaptions[14] = {nullptr,      "Mark as type A", "Mark as type B",         "Unmark type A",
                                     "Unmark type B", "Unmark All",  "Clear",                  "Copy",
                                     "Paste",      "Extract from Clipboard", "Data Read-Only", "Select All",
                                     "Toggle Empty State", "Reset All Empty States"};
  const H dHandlers[14] = {nullptr,
                           nullptr,
                           nullptr,
                           nullptr,
                           nullptr,
                           &TNTabEd::PopupMenuClickUnMarkAll,
                           &TNTabEd::PopupMenuClickClear,
                           &TNTabEd::PopupMenuClickCopy,
                           &TNTabEd::PopupMenuClickPaste,
                           &TNTabEd::PopupMenuClickExtClip,
                           &TNTabEd::PopupMenuClickEdit,
                           &TNTabEd::PopupMenuClickSelAll,
                           &TNTabEd::PopupMenuClickEmptyCells,
                           &TNTabEd::PopupMenuClickResetEmptyStates};
  for (int i = 1; i <= 13; ++i)
    FDItems[i] = NewItem(FPopupD, FPopupD->Items(), QStringLiteral("DIt%1").arg(i), QString::fromLatin1(dCaptions[i]),
                         dHandlers[i]);
  FDItems[kPasteItem]->SetEnabled(false);

  // The four submenus: mark A, mark B, unmark A, unmark B; each Range, Column, Row, All.
  const char* const subNames[4] = {"M1It", "M2It", "U1It", "U2It"};
  const char* const subCaptions[5] = {nullptr, "Range", "Column", "Row", "All"};
  const H subHandlers[4][5] = {
      {nullptr, &TNTabEd::PopupMenuClickMarkARange, &TNTabEd::PopupMenuClickMarkAColumn,
       &TNTabEd::PopupMenuClickMarkARow, &TNTabEd::PopupMenuClickMarkAAll},
      {nullptr, &TNTabEd::PopupMenuClickMarkBRange, &TNTabEd::PopupMenuClickMarkBColumn,
       &TNTabEd::PopupMenuClickMarkBRow, &TNTabEd::PopupMenuClickMarkBAll},
      {nullptr, &TNTabEd::PopupMenuClickUnMarkARange, &TNTabEd::PopupMenuClickUnMarkAColumn,
       &TNTabEd::PopupMenuClickUnMarkARow, &TNTabEd::PopupMenuClickUnMarkAAll},
      {nullptr, &TNTabEd::PopupMenuClickUnMarkBRange, &TNTabEd::PopupMenuClickUnMarkBColumn,
       &TNTabEd::PopupMenuClickUnMarkBRow, &TNTabEd::PopupMenuClickUnMarkBAll}};
  for (int s = 0; s < 4; ++s)
    for (int i = 1; i <= 4; ++i)
      FSubItems[s][i] = NewItem(FPopupD, FDItems[s + 1], QString::fromLatin1(subNames[s]) + QString::number(i),
                                QString::fromLatin1(subCaptions[i]), subHandlers[s][i]);

  FPopupH = new TPopupMenu(this);
  FPopupH->SetName(QStringLiteral("PopupHTAction"));
  const char* const hCaptions[6] = {nullptr, "Edit Heading", "Change Precision", "Select..", "Insert..", "Delete.."};
  const H hHandlers[6] = {nullptr, &TNTabEd::PopupMenuClickChangeID, &TNTabEd::PopupMenuClickPrecision,
                          &TNTabEd::PopupMenuClickSelectCol, &TNTabEd::PopupMenuClickInsertCol,
                          &TNTabEd::PopupMenuClickDeleteCol};
  for (int i = 1; i <= 5; ++i)
    FHItems[i] = NewItem(FPopupH, FPopupH->Items(), QStringLiteral("HIt%1").arg(i), QString::fromLatin1(hCaptions[i]),
                         hHandlers[i]);
}

// --------------------------------------------------------------------- masks

void TNTabEd::SetPopupDMask(int Value) {
  FPopupDMask = Value;
  for (int i = 1; i <= 13; ++i) {
    FDItems[i]->SetEnabled(Bit(Value, i));
    FDItems[i]->SetVisible(Bit(Value, i));
  }
  ChangedSetup();
}

void TNTabEd::SetPopupHMask(int Value) {
  FPopupHMask = Value;
  for (int i = 1; i <= 5; ++i) FHItems[i]->SetEnabled(Bit(Value, i));
  ChangedSetup();
}

// ------------------------------------------------------------------ captions

QString TNTabEd::PopupDCaptions(int ix) const { return ix >= 1 && ix <= 13 ? CutCaption(FDItems[ix]->Caption()) : QString(); }

void TNTabEd::SetPopupDCaptions(int ix, const QString& Value) {
  if (ix >= 1 && ix <= 13) FDItems[ix]->SetCaption(CutCaption(Value));
}

QString TNTabEd::PopupHCaptions(int ix) const { return ix >= 1 && ix <= 5 ? CutCaption(FHItems[ix]->Caption()) : QString(); }

void TNTabEd::SetPopupHCaptions(int ix, const QString& Value) {
  if (ix >= 1 && ix <= 5) FHItems[ix]->SetCaption(CutCaption(Value));
}

QString TNTabEd::PopupMCaptions(int ix) const {
  return ix >= 1 && ix <= 4 ? CutCaption(FSubItems[0][ix]->Caption()) : QString();
}

void TNTabEd::SetPopupMCaptions(int ix, const QString& Value) {
  if (ix < 1 || ix > 4) return;
  FSubItems[0][ix]->SetCaption(CutCaption(Value));
  FSubItems[1][ix]->SetCaption(CutCaption(Value));
}

QString TNTabEd::PopupUCaptions(int ix) const {
  return ix >= 1 && ix <= 4 ? CutCaption(FSubItems[2][ix]->Caption()) : QString();
}

void TNTabEd::SetPopupUCaptions(int ix, const QString& Value) {
  if (ix < 1 || ix > 4) return;
  FSubItems[2][ix]->SetCaption(CutCaption(Value));
  FSubItems[3][ix]->SetCaption(CutCaption(Value));
}

// ------------------------------------------------------------------- opening

void TNTabEd::OpenDataMenu(int X, int Y) {
  FDItems[kReadOnlyItem]->Bitmap()->LoadFromResourceName(FReadOnly ? QStringLiteral("CHECKEDBOX")
                                                                    : QStringLiteral("EMPTYBOX"));
  FDItems[kPasteItem]->SetEnabled(FDataCopyAvail && Bit(FPopupDMask, kPasteItem) && !FReadOnly);
  FDItems[kClearItem]->SetEnabled(Bit(FPopupDMask, kClearItem) && !FReadOnly);
  FDItems[kExtractItem]->SetEnabled(Bit(FPopupDMask, kExtractItem) && !FReadOnly);
  if (OnBeforePopup) OnBeforePopup(this, FPopupD);
  const QPoint p = mapToGlobal(QPoint(X + 10, Y - 20));
  FPopupD->Popup(p.x(), p.y());
}

void TNTabEd::OpenHeadingMenu() {
  const bool inDataColumn = FClicked.X > FColOffset;
  if (Bit(FPopupHMask, 2)) FHItems[2]->SetEnabled(inDataColumn);
  FHItems[3]->SetEnabled(Bit(FPopupHMask, 3));
  FHItems[4]->SetEnabled(Bit(FPopupHMask, 4) && !FReadOnly);
  FHItems[5]->SetEnabled(Bit(FPopupHMask, 5) && !FReadOnly);
  using H = void (TNTabEd::*)(TObject*);
  const bool column = FClicked.X > FColOffset;
  const char* const captions[2][3] = {{"Select Row", "Insert Row", "Delete Row"},
                                      {"Select Column", "Insert Column", "Delete Column"}};
  const H handlers[2][3] = {
      {&TNTabEd::PopupMenuClickSelectRow, &TNTabEd::PopupMenuClickInsertRow, &TNTabEd::PopupMenuClickDeleteRow},
      {&TNTabEd::PopupMenuClickSelectCol, &TNTabEd::PopupMenuClickInsertCol, &TNTabEd::PopupMenuClickDeleteCol}};
  for (int i = 0; i < 3; ++i) {
    FHItems[i + 3]->SetCaption(QString::fromLatin1(captions[column][i]));
    const H h = handlers[column][i];
    FHItems[i + 3]->OnClick = [this, h](TObject* Sender) { (this->*h)(Sender); };
  }
  OutlineClickedCell();
  if (OnBeforePopup) OnBeforePopup(this, FPopupH);
  PopupHeadingMenuAtClicked();
  Invalidate();
}

void TNTabEd::OutlineClickedCell() {
  const TRect r = CellRect(FClicked.X, FClicked.Y);
  if (r.IsEmpty()) return;
  TCanvas* c = Canvas();
  c->SetClipRect(TRect());
  c->Pen()->SetMode(pmNot);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
  c->Pen()->SetMode(pmCopy);
  c->Brush()->SetStyle(bsSolid);
  update();
}

void TNTabEd::PopupHeadingMenuAtClicked() {
  const TRect r = CellRect(FClicked.X, FClicked.Y);
  const QPoint p = mapToGlobal(QPoint(r.Left + 20, r.Top + 20));
  FPopupH->Popup(p.x(), p.y());
}

}  // namespace orv
