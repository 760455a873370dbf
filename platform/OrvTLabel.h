#pragma once
// TLabel: the framework's text label, a TCustomLabel with its defaults
// (caption, auto size, alignment, layout, transparency) for forms and
// dialogs.

#include "OrvTCustomLabel.h"

namespace orv {

class TLabel : public TCustomLabel {
  Q_OBJECT
public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace orv
