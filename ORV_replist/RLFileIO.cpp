#include "RLFileIO.h"

#include "RLText.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

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
  if (Data.startsWith("\xEF\xBB\xBF")) Data = Data.sliced(3);
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
