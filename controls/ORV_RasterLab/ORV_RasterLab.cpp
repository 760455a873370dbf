#include "ORV_RasterLab.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace orv {

namespace {

// Scroll offsets stay far inside the int range however long a text scrolls away.
int MoveOffset(int Offset, int Delta) {
  constexpr long long limit = 1 << 30;
  return int(std::clamp<long long>(static_cast<long long>(Offset) + Delta, -limit, limit));
}

}  // namespace

TRasterLab::TRasterLab(TOwnerArg AOwner) : TGraphicControl(AOwner), FCMat(BuiltInCharMatrix()) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  SetInitialSize(400, 68);
  Font()->SetName(QStringLiteral("default"));
  Font()->SetSize(8);
}

TRasterLab::~TRasterLab() = default;

// ------------------------------------------------------------------ text and dots

void TRasterLab::SetText(const QString& Value) {
  if (Value == FText) return;
  FText = Value;
  ApplyAutoCenter();
  Paint();
}

void TRasterLab::SetDotSize(int Value) {
  Value = std::clamp(Value, 1, 32);
  if (Value == FDotSize) return;
  FDotSize = Value;
  ApplyAutoHeight();
  ApplyAutoCenter();
  Paint();
}

void TRasterLab::SetDotSpacing(int Value) {
  Value = std::clamp(Value, 0, 3);
  if (Value == FDotSpacing) return;
  FDotSpacing = Value;
  ApplyAutoHeight();
  ApplyAutoCenter();
  Paint();
}

void TRasterLab::SetPosX(int Value) {
  if (Value == FPosX) return;
  FPosX = Value;
  Paint();
}

void TRasterLab::SetPosY(int Value) {
  if (Value == FPosY) return;
  FPosY = Value;
  Paint();
}

void TRasterLab::SetProportional(bool Value) {
  if (Value == FProportional) return;
  FProportional = Value;
  Paint();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode Value) {
  if (Value == FCharBlockMode) return;
  FCharBlockMode = Value;
  Paint();
}

void TRasterLab::SetColorDotOn(TColor Value) {
  if (Value == FColorDotOn) return;
  FColorDotOn = Value;
  Paint();
}

void TRasterLab::SetColorDotOff(TColor Value) {
  if (Value == FColorDotOff) return;
  FColorDotOff = Value;
  Paint();
}

void TRasterLab::SetColorLabBakG(TColor Value) {
  if (Value == FColorLabBakG) return;
  FColorLabBakG = Value;
  Paint();
}

void TRasterLab::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Paint();
}

void TRasterLab::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColWhiteLine = Value == csFixedColors ? clWhite : clBtnHighlight;
  FColGrayLine = Value == csFixedColors ? clGray : clBtnShadow;
  Paint();
}

int TRasterLab::FrameWidth() const {
  switch (FFrameStyle) {
    case fsNone: return 0;
    case fsEtched:
    case fsBump: return 2;
    default: return 1;
  }
}

// ------------------------------------------------------------------ automatic size and position

void TRasterLab::SetAutoHeight(bool Value) {
  if (Value == FAutoHeight) return;
  FAutoHeight = Value;
  ApplyAutoHeight();
  Paint();
}

void TRasterLab::SetAutoCenter(bool Value) {
  if (Value == FAutoCenter) return;
  FAutoCenter = Value;
  if (Value)
    ApplyAutoCenter();
  else
    FPosX = 1;
  Paint();
}

int TRasterLab::FittedHeight() const { return FrameWidth() + Pitch() * FCMat.FontHeight; }

QSize TRasterLab::sizeHint() const {
  QSize s = TGraphicControl::sizeHint();
  if (FAutoHeight) s.setHeight(FittedHeight());
  return s;
}

QSize TRasterLab::minimumSizeHint() const {
  return QSize(2 * FrameWidth() + Pitch() * (FCMat.FontWidth + 1), FittedHeight());
}

void TRasterLab::ApplyAutoHeight() {
  updateGeometry();  // the fitted height may have changed
  if (FAutoHeight) SetHeight(FittedHeight());
}

void TRasterLab::ApplyAutoCenter() {
  if (FAutoCenter) FPosX = (Width() - CalcTextBitLength(FText)) / 2 + FrameWidth() + 1;
}

void TRasterLab::Resize() {
  TGraphicControl::Resize();
  ApplyAutoCenter();
}

// ------------------------------------------------------------------ fonts

void TRasterLab::FontChanged() {
  TGraphicControl::FontChanged();
  FCMat = CreateBitFont(Font());
  ApplyAutoHeight();
  ApplyAutoCenter();
  Paint();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& CMat) {
  FCMat = CMat;
  ApplyAutoHeight();
  ApplyAutoCenter();
  Paint();
}

