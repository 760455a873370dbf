#pragma once
// TCustomEdit and TEdit: a single-line edit box over QLineEdit.
// Change() runs after every change of the text, whether typed or set by code;
// its base version fires OnChange. Keys, mouse and focus reach the
// framework's methods as THostedControl describes. With AutoSelect (the
// default) the whole text is selected when the focus enters by keyboard or
// code, not by a mouse click.
// Natural size 121 pixels by the line edit's height; in a layout it grows
// sideways only and needs what the line edit needs.

#include "OrvTHostedControl.h"

class QLineEdit;

namespace orv {

class TCustomEdit : public THostedControl {
  Q_OBJECT
  // The edit box's own settings, stored in form files under Qt's names.
  Q_PROPERTY(QString text READ Text WRITE SetText)
  Q_PROPERTY(bool readOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(int maxLength READ MaxLength WRITE SetMaxLength)

public:
  explicit TCustomEdit(TOwnerArg AOwner);

  QString Text() const;
  void SetText(const QString& Value);
  bool ReadOnly() const;
  void SetReadOnly(bool Value);
  int MaxLength() const;
  void SetMaxLength(int Value);
  // Selection start (0-based character position) and length.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  QString SelText() const;
  void SetSelText(const QString& Value);
  void SelectAll();
  void ClearSelection();
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // Shows each character as "*" when true.
  bool PasswordMode() const;
  void SetPasswordMode(bool Value);
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void DoEnter() override;

  TNotifyEvent OnChange;

  // The Qt line edit inside the control.
  QLineEdit* LineEdit() const { return FEdit; }

protected:
  // The change notification; fires OnChange.
  virtual void Change();

private:
  QLineEdit* FEdit;
  bool FAutoSelect = true;
};

class TEdit : public TCustomEdit {
  Q_OBJECT
public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace orv
