#pragma once
// TOpenDialog: the system's dialog for choosing a file to open.
//
// Filter lists the file types the user can choose from as pairs of a name
// and its patterns, all separated by "|", several patterns of one type by
// ";": "Windows Bitmap Files|*.bmp|All Files|*.*" (a name without patterns
// at the end is left out). FilterIndex (1-based) chooses the type shown
// first. Execute opens the dialog in the folder of FileName (or InitialDir)
// with FileName preset and waits; when the user confirms a file, FileName
// becomes its full path and Execute returns true; a cancelled dialog leaves
// FileName alone and returns false.
//
// Tests answer Execute with AnswerNextModal (<OrvModalAnswers.h>).

#include "OrvTObject.h"

#include <QStringList>

namespace orv {

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

  QString FileName() const { return FFileName; }
  void SetFileName(const QString& Value) { FFileName = Value; }
  QString Filter() const { return FFilter; }
  void SetFilter(const QString& Value) { FFilter = Value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  QString InitialDir() const { return FInitialDir; }
  void SetInitialDir(const QString& Value) { FInitialDir = Value; }
  QString Title() const { return FTitle; }
  void SetTitle(const QString& Value) { FTitle = Value; }
  bool Execute();

  // The Qt name filters of a filter ("Name (*.a *.b)", one per type; "*.*"
  // becomes "*", every file).
  static QStringList QtNameFilters(const QString& Filter);

private:
  QString FFileName;
  QString FFilter;
  int FFilterIndex = 1;
  QString FInitialDir;
  QString FTitle;
};

}  // namespace orv
