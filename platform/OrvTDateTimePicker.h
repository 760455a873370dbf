#pragma once
// TDateTimePicker: a date or time field over QDateTimeEdit.
//
// DateTime holds date and time as a TDateTime; Date and Time read and set
// one part and keep the other. Kind dtkDate edits the date (with a drop-down
// calendar), dtkTime the time. Format is the display format in the picker's
// notation: d dd ddd dddd (day, name), M MM MMM MMMM (month, name), y yy yyy
// yyyy (year), h hh (hour, 12-hour clock), H HH (hour, 24-hour clock), m mm
// (minute), s ss (second), t tt (A/P, AM/PM), 'quoted' literal text; other
// characters are shown as they are. An empty Format (the default) shows the
// locale's short date, or hh:mm:ss for dtkTime. Setting DateTime outside
// 0001-01-01..9999-12-31 raises EConvertError.
//
// The picker keeps the whole value whatever its format shows: the user's
// changes replace only the parts shown. OnChange fires when the user
// changes the value, not for values set by code.
// Keys, mouse and focus reach the framework's methods as THostedControl
// describes. Default size 186 x the field's height; the current date and time
// at creation.

#include "OrvDateTime.h"
#include "OrvTHostedControl.h"

class QDateTimeEdit;

namespace orv {

enum TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public THostedControl {
  Q_OBJECT

public:
  explicit TDateTimePicker(TOwnerArg AOwner);
  ~TDateTimePicker() override;

  TDateTime DateTime() const { return FValue; }
  void SetDateTime(TDateTime Value);
  TDateTime Date() const;
  void SetDate(TDateTime Value);
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  QString Format() const { return FFormat; }
  void SetFormat(const QString& Value);

  TNotifyEvent OnChange;

  // The Qt date/time editor inside the control.
  QDateTimeEdit* DateTimeEdit() const { return FEdit; }

  // The Qt display format of a format in the picker's notation.
  static QString QtDisplayFormat(const QString& Format);

protected:
  // The value changed by the user; fires OnChange.
  virtual void Change();

private:
  void UpdateDisplayFormat();
  // Takes the parts of the value the user can see from the editor.
  void UserChanged();
  QDateTimeEdit* FEdit;
  TDateTime FValue = 0;
  TDateTimeKind FKind = dtkDate;
  QString FFormat;
  // Set while code writes the value, which fires no OnChange.
  bool FSetting = false;
};

}  // namespace orv
