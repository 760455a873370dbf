#include "ORV_Colsel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>

#include <cmath>

namespace orv {

TColSel::TColSel(TOwnerArg AOwner) : TCustomComboBox(AOwner) {
  SetStyle(csOwnerDrawFixed);
  SetItemHeight(std::max(16, QFontMetrics(font()).height() + 4));
  SetInitialSize(145, ComboBox()->sizeHint().height());
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  for (int i = 1; i <= MaxColors; ++i) {
    FColors[std::size_t(i - 1)] = PredefinedColors(i);
    FColorNames[std::size_t(i - 1)] = ColorToString(PredefinedColors(i));
  }
  // A selector made by code has its list at once; a form's gets it again in Loaded.
  LoadColorsIntoComboList();
}

void TColSel::Loaded() {
  TCustomComboBox::Loaded();
  LoadColorsIntoComboList();
}

void TColSel::Refresh() {
  ComboBox()->update();
  ComboBox()->view()->viewport()->update();
}

// The list holds the names of the offered entries in table order, so that
// an entry's text is the name drawn for it.
void TColSel::LoadColorsIntoComboList() {
  QStringList names;
  for (int i = 1; i <= FNumColors; ++i) names << FColorNames[std::size_t(i - 1)];
  Items()->SetStringList(names);
  SetItemIndex(FSelColorIx - 1);
}

QString TColSel::NameFor(TColor Color) {
  QString name = ColorToString(Color);
  if (OnColorNameChange) OnColorNameChange(this, name);
  return name;
}

// ------------------------------------------------------------------ settings

void TColSel::SetNumColors(int Value) {
  if (Value < 1 || Value > MaxColors || Value == FNumColors) return;
  FNumColors = Value;
  FSelColorIx = 1;
  LoadColorsIntoComboList();
}

void TColSel::SetColorBarWidth(int Value) {
  if (Value < 0 || Value == FColorBarWidth) return;
  FColorBarWidth = Value;
  Refresh();
}

void TColSel::LoadPalette(int First, int Count) {
  FSelColorIx = 1;
  FNumColors = Count;
  for (int i = 0; i < Count; ++i) {
    FColors[std::size_t(i)] = PredefinedColors(First + i);
    FColorNames[std::size_t(i)] = NameFor(FColors[std::size_t(i)]);
  }
  LoadColorsIntoComboList();
}

// ------------------------------------------------------------------ entries

TColor TColSel::Colors(int Index) const { return Offered(Index) ? FColors[std::size_t(Index - 1)] : 0; }

void TColSel::SetColors(int Index, TColor Value) {
  if (!Offered(Index)) return;
  FColors[std::size_t(Index - 1)] = Value;
  SetColorNames(Index, NameFor(Value));
}

QString TColSel::ColorNames(int Index) const { return Offered(Index) ? FColorNames[std::size_t(Index - 1)] : QString(); }

void TColSel::SetColorNames(int Index, const QString& Value) {
  if (!Offered(Index)) return;
  FColorNames[std::size_t(Index - 1)] = Value;
  Items()->SetStrings(Index - 1, Value);
  Refresh();
}

bool TColSel::ColorEditAllowed(int Index) const { return Offered(Index) && FIsUserEditable[std::size_t(Index - 1)]; }

void TColSel::SetColorEditAllowed(int Index, bool Value) {
  if (!Offered(Index)) return;
  FIsUserEditable[std::size_t(Index - 1)] = Value;
  Refresh();
}

void TColSel::SetAllColorEditFlags() {
  FIsUserEditable.fill(true);
  Refresh();
}

void TColSel::ResetAllColorEditFlags() {
  FIsUserEditable.fill(false);
  Refresh();
}

int TColSel::FindColorEntry(TColor Color) const {
  for (int i = 1; i <= MaxColors; ++i)
    if (FColors[std::size_t(i - 1)] == Color) return i;
  return 0;
}

// ------------------------------------------------------------------ selection

QString TColSel::SelColorID() const { return ItemIndex() < 0 ? QString() : ColorNames(FSelColorIx); }

void TColSel::SetSelColor(TColor Value) {
  const TColor rgb = ColorToRGB(Value);
  for (int i = 1; i <= FNumColors; ++i) {
    if (ColorToRGB(FColors[std::size_t(i - 1)]) == rgb) {
      FSelColorIx = i;
      SetItemIndex(i - 1);
      Refresh();
      return;
    }
  }
  FColors[std::size_t(FSelColorIx - 1)] = Value;
  SetColorNames(FSelColorIx, NameFor(rgb));
}

void TColSel::Click() {
  if (ItemIndex() >= 0) FSelColorIx = ItemIndex() + 1;
  TCustomComboBox::Click();
}

void TColSel::MouseMove(TShiftState Shift, int X, int Y) {
  FMouseAreaCode = X < FColorBarWidth ? 1 : 0;
  TCustomComboBox::MouseMove(Shift, X, Y);
}

void TColSel::DropDown() {
  if (FMouseAreaCode == 1 && ColorEditAllowed(ItemIndex() + 1)) {
    TColorDialog dialog(this);
    dialog.SetColor(SelColor());
    if (dialog.Execute()) {
      FColors[std::size_t(FSelColorIx - 1)] = dialog.Color();
      Change();
      SetColorNames(FSelColorIx, NameFor(ColorToRGB(dialog.Color())));
    }
    Refresh();
  }
  TCustomComboBox::DropDown();
}

// ------------------------------------------------------------------ drawing

TRect TColSel::BarRect(const TRect& Rect) const {
  return TRect(Rect.Left + 3, Rect.Top + 2, Rect.Left + FColorBarWidth + 3, Rect.Bottom - 2);
}

QList<TPoint> TColSel::EditMark(const TRect& Rect) {
  const int l = Rect.Left, t = Rect.Top, b = Rect.Bottom;
  return {{l + 5, t + 4}, {l + 5, b - 5}, {l + 8, b - 5}, {l + 11, b - 8}, {l + 11, t + 7}, {l + 8, t + 4}, {l + 5, t + 4}};
}

// Brightness sqrt(R² + 2 G² + B²) / 2 weighs green as the eye does.
TColor TColSel::EditMarkColor(TColor Color) {
  const TColor rgb = ColorToRGB(Color);
  const double r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  return std::sqrt(r * r + 2 * g * g + b * b) / 2 > 180 ? clBlack : clWhite;
}

TRect TColSel::NameRect(const TRect& Rect) const {
  return TRect(Rect.Left + FColorBarWidth + 3, Rect.Top, Rect.Right, Rect.Bottom);
}

// The prepared brush (the highlight for a selected entry) shows around the
// bar; the name is always on the control's colour.
void TColSel::DrawItem(int Index, const TRect& Rect, TOwnerDrawState) {
  TCanvas* c = Canvas();
  const TColor savedBrush = c->Brush()->Color(), savedFont = c->Font()->Color();
  const int entry = Index + 1;
  const bool enabled = Enabled();
  c->FillRect(Rect);
  c->Pen()->SetColor(clBlack);
  if (FColorBarWidth > 0) {
    if (enabled) {
      c->Brush()->SetColor(Colors(entry));
    } else {
      c->Pen()->SetColor(clSilver);
      c->Brush()->SetColor(clSilver);
      c->Rectangle(Rect.Left - 1, Rect.Top - 1, Rect.Left + FColorBarWidth + 3, Rect.Bottom + 1);
      c->Pen()->SetColor(clGray);
    }
    c->Rectangle(BarRect(Rect));
  }
  if (ColorEditAllowed(entry) && FColorBarWidth > 11 && enabled) {
    c->Pen()->SetColor(EditMarkColor(Colors(entry)));
    c->Polyline(EditMark(Rect));
    c->Pen()->SetColor(clBlack);
  }
  c->Brush()->SetColor(enabled ? Color() : clSilver);
  c->Font()->SetColor(enabled ? clBlack : clGray);
  const TRect name = NameRect(Rect);
  const QString text = ColorNames(entry);
  c->TextRect(name, name.Left + 3, Rect.Top + (Rect.Height() - c->TextHeight(text)) / 2, text);
  c->Brush()->SetColor(savedBrush);
  c->Font()->SetColor(savedFont);
}

}  // namespace orv
