#pragma once
// Basic value types of the framework layer: colours, rectangles and points,
// sets of enumeration values, the exception base, and the small enumerations
// shared by canvas, controls and input.

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>

namespace orv {

// ---------------------------------------------------------------- exceptions

// Base of every exception the library raises: a message as QString, what() in UTF-8.
class Exception : public std::exception {
public:
  explicit Exception(const QString& Msg) : FMessage(Msg), FUtf8(Msg.toUtf8()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

private:
  QString FMessage;
  QByteArray FUtf8;
};

// Raised when a file or stream cannot be opened, read or written.
class EInOutError : public Exception {
public:
  using Exception::Exception;
};

// ---------------------------------------------------------------------- sets

// A set of values of a plain enumeration with ordinals 0..63.
template <class E>
class Set {
public:
  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> Values) {
    for (E v : Values) FBits |= Bit(v);
  }
  constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
  constexpr Set& Include(E v) { FBits |= Bit(v); return *this; }
  constexpr Set& Exclude(E v) { FBits &= ~Bit(v); return *this; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr Set operator|(Set o) const { return FromBits(FBits | o.FBits); }
  constexpr Set operator|(E v) const { return FromBits(FBits | Bit(v)); }
  constexpr Set operator&(Set o) const { return FromBits(FBits & o.FBits); }
  constexpr Set operator-(Set o) const { return FromBits(FBits & ~o.FBits); }
  constexpr bool operator==(const Set&) const = default;
  constexpr std::uint64_t Bits() const { return FBits; }
  static constexpr Set FromBits(std::uint64_t b) { Set s; s.FBits = b; return s; }

private:
  static constexpr std::uint64_t Bit(E v) { return std::uint64_t(1) << static_cast<unsigned>(v); }
  std::uint64_t FBits = 0;
};

// -------------------------------------------------------------------- colours

// $00BBGGRR. A high byte of $FF names a system colour (see ColorToRGB); any
// other high byte is ignored.
using TColor = std::uint32_t;

constexpr TColor RGB(int R, int G, int B) {
  return TColor(R & 0xFF) | (TColor(G & 0xFF) << 8) | (TColor(B & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0, clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = 0xFF000000, clBackground = 0xFF000001, clActiveCaption = 0xFF000002,
                 clInactiveCaption = 0xFF000003, clMenu = 0xFF000004, clWindow = 0xFF000005,
                 clWindowFrame = 0xFF000006, clMenuText = 0xFF000007, clWindowText = 0xFF000008,
                 clCaptionText = 0xFF000009, clActiveBorder = 0xFF00000A, clInactiveBorder = 0xFF00000B,
                 clAppWorkSpace = 0xFF00000C, clHighlight = 0xFF00000D, clHighlightText = 0xFF00000E,
                 clBtnFace = 0xFF00000F, clBtnShadow = 0xFF000010, clGrayText = 0xFF000011,
                 clBtnText = 0xFF000012, clInactiveCaptionText = 0xFF000013, clBtnHighlight = 0xFF000014,
                 cl3DDkShadow = 0xFF000015, cl3DLight = 0xFF000016, clInfoText = 0xFF000017,
                 clInfoBk = 0xFF000018, clHotLight = 0xFF00001A, clGradientActiveCaption = 0xFF00001B,
                 clGradientInactiveCaption = 0xFF00001C, clMenuHighlight = 0xFF00001D, clMenuBar = 0xFF00001E;

// The RGB value ($00BBGGRR) of a colour: system colours through the
// application palette or the fixed table (see OrvColors.h), flag bytes dropped.
TColor ColorToRGB(TColor Color);
// The device colour of a TColor (opaque).
QRgb ColorToQRgb(TColor Color);
// A device colour as TColor (alpha dropped).
TColor QRgbToColor(QRgb Rgb);

// ------------------------------------------------------------- arithmetic

// Number * Numerator / Denominator with a 64-bit intermediate, rounded to the
// nearest integer (halves away from zero); -1 when Denominator is 0 or the
// result does not fit an int, as the system routine does.
constexpr int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  long long p = static_cast<long long>(Number) * Numerator;
  long long d = Denominator;
  if (d < 0) { p = -p; d = -d; }
  const long long q = (p >= 0 ? p + d / 2 : p - d / 2) / d;
  return q > 0x7FFFFFFF || q < -0x7FFFFFFFLL - 1 ? -1 : static_cast<int>(q);
}

// --------------------------------------------------------- points, rectangles

struct TPoint {
  int X = 0;
  int Y = 0;
  constexpr TPoint() = default;
  constexpr TPoint(int AX, int AY) : X(AX), Y(AY) {}
  TPoint(const QPoint& p) : X(p.x()), Y(p.y()) {}
  operator QPoint() const { return QPoint(X, Y); }
  constexpr bool operator==(const TPoint&) const = default;
};

// Right and Bottom are exclusive.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TRect() = default;
  constexpr TRect(int L, int T, int R, int B) : Left(L), Top(T), Right(R), Bottom(B) {}
  TRect(const QRect& r) : Left(r.left()), Top(r.top()), Right(r.left() + r.width()), Bottom(r.top() + r.height()) {}
  operator QRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Rect(int L, int T, int R, int B) { return TRect(L, T, R, B); }
constexpr TPoint Point(int X, int Y) { return TPoint(X, Y); }

// -------------------------------------------------------------- enumerations

// Enumerations published as properties live in a nested namespace registered
// with the meta-object system, so that Designer edits them and form files
// store them by name; the using directive keeps them plain orv names.
namespace platform_enums {
Q_NAMESPACE

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

// Vertical placement of text in its box.
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

}  // namespace platform_enums
using namespace platform_enums;

enum TShiftStateElem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateElem>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// pmCopy draws the pen colour; pmNot inverts the destination; pmXor xors the
// pen colour into it; pmNotXor is the inverse of that.
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor, pmWhite, pmBlack };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
// cmSrcCopy copies; cmDstInvert inverts the destination (source ignored);
// cmSrcInvert xors source into destination; cmNotSrcCopy copies the inverted
// source; cmSrcAnd ands source into destination.
enum TCopyMode { cmSrcCopy, cmDstInvert, cmSrcInvert, cmNotSrcCopy, cmSrcAnd, cmSrcPaint, cmBlackness, cmWhiteness };
enum TFillStyle { fsSurface, fsBorder };
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

enum TCursor { crDefault, crArrow, crCross, crIBeam, crSizeWE, crSizeNS, crHourGlass, crHandPoint, crNo, crSizeAll, crHSplit, crVSplit, crDrag };

enum TModalResult { mrNone, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo };

}  // namespace orv
