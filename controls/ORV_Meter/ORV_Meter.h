#pragma once
// The meter unit: TMeter, an analogue panel meter with a circular scale, two
// needles and limit lamps; TNeedleLayout, the look of a needle; and the scale
// geometry they share.

#include "OrvMeterScale.h"
#include "OrvTMeter.h"
#include "OrvTNeedleLayout.h"
