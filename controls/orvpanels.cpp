// The control units are compiled into this library from their own directories.
#include "orvpanels.h"
