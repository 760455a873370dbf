#pragma once
// Exceptions and enumerations of the base library.

#include <orvplatform.h>

namespace orv {

// Base of the controls' exceptions.
class EORVError : public Exception {
public:
  using Exception::Exception;
};

}  // namespace orv
