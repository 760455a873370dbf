#pragma once
// The math library: the numeric data table, matrices and math helpers.

#include <orvcore.h>

#include "ORV_datatable.h"
#include "ORV_math1.h"
#include "ORV_matrix.h"
