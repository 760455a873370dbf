// Gallery page "Marker selector": TMarkSel choosing the marker of a live
// scatter plot, a palette of the filled markers only in colours of its own,
// and a disabled palette.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

using namespace orv;

namespace {

// A scatter plot of a damped oscillation drawn with one marker.
class ScatterPlot : public TGraphicControl {
public:
  explicit ScatterPlot(TOwnerArg AOwner) : TGraphicControl(AOwner) { SetInitialSize(360, 236); }
  void SetMark(int Mark, TColor Colour) {
    FMark = Mark;
    FColour = Colour;
    Invalidate();
  }
  void Paint() override {
    if (!StartPaint()) return;
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(ClientRect());
    c->Pen()->SetColor(0xE0E0E0);
    for (int x = 20; x < Width(); x += 40) {
      c->MoveTo(x, 0);
      c->LineTo(x, Height());
    }
    for (int y = 18; y < Height(); y += 40) {
      c->MoveTo(0, y);
      c->LineTo(Width(), y);
    }
    c->Pen()->SetColor(FColour);
    c->Brush()->SetColor(FColour);
    for (int i = 0; i < 40; ++i) {
      const double t = i * 0.3;
      const int x = 14 + i * (Width() - 28) / 39;
      const int y = Height() / 2 - int(std::lround((Height() / 2 - 16) * std::exp(-t / 6) * std::cos(t)));
      DrawMarkOnCanvas(c, FMark, x, y);
    }
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clGray);
    c->Rectangle(ClientRect());
  }

private:
  int FMark = 7;
  TColor FColour = clNavy;
};


QWidget* MakePlot() {
  auto* group = new QGroupBox(QStringLiteral("Pick the marker of a plot"));
  auto* layout = new QGridLayout(group);
  auto* sel = new TMarkSel(nullptr);
  sel->SetNrOfRows(7);  // room for all 52
  sel->setFixedSize(236, 4 + 7 * 29);
  auto* plot = new ScatterPlot(nullptr);
  plot->setFixedSize(plot->size());
  auto* info = new QLabel;
  sel->OnMarkClick = [plot, info](TObject*, int, int, int Mark) {
    plot->SetMark(Mark, clNavy);
    info->setText(QStringLiteral("Marker %1").arg(Mark));
  };
  sel->OnMarkDblClick = [info](TObject*, int, int, int Mark) {
    info->setText(QStringLiteral("Marker %1 (double click)").arg(Mark));
  };
  sel->SetSelected(7);
  plot->SetMark(7, clNavy);
  info->setText(QStringLiteral("Marker 7"));
  layout->addWidget(Captioned(sel, QStringLiteral("All 52 markers in 8 x 7 cells; marker 0 (a dot)\n"
                                                  "shown as a cross. Move the mouse over it,\nclick to pick.")),
                    0, 0, Qt::AlignTop);
  layout->addWidget(plot, 0, 1, Qt::AlignTop);
  layout->addWidget(info, 1, 1);
  return group;
}

QWidget* MakeVariants() {
  auto* group = new QGroupBox(QStringLiteral("Hidden markers, colours, disabled"));
  auto* layout = new QGridLayout(group);
  layout->setHorizontalSpacing(18);

  auto* filled = new TMarkSel(nullptr);
  filled->setFixedSize(236, 90);
  filled->HideAllMarks();
  for (int m : {5, 7, 9, 11, 13, 15, 17, 21, 23, 25, 29, 31, 33, 45, 46, 49, 51}) filled->SetVis(m, true);
  filled->SetNrOfRows(3);
  filled->SetShowZeroAsCross(false);
  filled->SetColorBackGnd(0x302010);
  filled->SetColorMarks(0x40E0FF);
  filled->SetColorSelBG(0x604830);
  filled->SetColorSelFG(clWhite);
  filled->SetColorHiLiteBG(0x00A0FF);
  filled->SetColorHiLiteSymbol(0x302010);
  filled->SetFrameStyle(fsSunken);
  filled->SetSelected(9);
  layout->addWidget(Captioned(filled, QStringLiteral("Only the filled markers (the others\nhidden and packed), "
                                                     "8 x 3, dark colours,\nsunken frame")),
                    0, 0, Qt::AlignTop);

  auto* off = new TMarkSel(nullptr);
  off->setFixedSize(off->size());
  off->SetSelected(30);
  off->SetEnabled(false);
  layout->addWidget(Captioned(off, QStringLiteral("Disabled: drawn in greys")), 0, 1, Qt::AlignTop);
  return group;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  auto* intro = new QLabel(QStringLiteral(
      "TMarkSel lays the 52 chart markers of the base library out in a grid. The marker under the mouse is "
      "highlighted; a click selects the nearest one."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakePlot());
  layout->addWidget(MakeVariants());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(180, QStringLiteral("Marker selector"), QStringLiteral("marker_selector"), MakePage);

}  // namespace
