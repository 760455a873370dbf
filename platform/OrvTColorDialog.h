#pragma once
// TColorDialog: the system's colour dialog.
//
// Execute opens the dialog preset with Color (a system colour is shown as
// its RGB value) and waits; when the user confirms, Color becomes the chosen
// colour (an RGB value) and Execute returns true; a cancelled dialog leaves
// Color alone and returns false.
//
// Tests answer Execute with AnswerNextModal (<OrvModalAnswers.h>).

#include "OrvTObject.h"

namespace orv {

class TColorDialog : public TComponent {
public:
  explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  bool Execute();

private:
  TColor FColor = clBlack;
};

}  // namespace orv
