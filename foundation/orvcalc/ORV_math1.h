#pragma once
// Small numeric helpers of the math library.

#include <QString>

namespace orv {

// True when S is a decimal whole number that fits an int: blanks around it
// allowed, an optional sign, at least one digit, nothing else.
bool IsValidDecInt(const QString& S);
// X rounded down to a whole number (the exponent of the decade at or below
// 10^X); clamped to the int range, 0 for a NaN.
int IntNeg(double X);

}  // namespace orv
