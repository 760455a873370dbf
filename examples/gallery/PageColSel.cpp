// Gallery page "Colour selector": TColSel choosing the colours of a chart
// preview, the four built-in palettes, editable entries redefined through
// the colour dialog, names given by the program, and a disabled selector.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

using namespace orv;

namespace {

TColSel* Selector(int Width = 210) {
  auto* sel = new TColSel(nullptr);
  sel->setFixedWidth(Width);
  return sel;
}

// A bar chart whose bars, background and grid take the selected colours.
class ChartPreview : public TGraphicControl {
public:
  explicit ChartPreview(TOwnerArg AOwner) : TGraphicControl(AOwner) { SetInitialSize(300, 180); }
  TColor Bars = clNavy, Background = clWhite, Grid = clSilver;
  void Paint() override {
    if (!StartPaint()) return;
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Background);
    c->FillRect(ClientRect());
    c->Pen()->SetColor(Grid);
    for (int y = 20; y < Height(); y += 30) {
      c->MoveTo(0, y);
      c->LineTo(Width(), y);
    }
    const int values[] = {62, 95, 120, 84, 140, 110, 150};
    c->Brush()->SetColor(Bars);
    c->Pen()->SetColor(clBlack);
    for (int i = 0; i < 7; ++i) c->Rectangle(16 + i * 40, Height() - 10 - values[i], 44 + i * 40, Height() - 10);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clGray);
    c->Rectangle(ClientRect());
  }
};

QWidget* MakeChart() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(6);
  auto* chart = new ChartPreview(nullptr);
  chart->setFixedSize(chart->size());
  TColSel* bars = Selector();
  TColSel* background = Selector();
  TColSel* lines = Selector();
  bars->SetSelColor(clNavy);
  background->SetSelColor(clWhite);
  lines->SetSelColor(clSilver);
  const auto follow = [=](TObject*) {
    chart->Bars = bars->SelColor();
    chart->Background = background->SelColor();
    chart->Grid = lines->SelColor();
    chart->Invalidate();
  };
  for (TColSel* s : {bars, background, lines}) s->OnChange = follow;
  const char* captions[] = {"Bars", "Background", "Grid"};
  TColSel* selectors[] = {bars, background, lines};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(new QLabel(QString::fromLatin1(captions[i])), i, 0);
    grid->addWidget(selectors[i], i, 1);
  }
  grid->addWidget(chart, 0, 2, 4, 1);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(3, 1);
  return Section(QStringLiteral("Colours of a chart"), grid);
}

QWidget* MakePalettes() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(4);
  struct Palette { const char* Name; void (TColSel::*Load)(); TColor Selected; };
  const Palette palettes[] = {{"LoadBasicVGAPalette: 16", &TColSel::LoadBasicVGAPalette, clTeal},
                              {"LoadExtendedPalette: 20", &TColSel::LoadExtendedPalette, clSkyBlue},
                              {"LoadStandardPalette: 47", &TColSel::LoadStandardPalette, clPurple},
                              {"LoadWindowsSystemPalette: 27", &TColSel::LoadWindowsSystemPalette, clInfoBk}};
  for (int i = 0; i < 4; ++i) {
    TColSel* sel = Selector();
    (sel->*palettes[i].Load)();
    sel->SetDropDownCount(12);
    sel->SetSelColor(palettes[i].Selected);
    auto* caption = Note(QString::fromLatin1(palettes[i].Name));
    grid->addWidget(sel, 0, i);
    grid->addWidget(caption, 1, i);
  }
  return Section(QStringLiteral("Palettes"), grid);
}

QWidget* MakeEditing() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(4);

  // Editable entries carry a mark on the bar; their names are the program's.
  TColSel* custom = Selector(260);
  custom->SetColorBarWidth(46);
  custom->OnColorNameChange = [](TObject*, QString& Name) {
    if (Name.startsWith(QLatin1Char('$'))) Name = QStringLiteral("custom ") + Name.mid(3);
  };
  custom->SetNumColors(8);
  for (int i = 1; i <= 8; ++i) custom->SetColorEditAllowed(i, true);
  custom->SetColors(3, 0x3070E0);
  custom->SetColors(6, 0x70C0F0);
  custom->SetSelColor(0x3070E0);
  auto* note = Note(QStringLiteral("8 editable entries (marked), bar 46 wide; press the list button\n"
                                         "over the bar to pick a new colour. The program names custom colours."));
  grid->addWidget(custom, 0, 0);
  grid->addWidget(note, 1, 0);

  TColSel* off = Selector();
  off->SetSelColor(clRed);
  off->SetEnabled(false);
  auto* offNote = Note(QStringLiteral("Disabled"));
  grid->addWidget(off, 0, 1);
  grid->addWidget(offNote, 1, 1);

  TColSel* nameless = Selector(120);
  nameless->SetColorBarWidth(100);
  nameless->SetSelColor(clGreen);
  auto* namelessNote = Note(QStringLiteral("Bar only"));
  grid->addWidget(nameless, 0, 2);
  grid->addWidget(namelessNote, 1, 2);
  grid->setColumnStretch(3, 1);
  return Section(QStringLiteral("Editing, disabled, wide bars"), grid);
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(18);
  auto* intro = new QLabel(QStringLiteral(
      "TColSel is a drop-down list of named colours: each entry shows a colour bar and the colour's name. "
      "Its table of 47 entries comes from the base library's predefined colours."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakeChart());
  layout->addWidget(MakePalettes());
  layout->addWidget(MakeEditing());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(110, QStringLiteral("Colour selector"), QStringLiteral("colour_selector"), MakePage);

}  // namespace
