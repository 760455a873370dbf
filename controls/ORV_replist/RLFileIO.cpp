#include "OrvRLFileIO.h"

#include "OrvRLText.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace orv::detail {

TBufferedWriter::TBufferedWriter(TSink Sink)
    : FSink(std::move(Sink)), FBlock(new char[BlockSize]), FPos(FBlock.get()), FEnd(FBlock.get() + BlockSize) {}

TBufferedWriter::TBufferedWriter(QIODevice* Device)
    : TBufferedWriter([Device](const char* Data, qsizetype Size) { return Device->write(Data, Size) == Size; }) {}

TBufferedWriter::~TBufferedWriter() = default;

bool TBufferedWriter::Flush() {
  const qsizetype n = FPos - FBlock.get();
  FPos = FBlock.get();
  if (n > 0 && !FFailed && !FSink(FBlock.get(), n)) FFailed = true;
  return !FFailed;
}

void TBufferedWriter::AppendLarge(const char* Data, qsizetype Size) {
  Flush();
  if (Size <= BlockSize) {
    std::memcpy(FPos, Data, std::size_t(Size));
    FPos += Size;
  } else if (!FFailed && !FSink(Data, Size)) {
    FFailed = true;
  }
}

TFileResult SaveFile(const QString& FName, const std::function<void(TBufferedWriter&)>& Body, QString& Error) {
  QSaveFile file(FName);
  if (!file.open(QIODevice::WriteOnly)) {
    Error = file.errorString();
    return TFileResult::OpenFailed;
  }
  TBufferedWriter writer(&file);
  Body(writer);  // an exception leaves through here: QSaveFile discards the temporary file
  if (!writer.Flush() || !file.commit()) {
    Error = file.errorString();
    return TFileResult::WriteFailed;
  }
  return TFileResult::Ok;
}

TFileBytes::TFileBytes() = default;
TFileBytes::~TFileBytes() = default;

TFileResult TFileBytes::Open(const QString& FName, QString& Error) {
  FFile = std::make_unique<QFile>(FName);
  if (!FFile->open(QIODevice::ReadOnly)) {
    Error = FFile->errorString();
    return TFileResult::OpenFailed;
  }
  const qint64 size = FFile->size();
  if (size > 0 && !FFile->isSequential()) {
    if (const uchar* p = FFile->map(0, size)) {
#if defined(__linux__) && defined(MADV_POPULATE_READ)
      // The whole file is read front to back: mapping all its pages in one
      // call costs far less than a page fault every few pages. Best effort.
      const auto page = std::uintptr_t(4096);
      const auto begin = reinterpret_cast<std::uintptr_t>(p) / page * page;
      madvise(reinterpret_cast<void*>(begin), std::size_t(reinterpret_cast<std::uintptr_t>(p) + std::uintptr_t(size) - begin),
              MADV_POPULATE_READ);
#endif
      FBytes = QByteArrayView(reinterpret_cast<const char*>(p), size);
      return TFileResult::Ok;
    }
  }
  try {
    FData = FFile->readAll();
  } catch (const std::bad_alloc&) {
    Error = QStringLiteral("not enough memory");
    return TFileResult::ReadFailed;
  }
  if (FFile->error() != QFileDevice::NoError) {
    Error = FFile->errorString();
    return TFileResult::ReadFailed;
  }
  FBytes = FData;
  return TFileResult::Ok;
}

void RaiseFileError(TFileResult Result, const QString& FName, const QString& Error) {
  const QString what = Result == TFileResult::OpenFailed   ? QStringLiteral("Cannot open file \"%1\": %2")
                       : Result == TFileResult::ReadFailed ? QStringLiteral("Cannot read file \"%1\": %2")
                                                           : QStringLiteral("Cannot write file \"%1\": %2");
  throw EInOutError(what.arg(FName, Error));
}

QByteArrayView TextAsUtf8(QByteArrayView Data, QByteArray& Storage) {
  Data = WithoutBom(Data);
  if (IsValidUtf8(Data)) return Data;
  Storage = Latin1ToUtf8(Data);
  return Storage;
}

TProgress::TProgress(TObject* Sender, const TOnPercentDoneEvent& Event, qint64 Total)
    : FSender(Sender), FEvent(Event), FTotal(std::max<qint64>(Total, 1)), FStep(FTotal / 100 + 1) {
  FNext = FEvent ? FStep : std::numeric_limits<qint64>::max();
}

void TProgress::Report() {
  const int percent = int(std::min<qint64>(100, FDone * 100 / FTotal));
  FNext = (FDone / FStep + 1) * FStep;
  if (percent == FLastPercent) return;
  FLastPercent = percent;
  FEvent(FSender, percent);
}

void TProgress::Finish() {
  if (!FEvent || FLastPercent == 100) return;
  FLastPercent = 100;
  FEvent(FSender, 100);
}

}  // namespace orv::detail
