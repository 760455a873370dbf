#pragma once
// TStrings: a list of texts that a control holds, such as a combo box's
// Items and a memo's Lines. The control keeps the texts; this is the list
// interface over them, so a change shows at once.
//
// Indexes are 0-based. Reading outside 0..Count-1 gives an empty text;
// writing or deleting there does nothing; Insert limits its index to
// 0..Count. IndexOf compares without regard to case, as the framework's
// lists do. Text is every line followed by a line break ("\n"); SetText
// splits at "\n", "\r\n" or "\r", and a final line break adds no empty line.

#include "OrvTObject.h"

#include <QStringList>

namespace orv {

class TStrings : public TPersistent {
public:
  virtual int Count() const = 0;
  virtual QString Strings(int Index) const = 0;
  virtual void SetStrings(int Index, const QString& Value) = 0;
  virtual void Insert(int Index, const QString& S) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  // Replaces the whole list (the default clears and inserts one by one).
  virtual void SetStringList(const QStringList& Value);

  // Appends S; returns its index.
  int Add(const QString& S);
  // The index of the first text equal to S ignoring case; -1 when none.
  int IndexOf(const QString& S) const;
  QStringList StringList() const;
  QString Text() const;
  void SetText(const QString& Value);

  // Copies the texts of another TStrings.
  void Assign(TPersistent* Source) override;
};

}  // namespace orv
