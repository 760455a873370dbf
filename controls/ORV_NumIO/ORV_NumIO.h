#pragma once
// Numeric input: the number-text layer, the edit box TNumIO and the
// self-drawn number field TNumIO2.

#include "OrvNumText.h"
#include "OrvTNumIO.h"
#include "OrvTNumIO2.h"
