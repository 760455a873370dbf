#pragma once
// Test hook for modal loops: answers that a test (ours or an application's)
// queues for the next form, dialog or popup menu, so that code which shows
// one runs without a person.
//
// Each TForm::ShowModal, TColorDialog::Execute, TOpenDialog::Execute and
// TPopupMenu::Popup takes the first queued answer, whichever kind of loop it
// was queued for, and does not wait for the user:
// - ShowModal shows the form, runs Action with it (the action may type into
//   the form's controls, click them, set ModalResult), then, when the form
//   is still open, closes it with Result; ShowModal returns the form's
//   ModalResult.
// - Execute of a dialog returns true with Result mrOk and then takes Color
//   (colour dialog) or FileName (open dialog); any other Result cancels.
// - Popup clicks the item named MenuItem (a component name, or else a
//   caption without its "&"), if the user could pick it (the item and its
//   parents enabled and visible); an empty MenuItem closes the menu with no
//   pick.
// With no answer queued, they wait for the user as usual.
//
//   orv::AnswerNextModal({.Action = [](orv::TForm* F) { ... }, .Result = orv::mrCancel});
//   orv::AnswerNextModal({.Color = orv::clRed});
//   orv::AnswerNextModal({.MenuItem = QStringLiteral("Copy")});

#include "OrvTypes.h"

namespace orv {

class TForm;

// Every member has a default, so an answer names only what it needs.
struct TModalAnswer {
  std::function<void(TForm* Form)> Action = {};
  TModalResult Result = mrOk;
  TColor Color = clBlack;
  QString FileName = {};
  QString MenuItem = {};
};

// Queues an answer for the next modal loop.
void AnswerNextModal(TModalAnswer Answer);
// Answers queued and not taken yet.
int PendingModalAnswers();
// Drops the answers not taken.
void ClearModalAnswers();
// Takes the first queued answer into Answer; false when none is queued.
bool TakeModalAnswer(TModalAnswer& Answer);

}  // namespace orv
