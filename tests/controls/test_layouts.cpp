// Every control in a Qt layout: it reports its natural size, gets it, does
// not collapse below what it can draw in, and grows only the ways its size
// policy allows, each new size reaching Resize().
#include "ControlFactories.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using namespace orv::test;

void PrintTo(const QSize& S, std::ostream* Out) { *Out << S.width() << " x " << S.height(); }

namespace {

struct TLayoutCase {
  const char* Name;
  std::function<TControl*()> Make;
  QSize Natural;  // invalid: the size the control was made with
  bool GrowsVertically;
};

const std::vector<TLayoutCase>& LayoutCases() {
  static const std::vector<TLayoutCase> cases = {
      {"TNumIO", [] { return new TNumIO(nullptr); }, QSize(), false},
      {"TNumIO2", [] { return new TNumIO2(nullptr); }, QSize(160, 28), false},
      {"TNumIO2 AutoSize",
       [] {
         auto* n = new TNumIO2(nullptr);
         n->SetAutoSize(true);
         return n;
       },
       QSize(160, QFontMetrics(QFont()).height() + 6), false},
      {"TReportListView", [] { return new TReportListView(nullptr); }, QSize(320, 120), true},
      {"TNTabEd", [] { return new TNTabEd(nullptr); }, QSize(), true},
      {"TNumLab", [] { return new TNumLab(nullptr); }, QSize(160, 28), false},
      {"TSevenSeg", [] { return new TSevenSeg(nullptr); }, QSize(216, 76), true},
      {"TRotLab", [] { return new TRotLab(nullptr); }, QSize(200, 200), true},
      {"TRasterLab", [] { return new TRasterLab(nullptr); }, QSize(400, 68), false},
      {"TRasterLab AutoHeight",
       [] {
         auto* r = new TRasterLab(nullptr);
         r->SetAutoHeight(true);
         return r;
       },
       QSize(400, 1 + 4 * 12), false},
      {"TProgBar", [] { return new TProgBar(nullptr); }, QSize(300, 28), false},
      {"TGradFill", [] { return new TGradFill(nullptr); }, QSize(121, 121), true},
      {"TMiniCal", [] { return new TMiniCal(nullptr); }, QSize(300, 180), true},
      {"TOnOffBut", [] { return new TOnOffBut(nullptr); }, QSize(100, 50), true},
      {"TMarkSel", [] { return new TMarkSel(nullptr); }, QSize(236, 178), true},
      {"TMeter", [] { return new TMeter(nullptr); }, QSize(297, 209), true},
      {"TColSel", [] { return new TColSel(nullptr); }, QSize(), false},
      {"TThumbnails", [] { return new TThumbnails(nullptr); }, QSize(260, 400), true},
      {"TCustomLabel AutoSize",
       [] {
         auto* l = new TCustomLabel(nullptr);
         l->SetCaption(QStringLiteral("Pressure"));
         return l;
       },
       QSize(), true},
  };
  return cases;
}

// A window holding the controls in a column.
struct TColumn {
  QWidget Form;
  QVBoxLayout* Layout = new QVBoxLayout(&Form);
  std::vector<TControl*> Controls;
  explicit TColumn(const std::vector<TLayoutCase>& Cases) {
    Layout->setSpacing(0);
    for (const TLayoutCase& c : Cases) {
      Controls.push_back(c.Make());
      Layout->addWidget(Controls.back());
    }
  }
};

}  // namespace

TEST(LayoutTest, EveryControlGetsItsNaturalSizeInAColumn) {
  std::vector<QSize> made;
  TColumn column(LayoutCases());
  for (TControl* c : column.Controls) made.push_back(c->size());
  ShowAndWait(&column.Form);
  column.Form.resize(column.Form.sizeHint());
  QCoreApplication::processEvents();
  for (std::size_t i = 0; i < LayoutCases().size(); ++i) {
    const TLayoutCase& c = LayoutCases()[i];
    const TControl* w = column.Controls[i];
    const QSize natural = c.Natural.isValid() ? c.Natural : made[i];
    EXPECT_EQ(w->sizeHint(), natural) << c.Name;
    EXPECT_EQ(w->Height(), natural.height()) << c.Name;
    EXPECT_GE(w->Width(), natural.width()) << c.Name;  // the column is as wide as its widest control
  }
}

TEST(LayoutTest, NoControlCollapsesInASmallWindow) {
  TColumn column(LayoutCases());
  ShowAndWait(&column.Form);
  column.Form.resize(1, 1);
  QCoreApplication::processEvents();
  for (std::size_t i = 0; i < LayoutCases().size(); ++i) {
    const TControl* w = column.Controls[i];
    const QSize least = w->minimumSizeHint();
    EXPECT_GT(least.width(), 0) << LayoutCases()[i].Name;
    EXPECT_GT(least.height(), 0) << LayoutCases()[i].Name;
    EXPECT_GE(w->Width(), least.width()) << LayoutCases()[i].Name;
    EXPECT_GE(w->Height(), least.height()) << LayoutCases()[i].Name;
  }
}

TEST(LayoutTest, ControlsGrowAsTheirPolicySaysAndResizeFollows) {
  for (const TLayoutCase& c : LayoutCases()) {
    TColumn column({c});
    TControl* w = column.Controls.front();
    ShowAndWait(&column.Form);
    const QSize before = w->size();
    int resizes = 0;
    w->OnResize = [&](TObject*) { ++resizes; };
    column.Form.resize(column.Form.size() + QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Width(), before.width() + 100) << c.Name;
    EXPECT_EQ(w->Height(), before.height() + (c.GrowsVertically ? 100 : 0)) << c.Name;
    EXPECT_EQ(resizes, 1) << c.Name;
  }
}

// A bar that grows up or down is tall and may grow only in height.
TEST(LayoutTest, UprightProgressBarTurnsItsNaturalSize) {
  auto* bar = new TProgBar(nullptr);
  bar->SetDirection(dirUp);
  EXPECT_EQ(bar->sizeHint(), QSize(28, 300));
  QWidget form;
  auto* row = new QHBoxLayout(&form);
  row->addWidget(bar);
  ShowAndWait(&form);
  form.resize(form.size() + QSize(100, 100));
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->Width(), 28);
  EXPECT_EQ(bar->Height(), form.height() - row->contentsMargins().top() - row->contentsMargins().bottom());
}
