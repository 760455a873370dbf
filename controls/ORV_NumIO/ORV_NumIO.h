#pragma once
// Numeric input: the number-text layer, the edit box TNumIO and the
// self-drawn number field TNumIO2.

#include "NumText.h"
#include "TNumIO.h"
#include "TNumIO2.h"
