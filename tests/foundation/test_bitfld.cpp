#include <orvcore.h>

#include <gtest/gtest.h>

using namespace orv;

TEST(BitFld, SetCountFindAndResize) {
  TBitFld f(130);
  EXPECT_EQ(f.FirstTrueBit(), -1);
  for (int i : {129, 64, 3}) f.SetBit(i, true);
  f.SetBit(130, true);  // out of range: ignored
  f.SetBit(-1, true);
  EXPECT_EQ(f.CountTrueBits(), 3);
  EXPECT_EQ(f.FirstTrueBit(), 3);
  EXPECT_TRUE(f.GetBit(64));
  EXPECT_FALSE(f.GetBit(65));
  EXPECT_FALSE(f.GetBit(130));
  f.SetBit(3, false);
  EXPECT_EQ(f.FirstTrueBit(), 64);

  f.SetSize(65);  // keeps bits 0..64, drops 129
  EXPECT_EQ(f.CountTrueBits(), 1);
  f.SetSize(200);
  EXPECT_FALSE(f.GetBit(129)) << "a dropped bit does not come back";
  f.Clear();
  EXPECT_EQ(f.CountTrueBits(), 0);
  EXPECT_EQ(f.Size(), 200);
}
