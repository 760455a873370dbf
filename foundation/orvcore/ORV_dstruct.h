#pragma once
// Data structures of the base library: the string table and the bit field.

#include "ORV_orvbase.h"

namespace orv {

// Raised by the data structures (and by the report data built on them).
class EORVDStructError : public EORVError {
public:
  using EORVError::EORVError;
};

}  // namespace orv

#include "OrvTBitFld.h"
#include "OrvTStringArray.h"
