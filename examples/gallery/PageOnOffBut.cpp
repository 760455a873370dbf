// Gallery page "On/off buttons": every built-in glyph strip, a machine panel
// with radio groups, texts on all four sides, speed buttons, a disabled row,
// buttons painted transparently over a coloured panel and a user glyph.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QVBoxLayout>

using namespace orv;

namespace {

// A button whose background is the page's.
TOnOffBut* OnPage(TOnOffBut* B) {
  B->SetColorBackgnd(QRgbToColor(B->palette().color(QPalette::Window).rgb()));
  return B;
}

TOnOffBut* Button(TOnOffButStyle Style, int W, int H) {
  auto* b = OnPage(new TOnOffBut(nullptr));
  b->setFixedSize(W, H);
  b->SetButtonStyle(Style);
  return b;
}

QWidget* MakeStyles() {
  auto* body = new QWidget;
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(6);
  const QMetaEnum names = QMetaEnum::fromType<TOnOffButStyle>();
  int i = 0;
  for (int s = oobsCheckbox; s <= oobsUser5; ++s, ++i) {
    for (bool on : {true, false}) {
      TOnOffBut* b = Button(TOnOffButStyle(s), 92, 86);
      b->SetOnOff(on);
      b->SetFrameStyle(fsNone);
      b->SetAutoCenter(false);
      b->SetLeftSpace((92 - b->GlyphWidth()) / 2);
      b->SetTopSpace((62 - b->GlyphHeight()) / 2);
      if (on) b->SetBottomText(QString::fromLatin1(names.valueToKey(s)).mid(4));
      b->SetBottomTextAlignment(taCenter);
      grid->addWidget(b, i / 4, (i % 4) * 2 + (on ? 0 : 1));
    }
  }
  return Section(QStringLiteral("Built-in glyph strips (on / off)"), body);
}

// A small machine panel: a power switch, a speed selector as a radio group
// that always has one choice, lamps that follow, and a horn that sounds
// only while held.
QWidget* MakePanel() {
  auto* panel = new QWidget;
  panel->setFixedSize(420, 210);

  TOnOffBut* power = OnPage(new TOnOffBut(panel));
  power->SetButtonStyle(oobsColSlideLR);
  power->SetLeftText(QStringLiteral("Off"));
  power->SetRightText(QStringLiteral("On"));
  power->SetTopText(QStringLiteral("Power"));
  power->SetTopTextAlignment(taLeftJustify);
  power->SetBounds(10, 10, 150, 70);

  TOnOffBut* lamp = OnPage(new TOnOffBut(panel));
  lamp->SetBounds(170, 10, 70, 70);
  lamp->SetButtonStyle(oobsBulb);
  lamp->SetMouseAction(oomaNone);
  lamp->SetFrameStyle(fsNone);

  const char* speeds[] = {"Slow", "Normal", "Fast"};
  TOnOffBut* choice[3];
  for (int i = 0; i < 3; ++i) {
    choice[i] = OnPage(new TOnOffBut(panel));
    choice[i]->SetBounds(10 + 80 * i, 95, 75, 46);
    choice[i]->SetButtonStyle(oobsRadioBut);
    choice[i]->SetFrameStyle(fsNone);
    choice[i]->SetMouseAction(oomaPlain);
    choice[i]->SetBottomText(QString::fromLatin1(speeds[i]));
    choice[i]->SetOnOff(i == 1);
    choice[i]->SetGroupIndex(1);
  }
  choice[1]->SetOnOff(true);
  choice[1]->SetAllowAllOff(false);

  TOnOffBut* horn = OnPage(new TOnOffBut(panel));
  horn->SetBounds(260, 10, 150, 70);
  horn->SetButtonStyle(oobsButLamp);
  horn->SetMode(oobmSpeedBut);
  horn->SetTopText(QStringLiteral("Horn (hold)"));
  horn->SetFrameStyle(fsEtched);

  TOnOffBut* ready = OnPage(new TOnOffBut(panel));
  ready->SetBounds(260, 95, 150, 46);
  ready->SetButtonStyle(oobsTrafficLPed);
  ready->SetMouseAction(oomaNone);
  ready->SetRightText(QStringLiteral("Walk"));
  ready->SetLeftText(QStringLiteral("Wait"));
  ready->SetFrameStyle(fsNone);

  TOnOffBut* mood = OnPage(new TOnOffBut(panel));
  mood->SetBounds(10, 155, 400, 46);
  mood->SetButtonStyle(oobsSmileyRedGrn);
  mood->SetAutoCenter(false);
  mood->SetLeftSpace(12);
  mood->SetTopSpace(13);
  mood->SetRightTextAlignment(taLeftJustify);
  mood->SetMouseAction(oomaNone);

  const auto follow = [=] {
    lamp->SetOnOff(power->OnOff());
    ready->SetOnOff(power->OnOff() && !choice[2]->OnOff());
    mood->SetOnOff(power->OnOff());
    mood->SetRightText(power->OnOff() ? QStringLiteral("Running at %1 speed").arg(
                                            QString::fromLatin1(speeds[choice[0]->OnOff() ? 0 : choice[1]->OnOff() ? 1 : 2]))
                                      : QStringLiteral("Machine is off"));
  };
  power->OnClick = [follow](TObject*) { follow(); };
  for (TOnOffBut* c : choice) c->OnClick = [follow](TObject*) { follow(); };
  follow();
  return Section(QStringLiteral("Machine panel"), panel);
}

QWidget* MakeLooks() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);

  TOnOffBut* around = Button(oobsArrowUpDown, 260, 100);
  around->SetLeftText(QStringLiteral("left"));
  around->SetRightText(QStringLiteral("right"));
  around->SetTopText(QStringLiteral("top"));
  around->SetBottomText(QStringLiteral("bottom"));
  around->SetFrameStyle(fsBump);
  layout->addWidget(around);

  auto* row = new QHBoxLayout;
  for (TOnOffButStyle s : {oobsCheckbox, oobsSlideLR, oobsBeveledLed}) {
    TOnOffBut* b = Button(s, 84, 60);
    b->SetBottomText(QStringLiteral("disabled"));
    b->SetEnabled(false);
    row->addWidget(b);
  }
  layout->addLayout(row);

  auto* panel = new QWidget;
  panel->setFixedSize(260, 70);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(0x30, 0x50, 0x70));
  panel->setPalette(pal);
  const TOnOffButStyle over[] = {oobsLedRedGreen, oobsSmileyYellow, oobsHDLeft};
  for (int i = 0; i < 3; ++i) {
    auto* b = OnPage(new TOnOffBut(panel));
    b->SetBounds(5 + 85 * i, 5, 80, 60);
    b->SetButtonStyle(over[i]);
    b->SetFrameStyle(fsNone);
    b->SetTransparent(true);
    b->SetColorText(clWhite);
    b->SetBottomText(QStringLiteral("transparent"));
    b->SetTopSpace(12);
  }
  layout->addWidget(panel);

  // A user glyph drawn by the program: a key that is in or out.
  TBitmap strip(64, 40);
  TCanvas* c = strip.Canvas();
  c->Brush()->SetColor(OnOffButKeyColor);
  c->FillRect(TRect(0, 0, 64, 40));
  const TColor colours[4] = {0x00A0E0, 0xB0B0B0, 0xC8C8C8, 0xE0E0E0};
  for (int i = 0; i < 4; ++i) {
    const int x = i % 2 * 32, y = i / 2 * 20;
    const int shift = i % 2 ? 8 : 0;  // out: pulled to the right
    c->Brush()->SetColor(colours[i]);
    c->Pen()->SetColor(0x404040);
    c->Ellipse(x + 2 + shift, y + 4, x + 14 + shift, y + 16);
    c->Rectangle(x + 13 + shift, y + 8, x + 24 + shift, y + 12);
    c->Rectangle(x + 20 + shift, y + 12, x + 23 + shift, y + 15);
  }
  TOnOffBut* user = Button(oobsUser, 260, 44);
  user->SetUserGlyph(&strip);
  user->SetLeftText(QStringLiteral("Key in"));
  user->SetRightText(QStringLiteral("SetUserGlyph"));
  layout->addWidget(user);
  layout->addStretch(1);
  return Section(QStringLiteral("Texts, disabled, transparent, user glyph"), body);
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  layout->addWidget(MakeStyles(), 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(MakePanel(), 0, 1, Qt::AlignTop);
  layout->addWidget(MakeLooks(), 1, 1, Qt::AlignTop);
  layout->setColumnStretch(2, 1);
  layout->setRowStretch(2, 1);
  return page;
}

const GalleryPage Page(80, QStringLiteral("On/off buttons"), QStringLiteral("onoff_buttons"), MakePage);

}  // namespace
