#include "ORV_filesys.h"

#include <QRandomGenerator>

namespace orv {

QString ParentDir(const QString& Path) {
  QString p = Path;
  while (p.size() > 1 && p.endsWith(QLatin1Char('/'))) p.chop(1);
  const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
  if (slash < 0 || p == QLatin1String("/")) return QString();
  return slash == 0 ? QStringLiteral("/") : p.left(slash);
}

QString InventPassword(int Len) {
  static const QString chars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
  QString s;
  for (int i = 0; i < Len; ++i) s += chars[QRandomGenerator::system()->bounded(int(chars.size()))];
  return s;
}

}  // namespace orv
