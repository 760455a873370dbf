// Gallery page "Number fields": TNumIO2 fields of a small process panel in
// several formats, with spin buttons, gauges, freeze boxes, pivots and units,
// one out of range, one frozen and one disabled; a log shows OnChange and
// OnGaugeChange as they fire.

#include "GalleryPage.h"

#include <orvpanels.h>

#include <QDateTime>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace orv;

namespace {

constexpr int kFieldWidth = 330;
// Background of the instrument panel, and the same as TColor for the fields.
const QColor kPanelColor(0xE4, 0xE8, 0xEE);
constexpr TColor kPanelTColor = 0xEEE8E4;
// The freeze box sits at the right end of a field.
constexpr int kFreezeBoxLeft = kFieldWidth - 96 - 110 - 8 - 16 - 8;

QLabel* Note(const QString& Text) {
  auto* l = new QLabel(Text);
  l->setStyleSheet(QStringLiteral("color: #505050;"));
  return l;
}

// A field of the common look: label on the left, unit on the right.
TNumIO2* Field(const QString& Name, const QString& Label, const QString& Unit, TInFormat Format, double Low,
               double High) {
  auto* f = new TNumIO2(nullptr);
  f->SetName(Name);
  f->setFixedSize(kFieldWidth, 28);
  f->SetLeftSpace(96);
  f->SetTextBoxWidth(110);
  f->SetLeftText(Label);
  f->SetRightText(Unit);
  f->SetInputFormat(Format);
  f->SetRangeHigh(High);
  f->SetRangeLow(Low);
  f->SetBeep(true);
  f->SetColorOutBG(kPanelTColor);
  f->SetFreezeBoxLeft(kFreezeBoxLeft);
  f->SetFreezeBoxTop(6);
  return f;
}

void WithGauge(TNumIO2* F, TColor Color) {
  F->setFixedSize(kFieldWidth, 42);
  F->SetGaugeVisible(true);
  F->SetGaugeLeftMargin(F->LeftSpace());
  F->SetGaugeWidth(F->TextBoxWidth() + 2);
  F->SetGaugeHeight(7);
  F->SetGaugeColor(Color);
  F->SetGaugeColorBg(0xE8E8E8);
}

void WithButtons(TNumIO2* F, double Step) {
  F->SetButVisible(true);
  F->SetButHeight(F->Height() - F->GaugeStrip());
  F->SetButIncrem(Step);
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* outer = new QHBoxLayout(page);
  outer->setContentsMargins(16, 16, 16, 16);
  outer->setSpacing(16);

  auto* panelBox = new QVBoxLayout;
  panelBox->setSpacing(6);
  auto* title = new QLabel(QStringLiteral("Reactor feed \u2013 TNumIO2 number fields"));
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSize(10);
  title->setFont(titleFont);
  panelBox->addWidget(title);
  auto* panel = new QFrame;
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, kPanelColor);
  panel->setPalette(pal);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(14, 14, 14, 14);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(14);
  panelBox->addWidget(panel, 1);
  outer->addLayout(panelBox, 3);

