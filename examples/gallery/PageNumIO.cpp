// Gallery page "Number entry": TNumIO edit boxes in every input format, each
// with its range and a live readout of the value it holds.

#include "GalleryPage.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace orv;

namespace {

struct BoxSpec {
  const char* Caption;
  TInFormat Format;
  double Low;
  double High;
  const char* Text;  // initial text, typed as a user would
  const char* Unit;
};

const BoxSpec Boxes[] = {
    {"Set point", itFixPoint, -40, 120, "21.5", "\u00b0C"},
    {"Flow rate", itFloat, 0, 250, "42.75", "l/min"},
    {"Carrier frequency", itExp, 1, 1e9, "4.33e8", "Hz"},
    {"Sample count", itInt, 0, 100000, "1024", ""},
    {"Register mask", itHex, 0, 65535, "BEEF", ""},
    {"File mode", itOct, 0, 511, "644", ""},
    {"Channel enable", itBin, 0, 255, "10110010", ""},
    {"Offset (any notation)", itDynamic, -1e6, 1e6, "$1F", ""},
};

QString FormatName(TInFormat f) {
  static const char* const names[] = {"itExp", "itFloat", "itFixPoint", "itInt",
                                      "itHex", "itOct",   "itBin",      "itDynamic"};
  return QString::fromLatin1(names[f]);
}

QLabel* Header(const QString& Text) {
  auto* l = new QLabel(Text);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QWidget* MakeNumIOGroup() {
  auto* group = new QGroupBox(QStringLiteral("TNumIO edit box"));
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(8);
  const QStringList headers = {QStringLiteral("Quantity"), QStringLiteral("Input"), QStringLiteral("Unit"),
                               QStringLiteral("Format"), QStringLiteral("Range"), QStringLiteral("Value")};
  for (int c = 0; c < headers.size(); ++c) grid->addWidget(Header(headers[c]), 0, c);

  int row = 1;
  for (const BoxSpec& spec : Boxes) {
    auto* box = new TNumIO(nullptr);
    box->SetInputFormat(spec.Format);
    box->SetFixPointDecPlaces(1);
    box->SetRangeHigh(spec.High);
    box->SetRangeLow(spec.Low);
    box->SetBeep(true);
    box->setMinimumWidth(150);
    auto* readout = new QLabel;
    readout->setMinimumWidth(110);
    readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->OnChange = [box, readout](TObject*) {
      readout->setText(QString::number(box->GetLabValue(), 'g', 10));
    };
    box->SetText(QString::fromUtf8(spec.Text));

    grid->addWidget(new QLabel(QString::fromUtf8(spec.Caption)), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(new QLabel(QString::fromUtf8(spec.Unit)), row, 2);
    grid->addWidget(new QLabel(FormatName(spec.Format)), row, 3);
    grid->addWidget(new QLabel(QStringLiteral("%1 \u2026 %2").arg(spec.Low, 0, 'g', 6).arg(spec.High, 0, 'g', 6)),
                    row, 4);
    grid->addWidget(readout, row, 5);
    ++row;
  }
  grid->setColumnStretch(6, 1);
  return group;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  auto* intro = new QLabel(QStringLiteral(
      "Each box accepts only numbers of its input format inside its range. A keystroke that would leave "
      "the format or the range is refused with a beep; fixed-point boxes always show their decimals."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakeNumIOGroup());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(20, QStringLiteral("Number entry"), QStringLiteral("number_entry"), MakePage);

}  // namespace
