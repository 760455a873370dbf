#include "ORV_orvbase.h"
