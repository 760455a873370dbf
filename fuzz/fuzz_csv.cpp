// libFuzzer target: the CSV reader. The first byte chooses the delimiter and
// whether the first record holds the column names; the rest is the file.
// Whatever is read must survive an export and a second import unchanged.

#include <ORV_replist.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace orv;

namespace {

const QTemporaryDir& Dir() {
  static const QTemporaryDir dir;
  return dir;
}

void Check(bool Condition) {
  if (!Condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 1) return 0;
  const auto delim = TCSVDelimiters(Data[0] % 4);
  const bool header = Data[0] & 4;
  const QString in = Dir().filePath("in.csv");
  const QString out = Dir().filePath("out.csv");
  {
    QFile f(in);
    Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(reinterpret_cast<const char*>(Data + 1), qint64(Size - 1));
  }
  TRLData a(nullptr);
  const int rows = a.ImportCSV(in, delim, header);
  if (rows < 0) {
    Check(rows == xeUnclosedQuote || rows == xeTooLarge);
    return 0;
  }
  Check(rows == a.NrOfRows());
  Check(a.ExportCSV(out, delim, header, false, 1, 1, a.NrOfColumns(), a.NrOfRows()) == rows);
  TRLData b(nullptr);
  Check(b.ImportCSV(out, delim, header) == rows);
  Check(b.NrOfColumns() == a.NrOfColumns());
  for (int c = 1; c <= a.NrOfColumns(); ++c) {
    Check(b.GetColName(c) == a.GetColName(c));
    for (int r = 1; r <= rows; ++r) Check(b.GetElem(c, r) == a.GetElem(c, r));
  }
  return 0;
}
