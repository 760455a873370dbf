#include "orvcalc.h"
