#pragma once
// Small system services, each with a test hook: the beep, the clipboard, the
// screen cursor, the format settings, and file search and folders.

#include "OrvTypes.h"

#include <QDateTime>

#include <memory>

namespace orv {

// Sounds the system beep (Type as MessageBeep's: 0 default, $FFFF simple) and counts it.
void MessageBeep(unsigned Type);
// Beeps so far.
int BeepCount();

// The application's exception handler: an exception raised while a control
// handles an input, focus, paint or timer event ends here instead of
// unwinding through the event loop. It is counted and handed to the handler
// set with SetExceptionHandler; the default one writes it as a warning. An
// exception the handler itself raises is written as a warning and dropped.
void HandleException(const std::exception& E);
// Exceptions handled so far.
int HandledExceptionCount();
using TExceptionHandler = std::function<void(const std::exception& E)>;
// Installs Handler (an empty one restores the default) and returns the one it replaces.
TExceptionHandler SetExceptionHandler(TExceptionHandler Handler);

// Handles the events waiting in the application's queue, then returns.
void ProcessMessages();

enum TClipboardFormat { CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13 };

class TClipboard {
public:
  QString AsText() const;
  void SetAsText(const QString& Value);
  bool HasFormat(TClipboardFormat Format) const;
  void Clear();
};
// The application clipboard (the Qt clipboard).
TClipboard* Clipboard();

class TScreen {
public:
  TCursor Cursor() const { return FCursor; }
  // crDefault restores the normal cursor; anything else overrides every window's cursor.
  void SetCursor(TCursor Value);

private:
  TCursor FCursor = crDefault;
};
extern TScreen* const Screen;

// Number and date formatting settings, initialised from the system locale;
// tests and applications may change them.
struct TFormatSettings {
  QChar DecimalSeparator;
  QChar ThousandSeparator;
  QChar DateSeparator;
  QChar TimeSeparator;
  QString ShortDateFormat;
  QString LongDateFormat;
  QString ShortTimeFormat;
  QString LongTimeFormat;
  // Two-digit years are read as the year within this many years before the
  // current year or less than 100 - this many after it (0: the current
  // century); see ExpandTwoDigitYear.
  int TwoDigitYearCenturyWindow = 50;
  TFormatSettings();
};
extern TFormatSettings FormatSettings;

// Qt cursor shape of a TCursor.
Qt::CursorShape CursorShape(TCursor Value);

// ---- file search (over std::filesystem)

// faSymLink marks an entry that is a symbolic link (reported like any
// other entry; faDirectory as well when it leads to a folder).
constexpr int faReadOnly = 0x01, faHidden = 0x02, faSysFile = 0x04, faDirectory = 0x10, faArchive = 0x20,
              faNormal = 0x80, faAnyFile = 0x1FF, faSymLink = 0x400;

struct TSearchRec {
  QString Name;  // file name without the folder
  qint64 Size = 0;
  int Attr = 0;
  QDateTime Time;
  struct State;
  std::shared_ptr<State> FindHandle;
};

// Starts a search for Path (a folder plus a pattern with "*" and "?", such as
// "/home/me/*.png"); entries are reported when they have one of the attribute
// bits of Attr, or always for plain files. Returns 0 when an entry was found,
// else a non-zero error code.
int FindFirst(const QString& Path, int Attr, TSearchRec& F);
int FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);

bool DirExists(const QString& Name);
bool FileExists(const QString& Name);
// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const QString& Dir);
// Removes an empty folder; true on success.
bool RemoveDir(const QString& Dir);

}  // namespace orv
