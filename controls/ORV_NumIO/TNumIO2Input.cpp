// TNumIO2: the value, the text buffer with caret and selection, keys, the
// clipboard, the mouse (spin buttons, gauge, freeze box) and the caret timer.

#include "OrvTNumIO2.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr int kCaretPeriod = 500;

// The separator character of a separator choice (the system one for dpsSystem).
QChar SeparatorChar(TDecPSep Sep) {
  switch (Sep) {
    case dpsDot: return QLatin1Char('.');
    case dpsComma: return QLatin1Char(',');
    default: return FormatSettings.DecimalSeparator;
  }
}

// The character a key types, or a null character for keys that type none.
QChar KeyChar(std::uint16_t Key, bool Shifted) {
  if (Key >= '0' && Key <= '9') {
    if (Shifted && Key == '4') return QLatin1Char('$');
    if (Shifted && Key == '5') return QLatin1Char('%');
    if (Shifted && Key == '6') return QLatin1Char('&');
    return QChar(Key);
  }
  if (Key >= 'A' && Key <= 'F') return QChar(Key);
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return QChar('0' + (Key - VK_NUMPAD0));
  switch (Key) {
    case VK_ADD:
    case VK_OEM_PLUS: return QLatin1Char('+');
    case VK_SUBTRACT:
    case VK_OEM_MINUS: return QLatin1Char('-');
    case VK_DECIMAL:
    case VK_OEM_COMMA: return QLatin1Char(',');
    case VK_OEM_PERIOD: return QLatin1Char('.');
    default: return {};
  }
}

}  // namespace

// ------------------------------------------------------------ value and text

void TNumIO2::SetInputFormat(TInFormat Value) {
  if (Value == FInputFormat) return;
  const double v = GetNioValue();
  FInputFormat = Value;
  SetNioValue(v);
}

void TNumIO2::SetFixPointDecPlaces(int Value) {
  if (Value <= 0) return;
  Value = std::min(Value, 15);
  if (Value == FFixPointDecPlaces) return;
  const double v = GetNioValue();
  FFixPointDecPlaces = Value;
  SetNioValue(v);
}

void TNumIO2::SetSignificantDigits(int Value) {
  if (Value <= 0) return;
  Value = std::min(Value, 15);
  if (Value == FSignificantDigits) return;
  const double v = GetNioValue();
  FSignificantDigits = Value;
  SetNioValue(v);
}

void TNumIO2::SetDecPlaceSep(TDecPSep Value) {
  if (Value == FDecPlaceSep) return;
  if (Value != dpsDotOrComma) {
    const QChar to = SeparatorChar(Value);
    if (FDecPlaceSep == dpsDotOrComma) {
      FInBuffer = ReplaceCharInString(ReplaceCharInString(FInBuffer, QLatin1Char('.'), to), QLatin1Char(','), to);
    } else {
      const QChar from = SeparatorChar(FDecPlaceSep);
      if (from != to) FInBuffer = ReplaceCharInString(FInBuffer, from, to);
    }
  }
  FDecPlaceSep = Value;
  Repaint();
}

void TNumIO2::SetRangeLow(double Value) {
  FRangeLow = Value;
  if (FRangeLow > FRangeHigh) FRangeHigh = FRangeLow;
  Repaint();
}

void TNumIO2::SetRangeHigh(double Value) {
  FRangeHigh = Value;
  if (FRangeHigh < FRangeLow) FRangeLow = FRangeHigh;
  Repaint();
}

void TNumIO2::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  if (Value) {
    StopCaret();
    Repaint();
  } else {
    UpdateTimer();
  }
}

void TNumIO2::SetText(const QString& Value) {
  if (!Value.isEmpty() && !CheckValidity(Value)) return;
  FInBuffer = Value;
  FCaretPos = FSelBegin = FSelEnd = 0;
  Repaint();
}

double TNumIO2::GetNioValue() const { return NumIO2Value(FInBuffer, FInputFormat); }

QChar TNumIO2::WrittenSeparator() const {
  return ScanSepMode(FDecPlaceSep) == dsmComma ? QLatin1Char(',') : QLatin1Char('.');
}

void TNumIO2::SetNioValue(double Value) {
  // The text is written with the separator the field accepts, so that a
  // comma-only field can still be edited after a value was set.
  FInBuffer = ReplaceCharInString(NumIO2Text(Value, FInputFormat, FSignificantDigits, FFixPointDecPlaces),
                                  QLatin1Char('.'), WrittenSeparator());
  ClampPositions();
  Repaint();
}

