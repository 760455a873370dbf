#pragma once
// The built-in test of the report list's filter: does a filter expression,
// read as its TFilterMode says, match the texts of a row's filter columns?
// Made once per FilterAndSort and kept while the filter is in force, so that
// rows added or written later are tested the same way.

#include "OrvRLFilterExpr.h"
#include "OrvTReportListView.h"

#include <QRegularExpression>

namespace orv::detail {

class TRowMatcher {
public:
  // Columns: the filter columns, each in the table.
  TRowMatcher(const QString& Exp, const QList<int>& Columns, bool IgnoreCase, TFilterMode Mode);
  // Whether the row's texts (GetElem) in the filter columns match.
  bool Matches(const TRLData& Data, int Row) const;

private:
  bool MatchesTexts(const QStringList& Texts) const;

  TFilterMode FMode;
  Qt::CaseSensitivity FCase;
  QString FExp;
  QList<int> FColumns;
  TFilterExpr FBool;
  QRegularExpression FRegex;
};

}  // namespace orv::detail