// Each glyph is drawn in black at (0, 0) on a white bitmap, without
// smoothing; every pixel of the top-left 32 x 32 that is not pure white is a
// dot.
TRDCharMatrix TRasterLab::CreateBitFont(TFont* Font) const {
  if (!Font || Font->Name().toLower() == QLatin1String("default")) return BuiltInCharMatrix();
  TRDCharMatrix m;
  std::memset(&m, 0, sizeof m);
  TBitmap bmp(65, 65);
  TCanvas* c = bmp.Canvas();
  c->Font()->Assign(Font);
  c->Font()->SetColor(clBlack);
  c->Font()->SetOrientation(0);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clWhite);
  int lastRow = -1, widest = 0;
  for (int code = 32; code < 256; ++code) {
    int left = 31, right = 0;
    const QChar ch = RasterCodeChar(code);
    if (!ch.isNull()) {
      c->FillRect(TRect(0, 0, bmp.Width(), bmp.Height()));
      // Plain black and white pixels: a smoothed edge would count as dots.
      c->Painter()->setRenderHint(QPainter::TextAntialiasing, false);
      c->TextOut(0, 0, QString(ch));
      const QImage& img = bmp.Image();
      for (int row = 0; row < 32; ++row) {
        std::uint32_t bits = 0;
        for (int col = 0; col < 32; ++col)
          if (QRgbToColor(img.pixel(col, row)) != clWhite) bits |= 1u << col;
        if (!bits) continue;
        m.BitData[code][row] = bits;
        left = std::min(left, std::countr_zero(bits));
        right = std::max(right, 31 - std::countl_zero(bits));
        lastRow = std::max(lastRow, row);
      }
    }
    m.LeftMostBit[code] = std::uint8_t(left);
    m.RightMostBit[code] = std::uint8_t(right);
    widest = std::max(widest, right - left + 1);
  }
  m.FontHeight = lastRow + 1;
  m.FontWidth = widest;
  m.LeftMostBit[32] = 0;
  m.RightMostBit[32] = std::uint8_t(widest / 2);
  return m;
}

// ------------------------------------------------------------------ scrolling

void TRasterLab::SetScrollMode(TRDScrollMode Value) {
  if (Value == FScrollMode) return;
  FScrollMode = Value;
  if (!ComponentState().Contains(csDesigning)) {
    FScrTimerEnabled = Value != rdsmOff;
    UpdateTimer();
  }
  if (Value == rdsmOff) {
    FScrollPosX = 0;
    FScrollPosY = 0;
    Paint();
  }
}

void TRasterLab::SetScrollInterval(int Value) {
  Value = std::max(Value, 10);
  if (Value == FScrollInterval) return;
  FScrollInterval = Value;
  UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int Value) {
  Value = Value == 0 ? 1 : Value == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(Value);
  if (Value == FScrollIncrement) return;
  FScrollIncrement = Value;
  UpdateTimer();
}

void TRasterLab::SetScrollLoop(bool Value) {
  FScrollLoop = Value;
  Paint();
}

void TRasterLab::UpdateTimer() {
  FTimer.Stop();
  if (FScrollInterval > 0 && FScrollMode != rdsmOff && FScrTimerEnabled) FTimer.Start(FScrollInterval);
}

void TRasterLab::DoTimer() {
  ScrollStep();
  if (OnScrollTimer) OnScrollTimer(this);
}

// Right: restarts with the text's right end just left of PosX once its left
// end has passed the width. Left, down and up: restarts just outside the
// opposite edge once the text has left the display completely.
void TRasterLab::ScrollStep() {
  const int textHeight = Pitch() * FCMat.FontHeight;
  bool restart = false;
  switch (FScrollMode) {
    case rdsmOff:
      FScrTimerEnabled = false;
      FScrollPosX = 0;
      FScrollPosY = 0;
      break;
    case rdsmRight:
      FScrollPosX = MoveOffset(FScrollPosX, FScrollIncrement);
      if ((restart = FScrollLoop && FScrollPosX > Width())) FScrollPosX = -FTextBitLength;
      break;
    case rdsmLeft:
      FScrollPosX = MoveOffset(FScrollPosX, -FScrollIncrement);
      if ((restart = FScrollLoop && FPosX + FScrollPosX + FTextBitLength <= 0)) FScrollPosX = Width() - FPosX;
      break;
    case rdsmDown:
      FScrollPosY = MoveOffset(FScrollPosY, FScrollIncrement);
      if ((restart = FScrollLoop && FPosY + FScrollPosY >= Height())) FScrollPosY = -(FPosY + textHeight);
      break;
    case rdsmUp:
      FScrollPosY = MoveOffset(FScrollPosY, -FScrollIncrement);
      if ((restart = FScrollLoop && FPosY + FScrollPosY + textHeight <= 0)) FScrollPosY = Height() - FPosY;
      break;
  }
  if (restart) DoScrLoopRestart();
  Paint();
}

void TRasterLab::DoScrLoopRestart() {
  if (OnScrollLoopRestart) OnScrollLoopRestart(this);
}

// ------------------------------------------------------------------ assignment

void TRasterLab::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TRasterLab*>(Source);
  if (!s) {
    TGraphicControl::Assign(Source);
    return;
  }
  FFrameStyle = s->FFrameStyle;
  FText = s->FText;
  FColorLabBakG = s->FColorLabBakG;
  FColorDotOn = s->FColorDotOn;
  FColWhiteLine = s->FColWhiteLine;
  FColGrayLine = s->FColGrayLine;
  FColBlackLine = s->FColBlackLine;
  FColorScheme = s->FColorScheme;
  Paint();
}

void TRasterLab::AssignTo(TPersistent* Dest) {
  if (auto* d = dynamic_cast<TRasterLab*>(Dest))
    d->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace orv
