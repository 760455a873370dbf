#pragma once
// File plumbing of the report data's exchange formats: a buffered UTF-8
// writer, saving beside the target and renaming, reading a whole file, and
// progress in about 100 steps.

#include <orvcore.h>

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>
#include <memory>

class QFile;
class QIODevice;

namespace orv::detail {

// Collects output in a large block and hands full blocks to a sink. The
// sink returns false when it could not take the bytes; later output is then
// dropped and Failed() tells.
class TBufferedWriter {
public:
  using TSink = std::function<bool(const char* Data, qsizetype Size)>;
  explicit TBufferedWriter(TSink Sink);
  // Writes into a device.
  explicit TBufferedWriter(QIODevice* Device);
  ~TBufferedWriter();
  TBufferedWriter(const TBufferedWriter&) = delete;
  TBufferedWriter& operator=(const TBufferedWriter&) = delete;

  void Append(const char* Data, qsizetype Size) {
    if (Size <= 0) return;  // an empty cell may come as a null view
    if (Size > FEnd - FPos) {
      AppendLarge(Data, Size);
      return;
    }
    std::memcpy(FPos, Data, std::size_t(Size));
    FPos += Size;
  }
  void Append(QByteArrayView Text) { Append(Text.data(), Text.size()); }
  void Append(char c) {
    if (FPos == FEnd) Flush();
    *FPos++ = c;
  }
  void AppendInt(qint64 Value) {
    if (FEnd - FPos < 24) Flush();
    FPos = std::to_chars(FPos, FEnd, Value).ptr;
  }
  // Room for at least Size bytes written directly at Pos(), then Advance.
  char* Reserve(qsizetype Size) {
    if (Size > FEnd - FPos) Flush();
    return FPos;
  }
  void Advance(qsizetype Size) { FPos += Size; }
  static constexpr qsizetype BlockSize = 1 << 20;

  // Hands the collected bytes to the sink; false once anything failed.
  bool Flush();
  bool Failed() const { return FFailed; }

private:
  void AppendLarge(const char* Data, qsizetype Size);
  TSink FSink;
  std::unique_ptr<char[]> FBlock;
  char* FPos;
  char* FEnd;
  bool FFailed = false;
};

enum class TFileResult { Ok, OpenFailed, ReadFailed, WriteFailed };

// Writes a file through Body into a temporary file beside FName, renamed over
// FName only when everything was written; otherwise an existing file stays as
// it was. Error receives the system's reason for a failure.
TFileResult SaveFile(const QString& FName, const std::function<void(TBufferedWriter&)>& Body, QString& Error);

// The bytes of a whole file: mapped into memory where the file allows it
// (no copy), else read.
class TFileBytes {
public:
  TFileBytes();
  ~TFileBytes();
  TFileBytes(const TFileBytes&) = delete;
  TFileBytes& operator=(const TFileBytes&) = delete;
  TFileResult Open(const QString& FName, QString& Error);
  QByteArrayView Bytes() const { return FBytes; }

private:
  std::unique_ptr<QFile> FFile;
  QByteArray FData;
  QByteArrayView FBytes;
};

// Whether a table of Cells cells may be made from a text of TextBytes bytes:
// a table of up to 16M cells always, a larger one only as far as 16 cells per
// byte of text, so that a short file cannot demand gigabytes of memory.
inline bool TableFitsText(qint64 Cells, qint64 TextBytes) {
  return Cells <= std::max<qint64>(qint64(1) << 24, 16 * TextBytes);
}

// Raises EInOutError for a failed file operation.
[[noreturn]] void RaiseFileError(TFileResult Result, const QString& FName, const QString& Error);

// Data without a leading UTF-8 byte order mark.
inline QByteArrayView WithoutBom(QByteArrayView Data) {
  return Data.startsWith("\xEF\xBB\xBF") ? Data.sliced(3) : Data;
}

// A file's text as UTF-8 without a byte order mark: UTF-8 stays where it is,
// anything else is read as Latin-1 into Storage.
QByteArrayView TextAsUtf8(QByteArrayView Data, QByteArray& Storage);

// Reports progress through an OnPercentDone event: about 100 steps over Total
// units of work, then 100 at Finish. Costs nothing when the event is unassigned.
class TProgress {
public:
  TProgress(TObject* Sender, const TOnPercentDoneEvent& Event, qint64 Total);
  void Advance(qint64 Units) {
    FDone += Units;
    if (FDone >= FNext) Report();
  }
  void Finish();

private:
  void Report();
  TObject* FSender;
  const TOnPercentDoneEvent& FEvent;
  qint64 FTotal;
  qint64 FStep;
  qint64 FDone = 0;
  qint64 FNext;
  int FLastPercent = -1;
};

}  // namespace orv::detail
