#pragma once
// The XML form of a report list table: its tag vocabulary and the check for
// a stored table. The format is described in docs/replist-xml.md; TRLData
// reads and writes it.

#include <QString>

#include <array>

class QIODevice;

namespace orv {

// The elements of a stored table; xmlInvalid is what a reader takes any
// other tag for.
enum TRepListXmlTag {
  xmlNumCols,
  xmlNumRows,
  xmlColName,
  xmlCheckedColumn,
  xmlCommonHd,
  xmlColumnFormat,
  xmlCell,
  xmlComment,
  xmlEndReplist,
  xmlInvalid
};

// Tag names, indexed by TRepListXmlTag.
inline constexpr std::array<const char*, 10> RepListXmlTagNames = {
    "numcols", "numrows", "colname", "checkedcolumn", "commonheader",
    "columnformat", "cell", "comment", "/replist", "invalidtag"};

// The tag of an element name (as written between "<" and the first blank,
// "/" included for the end of the table), xmlInvalid for any other name.
TRepListXmlTag RepListXmlTagOf(QStringView Name);

// Whether the file holds a table whose header line carries DataID (ignoring
// case; any table when DataID is empty). A header line contains "<replist"
// and "orvlib"; its identifier is the text between "id=\"" and the next
// double quote, blanks trimmed. Raises EInOutError when the file cannot be
// opened or read.
bool CheckIfValidReplist(const QString& FName, const QString& DataID);
// The same on the lines of a stream from its current position; the stream
// is neither rewound nor closed.
bool CheckIfValidReplist(QIODevice* Stream, const QString& DataID);

}  // namespace orv
