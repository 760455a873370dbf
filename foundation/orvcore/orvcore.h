#pragma once
// The base library: exceptions, enumerations, data structures, string, file
// and stream helpers, frames, markers, colours, name tables and constants.

#include "ORV_dstruct.h"
#include "ORV_orvbase.h"