int TNumIO2::GetNioIntValue() const { return NioIntValue(GetNioValue(), Name()); }

bool TNumIO2::CheckValidity(const QString& Instring) const {
  return NumIO2CheckValidity(Instring, FInputFormat, FFixPointDecPlaces, int(FDecPlaceSep));
}

bool TNumIO2::OutOfRange() const {
  const double v = GetNioValue();
  return v < FRangeLow || v > FRangeHigh;
}

void TNumIO2::Changed() {
  if (OnChange) OnChange(this);
}

// ------------------------------------------------------ caret and selection

void TNumIO2::ClampPositions() {
  const int len = int(FInBuffer.size());
  FCaretPos = std::clamp(FCaretPos, 0, len);
  FSelBegin = std::clamp(FSelBegin, 0, len);
  FSelEnd = std::clamp(FSelEnd, FSelBegin, len);
}

void TNumIO2::SetSelBegin(int Value) {
  Value = std::clamp(Value, 0, int(FInBuffer.size()));
  FSelBegin = FCaretPos = Value;
  FSelEnd = std::max(FSelEnd, Value);
  Repaint();
}

void TNumIO2::SetSelEnd(int Value) {
  Value = std::clamp(Value, 0, int(FInBuffer.size()));
  FSelEnd = FCaretPos = Value;
  FSelBegin = std::min(FSelBegin, Value);
  Repaint();
}

// -------------------------------------------------------------- caret timer

void TNumIO2::UpdateTimer() {
  FCaretTimer.Stop();
  FCaretVisib = true;
  FCaretTimer.Start(kCaretPeriod);
  Repaint();
}

void TNumIO2::StopCaret() {
  FCaretTimer.Stop();
  FCaretVisib = false;
}

void TNumIO2::CaretTimerEvent() {
  if (Focused())
    FCaretVisib = !FCaretVisib;
  else
    StopCaret();
  Repaint();
}

void TNumIO2::SetFocus() {
  TCustomControl::SetFocus();
  if (!FReadOnly) UpdateTimer();
}

void TNumIO2::Click() {
  TCustomControl::SetFocus();
  if (!FReadOnly) UpdateTimer();
  TCustomControl::Click();
}

void TNumIO2::DoEnter() {
  if (!FReadOnly) UpdateTimer();
  TCustomControl::DoEnter();
}

void TNumIO2::DoExit() {
  Repaint();  // the selection hides with the focus
  TCustomControl::DoExit();
}

// --------------------------------------------------------------------- keys

void TNumIO2::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SHIFT) {
    FKeyShifted = true;
  } else if (Key == VK_CONTROL) {
    FKeyCntrl = true;
  } else if (!Shift.Contains(ssAlt)) {
    FKeyShifted = Shift.Contains(ssShift);
    FKeyCntrl = Shift.Contains(ssCtrl);
    HandleKey(Key);
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TNumIO2::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SHIFT) FKeyShifted = false;
  if (Key == VK_CONTROL) FKeyCntrl = false;
  TCustomControl::KeyUp(Key, Shift);
}

void TNumIO2::RemoveSelection() {
  if (FSelBegin == FSelEnd) return;
  FInBuffer.remove(FSelBegin, FSelEnd - FSelBegin);
  FCaretPos = FSelEnd = FSelBegin;
}

void TNumIO2::DeleteSelection() {
  RemoveSelection();
  if (FInBuffer.isEmpty()) SetNioValue(0);
}

void TNumIO2::InsertText(const QString& S) {
  FInBuffer.insert(FCaretPos, S);
  FCaretPos += int(S.size());
}

void TNumIO2::CopySelection() const {
  if (FSelBegin < FSelEnd) Clipboard()->SetAsText(FInBuffer.mid(FSelBegin, FSelEnd - FSelBegin));
}

bool TNumIO2::Acceptable(const QString& S) const {
  return S.isEmpty() || S == QLatin1String("-") || S == QLatin1String("+") || CheckValidity(S);
}

