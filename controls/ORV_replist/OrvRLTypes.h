#pragma once
// Types shared by the report data and the report list view.

#include <orvcore.h>

#include <QString>

#include <cstdint>
#include <functional>

namespace orv {

// Raised by TRLData.
class EORVRLDataError : public EORVError {
public:
  using EORVError::EORVError;
};

// Raised by TReportListView.
class EORVRepListError : public EORVError {
public:
  using EORVError::EORVError;
};

// Longest column name (TNameStrType) and column format (TColFmtString), in
// UTF-16 code units; longer texts are cut without splitting a surrogate pair.
constexpr int MaxColNameLength = 50;
// Longest column format (TColFmtString), counted and cut as MaxColNameLength.
constexpr int MaxColFormatLength = 80;

// Check mode of a column: a plain column, a check-box column (any number of
// rows checked) or a radio column (at most one row checked).
enum TCheckMode : std::uint8_t { cmNone, cmBox, cmRadio };

// Row attribute bits (they travel with the row when it is sorted) and the
// column attribute bit, kept in the store's attribute bytes.
constexpr std::uint8_t rlRowSelected = 0x80;
// Row attribute bit: the row is disabled.
constexpr std::uint8_t rlRowDisabled = 0x40;
// Column attribute bit: the column is selected.
constexpr std::uint8_t rlColSelected = 0x80;

// Called for every cell the HTML export writes; the handler may change Text.
using TBeforeHTMLExportEvent = std::function<void(TObject* Sender, QString& Text, int Col, int Row)>;

}  // namespace orv
