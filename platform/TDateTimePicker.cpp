#include "OrvTDateTimePicker.h"

#include <QDateTime>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace orv {

namespace {

// Date and time in UTC, so that no daylight-saving gap skips a time of day.
QDateTime ToQt(TDateTime Value) {
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
  DecodeDate(Value, y, m, d);
  DecodeTime(Value, h, n, s, ms);
  return QDateTime(QDate(y, m, d), QTime(h, n, s, ms), Qt::UTC);
}

// A day and a time of day as one TDateTime (before 1899-12-30 the time counts
// backwards with the day, as the framework stores it).
TDateTime Combine(TDateTime Day, TDateTime TimeOfDay) { return Day >= 0 ? Day + TimeOfDay : Day - TimeOfDay; }

TDateTime FromQt(const QDateTime& Value) {
  const QDate d = Value.date();
  const QTime t = Value.time();
  return Combine(EncodeDate(d.year(), d.month(), d.day()), EncodeTime(t.hour(), t.minute(), t.second(), t.msec()));
}

}  // namespace

TDateTimePicker::TDateTimePicker(TOwnerArg AOwner) : THostedControl(AOwner), FEdit(new QDateTimeEdit(this)) {
  SetHostedWidget(FEdit);
  if (auto* edit = FEdit->findChild<QLineEdit*>()) HostInput(edit);
  FEdit->setTimeSpec(Qt::UTC);
  FEdit->setDateTimeRange(QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC),
                          QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC));
  const QDateTime now = QDateTime::currentDateTime();
  FValue = FromQt(QDateTime(now.date(), now.time(), Qt::UTC));
  SetKind(dtkDate);
  resize(186, FEdit->sizeHint().height());
  connect(FEdit, &QDateTimeEdit::dateTimeChanged, this, [this] {
    if (!FSetting) UserChanged();
  });
}

TDateTimePicker::~TDateTimePicker() { disconnect(FEdit, nullptr, this, nullptr); }

void TDateTimePicker::SetDateTime(TDateTime Value) {
  const QDateTime shown = ToQt(Value);
  FValue = Value;
  FSetting = true;
  FEdit->setDateTime(shown);
  FSetting = false;
}

TDateTime TDateTimePicker::Date() const { return std::trunc(FValue); }

void TDateTimePicker::SetDate(TDateTime Value) { SetDateTime(Combine(std::trunc(Value), Time())); }

TDateTime TDateTimePicker::Time() const {
  int h = 0, n = 0, s = 0, ms = 0;
  DecodeTime(FValue, h, n, s, ms);
  return EncodeTime(h, n, s, ms);
}

void TDateTimePicker::SetTime(TDateTime Value) {
  SetDateTime(Combine(Date(), std::fabs(Value - std::trunc(Value))));
}

void TDateTimePicker::UserChanged() {
  // The user changed what the format shows; the rest of the value stays.
  const QDateTimeEdit::Sections shown = FEdit->displayedSections();
  const QDateTime edited = FEdit->dateTime();
  TDateTime day = Date(), time = Time();
  if (shown & QDateTimeEdit::DateSections_Mask) {
    const QDate d = edited.date();
    day = EncodeDate(d.year(), d.month(), d.day());
  }
  if (shown & QDateTimeEdit::TimeSections_Mask) {
    const QTime t = edited.time();
    time = EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
  }
  FValue = Combine(day, time);
  Change();
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  FKind = Value;
  FEdit->setCalendarPopup(Value == dtkDate);
  UpdateDisplayFormat();
}

void TDateTimePicker::SetFormat(const QString& Value) {
  FFormat = Value;
  UpdateDisplayFormat();
}

void TDateTimePicker::UpdateDisplayFormat() {
  QString format = QtDisplayFormat(FFormat);
  if (format.isEmpty())
    format = FKind == dtkDate ? QLocale().dateFormat(QLocale::ShortFormat) : QStringLiteral("HH:mm:ss");
  FSetting = true;
  FEdit->setDisplayFormat(format);
  // A format without a time (or date) may have cleared it in the editor.
  FEdit->setDateTime(ToQt(FValue));
  FSetting = false;
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

QString TDateTimePicker::QtDisplayFormat(const QString& Format) {
  QString out;
  int i = 0;
  while (i < Format.size()) {
    const QChar c = Format[i];
    if (c == QLatin1Char('\'')) {
      // A quoted literal, '' standing for a quote: the same in both notations.
      int j = i + 1;
      while (j < Format.size()) {
        if (Format[j] == QLatin1Char('\'') && !(j + 1 < Format.size() && Format[j + 1] == QLatin1Char('\''))) break;
        j += Format[j] == QLatin1Char('\'') ? 2 : 1;
      }
      out += Format.mid(i, j + 1 - i);
      i = j + 1;
      continue;
    }
    int n = 1;
    while (i + n < Format.size() && Format[i + n] == c) ++n;
    const QString run(n, c);
    switch (c.unicode()) {
      case 'd':
      case 'M': out += QString(std::min(n, 4), c); break;
      case 'y': out += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
      case 'h':
      case 'H':
      case 'm':
      case 's': out += QString(std::min(n, 2), c); break;
      case 't': out += QStringLiteral("AP"); break;
      case 'g': break;  // era: not shown
      default:
        // Letters mean something else to Qt: quote them; the rest stays.
        out += c.isLetter() ? QLatin1Char('\'') + run + QLatin1Char('\'') : run;
        break;
    }
    i += n;
  }
  return out;
}

}  // namespace orv
