#include "OrvTNumIO.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace orv {

TNumIO::TNumIO(TOwnerArg AOwner) : TCustomEdit(AOwner) {
  if (ComponentState().Contains(csDesigning)) {
    FMinimum = -NumIODesignRange;
    FMaximum = NumIODesignRange;
  }
}

void TNumIO::SetInputFormat(TInFormat Value) {
  if (Value == FInFormat) return;
  FInFormat = Value;
  Revalidate();
}

void TNumIO::SetFixPointDecPlaces(int Value) { FFixPDecPl = std::clamp(Value, 1, 8); }

void TNumIO::SetDecPlaceSep(TDecPSep Value) {
  if (Value == FDecPSep) return;
  FDecPSep = Value;
  Revalidate();
}

void TNumIO::SetRangeLow(double Value) {
  if (Value == FMinimum || std::isnan(Value)) return;
  if (Value < FMaximum) {
    FMinimum = Value;
  } else {
    FMinimum = FMaximum;
    FMaximum = Value;
  }
  Revalidate();
}

void TNumIO::SetRangeHigh(double Value) {
  if (Value == FMaximum || std::isnan(Value)) return;
  if (Value > FMinimum) {
    FMaximum = Value;
  } else {
    FMaximum = FMinimum;
    FMinimum = Value;
  }
  Revalidate();
}

double TNumIO::GetLabValue() const { return NumIOValue(Text(), FInFormat); }

void TNumIO::SetLabValue(double Value) {
  // The written text is what a rejected change returns to.
  FOldText = NumIOText(Value, FInFormat, FFixPDecPl);
  SetEditText(FOldText);
}

bool TNumIO::ConvertNumString(const QString& Text, double& Value) const {
  return ConvertNumIOString(Text, FInFormat, FDecPSep, Value);
}

void TNumIO::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TNumIO*>(Source);
  if (!src) {
    TCustomEdit::Assign(Source);
    return;
  }
  FBeep = src->FBeep;
  if (FInFormat == src->FInFormat && FMinimum == src->FMinimum && FMaximum == src->FMaximum &&
      FDecPSep == src->FDecPSep)
    return;
  FInFormat = src->FInFormat;
  FMinimum = src->FMinimum;
  FMaximum = src->FMaximum;
  FDecPSep = src->FDecPSep;
  Revalidate();
}

void TNumIO::AssignTo(TPersistent* Dest) {
  if (auto* dest = dynamic_cast<TNumIO*>(Dest)) dest->Assign(this);
  else TCustomEdit::AssignTo(Dest);
}

void TNumIO::Change() {
  if (ComponentState().Contains(csDesigning)) return;
  if (FInternalChg) {
    FInternalChg = false;
    return;
  }
  const QString text = Text();
  const int caret = LineEdit()->cursorPosition();
  double value = 0;
  if (ConvertNumString(text, value) && ((value >= FMinimum && value <= FMaximum) || value == 0)) {
    // The accepted text is the one shown, so a later rejection returns to it.
    FOldText = FInFormat == itFixPoint ? FormatFixed(value, 1, FFixPDecPl) : text;
    if (FOldText != text) {
      SetEditText(FOldText);
      LineEdit()->setCursorPosition(std::min(caret, int(FOldText.size())));
    }
    TCustomEdit::Change();
    return;
  }
  // Rejected: back to the last accepted text, the caret where it was before the edit.
  const int before = caret - int(text.size() - FOldText.size());
  SetEditText(FOldText);
  LineEdit()->setCursorPosition(std::clamp(before, 0, int(FOldText.size())));
  if (FBeep) MessageBeep(0);
}

void TNumIO::SetEditText(const QString& Value) {
  FInternalChg = true;
  SetText(Value);
  // Cleared here too: an unchanged text sends no change notification.
  FInternalChg = false;
}

void TNumIO::Revalidate() {
  FOldText.clear();
  Change();
}

}  // namespace orv
