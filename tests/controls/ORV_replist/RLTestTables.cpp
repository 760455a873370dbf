#include "RLTestTables.h"

namespace orv::test {

QString RandomText(std::mt19937& Rng, int MaxLen, bool ControlChars) {
  static const QString pieces[] = {
      "a", "Z", "7", " ", ",", ";", "\t", "\"", "'", "<", ">", "&", "&amp;", "]]>", "\n", "\r", "\r\n",
      "ä", "ß", "€", "中", "文", QString::fromUcs4(U"\U0001F600"), "é", "X", "-", ".", "=", "/", "<replist",
      QString(QChar(0xFEFF))};  // as the first character, it looks like a byte order mark
  std::uniform_int_distribution<int> len(0, MaxLen);
  std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1);
  std::uniform_int_distribution<int> control(1, 31);
  const int n = len(Rng);
  QString s;
  while (s.size() < n) {
    if (ControlChars && Rng() % 23 == 0) s += QChar(control(Rng));
    else s += pieces[pick(Rng)];
  }
  if (s.size() > n) {
    s.truncate(n);
    if (!s.isEmpty() && s.back().isHighSurrogate()) s.chop(1);
  }
  return s;
}

void FillRandomTable(TRLData& Data, unsigned Seed, const TTableShape& Shape) {
  std::mt19937 rng(Seed);
  Data.SetNrCols(Shape.Cols);
  Data.SetNrRows(Shape.Rows);
  Data.Clear();
  Data.SetComment(RandomText(rng, 40));
  Data.SetCommonHeader(RandomText(rng, 30));
  Data.SetDataID(QStringLiteral("table %1 & <\"id\">").arg(Seed));
  static const QString formats[] = {"", "[i][80]rix3", "[c][120]red|green|blue", "[s][]$pwd$8", "[#f][]1.5", "[d][]dd.MM.yyyy"};
  for (int c = 1; c <= Shape.Cols; ++c) {
    Data.SetColName(c, RandomText(rng, 12, false));
    Data.SetColumnFormat(c, formats[rng() % std::size(formats)]);
    if (Shape.CheckColumns && c % 3 == 2) Data.SetColCheckMode(c, c % 2 ? cmRadio : cmBox);
  }
  for (int r = 1; r <= Shape.Rows; ++r) {
    for (int c = 0; c <= Shape.Cols; ++c) {
      if (rng() % 5 == 0) continue;  // some cells stay empty
      Data.SetElem(c, r, RandomText(rng, rng() % 20 == 0 ? 300 : 24, Shape.ControlChars));
      if (Data.GetColCheckMode(c) != cmNone && rng() % 3 == 0) Data.SetElemChecked(c, r, true);
    }
  }
}

QString CellDifference(const TRLData& A, const TRLData& B, int FirstCol, bool Names) {
  if (A.NrOfColumns() != B.NrOfColumns() || A.NrOfRows() != B.NrOfRows())
    return QStringLiteral("size %1x%2 vs %3x%4").arg(A.NrOfColumns()).arg(A.NrOfRows()).arg(B.NrOfColumns()).arg(B.NrOfRows());
  for (int c = std::max(FirstCol, 1); Names && c <= A.NrOfColumns(); ++c)
    if (A.GetColName(c) != B.GetColName(c)) return QStringLiteral("name of column %1").arg(c);
  for (int r = 1; r <= A.NrOfRows(); ++r)
    for (int c = FirstCol; c <= A.NrOfColumns(); ++c)
      if (A.GetElem(c, r) != B.GetElem(c, r))
        return QStringLiteral("cell [%1,%2]: \"%3\" vs \"%4\"").arg(c).arg(r).arg(A.GetElem(c, r), B.GetElem(c, r));
  return QString();
}

QString XmlContentDifference(const TRLData& A, const TRLData& B) {
  const QString cells = CellDifference(A, B, 0, true);
  if (!cells.isEmpty()) return cells;
  if (A.Comment() != B.Comment()) return QStringLiteral("comment");
  if (A.CommonHeader() != B.CommonHeader()) return QStringLiteral("common header");
  if (A.DataID() != B.DataID()) return QStringLiteral("data identifier");
  for (int c = 1; c <= A.NrOfColumns(); ++c) {
    if (A.GetColumnFormat(c) != B.GetColumnFormat(c)) return QStringLiteral("format of column %1").arg(c);
    if (A.GetColCheckMode(c) != B.GetColCheckMode(c)) return QStringLiteral("check mode of column %1").arg(c);
    for (int r = 1; r <= A.NrOfRows(); ++r)
      if (A.GetElemChecked(c, r) != B.GetElemChecked(c, r)) return QStringLiteral("check state [%1,%2]").arg(c).arg(r);
  }
  return QString();
}

}  // namespace orv::test
