#pragma once
// The base library: exceptions, enumerations, data structures, string, file
// and stream helpers, frames, markers, colours, name tables and constants.

#include "ORV_dstruct.h"
#include "ORV_filesys.h"
#include "ORV_frames.h"
#include "ORV_markers.h"
#include "ORV_orvbase.h"
#include "ORV_orvcolors.h"
#include "ORV_streams.h"
#include "ORV_stringl.h"
#include "ORV_univconst.h"
