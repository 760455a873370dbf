// libFuzzer target: the XML reader. Any input either gives no table, a clear
// error, or a table that writes and reads back to the same text.

#include <ORV_replist.h>

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using namespace orv;

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

QByteArray Written(TRLData& d) {
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  d.WriteToXMLStream(&out, true, d.DataID());
  return out.data();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  TRLData a(nullptr);
  a.SetNrRows(2);
  a.SetElem(1, 1, "before");
  try {
    if (!a.ReadFromXMLStream(&in, QString())) {
      Check(a.NrOfRows() == 2 && a.GetElem(1, 1) == "before");
      return 0;
    }
  } catch (const EORVRLDataError&) {
    Check(a.NrOfRows() == 2 && a.GetElem(1, 1) == "before");
    return 0;
  }
  const QByteArray first = Written(a);
  TRLData b(nullptr);
  Check(b.ReadFromXMLString(QString::fromUtf8(first), QString()));
  Check(Written(b) == first);
  return 0;
}
