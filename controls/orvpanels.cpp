// The control units are compiled into this library from their own directories.
#include "orvpanels.h"

namespace orv {

namespace {

// Form files name the controls by class; the library registers them all as it loads.
[[maybe_unused]] const bool ControlClassesRegistered = [] {
  RegisterControlClass<TColSel>();
  RegisterControlClass<TFolderTree>();
  RegisterControlClass<TGradFill>();
  RegisterControlClass<TMarkSel>();
  RegisterControlClass<TMeter>();
  RegisterControlClass<TMiniCal>();
  RegisterControlClass<TNumIO>();
  RegisterControlClass<TNumIO2>();
  RegisterControlClass<TNumLab>();
  RegisterControlClass<TNTabEd>();
  RegisterControlClass<TOnOffBut>();
  RegisterControlClass<TProgBar>();
  RegisterControlClass<TRasterLab>();
  RegisterControlClass<TRepSpeedButton>();
  RegisterControlClass<TReportListView>();
  RegisterControlClass<TRotLab>();
  RegisterControlClass<TSevenSeg>();
  RegisterControlClass<TThumbnails>();
  return true;
}();

}  // namespace

}  // namespace orv
