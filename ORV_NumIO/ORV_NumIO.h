#pragma once
// Numeric input: the number-text layer and the edit box TNumIO.

#include "NumText.h"
#include "TNumIO.h"
