#pragma once
// TCustomMemo and TMemo: a multi-line edit box over QPlainTextEdit.
//
// Lines() is the text as a list of lines (a final empty line is not
// counted); Text() is the whole text, lines joined by "\n". Change() runs
// after every change of the text, typed or set by code; its base version
// fires OnChange. Keys, mouse and focus reach the framework's methods as
// THostedControl describes.
//
// Defaults: 185 x 89, word wrap on, no scroll bars, Enter starts a new line
// (WantReturns; when off, KeyPress drops Enter so that the form can take it),
// Tab moves the focus (WantTabs off; when on, Tab is typed).

#include "OrvGridTypes.h"
#include "OrvTHostedControl.h"
#include "OrvTStrings.h"

#include <memory>

class QPlainTextEdit;

namespace orv {

class TCustomMemo : public THostedControl {
  Q_OBJECT

public:
  explicit TCustomMemo(TOwnerArg AOwner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return FLines.get(); }
  QString Text() const;
  void SetText(const QString& Value);
  bool ReadOnly() const;
  void SetReadOnly(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return THostedControl::WantTabs(); }
  void SetWantTabs(bool Value);
  void SelectAll();

  TNotifyEvent OnChange;

  void KeyPress(QChar& Key) override;

  // The Qt text edit inside the control.
  QPlainTextEdit* TextEdit() const { return FEdit; }

protected:
  // The change notification; fires OnChange.
  virtual void Change();

private:
  QPlainTextEdit* FEdit;
  std::unique_ptr<TStrings> FLines;
  bool FWordWrap = true;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
};

class TMemo : public TCustomMemo {
  Q_OBJECT
public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace orv
