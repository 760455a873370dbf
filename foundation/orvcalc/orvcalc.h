#pragma once
// The math library: the numeric data table, matrices and math helpers.

#include <orvcore.h>
