#pragma once
// TRDCharMatrix: the dot patterns of the 256 character codes of a raster
// font. The record has a fixed layout of 33288 bytes (little-endian integers,
// no padding), so matrices can be stored in files and exchanged as they are.

#include <QChar>

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace orv {

struct TRDCharMatrix {
  // Largest glyph width in dots (the cell width of fixed pitch).
  std::int32_t FontWidth;
  // Number of dot rows used, from the top.
  std::int32_t FontHeight;
  // Per character code: the glyph's first dot column.
  std::uint8_t LeftMostBit[256];
  // Per character code: the glyph's last dot column.
  std::uint8_t RightMostBit[256];
  // Per character code, rows 0 (top) to 31: bit j set lights column j
  // (bit 0 is the leftmost column).
  std::uint32_t BitData[256][32];
};

static_assert(std::is_trivially_copyable_v<TRDCharMatrix> && std::is_standard_layout_v<TRDCharMatrix>);
static_assert(sizeof(TRDCharMatrix) == 33288);
static_assert(offsetof(TRDCharMatrix, FontHeight) == 4 && offsetof(TRDCharMatrix, LeftMostBit) == 8 &&
              offsetof(TRDCharMatrix, RightMostBit) == 264 && offsetof(TRDCharMatrix, BitData) == 520);

// The built-in 7 x 12 dot font: codes 32 to 255 in the Windows-1252
// arrangement (128 is the euro sign, Latin-1 from 160), codes 0 to 31 empty
// with both column limits 0; 32, 127 and 155 to 160 are blank.
const TRDCharMatrix& BuiltInCharMatrix();

// The character code (0..255) of a character: its Windows-1252 code, or that
// of "?" for a character the code page does not hold.
int RasterCharCode(QChar Ch);
// The character of a Windows-1252 code; a null character for the five codes
// the code page leaves unused.
QChar RasterCodeChar(int Code);

}  // namespace orv
