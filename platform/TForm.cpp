#include "OrvTForm.h"

#include "OrvModalAnswers.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace orv {

TForm::TForm(TOwnerArg AOwner) : TControl(AOwner) {
  SetSelfDrawn(true);
  SetBorderStyle(bsSizeable);
}

void TForm::SetBorderStyle(TFormBorderStyle Value) {
  FBorderStyle = Value;
  Qt::WindowFlags flags = Qt::Window;
  switch (Value) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool; break;
    case bsSingle:
    case bsSizeable: break;
  }
  const bool wasVisible = isVisible();
  setWindowFlags(flags);
  if (wasVisible) show();
}

void TForm::SetModalResult(TModalResult Value) {
  FModalResult = Value;
  if (FModalLoop && Value != mrNone) FModalLoop->quit();
}

TModalResult TForm::ShowModal() {
  FModalResult = mrNone;
  TModalAnswer answer;
  if (TakeModalAnswer(answer)) {
    show();
    if (answer.Action) answer.Action(this);
    if (FModalResult == mrNone) FModalResult = answer.Result;
    hide();
    return FModalResult;
  }
  setWindowModality(Qt::ApplicationModal);
  show();
  activateWindow();
  QEventLoop loop;
  FModalLoop = &loop;
  if (FModalResult == mrNone) loop.exec(QEventLoop::DialogExec);
  FModalLoop = nullptr;
  hide();
  setWindowModality(Qt::NonModal);
  return FModalResult;
}

void TForm::Close() { close(); }

void TForm::closeEvent(QCloseEvent* e) {
  if (FModalLoop && FModalResult == mrNone) SetModalResult(mrCancel);
  TControl::closeEvent(e);
}

}  // namespace orv
