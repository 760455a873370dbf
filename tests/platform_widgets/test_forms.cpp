// TForm and the dialogs: modal loops, answered by tests through AnswerNextModal or run for real.
#include "WidgetTestSupport.h"

#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

class ModalTest : public ::testing::Test {
protected:
  void TearDown() override {
    EXPECT_EQ(PendingModalAnswers(), 0);
    ClearModalAnswers();
  }
};

// A form as the row editor builds one: a label and an edit box whose Enter closes it with OK.
struct EditForm {
  TForm* Form = new TForm(nullptr);
  TLabel* Label = new TLabel(Form);
  TEdit* Edit = new TEdit(Form);
  EditForm() {
    Form->SetBorderStyle(bsDialog);
    Form->SetCaption(QStringLiteral("Editing Row 1"));
    Label->SetCaption(QStringLiteral("Name:"));
    Edit->SetName(QStringLiteral("runtime_rlre_Edit1"));
    Edit->SetBounds(60, 0, 120, 24);
    Edit->OnKeyPress = [this](TObject*, QChar& Key) {
      if (Key == QChar(VK_RETURN)) Form->SetModalResult(mrOk);
    };
  }
  ~EditForm() { delete Form; }
};

}  // namespace

TEST_F(ModalTest, AnAnswerDrivesShowModalThroughTheFormsControls) {
  EditForm f;
  EXPECT_EQ(f.Label->parentWidget(), f.Form);
  EXPECT_EQ(f.Edit->parentWidget(), f.Form);
  bool shown = false;
  AnswerNextModal({.Action = [&](TForm* Form) {
    shown = Form->isVisible();
    auto* edit = Form->findChild<TEdit*>(QStringLiteral("runtime_rlre_Edit1"));
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit->LineEdit(), "abc");
    QTest::keyClick(edit->LineEdit(), Qt::Key_Return);
  },
                   .Result = mrCancel});  // not used: Enter closed the form already
  EXPECT_EQ(f.Form->ShowModal(), mrOk);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(f.Form->isVisible());
  EXPECT_EQ(f.Edit->Text(), "abc");
  EXPECT_EQ(f.Form->ModalResult(), mrOk);

  // An action that leaves the form open: the answer's result closes it.
  const auto typeD = [](TForm* Form) { QTest::keyClicks(Form->findChild<TEdit*>()->LineEdit(), "d"); };
  AnswerNextModal({.Action = typeD, .Result = mrCancel});
  EXPECT_EQ(f.Form->ShowModal(), mrCancel);
  EXPECT_EQ(f.Edit->Text(), "abcd");
}

TEST_F(ModalTest, WithoutAnAnswerTheLoopRunsUntilModalResultOrClose) {
  EditForm f;
  QTimer::singleShot(0, [&] { QTest::keyClick(f.Edit->LineEdit(), Qt::Key_Return); });
  EXPECT_EQ(f.Form->ShowModal(), mrOk);
  EXPECT_FALSE(f.Form->isVisible());
  QTimer::singleShot(0, [&] { f.Form->Close(); });
  EXPECT_EQ(f.Form->ShowModal(), mrCancel);
  QTimer::singleShot(0, [&] { f.Form->SetModalResult(mrAbort); });
  EXPECT_EQ(f.Form->ShowModal(), mrAbort);
}

TEST_F(ModalTest, DialogsTakeTheirAnswers) {
  TColorDialog colour(nullptr);
  colour.SetColor(clRed);
  AnswerNextModal({.Color = clNavy});
  AnswerNextModal({.Result = mrCancel, .Color = clLime});
  EXPECT_TRUE(colour.Execute());
  EXPECT_EQ(colour.Color(), clNavy);
  EXPECT_FALSE(colour.Execute());
  EXPECT_EQ(colour.Color(), clNavy);

  TOpenDialog open(nullptr);
  open.SetFileName(QStringLiteral("/tmp/old.bmp"));
  AnswerNextModal({.Result = mrCancel});
  AnswerNextModal({.FileName = QStringLiteral("/data/new.bmp")});
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), "/tmp/old.bmp");
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), "/data/new.bmp");
}

TEST(OpenDialog, FilterBecomesQtNameFilters) {
  const std::pair<QString, QStringList> cases[] = {
      {"Windows Bitmap Files|*.bmp|All Files|*.*", {"Windows Bitmap Files (*.bmp)", "All Files (*)"}},
      {"Pictures|*.png;*.jpg", {"Pictures (*.png *.jpg)"}},
      {"Text|*.txt|Dangling", {"Text (*.txt)"}},
      {"", {}},
  };
  for (const auto& [filter, expected] : cases) EXPECT_EQ(TOpenDialog::QtNameFilters(filter), expected) << filter.toStdString();
}
