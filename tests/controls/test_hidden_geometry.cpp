// A size set from code on a control that was never shown reaches Resize() at
// once, and showing the control later does not deliver it a second time.
#include "ControlFactories.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

struct TSizeCase {
  const char* Name;
  std::function<TControl*()> Make;
  std::function<void(TControl*)> Resize;
  // What follows the new size; holds before and after the first show.
  std::function<void(TControl*)> Check;
};

template <class T>
T* As(TControl* C) {
  return static_cast<T*>(C);
}

const TSizeCase SizeCases[] = {
    {"TNumIO2 height", [] { return new TNumIO2(nullptr); }, [](TControl* c) { c->SetHeight(10); },
     [](TControl* c) {
       auto* n = As<TNumIO2>(c);
       EXPECT_EQ(n->Height(), 18);
       EXPECT_EQ(n->ButHeight(), 18);
       EXPECT_EQ(n->ButtonRect().Bottom, 17);
     }},
    {"TSevenSeg glyph strip", [] { return new TSevenSeg(nullptr); },
     [](TControl* c) { c->SetBounds(0, 0, 400, 100); },
     [](TControl* c) {
       auto* s = As<TSevenSeg>(c);
       EXPECT_EQ(s->GlyphWidth(), (400 - 16) / 4 - 2);
       EXPECT_EQ(s->ImgCache->Width(), int(SevenSegCharList.size()) * s->GlyphWidth());
       EXPECT_EQ(s->ImgCache->Height(), s->GlyphHeight());
     }},
    {"TRotLab centring", [] { return new TRotLab(nullptr); }, [](TControl* c) { c->SetBounds(0, 0, 300, 120); },
     [](TControl* c) {
       EXPECT_EQ(As<TRotLab>(c)->PosX(), 150);
       EXPECT_EQ(As<TRotLab>(c)->PosY(), 60);
     }},
    {"TRasterLab centring",
     [] {
       auto* r = new TRasterLab(nullptr);
       r->SetAutoCenter(true);
       return r;
     },
     [](TControl* c) { c->SetWidth(200); },
     [](TControl* c) {
       auto* r = As<TRasterLab>(c);
       EXPECT_EQ(r->PosX(), (200 - r->CalcTextBitLength(r->Text())) / 2 + r->FrameWidth() + 1);
     }},
    {"TProgBar inner area", [] { return new TProgBar(nullptr); }, [](TControl* c) { c->SetWidth(204); },
     [](TControl* c) {
       auto* p = As<TProgBar>(c);
       EXPECT_EQ(p->InnerRect(), TRect(4, 4, 200, 24));
       EXPECT_EQ(p->BarRect(), TRect(4, 4, 4 + 20, 24));  // Value 10 of 0..100
     }},
    {"TMiniCal cells", [] { return new TMiniCal(nullptr); }, [](TControl* c) { c->SetBounds(0, 0, 250, 200); },
     [](TControl* c) {
       auto* m = As<TMiniCal>(c);
       EXPECT_EQ(m->DefaultColWidth(), 30);  // (248 - 7) / 8
       EXPECT_EQ(m->CellRect(7, 7).Right + 1, m->CellArea().Right);
       EXPECT_EQ(m->CellRect(7, 7).Bottom + 1, m->CellArea().Bottom);
     }},
    {"TOnOffBut centring", [] { return new TOnOffBut(nullptr); }, [](TControl* c) { c->SetBounds(0, 0, 80, 40); },
     [](TControl* c) {
       EXPECT_EQ(As<TOnOffBut>(c)->LeftSpace(), 25);
       EXPECT_EQ(As<TOnOffBut>(c)->TopSpace(), 11);
     }},
};

}  // namespace

TEST(HiddenGeometryTest, SizeSetBeforeShowingTakesEffectOnce) {
  for (const TSizeCase& c : SizeCases) {
    QWidget form;
    form.resize(500, 300);
    TControl* control = c.Make();
    control->setParent(&form);
    int resizes = 0;
    control->OnResize = [&](TObject*) { ++resizes; };
    c.Resize(control);
    EXPECT_EQ(resizes, 1) << c.Name;
    c.Check(control);
    ShowAndWait(&form);
    EXPECT_EQ(resizes, 1) << c.Name << ": showing delivered the size again";
    c.Check(control);
    // A move only is no resize.
    control->SetLeft(5);
    EXPECT_EQ(resizes, 1) << c.Name;
  }
}
