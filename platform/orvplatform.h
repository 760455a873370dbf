#pragma once
// The framework layer the controls stand on, mapped onto Qt Widgets.

#include "DateTime.h"
#include "FloatText.h"
#include "KeyCodes.h"
#include "OrvTypes.h"
#include "Services.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TControl.h"
#include "TCustomLabel.h"
#include "TCustomEdit.h"
#include "TGraphicsObject.h"
#include "TObject.h"
#include "Timers.h"
