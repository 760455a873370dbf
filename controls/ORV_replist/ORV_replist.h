#pragma once
// The report list unit: the report data TRLData with its exchange formats
// (CSV, lines, XML, HTML, clipboard text) and the report list view
// TReportListView.

#include "OrvRLTypes.h"
#include "OrvRLXml.h"
#include "OrvTRLData.h"
#include "OrvTReportListView.h"
