#pragma once
// TBitFld: a field of bits numbered from 0.

#include <cstdint>
#include <vector>

namespace orv {

class TBitFld {
public:
  explicit TBitFld(int NrBits = 0) { SetSize(NrBits); }

  int Size() const { return FSize; }
  // Bits 0..NrBits-1; bits kept where the sizes overlap, new bits false.
  void SetSize(int NrBits);
  // Sets every bit to false.
  void Clear();
  // False outside 0..Size()-1.
  bool GetBit(int Ix) const;
  // Ignored outside 0..Size()-1.
  void SetBit(int Ix, bool Value);
  int CountTrueBits() const;
  // The lowest bit that is true, -1 when none is.
  int FirstTrueBit() const;

private:
  std::vector<std::uint64_t> FWords;
  int FSize = 0;
};

}  // namespace orv
