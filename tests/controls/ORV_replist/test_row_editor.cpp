// The row editing dialog, driven through the modal-answer hook with real key
// and mouse events: editors by column format, defaults of empty cells,
// read-only columns, OnRequestEditFormat, Enter, OK and Cancel, write-back,
// dates, a given form, and the removal of everything the dialog made.
#include "TestSupport.h"

#include <ORV_NumIO.h>
#include <ORV_replist.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;

namespace {

class RowEditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    V = std::make_unique<TReportListView>(nullptr);
    V->SetNrCols(3);
    V->SetNrRows(12);
    V->SetHeader(1, QStringLiteral("Colour"));
    V->SetHeader(2, QStringLiteral("Count"));
    V->SetHeader(3, QStringLiteral("Note"));
    V->SetColumnFormat(1, QStringLiteral("[c:5][150]red|green|blue"));
    V->SetColumnFormat(2, QStringLiteral("[i][60]rix3"));
    V->SetColumnFormat(3, QStringLiteral("[#s][]"));
    V->SetElem(1, 2, QStringLiteral("green"));
    V->SetElem(2, 2, QStringLiteral("5"));
    V->SetElem(3, 2, QStringLiteral("note"));
  }
  void TearDown() override { ClearModalAnswers(); }

  // Runs the dialog of Row; Action sees the form while it is open.
  TModalResult Edit(int Row, std::function<void(TForm*)> Action, TModalResult Answer = mrCancel) {
    AnswerNextModal({.Action = std::move(Action), .Result = Answer});
    return V->EditRowEntries(Row, 100, 80);
  }
  QStringList Row(int R) const {
    return {V->Elem(1, R), V->Elem(2, R), V->Elem(3, R)};
  }
  // Names of what the dialog left behind anywhere under the view.
  QStringList Leftovers() const {
    QStringList names;
    for (QObject* o : V->findChildren<QObject*>())
      if (o->objectName().contains(QStringLiteral("runtime_rlre_")) || qobject_cast<TForm*>(o))
        names << o->objectName() + QLatin1Char('/') + QLatin1String(o->metaObject()->className());
    return names;
  }

  std::unique_ptr<TReportListView> V;
};

template <class T>
T* Find(TForm* F, const char* Name) {
  auto* c = F->findChild<T*>(QLatin1String(Name));
  EXPECT_TRUE(c) << Name;
  return c;
}

TSpeedButton* Button(TForm* F, const QString& Caption) {
  for (TSpeedButton* b : F->findChildren<TSpeedButton*>())
    if (b->Caption() == Caption) return b;
  ADD_FAILURE() << "no button " << Caption.toStdString();
  return nullptr;
}

}  // namespace

