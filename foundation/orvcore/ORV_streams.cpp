#include "ORV_streams.h"

namespace orv {

bool ReadLnStream(QIODevice* Stream, QString& Line) {
  Line.clear();
  if (!Stream || Stream->atEnd()) return false;
  const bool atStart = Stream->pos() == 0;
  QByteArray bytes = Stream->readLine();
  if (atStart && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  if (bytes.endsWith('\n')) bytes.chop(1);
  if (bytes.endsWith('\r')) bytes.chop(1);
  Line = QString::fromUtf8(bytes);
  return true;
}

}  // namespace orv
