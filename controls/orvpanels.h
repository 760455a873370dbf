#pragma once
// Every control unit of the library.

#include <orvcalc.h>
#include <orvcore.h>
#include <orvplatform.h>

#include <ORV_gradfl.h>
#include <ORV_NumIO.h>
#include <ORV_NumLab.h>
#include <ORV_ntabed.h>
#include <ORV_ProgBar.h>
#include <ORV_RasterLab.h>
#include <ORV_replist.h>
#include <ORV_RotLab.h>
#include <ORV_sevenseg.h>
