// Fuzzes the table editor's clipboard text: the number scanner on arbitrary
// bytes (read as Latin-1 and as UTF-8), with the places it reports checked,
// and the copy text of values made from the bytes read back unchanged.
#include <ORV_ntabed.h>
#include <OrvNumText.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace orv;

namespace {

void Require(bool Condition) {
  if (!Condition) std::abort();
}

void FuzzText(const QString& Text) {
  for (bool keepCommas : {false, true}) {
    int lastI = -1, lastJ = 0, lines = 0;
    ScanClipNumbers(
        Text, keepCommas,
        [&](int i, int j, double v) {
          Require(std::isfinite(v) && std::fabs(v) <= NumTextMaxDouble);
          Require(j == lastJ && i == lastI + 1);  // numbers come in order, line by line
          lastI = i;
        },
        [&](int Count) {
          Require(Count == lastI + 1);
          ++lines;
          ++lastJ;
          lastI = -1;
        });
    Require(lines <= Text.count(u'\n'));
  }
}

// A value copied with full precision reads back as written; with the column's decimals it reads as one number at most.
void FuzzRoundTrip(double Value, int Decimals) {
  // Subnormal values are below what the decimal scanner resolves (they read as 0).
  if (!std::isfinite(Value) || (Value != 0 && !std::isnormal(Value))) return;
  for (bool full : {true, false}) {
    const QString text = NTabClipText(Value, full, Decimals);
    double back = 0;
    int count = 0;
    ScanClipNumbers(text + QStringLiteral("\r\n"), false, [&](int, int, double v) { back = v, ++count; }, nullptr);
    // Without full precision a scientific text too wide for its field is all asterisks: no number.
    Require(full ? count == 1 : count <= 1);
    if (full) Require(back == Value || std::fabs(back - Value) <= 1e-12 * std::fabs(Value));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const char* text = reinterpret_cast<const char*>(Data);
  FuzzText(QString::fromLatin1(text, qsizetype(Size)));
  FuzzText(QString::fromUtf8(text, qsizetype(Size)));
  if (Size >= sizeof(double) + 1) {
    double v;
    std::memcpy(&v, Data, sizeof v);
    FuzzRoundTrip(v, int(Data[sizeof v] % 12) - 1);
  }
  return 0;
}
