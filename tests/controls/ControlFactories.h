#pragma once
// One factory per class the control units publish, for the tests that walk
// every control: a new unit adds its classes here.

#include <orvpanels.h>

#include <functional>
#include <vector>

namespace orv::test {

struct TUnitClass {
  const char* ClassName;
  std::function<QObject*()> Make;
};

inline const std::vector<TUnitClass>& UnitClasses() {
  static const std::vector<TUnitClass> list = {
      {"orv::TNumIO", [] { return new TNumIO(nullptr); }},
      {"orv::TNumIO2", [] { return new TNumIO2(nullptr); }},
      {"orv::TRLData", [] { return new TRLData(nullptr); }},
      {"orv::TReportListView", [] { return new TReportListView(nullptr); }},
      {"orv::TNumLab", [] { return new TNumLab(nullptr); }},
      {"orv::TNTabEd", [] { return new TNTabEd(nullptr); }},
      {"orv::TSevenSeg", [] { return new TSevenSeg(nullptr); }},
      {"orv::TRotLab", [] { return new TRotLab(nullptr); }},
      {"orv::TRasterLab", [] { return new TRasterLab(nullptr); }},
      {"orv::TProgBar", [] { return new TProgBar(nullptr); }},
      {"orv::TGradFill", [] { return new TGradFill(nullptr); }},
      {"orv::TMiniCal", [] { return new TMiniCal(nullptr); }},
      {"orv::TOnOffBut", [] { return new TOnOffBut(nullptr); }},
      {"orv::TMarkSel", [] { return new TMarkSel(nullptr); }},
      {"orv::TColSel", [] { return new TColSel(nullptr); }},
      {"orv::TRepSpeedButton", [] { return new TRepSpeedButton(nullptr); }},
      {"orv::TThumbnails", [] { return new TThumbnails(nullptr); }},
      {"orv::TFolderTree", [] { return new TFolderTree(nullptr); }},
      {"orv::TMeter", [] { return new TMeter(nullptr); }},
  };
  return list;
}

}  // namespace orv::test