void TNumIO2::HandleKey(std::uint16_t Key) {
  // Tab also leaves a read-only field, so that the focus is never trapped.
  if (Key == VK_TAB) {
    SelectNext(!FKeyShifted);
    return;
  }
  if (FReadOnly && !(FKeyCntrl && Key == 'C')) return;

  const QString oldBuffer = FInBuffer;
  const int oldCaret = FCaretPos, oldSelBegin = FSelBegin, oldSelEnd = FSelEnd;
  const bool hasSel = FSelBegin < FSelEnd;
  const int len = int(FInBuffer.size());
  bool refused = false;
  if (FKeyCntrl) {
    switch (Key) {
      case 'C': CopySelection(); break;
      case 'X':
        if (hasSel) {
          CopySelection();
          DeleteSelection();
        }
        break;
      case 'V':
        if (Clipboard()->HasFormat(CF_UNICODETEXT)) {
          RemoveSelection();
          InsertText(Clipboard()->AsText());
          FSelBegin = FSelEnd = 0;
        }
        break;
      default: refused = true; break;
    }
  } else {
    switch (Key) {
      case VK_BACK:
        if (hasSel) {
          DeleteSelection();
        } else if (FCaretPos > 0) {
          FInBuffer.remove(FCaretPos - 1, 1);
          --FCaretPos;
        }
        break;
      case VK_DELETE:
        if (hasSel)
          DeleteSelection();
        else if (FCaretPos < len)
          FInBuffer.remove(FCaretPos, 1);
        break;
      case VK_END: FCaretPos = len; break;
      case VK_HOME: FCaretPos = 0; break;
      case VK_LEFT:
      case VK_UP: FCaretPos = std::max(FCaretPos - 1, 0); break;
      case VK_RIGHT:
      case VK_DOWN: FCaretPos = std::min(FCaretPos + 1, len); break;
      default: {
        const QChar ch = KeyChar(Key, FKeyShifted);
        if (ch.isNull()) {
          refused = true;
        } else {
          RemoveSelection();
          InsertText(QString(ch));
        }
        break;
      }
    }
  }

  // The online check: a buffer that is neither empty, a lone sign nor valid
  // is refused whole and the last accepted state comes back.
  if (FInBuffer != oldBuffer && !Acceptable(FInBuffer)) {
    FInBuffer = oldBuffer;
    FCaretPos = oldCaret;
    FSelBegin = oldSelBegin;
    FSelEnd = oldSelEnd;
    refused = true;
  }
  if (refused && FBeep) MessageBeep(0xFFFF);
  ClampPositions();  // an empty selection may lie behind a shortened buffer

  // Fixed-point decimals are typed over: the character after the caret is selected.
  if (FInputFormat == itFixPoint) {
    const int n = int(FInBuffer.size());
    if (FCaretPos > n - FFixPointDecPlaces - 1) {
      FSelBegin = FCaretPos;
      FSelEnd = std::min(FCaretPos + 1, n);
    } else {
      FSelBegin = FSelEnd;
    }
  }
  FCaretVisib = true;
  if (FInBuffer != oldBuffer) Changed();
  Repaint();
}

// -------------------------------------------------------------------- mouse

double TNumIO2::NearestPivot(double V, int* Index) const {
  int best = 0;
  for (int i = 1; i < ButtonPivots.size(); ++i)
    if (std::abs(ButtonPivots[i] - V) < std::abs(ButtonPivots[best] - V)) best = i;
  if (Index) *Index = best;
  return ButtonPivots[best];
}

double TNumIO2::GaugeValueAt(int X) const {
  const double f = FGaugeWidth > 0 ? double(X - FGaugeLeftMargin) / FGaugeWidth : 0.0;
  double v = std::lerp(FRangeLow, FRangeHigh, f);
  if (!ButtonPivots.isEmpty()) v = NearestPivot(v, nullptr);
  return std::isnan(v) ? FRangeLow : std::clamp(v, FRangeLow, FRangeHigh);
}

void TNumIO2::SpinClick(int Direction) {
  const double f = GetNioValue();
  double v;
  if (ButtonPivots.isEmpty()) {
    v = std::clamp(f + Direction * FButIncrem, FRangeLow, FRangeHigh);
  } else {
    const double e = std::pow(10.0, -FFixPointDecPlaces);
    int i = 0;
    NearestPivot(f, &i);
    if (Direction < 0 && i > 0 && f <= ButtonPivots[i] + e) --i;
    if (Direction > 0 && f >= ButtonPivots[i] - e && i < ButtonPivots.size() - 1) ++i;
    v = ButtonPivots[i];
  }
  SetNioValue(v);
  Changed();
}

