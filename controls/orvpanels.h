#pragma once
// Every control unit of the library.

#include <orvcalc.h>
#include <orvcore.h>
#include <orvplatform.h>

#include <ORV_Colsel.h>
#include <ORV_FolderTree.h>
#include <ORV_gradfl.h>
#include <ORV_marksel.h>
#include <ORV_MiniCal.h>
#include <ORV_Meter.h>
#include <ORV_NumIO.h>
#include <ORV_NumLab.h>
#include <ORV_ntabed.h>
#include <ORV_onoffbut.h>
#include <ORV_ProgBar.h>
#include <ORV_RasterLab.h>
#include <ORV_replist.h>
#include <ORV_repsbut.h>
#include <ORV_RotLab.h>
#include <ORV_sevenseg.h>
#include <ORV_Thumbnails.h>
