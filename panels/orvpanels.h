#pragma once
// Every control unit of the library.

#include <orvcalc.h>
#include <orvcore.h>
#include <orvplatform.h>

#include <ORV_NumIO.h>
#include <ORV_replist.h>
