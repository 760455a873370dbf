#pragma once
// A table editor of known geometry for the editor tests, with counters for
// its gated events and helpers that aim mouse input at cells.

#include "TestSupport.h"

#include <ORV_ntabed.h>

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace orv::test {

// A new editor (3 x 4, defaults) of 400 x 240 shown offscreen, with every
// gated event counted by name.
class NTabEdTest : public ::testing::Test {
protected:
  void SetUp() override {
    E = std::make_unique<TNTabEd>(nullptr);
    E->resize(400, 240);
    Count(E->OnChange, "Change");
    Count(E->OnChangeSetup, "ChangeSetup");
    Count(E->OnHeadingChanged, "HeadingChanged");
    Count(E->OnAttributeChanged, "AttributeChanged");
    Count(E->OnLayoutChanged, "LayoutChanged");
    Count(E->OnCellStateChanged, "CellStateChanged");
    Count(E->OnEmptyStChanged, "EmptyStChanged");
    Count(E->OnSelectionChanged, "SelectionChanged");
  }
  void TearDown() override { ClearModalAnswers(); }

  void Count(TNotifyEvent& Event, const char* Name) {
    Event = [this, Name](TObject* Sender) {
      EXPECT_EQ(Sender, E.get());
      ++Fired[Name];
    };
  }
  int Events(const char* Name) { return Fired[Name]; }

  void Show() {
    ShowAndWait(E.get());
    E->activateWindow();
    E->setFocus();
    QApplication::processEvents();
  }
  QImage Image() { return Grab(E.get()); }
  // Rectangle of data cell (c, r).
  TRect Cell(int c, int r) const { return E->CellRect(c + E->FirstDataGridCol() - 1, r + E->FirstDataGridRow() - 1); }
  static QPoint Center(const TRect& R) { return QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }
  void Click(int c, int r, Qt::MouseButton B = Qt::LeftButton) { QTest::mouseClick(E.get(), B, {}, Center(Cell(c, r))); }
  void ClickGrid(int GridCol, int GridRow, Qt::MouseButton B = Qt::LeftButton) {
    QTest::mouseClick(E.get(), B, {}, Center(E->CellRect(GridCol, GridRow)));
  }
  void Key(int QtKey) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : E.get();
    QTest::keyClick(target, Qt::Key(QtKey));
  }
  // Types character by character into whatever has the focus (the first one may open the editor).
  void Type(const QString& Text) {
    for (QChar ch : Text) {
      QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : E.get();
      QTest::keyClicks(target, QString(ch));
    }
  }
  // Selects the data block (l, t)..(r, b).
  void Select(int l, int t, int r, int b) {
    const int dc = E->FirstDataGridCol() - 1, dr = E->FirstDataGridRow() - 1;
    E->SetSelection(TGridRect(l + dc, t + dr, r + dc, b + dr));
  }

  std::unique_ptr<TNTabEd> E;
  std::map<std::string, int> Fired;
};

}  // namespace orv::test
