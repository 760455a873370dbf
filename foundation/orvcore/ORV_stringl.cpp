#include "ORV_stringl.h"

#include <algorithm>

namespace orv {

QString ReplaceCharInString(const QString& Text, QChar OldChar, QChar NewChar) {
  QString s = Text;
  return s.replace(OldChar, NewChar);
}

int NumberedPos(const QString& SubStr, const QString& Text, int Start, int N) {
  if (SubStr.isEmpty() || N < 1) return 0;
  qsizetype from = std::max(1, Start) - 1;
  for (;;) {
    const qsizetype at = Text.indexOf(SubStr, from);
    if (at < 0) return 0;
    if (--N == 0) return int(at) + 1;
    from = at + 1;
  }
}

int Tokenize(const QString& Text, const QString& Delimiters, QStringList& Parts) {
  Parts.clear();
  if (Text.isEmpty()) return 0;
  qsizetype begin = 0;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    if (!Delimiters.contains(Text[i])) continue;
    Parts << Text.mid(begin, i - begin);
    begin = i + 1;
  }
  Parts << Text.mid(begin);
  return int(Parts.size());
}

QString LeftString(const QString& Text, int Len) {
  if (Len <= 0) return QString();
  return Text.left(Len).leftJustified(Len, QLatin1Char(' '));
}

QString StripLeadingChars(const QString& Text, QChar Ch) {
  qsizetype i = 0;
  while (i < Text.size() && Text[i] == Ch) ++i;
  return Text.mid(i);
}

QString StripTrailingChars(const QString& Text, QChar Ch) {
  qsizetype n = Text.size();
  while (n > 0 && Text[n - 1] == Ch) --n;
  return Text.left(n);
}

QString EnsureTrailingChar(const QString& Text, QChar Ch) {
  return Text.endsWith(Ch) ? Text : Text + Ch;
}

QString EnsureTrailingBkSlash(const QString& Path) { return EnsureTrailingChar(Path, QLatin1Char('/')); }

QString RemoveControlChars(const QString& Text) {
  QString s;
  s.reserve(Text.size());
  for (QChar c : Text)
    if (c.category() != QChar::Other_Control) s += c;
  return s;
}

QString strff(double Value, int Width, int Decimals) {
  return QStringLiteral("%1").arg(Value, std::max(0, Width), 'f', std::clamp(Decimals, 0, 99), QLatin1Char(' '));
}

}  // namespace orv
