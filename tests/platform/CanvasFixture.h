#pragma once
// A canvas on a small white image, and pixel-set helpers for exact checks.

#include <orvplatform.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

namespace orv::test {

using PixelSet = std::set<std::pair<int, int>>;

struct Surface {
  QImage Image;
  TCanvas Canvas;
  explicit Surface(int W = 40, int H = 40, QImage::Format Format = QImage::Format_RGB32)
      : Image(W, H, Format), Canvas(&Image) {
    Image.fill(Qt::white);
  }
  // The image after the canvas ended painting.
  const QImage& Read() {
    Canvas.Flush();
    return Image;
  }
  TColor At(int X, int Y) { return QRgbToColor(Read().pixel(X, Y)); }
  // Pixels of the given colour, or (Not) of any other colour.
  PixelSet Where(TColor C, bool Not = false) {
    PixelSet s;
    const QImage& img = Read();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if ((QRgbToColor(img.pixel(x, y)) == C) != Not) s.insert({x, y});
    return s;
  }
  PixelSet Ink() { return Where(clWhite, true); }
};

// Every pixel of L..R-1 x T..B-1.
inline PixelSet Block(int L, int T, int R, int B) {
  PixelSet s;
  for (int y = T; y < B; ++y)
    for (int x = L; x < R; ++x) s.insert({x, y});
  return s;
}

// The border pixels of L..R-1 x T..B-1.
inline PixelSet Border(int L, int T, int R, int B) {
  PixelSet s = Block(L, T, R, B);
  for (const auto& p : Block(L + 1, T + 1, R - 1, B - 1)) s.erase(p);
  return s;
}

inline PixelSet operator|(const PixelSet& A, const PixelSet& B) {
  PixelSet s = A;
  s.insert(B.begin(), B.end());
  return s;
}

inline PixelSet operator&(const PixelSet& A, const PixelSet& B) {
  PixelSet s;
  std::set_intersection(A.begin(), A.end(), B.begin(), B.end(), std::inserter(s, s.end()));
  return s;
}

inline PixelSet operator-(const PixelSet& A, const PixelSet& B) {
  PixelSet s;
  std::set_difference(A.begin(), A.end(), B.begin(), B.end(), std::inserter(s, s.end()));
  return s;
}

inline bool Includes(const PixelSet& A, const PixelSet& B) { return std::includes(A.begin(), A.end(), B.begin(), B.end()); }

}  // namespace orv::test
