#pragma once
// The numeric table editor unit: TNTabEd, a spreadsheet-like grid over a
// TDataTable, and the number texts it shows, copies and reads.

#include "OrvNTabEdText.h"
#include "OrvTNTabEd.h"
