#include "OrvServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLocale>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace orv {

// ---------------------------------------------------------------- the beep

namespace {
int gBeepCount = 0;
}

void MessageBeep(unsigned) {
  ++gBeepCount;
  if (qApp) QApplication::beep();
}

int BeepCount() { return gBeepCount; }

// ------------------------------------------------ the exception handler

namespace {
int gHandledExceptions = 0;
TExceptionHandler gExceptionHandler;
}

void HandleException(const std::exception& E) {
  ++gHandledExceptions;
  if (!gExceptionHandler) {
    qWarning("orv: %s", E.what());
    return;
  }
  try {
    gExceptionHandler(E);
  } catch (const std::exception& e) {
    qWarning("orv: exception in the exception handler: %s (handling: %s)", e.what(), E.what());
  } catch (...) {
    qWarning("orv: exception in the exception handler (handling: %s)", E.what());
  }
}

int HandledExceptionCount() { return gHandledExceptions; }

TExceptionHandler SetExceptionHandler(TExceptionHandler Handler) {
  std::swap(Handler, gExceptionHandler);
  return Handler;
}

void ProcessMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

// ----------------------------------------------------------- the clipboard

QString TClipboard::AsText() const { return qApp ? QGuiApplication::clipboard()->text() : QString(); }

void TClipboard::SetAsText(const QString& Value) {
  if (qApp) QGuiApplication::clipboard()->setText(Value);
}

bool TClipboard::HasFormat(TClipboardFormat Format) const {
  if (!qApp) return false;
  switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT: return !QGuiApplication::clipboard()->text().isEmpty();
    case CF_BITMAP: return !QGuiApplication::clipboard()->image().isNull();
  }
  return false;
}

void TClipboard::Clear() {
  if (qApp) QGuiApplication::clipboard()->clear();
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

// ----------------------------------------------------------- screen cursor

Qt::CursorShape CursorShape(TCursor Value) {
  switch (Value) {
    case crDefault:
    case crArrow: return Qt::ArrowCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crNo: return Qt::ForbiddenCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crDrag: return Qt::DragMoveCursor;
  }
  return Qt::ArrowCursor;
}

void TScreen::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  if (qApp) {
    if (FCursor != crDefault) QGuiApplication::restoreOverrideCursor();
    if (Value != crDefault) QGuiApplication::setOverrideCursor(QCursor(CursorShape(Value)));
  }
  FCursor = Value;
}

namespace {
TScreen gScreen;
}
TScreen* const Screen = &gScreen;

// --------------------------------------------------------- format settings

TFormatSettings::TFormatSettings() {
  const QLocale locale = QLocale::system();
  DecimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint()[0];
  ThousandSeparator = locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator()[0];
  DateSeparator = QLatin1Char('/');
  TimeSeparator = QLatin1Char(':');
  ShortDateFormat = QStringLiteral("dd/mm/yyyy");
  LongDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
  ShortTimeFormat = QStringLiteral("hh:nn");
  LongTimeFormat = QStringLiteral("hh:nn:ss");
}

TFormatSettings FormatSettings;

// ------------------------------------------------------------- file search

struct TSearchRec::State {
  fs::directory_iterator It;
  QRegularExpression Pattern;
  bool MatchAll = false;  // "*": every name, without running the pattern
  int Attr = 0;
};

namespace {

fs::path ToPath(const QString& s) { return fs::path(s.toStdU16String()); }

// Attributes, size and time of an entry from a single stat of what it leads
// to (a listing of thousands of entries pays one system call for each).
struct TEntryInfo {
  int Attr = 0;
  qint64 Size = 0;
  QDateTime Time;
};

TEntryInfo Describe(const fs::directory_entry& e, const QString& name) {
  TEntryInfo info;
  std::error_code ec;
  if (e.is_symlink(ec)) info.Attr |= faSymLink;  // the type read with the listing: no system call
  if (name.startsWith(QLatin1Char('.'))) info.Attr |= faHidden;
  struct stat st {};
  if (::stat(e.path().c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) info.Attr |= faDirectory;
    if (!(st.st_mode & S_IWUSR)) info.Attr |= faReadOnly;
    if (S_ISREG(st.st_mode)) info.Size = qint64(st.st_size);
    info.Time = QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
  }
  if ((info.Attr & ~faSymLink) == 0) info.Attr |= faArchive;
  return info;
}

// Moves to the next entry that matches; fills F. Returns 0 on success.
int Advance(TSearchRec& F, bool first) {
  auto& st = *F.FindHandle;
  std::error_code ec;
  if (!first) st.It.increment(ec);
  for (; !ec && st.It != fs::directory_iterator(); st.It.increment(ec)) {
    const fs::directory_entry& e = *st.It;
    const QString name = QString::fromStdU16String(e.path().filename().u16string());
    if (!st.MatchAll && !st.Pattern.match(name).hasMatch()) continue;
    TEntryInfo info = Describe(e, name);
    // Plain files are always reported; folders and hidden entries only when asked for.
    const int special = info.Attr & (faDirectory | faHidden | faSysFile);
    if (special != 0 && (special & st.Attr) == 0) continue;
    F.Name = name;
    F.Attr = info.Attr;
    F.Size = info.Size;
    F.Time = std::move(info.Time);
    return 0;
  }
  return 18;  // no more files
}

}  // namespace

int FindFirst(const QString& Path, int Attr, TSearchRec& F) {
  FindClose(F);
  const int slash = Path.lastIndexOf(QLatin1Char('/'));
  const QString dir = slash < 0 ? QStringLiteral(".") : (slash == 0 ? QStringLiteral("/") : Path.left(slash));
  QString pattern = Path.mid(slash + 1);
  if (pattern.isEmpty() || pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
  std::error_code ec;
  fs::directory_iterator it(ToPath(dir), fs::directory_options::skip_permission_denied, ec);
  if (ec) return 3;  // path not found
  F.FindHandle = std::make_shared<TSearchRec::State>();
  F.FindHandle->It = std::move(it);
  F.FindHandle->MatchAll = pattern == QLatin1String("*");
  if (!F.FindHandle->MatchAll)
    F.FindHandle->Pattern = QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern));
  F.FindHandle->Attr = Attr;
  const int r = Advance(F, true);
  if (r != 0) FindClose(F);
  return r;
}

int FindNext(TSearchRec& F) {
  if (!F.FindHandle) return 18;
  return Advance(F, false);
}

void FindClose(TSearchRec& F) { F.FindHandle.reset(); }

bool DirExists(const QString& Name) {
  std::error_code ec;
  return !Name.isEmpty() && fs::is_directory(ToPath(Name), ec);
}

bool FileExists(const QString& Name) {
  std::error_code ec;
  return !Name.isEmpty() && fs::is_regular_file(ToPath(Name), ec);
}

bool ForceDirectories(const QString& Dir) {
  if (Dir.isEmpty()) return false;
  std::error_code ec;
  fs::create_directories(ToPath(Dir), ec);
  return DirExists(Dir);
}

bool RemoveDir(const QString& Dir) {
  std::error_code ec;
  return DirExists(Dir) && fs::remove(ToPath(Dir), ec) && !ec;
}

}  // namespace orv
