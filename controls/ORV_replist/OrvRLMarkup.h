#pragma once
// Escaping of text for XML and HTML, and reading XML character references.

#include "OrvRLFileIO.h"

#include <QByteArray>
#include <QByteArrayView>

namespace orv::detail {

enum class TEscape {
  // XML: &, <, >, " as entities; tab, line breaks and other control
  // characters as numeric references, so that they survive as they are.
  Xml,
  // HTML: &, <, >, " as entities; a line break (CR LF, CR or LF) as <br>;
  // other control characters, which HTML does not allow, as blanks.
  Html
};

// Appends UTF-8 text escaped for Kind.
void AppendEscaped(TBufferedWriter& W, QByteArrayView Text, TEscape Kind);

// Appends XML character data with its references resolved (&lt; &gt; &amp;
// &quot; &apos; &#N; &#xN;) and line ends normalised as XML does (a raw CR LF
// or CR becomes LF). Returns false, with Fault set, for an unknown or bad
// reference.
bool AppendUnescaped(QByteArrayView Text, QByteArray& Out, QString& Fault);

}  // namespace orv::detail