TEST_F(RowEditorTest, BuildsOneEditorPerColumnFromItsFormat) {
  int lw = 0;
  const TModalResult result = Edit(12, [&](TForm* F) {
    EXPECT_EQ(F->Caption(), QStringLiteral("Editing Row 12"));
    for (const char* name : {"Colour", "Count", "Note"}) lw = std::max(lw, F->Canvas()->TextWidth(QLatin1String(name)));
    lw += 8;
    auto* label = Find<TLabel>(F, "runtime_rlre_Label2");
    EXPECT_EQ(label->Caption(), QStringLiteral("Count:"));
    EXPECT_EQ(label->Alignment(), taRightJustify);
    EXPECT_EQ(QRect(label->geometry()).topLeft(), QPoint(8, 45 + 25 + 3));
    EXPECT_EQ(label->Width(), lw);
    EXPECT_EQ(label->Tag(), 2);

    auto* box = Find<TComboBox>(F, "runtime_rlre_CBox1");
    EXPECT_EQ(box->Style(), csDropDown);
    EXPECT_EQ(box->Items()->StringList(), QStringList({"red", "green", "blue"}));
    EXPECT_EQ(box->DropDownCount(), 5);
    EXPECT_EQ(QRect(box->geometry()), QRect(lw + 12, 45, 150, box->Height()));
    EXPECT_TRUE(box->Enabled());

    auto* num = Find<TNumIO>(F, "runtime_rlre_NumIO2");
    EXPECT_EQ(num->InputFormat(), itInt);
    EXPECT_EQ(num->Text(), QStringLiteral("012"));  // an empty cell of row 12 with rix3
    EXPECT_EQ(num->Width(), 60);

    auto* note = Find<TEdit>(F, "runtime_rlre_Edit3");
    EXPECT_FALSE(note->Enabled());
    EXPECT_EQ(note->Color(), TColor(0xE0E0E0));
    EXPECT_EQ(note->Font()->Color(), clGray);
    EXPECT_EQ(note->Width(), 200);

    EXPECT_EQ(F->Width(), 200 + lw + 28);
    EXPECT_EQ(F->Height(), 3 * 25 + 45 + 38);
    EXPECT_EQ(F->BorderStyle(), bsDialog);
    TSpeedButton* ok = Button(F, QStringLiteral("OK"));
    TSpeedButton* cancel = Button(F, QStringLiteral("Cancel"));
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(QRect(ok->geometry()), QRect(200 + lw - 154, 4, 81, 29));
    EXPECT_EQ(QRect(cancel->geometry()), QRect(200 + lw - 69, 4, 81, 29));
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(Row(12), QStringList({"", "", ""}));
  EXPECT_EQ(Leftovers(), QStringList());
}

TEST_F(RowEditorTest, EnterInAnEditorClosesAsOkAndWritesEveryEditorBack) {
  int changes = 0;
  V->OnChange = [&](TObject*) { ++changes; };
  const TModalResult result = Edit(2, [](TForm* F) {
    auto* count = Find<TNumIO>(F, "runtime_rlre_NumIO2")->findChild<QLineEdit*>();
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("4x2"));  // the letter is refused
    auto* colour = Find<TComboBox>(F, "runtime_rlre_CBox1")->ComboBox()->lineEdit();
    colour->selectAll();
    QTest::keyClicks(colour, QStringLiteral("purple"));
    QTest::keyClick(colour, Qt::Key_Return);
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Row(2), QStringList({"purple", "42", "note"}));  // the read-only one written too
  EXPECT_GE(changes, 1);
  EXPECT_EQ(Leftovers(), QStringList());
}

TEST_F(RowEditorTest, ButtonsCloseWithTheirResult) {
  // Cancel keeps the row, whatever was typed.
  EXPECT_EQ(Edit(2, [](TForm* F) {
              QTest::keyClicks(Find<TNumIO>(F, "runtime_rlre_NumIO2")->findChild<QLineEdit*>(), QStringLiteral("7"));
              QTest::mouseClick(Button(F, QStringLiteral("Cancel")), Qt::LeftButton, {}, QPoint(40, 14));
            },
                 mrOk),
            mrCancel);
  EXPECT_EQ(Row(2), QStringList({"green", "5", "note"}));
  // OK (under its own caption) writes back.
  AnswerNextModal({.Action = [](TForm* F) {
                     EXPECT_EQ(F->Caption(), QStringLiteral("Row 2"));
                     QLineEdit* count = Find<TNumIO>(F, "runtime_rlre_NumIO2")->findChild<QLineEdit*>();
                     count->end(false);
                     QTest::keyClicks(count, QStringLiteral("7"));
                     QTest::mouseClick(Button(F, QStringLiteral("Store")), Qt::LeftButton, {}, QPoint(40, 14));
                   },
                   .Result = mrCancel});
  EXPECT_EQ(V->EditRowEntries(2, 0, 0, QStringLiteral("Row 2"), QStringLiteral("Store"), QStringLiteral("Drop")),
            mrOk);
  EXPECT_EQ(Row(2), QStringList({"green", "57", "note"}));
}

TEST_F(RowEditorTest, FormatsPerRowDefaultsAndLabelOnlyColumns) {
  V->SetNrCols(8);
  const struct {
    const char* Format;
    const char* Expected;  // the editor's text for an empty cell of row 10
  } cases[] = {
      {"[h][]rix4", "000A"}, {"[f][]rix2", "10.00"}, {"[e][90]1.5E3", "1.5E3"}, {"[s][]$pwd$8", nullptr},
      {"", "new"},           {"plain text", "plain text"},
  };
  for (int c = 1; c <= 6; ++c) V->SetColumnFormat(c, QString::fromUtf8(cases[c - 1].Format));
  V->SetColumnFormat(7, QStringLiteral("[z][]"));
  V->OnRequestEditFormat = [this](TObject* Sender, int Col, int Row, QString& Format) {
    EXPECT_EQ(Sender, V.get());
    EXPECT_EQ(Row, 10);
    if (Col == 5) Format = QStringLiteral("[s][]new");
    if (Col == 8) Format = QStringLiteral("[l:3][80]a|b|c");
  };
  V->SetElem(8, 10, QStringLiteral("b"));
  Edit(10, [&](TForm* F) {
    for (int c = 1; c <= 6; ++c) {
      auto* edit = F->findChild<TCustomEdit*>(QStringLiteral("runtime_rlre_%1%2").arg(c <= 3 ? "NumIO" : "Edit").arg(c));
      ASSERT_TRUE(edit) << c;
      if (cases[c - 1].Expected)
        EXPECT_EQ(edit->Text(), QString::fromUtf8(cases[c - 1].Expected)) << cases[c - 1].Format;
      else
        EXPECT_EQ(edit->Text().size(), 8);  // a new password
    }
    EXPECT_EQ(Find<TNumIO>(F, "runtime_rlre_NumIO1")->InputFormat(), itHex);
    EXPECT_EQ(Find<TNumIO>(F, "runtime_rlre_NumIO2")->InputFormat(), itFloat);
    EXPECT_EQ(Find<TNumIO>(F, "runtime_rlre_NumIO3")->InputFormat(), itDynamic);
    EXPECT_EQ(Find<TNumIO>(F, "runtime_rlre_NumIO3")->Width(), 90);
    // Column 7 gets its label only.
    EXPECT_TRUE(F->findChild<TLabel*>(QStringLiteral("runtime_rlre_Label7")));
    int seven = 0;
    for (QObject* o : F->children()) seven += o->objectName().endsWith(QLatin1Char('7'));
    EXPECT_EQ(seven, 1);
    auto* list = Find<TComboBox>(F, "runtime_rlre_CBox8");
    EXPECT_EQ(list->Style(), csDropDownList);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->DropDownCount(), 3);
  });
  // A list value that is no item selects none.
  V->SetElem(8, 10, QStringLiteral("x"));
  Edit(10, [](TForm* F) { EXPECT_EQ(Find<TComboBox>(F, "runtime_rlre_CBox8")->ItemIndex(), -1); });
}

TEST_F(RowEditorTest, DatesReadAndWriteInTheColumnFormat) {
  V->SetColumnFormat(1, QStringLiteral("[ddd.MM.yyyy][]"));
  V->SetColumnFormat(2, QStringLiteral("[dyyyy-MM-dd][]2020-02-29"));
  V->SetColumnFormat(3, QStringLiteral("[dhh:mm t][]"));
  V->SetElem(1, 4, QStringLiteral("24.12.2023"));
  V->SetElem(3, 4, QStringLiteral("01:15 p"));
  EXPECT_EQ(Edit(4,
                 [](TForm* F) {
                   auto* day = Find<TDateTimePicker>(F, "runtime_rlre_DtPick1");
                   EXPECT_EQ(day->DateTime(), EncodeDate(2023, 12, 24));
                   EXPECT_EQ(day->Format(), QStringLiteral("dd.MM.yyyy"));
                   EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick2")->DateTime(), EncodeDate(2020, 2, 29));
                   auto* time = Find<TDateTimePicker>(F, "runtime_rlre_DtPick3");
                   EXPECT_NEAR(time->DateTime(), EncodeTime(13, 15, 0, 0), 1e-9);
                   time->SetDateTime(EncodeTime(0, 30, 0, 0));
                 },
                 mrOk),
            mrOk);
  EXPECT_EQ(Row(4), QStringList({"24.12.2023", "2020-02-29", "12:30 A"}));

  // A date that cannot be encoded raises, and the dialog leaves nothing behind.
  V->SetElem(1, 5, QStringLiteral("00.12.2023"));
  AnswerNextModal({});
  EXPECT_THROW(V->EditRowEntries(5, 0, 0), EConvertError);
  EXPECT_EQ(Leftovers(), QStringList());
  TForm host(nullptr);
  EXPECT_THROW(V->EditRowEntries(5, &host, 0, 0), EConvertError);
  EXPECT_EQ(host.ComponentCount(), 0);
  ClearModalAnswers();
}

TEST_F(RowEditorTest, GivenFormGetsTheEditorsAndLosesThemAgain) {
  TForm host(nullptr);
  host.SetCaption(QStringLiteral("Host"));
  host.SetBounds(0, 0, 120, 60);
  auto* own = new TEdit(&host);
  own->SetName(QStringLiteral("own"));
  AnswerNextModal({.Action = [](TForm* F) {
                     EXPECT_EQ(F->Caption(), QString());
                     auto* label = Find<TLabel>(F, "runtime_rlre_Label1");
                     EXPECT_EQ(QRect(label->geometry()).topLeft(), QPoint(20 + 8, 10 + 3));
                     auto* num = Find<TNumIO>(F, "runtime_rlre_NumIO2");
                     EXPECT_EQ(num->Top(), 10 + 25);
                     EXPECT_TRUE(F->findChildren<TSpeedButton*>().isEmpty());
                     // Big enough for every editor.
                     EXPECT_GE(F->Width(), Find<TEdit>(F, "runtime_rlre_Edit3")->geometry().right() + 1);
                     EXPECT_GE(F->Height(), 10 + 3 * 25 + 38);
                     QTest::keyClick(num->findChild<QLineEdit*>(), Qt::Key_Return);
                   },
                   .Result = mrCancel});
  EXPECT_EQ(V->EditRowEntries(2, &host, 20, 10), mrOk);
  EXPECT_EQ(host.ComponentCount(), 1);
  EXPECT_EQ(host.Components(0), own);
  EXPECT_GT(host.Width(), 120);
  EXPECT_EQ(Row(2), QStringList({"green", "5", "note"}));
}

TEST_F(RowEditorTest, EditorsThatCannotShowTheirCellKeepItUnlessChanged) {
  V->SetNrCols(6);
  V->SetColumnFormat(1, QStringLiteral("[l][]red|green"));
  V->SetColumnFormat(2, QStringLiteral("[ddd.MM.yyyy][]"));
  V->SetColumnFormat(3, QStringLiteral("[ddd.MM.yyyy][]"));
  V->SetColumnFormat(4, QStringLiteral("[dHH:mm][]"));
  V->SetColumnFormat(5, QStringLiteral("[l][]"));
  V->SetColumnFormat(6, QStringLiteral("[i][]"));
  struct Case {
    const char* Cells[6];
    bool Touch;  // pick a list item and a date, type a number
    const char* Expected[6];
  };
  const Case cases[] = {
      // Nothing changed: a value that is no item, an unreadable date, an empty one and no number stay.
      {{"purple", "soon", "", "", "", "n/a"}, false, {"purple", "soon", "", "", "", "n/a"}},
      // Values that show are written back in the editor's terms.
      {{"green", "3.1.2024", "", "07:05", "", "12"}, false, {"green", "03.01.2024", "", "07:05", "", "12"}},
      // What the user changes is written.
      {{"purple", "soon", "", "", "", "n/a"}, true, {"red", "02.03.2021", "", "", "", "7"}},
  };
  for (const Case& c : cases) {
    for (int col = 1; col <= 6; ++col) V->SetElem(col, 3, QString::fromUtf8(c.Cells[col - 1]));
    Edit(
        3,
        [&](TForm* F) {
          // An empty parameter is one empty item.
          EXPECT_EQ(Find<TComboBox>(F, "runtime_rlre_CBox5")->Items()->StringList(), QStringList{QString()});
          if (!c.Touch) return;
          Find<TComboBox>(F, "runtime_rlre_CBox1")->SetItemIndex(0);
          Find<TDateTimePicker>(F, "runtime_rlre_DtPick2")->SetDateTime(EncodeDate(2021, 3, 2));
          QTest::keyClicks(Find<TNumIO>(F, "runtime_rlre_NumIO6")->findChild<QLineEdit*>(), QStringLiteral("7"));
        },
        mrOk);
    for (int col = 1; col <= 6; ++col)
      EXPECT_EQ(V->Elem(col, 3), QString::fromUtf8(c.Expected[col - 1])) << c.Cells[0] << " column " << col;
  }
}

TEST_F(RowEditorTest, EnterClosesAsOkFromEveryKindOfEditor) {
  V->SetNrCols(5);
  V->SetColumnFormat(4, QStringLiteral("[l][]a|b"));
  V->SetColumnFormat(5, QStringLiteral("[ddd.MM.yyyy][]"));
  V->SetColumnFormat(3, QStringLiteral("[s][]"));
  for (const char* name : {"runtime_rlre_CBox1", "runtime_rlre_NumIO2", "runtime_rlre_Edit3", "runtime_rlre_CBox4",
                           "runtime_rlre_DtPick5"}) {
    const TModalResult result = Edit(2, [&](TForm* F) {
      auto* editor = Find<TControl>(F, name);
      ASSERT_TRUE(editor);
      QWidget* target = editor->findChild<QLineEdit*>();
      if (auto* box = dynamic_cast<TComboBox*>(editor); box && !box->ComboBox()->lineEdit()) target = box->ComboBox();
      if (auto* picker = dynamic_cast<TDateTimePicker*>(editor)) target = picker->DateTimeEdit();
      ASSERT_TRUE(target);
      QTest::keyClick(target, Qt::Key_Return);
    });
    EXPECT_EQ(result, mrOk) << name;
  }
}

TEST_F(RowEditorTest, RowsOutsideTheTableOpenEmptyAndWriteNothing) {
  for (int row : {0, 13, -1}) {
    EXPECT_EQ(Edit(row, [](TForm* F) { EXPECT_EQ(Find<TComboBox>(F, "runtime_rlre_CBox1")->Text(), QString()); }, mrOk),
              mrOk);
    EXPECT_EQ(V->NrOfRows(), 12);
    EXPECT_EQ(Leftovers(), QStringList());
  }
  EXPECT_EQ(Row(2), QStringList({"green", "5", "note"}));
}