void TNumIO2::ToggleFreeze() {
  const bool frozen = !FFreezeBoxChecked;
  SetFreezeBoxChecked(frozen);
  SetHideInputEditor(FHideInputOnFreeze && frozen);
  Changed();
}

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (!FReadOnly) FCaretVisib = true;
    if (Y > 0 && Y < Height() - GaugeStrip()) {
      FCaretPos = FSelBegin = FSelEnd = FSelAnchor = XCoordsToCharPos(X);
      Repaint();
    }
    if (!FReadOnly && InGauge(X, Y, 0)) {
      SetNioValue(GaugeValueAt(X));
      FValueChanged = true;
    }
    if (!FReadOnly) {
      if (const int dir = ButtonAt(X, Y)) SpinClick(dir);
    }
    if (InFreezeBox(X, Y)) ToggleFreeze();
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y) {
  if (Shift.Contains(ssLeft)) {
    if (Y > 0 && Y < Height() - GaugeStrip()) {
      // The selection runs from where the button went down to the mouse.
      const int p = XCoordsToCharPos(X);
      const int anchor = std::min(FSelAnchor, int(FInBuffer.size()));
      FSelBegin = std::min(anchor, p);
      FSelEnd = std::max(anchor, p);
      FCaretPos = p;
      Repaint();
    }
    if (!FReadOnly && InGauge(X, Y, 1)) {
      const double v = GaugeValueAt(X);
      SetNioValue(v);
      FValueChanged = true;
      if (OnGaugeChange) OnGaugeChange(this, Shift, v);
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FValueChanged) {
    FValueChanged = false;
    Changed();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ------------------------------------------------------------------- Assign

void TNumIO2::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TNumIO2*>(Source);
  if (!src) {
    TCustomControl::Assign(Source);
    return;
  }
  if (src == this) return;
  FLeftSpace = src->FLeftSpace;
  FTextBoxWidth = src->FTextBoxWidth;
  FFixPointDecPlaces = src->FFixPointDecPlaces;
  FSignificantDigits = src->FSignificantDigits;
  FLeftText = src->FLeftText;
  FRightText = src->FRightText;
  FFrameStyle = src->FFrameStyle;
  FFreezeBoxVisible = src->FFreezeBoxVisible;
  FFreezeBoxSize = src->FFreezeBoxSize;
  FFreezeBoxLeft = src->FFreezeBoxLeft;
  FFreezeBoxTop = src->FFreezeBoxTop;
  FFreezeBoxChecked = src->FFreezeBoxChecked;
  FHideInputOnFreeze = src->FHideInputOnFreeze;
  FLeftTextAlignment = src->FLeftTextAlignment;
  FAlignment = src->FAlignment;
  FRightTextAlignment = src->FRightTextAlignment;
  FColorBoxBG = src->FColorBoxBG;
  FColorBoxText = src->FColorBoxText;
  FColorOutBG = src->FColorOutBG;
  FColorOutText = src->FColorOutText;
  FColBlackLine = src->FColBlackLine;
  FColGrayLine = src->FColGrayLine;
  FColWhiteLine = src->FColWhiteLine;
  FColorScheme = src->FColorScheme;
  FInputFormat = src->FInputFormat;
  FColorWarnBG = src->FColorWarnBG;
  FColorWarnText = src->FColorWarnText;
  FDecPlaceSep = src->FDecPlaceSep;
  FKeyShifted = src->FKeyShifted;
  FKeyCntrl = src->FKeyCntrl;
  FHideSelection = src->FHideSelection;
  FHideInputEditor = src->FHideInputEditor;
  FRangeLow = src->FRangeLow;
  FRangeHigh = src->FRangeHigh;
  FBeep = src->FBeep;
  FAutoSize = src->FAutoSize;
  // Read-only starts or stops this control's own caret timer.
  SetReadOnly(src->FReadOnly);
  FInBuffer = src->FInBuffer;
  FCaretPos = src->FCaretPos;
  FSelBegin = src->FSelBegin;
  FSelEnd = src->FSelEnd;
  FSelAnchor = src->FSelAnchor;
  FCaretVisib = src->FCaretVisib;
  Repaint();
}

void TNumIO2::AssignTo(TPersistent* Dest) {
  if (auto* dest = dynamic_cast<TNumIO2*>(Dest)) {
    dest->Assign(this);
    return;
  }
  TCustomControl::AssignTo(Dest);
}

}  // namespace orv
