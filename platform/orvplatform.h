#pragma once
// The framework layer the controls stand on, mapped onto Qt Widgets.

#include "GridTypes.h"
#include "KeyCodes.h"
#include "OrvTypes.h"
#include "Services.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TControl.h"
#include "TCustomDrawGrid.h"
#include "TCustomEdit.h"
#include "TCustomGrid.h"
#include "TGraphicsObject.h"
#include "TInplaceEdit.h"
#include "TObject.h"
#include "Timers.h"
