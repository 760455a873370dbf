#pragma once
// Stream helpers of the base library.

#include "ORV_orvbase.h"

#include <QIODevice>

namespace orv {

// Reads the next line of UTF-8 text (a byte order mark at the start of the
// stream skipped) into Line, without its line end ("\n" or "\r\n"). False,
// with Line empty, when the stream is at its end.
bool ReadLnStream(QIODevice* Stream, QString& Line);

}  // namespace orv
