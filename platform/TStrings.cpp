#include "OrvTStrings.h"

#include <QRegularExpression>

namespace orv {

void TStrings::SetStringList(const QStringList& Value) {
  Clear();
  for (const QString& s : Value) Add(s);
}

int TStrings::Add(const QString& S) {
  const int index = Count();
  Insert(index, S);
  return index;
}

int TStrings::IndexOf(const QString& S) const {
  for (int i = 0; i < Count(); ++i)
    if (Strings(i).compare(S, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QStringList TStrings::StringList() const {
  QStringList list;
  list.reserve(Count());
  for (int i = 0; i < Count(); ++i) list.append(Strings(i));
  return list;
}

QString TStrings::Text() const {
  QString text;
  for (int i = 0; i < Count(); ++i) text += Strings(i) + QLatin1Char('\n');
  return text;
}

void TStrings::SetText(const QString& Value) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = Value.split(lineBreak);
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  SetStringList(lines);
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* other = dynamic_cast<TStrings*>(Source)) {
    if (other != this) SetStringList(other->StringList());
    return;
  }
  TPersistent::Assign(Source);
}

}  // namespace orv
