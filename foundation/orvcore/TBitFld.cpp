#include "OrvTBitFld.h"

#include <algorithm>
#include <bit>

namespace orv {

void TBitFld::SetSize(int NrBits) {
  NrBits = std::max(0, NrBits);
  FWords.resize((std::size_t(NrBits) + 63) / 64);
  // Bits beyond the new size are cleared so that growing again shows false.
  if (NrBits % 64 != 0) FWords.back() &= (std::uint64_t(1) << (NrBits % 64)) - 1;
  FSize = NrBits;
}

void TBitFld::Clear() { std::fill(FWords.begin(), FWords.end(), 0); }

bool TBitFld::GetBit(int Ix) const {
  if (Ix < 0 || Ix >= FSize) return false;
  return (FWords[std::size_t(Ix) / 64] >> (Ix % 64)) & 1;
}

void TBitFld::SetBit(int Ix, bool Value) {
  if (Ix < 0 || Ix >= FSize) return;
  const std::uint64_t mask = std::uint64_t(1) << (Ix % 64);
  std::uint64_t& w = FWords[std::size_t(Ix) / 64];
  w = Value ? (w | mask) : (w & ~mask);
}

int TBitFld::CountTrueBits() const {
  int n = 0;
  for (std::uint64_t w : FWords) n += std::popcount(w);
  return n;
}

int TBitFld::FirstTrueBit() const {
  for (std::size_t i = 0; i < FWords.size(); ++i)
    if (FWords[i]) return int(i * 64) + std::countr_zero(FWords[i]);
  return -1;
}

}  // namespace orv
