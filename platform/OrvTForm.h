#pragma once
// TForm: a window that holds controls, shown on its own or modally.
//
// Controls made with the form as owner are placed on it. ShowModal shows the
// form, blocks the rest of the application and runs until ModalResult is set
// to anything but mrNone (a button's handler, a key handler), or the form is
// closed (Close or the window's close button, which give mrCancel); it
// hides the form and returns ModalResult. Caption is the window title;
// BorderStyle bsDialog makes a dialog window, bsToolWindow and bsSizeToolWin
// a tool window, bsNone a window without frame, the others (bsSizeable is
// the default) an ordinary window. The form paints its Color
// (clBtnFace) and has a Canvas, so text can be measured in its font.
//
// Tests answer ShowModal with AnswerNextModal (<OrvModalAnswers.h>).

#include "OrvGridTypes.h"
#include "OrvTControl.h"

class QEventLoop;

namespace orv {

class TForm : public TControl {
  Q_OBJECT

public:
  // When AOwner is a control, the form is a window of its own over it.
  explicit TForm(TOwnerArg AOwner);

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& Value) { setWindowTitle(Value); }
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  int ClientWidth() const { return width(); }
  void SetClientWidth(int Value) { SetWidth(Value); }
  int ClientHeight() const { return height(); }
  void SetClientHeight(int Value) { SetHeight(Value); }

  TModalResult ModalResult() const { return FModalResult; }
  // Set while the form is shown modally, anything but mrNone closes it.
  void SetModalResult(TModalResult Value);
  TModalResult ShowModal();
  // Closes the form; a modal form returns mrCancel unless ModalResult was set.
  void Close();
  void Show() { show(); }
  void Hide() { hide(); }

protected:
  void closeEvent(QCloseEvent* e) override;

private:
  TFormBorderStyle FBorderStyle = bsSizeable;
  TModalResult FModalResult = mrNone;
  QEventLoop* FModalLoop = nullptr;
};

}  // namespace orv