  auto* side = new QVBoxLayout;
  side->setSpacing(12);
  outer->addLayout(side, 2);
  auto* readoutBox = new QGroupBox(QStringLiteral("Values"));
  auto* readout = new QGridLayout(readoutBox);
  readout->setHorizontalSpacing(12);
  readout->setVerticalSpacing(3);
  const QStringList heads = {QStringLiteral("Field"), QStringLiteral("GetNioValue"), QStringLiteral("OnChange")};
  for (int c = 0; c < heads.size(); ++c) {
    auto* h = new QLabel(heads[c]);
    QFont bold = h->font();
    bold.setBold(true);
    h->setFont(bold);
    readout->addWidget(h, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
  }
  side->addWidget(readoutBox);

  auto* logBox = new QGroupBox(QStringLiteral("Events as they fire"));
  auto* logLayout = new QVBoxLayout(logBox);
  auto* log = new QPlainTextEdit;
  log->setReadOnly(true);
  log->setMaximumBlockCount(200);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setPointSize(8);
  log->setFont(mono);
  logLayout->addWidget(log);
  side->addWidget(logBox, 1);
  side->addWidget(Note(QStringLiteral("Type, use the arrow buttons, click or drag a gauge,\n"
                                      "tick a freeze box. Refused keys beep.")));

  auto report = [log](const QString& Line) {
    log->appendPlainText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz  ")) + Line);
  };
  auto wire = [report, readout](TNumIO2* F) {
    const int r = readout->rowCount();
    auto* value = new QLabel;
    auto* count = new QLabel(QStringLiteral("0"));
    readout->addWidget(new QLabel(F->Name()), r, 0);
    readout->addWidget(value, r, 1, Qt::AlignRight);
    readout->addWidget(count, r, 2, Qt::AlignRight);
    auto show = [F, value] { value->setText(QString::number(F->GetNioValue(), 'g', 8)); };
    show();
    F->OnChange = [F, report, show, count](TObject*) {
      show();
      count->setText(QString::number(count->text().toInt() + 1));
      report(QStringLiteral("OnChange       %1 = %2").arg(F->Name(), -10).arg(F->Text().trimmed()));
    };
    F->OnGaugeChange = [F, report, show](TObject*, TShiftState, double V) {
      show();
      report(QStringLiteral("OnGaugeChange  %1 = %2").arg(F->Name(), -10).arg(V, 0, 'g', 6));
    };
  };

  int row = 0;
  auto add = [&](TNumIO2* F, const QString& Remark) {
    wire(F);
    grid->addWidget(F, row, 0);
    grid->addWidget(Note(Remark), row, 1);
    ++row;
  };

  auto* setPoint = Field(QStringLiteral("SetPoint"), QStringLiteral("Set point"), QStringLiteral("\u00b0C"),
                         itFixPoint, -40, 120);
  setPoint->SetFixPointDecPlaces(1);
  WithGauge(setPoint, 0xB05020);
  WithButtons(setPoint, 0.5);
  setPoint->SetNioValue(21.5);
  add(setPoint, QStringLiteral("fixed point, 1 decimal\n-40 \u2026 120, step 0.5"));

  auto* flow = Field(QStringLiteral("Flow"), QStringLiteral("Feed flow"), QStringLiteral("l/min"), itFloat, 0, 250);
  WithGauge(flow, 0x40A020);
  WithButtons(flow, 1);
  flow->ButtonPivots = {0, 10, 25, 50, 100, 160, 250};
  flow->SetNioValue(100);
  add(flow, QStringLiteral("float, buttons and gauge\nsnap to 0, 10, 25, 50, 100, 160, 250"));

  auto* pressure = Field(QStringLiteral("Pressure"), QStringLiteral("Pressure"), QStringLiteral("bar"), itFloat, 0, 16);
  WithGauge(pressure, 0x2030D0);
  pressure->SetGaugeFrameStyle(fsSimple);
  pressure->SetGaugeColorFrame(0x808080);
  pressure->SetNioValue(17.25);
  add(pressure, QStringLiteral("out of range: above 16 bar"));

  auto* frequency = Field(QStringLiteral("Stirrer"), QStringLiteral("Stirrer"), QStringLiteral("Hz"), itExp, 0, 1e4);
  frequency->SetSignificantDigits(4);
  frequency->SetFreezeBoxVisible(true);
  frequency->SetNioValue(1450);
  add(frequency, QStringLiteral("exponent, 4 significant digits\nfreeze box locks the field"));

  auto* batch = Field(QStringLiteral("Batch"), QStringLiteral("Batch size"), QStringLiteral("units"), itInt, 0, 5000);
  WithButtons(batch, 50);
  batch->SetFrameStyle(fsRaised);
  batch->SetRightTextAlignment(taRightJustify);
  batch->SetNioValue(1200);
  add(batch, QStringLiteral("integer, step 50, raised frame\nunit right-aligned"));

  auto* mask = Field(QStringLiteral("Valves"), QStringLiteral("Valve mask"), QStringLiteral("hex"), itHex, 0, 65535);
  mask->SetFrameStyle(fsEtched);
  mask->SetRightTextAlignment(taRightJustify);
  mask->SetAlignment(taRightJustify);
  mask->SetNioValue(0x00A5);
  add(mask, QStringLiteral("hexadecimal, etched frame\nunit right-aligned"));

  auto* address = Field(QStringLiteral("Address"), QStringLiteral("Bus address"), QString(), itDynamic, 0, 1e6);
  address->SetText(QStringLiteral("$1F"));
  address->SetAlignment(taLeftJustify);
  add(address, QStringLiteral("$ hex, & octal, % binary\nor decimal"));

  auto* dosing = Field(QStringLiteral("Dosing"), QStringLiteral("Dosing"), QStringLiteral("ml"), itFixPoint, 0, 500);
  dosing->SetFreezeBoxVisible(true);
  dosing->SetHideInputOnFreeze(true);
  dosing->SetNioValue(12.5);
  dosing->SetFreezeBoxChecked(true);
  add(dosing, QStringLiteral("frozen by its freeze box"));

  auto* yield = Field(QStringLiteral("Yield"), QStringLiteral("Yield"), QStringLiteral("%"), itFixPoint, 80, 100);
  QFont big = yield->font();
  big.setPointSize(11);
  big.setBold(true);
  yield->setFont(big);
  WithGauge(yield, 0x808000);
  yield->setFixedSize(kFieldWidth, 48);
  yield->SetFrameStyle(fsBump);
  yield->SetColorScheme(csSystemColors);
  yield->SetGaugeFrameStyle(fsRaised);
  yield->SetColorBoxBG(0xF4FFF8);
  yield->SetColorBoxText(0x405000);
  yield->SetNioValue(93.4);
  add(yield, QStringLiteral("larger bold font, bump frame,\nsystem line colours, 80 \u2026 100 %"));

  auto* heater = Field(QStringLiteral("Heater"), QStringLiteral("Heater"), QStringLiteral("kW"), itFloat, 0, 40);
  WithButtons(heater, 0.5);
  heater->SetNioValue(7.5);
  heater->SetEnabled(false);
  add(heater, QStringLiteral("disabled"));

  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);
  report(QStringLiteral("ready"));
  return page;
}

const GalleryPage Page(21, QStringLiteral("Number fields"), QStringLiteral("number_fields"), MakePage);

}  // namespace
