#include "OrvTCustomComboBox.h"

#include "OrvServices.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStylePainter>

#include <cmath>

namespace orv {

namespace {

using TItemPaint = std::function<void(QPainter& Painter, const QRect& Target, int Index, TOwnerDrawState State)>;

// The combo box's entries, kept in the Qt combo box. Adding entries selects
// nothing and keeps the typed text, as the framework's list does.
class TComboItems : public TStrings {
public:
  explicit TComboItems(QComboBox* Combo) : FCombo(Combo) {}

  int Count() const override { return FCombo->count(); }
  QString Strings(int Index) const override { return FCombo->itemText(Index); }
  void SetStrings(int Index, const QString& Value) override {
    if (Index >= 0 && Index < Count()) FCombo->setItemText(Index, Value);
  }
  void Insert(int Index, const QString& S) override {
    Keep([&] { FCombo->insertItem(std::clamp(Index, 0, Count()), S); });
  }
  void Delete(int Index) override {
    if (Index >= 0 && Index < Count()) FCombo->removeItem(Index);
  }
  void Clear() override { FCombo->clear(); }
  void SetStringList(const QStringList& Value) override {
    FCombo->clear();
    Keep([&] { FCombo->addItems(Value); });
  }

private:
  // Runs Change and then restores "nothing selected" and the typed text when
  // Qt made the first entry of an empty list the current one.
  template <class F>
  void Keep(F Change) {
    const int index = FCombo->currentIndex();
    const QString text = FCombo->currentText();
    Change();
    if (index == -1 && FCombo->currentIndex() != -1) {
      FCombo->setCurrentIndex(-1);
      if (FCombo->isEditable()) FCombo->setEditText(text);
    }
  }
  QComboBox* FCombo;
};

// Entries of the drop-down list drawn by the control.
class TItemDelegate : public QAbstractItemDelegate {
public:
  TItemDelegate(QObject* Parent, TItemPaint Paint, std::function<int()> Height)
      : QAbstractItemDelegate(Parent), FPaint(std::move(Paint)), FHeight(std::move(Height)) {}

  void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    TOwnerDrawState state;
    if (Option.state & QStyle::State_Selected) state.Include(odSelected);
    if (Option.state & QStyle::State_HasFocus) state.Include(odFocused);
    if (!(Option.state & QStyle::State_Enabled)) state.Include(odDisabled);
    FPaint(*Painter, Option.rect, Index.row(), state);
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return QSize(1, FHeight()); }

private:
  TItemPaint FPaint;
  std::function<int()> FHeight;
};

// The Qt combo box: reports the list opening, and lets the control draw the
// field of the closed box when it draws the entries.
class TComboWidget : public QComboBox {
public:
  TComboWidget(QWidget* Parent, std::function<void()> DropDown, TItemPaint Paint, std::function<int()> ItemHeight)
      : QComboBox(Parent),
        FDropDown(std::move(DropDown)),
        FPaint(Paint),
        FPlainDelegate(itemDelegate()),
        FOwnerDelegate(new TItemDelegate(this, std::move(Paint), std::move(ItemHeight))) {}

  void SetOwnerDraw(bool Value) {
    FOwnerDraw = Value;
    setItemDelegate(Value ? FOwnerDelegate : FPlainDelegate);
    update();
  }

  void showPopup() override {
    try {
      FDropDown();
    } catch (const std::exception& ex) {
      HandleException(ex);
    }
    QComboBox::showPopup();
  }

protected:
  void paintEvent(QPaintEvent* e) override {
    if (!FOwnerDraw) {
      QComboBox::paintEvent(e);
      return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    TOwnerDrawState state{odComboBoxEdit};
    if (hasFocus()) state = state | odSelected | odFocused;
    if (!isEnabled()) state.Include(odDisabled);
    FPaint(painter, field, currentIndex(), state);
  }

private:
  std::function<void()> FDropDown;
  TItemPaint FPaint;
  // Qt's own delegate draws the entries unless the control draws them.
  QAbstractItemDelegate* FPlainDelegate;
  QAbstractItemDelegate* FOwnerDelegate;
  bool FOwnerDraw = false;
};

}  // namespace

TCustomComboBox::TCustomComboBox(TOwnerArg AOwner) : THostedControl(AOwner) {
  const TItemPaint paint = [this](QPainter& P, const QRect& R, int I, TOwnerDrawState S) { PaintItem(P, R, I, S); };
  FCombo = new TComboWidget(this, [this] { DropDown(); }, paint, [this] { return FItemHeight; });
  FItems = std::make_unique<TComboItems>(FCombo);
  SetHostedWidget(FCombo);
  // Click means "the user picked an entry" here, not a mouse click.
  SetClickEvents(false);
  FCombo->setInsertPolicy(QComboBox::NoInsert);
  FCombo->setMaxVisibleItems(8);
  FCombo->setEditable(true);
  HostInput(FCombo->lineEdit());
  connect(FCombo->lineEdit(), &QLineEdit::textEdited, this, [this] { Change(); });
  connect(FCombo, &QComboBox::activated, this, [this] {
    Click();
    Change();
  });
  resize(145, FCombo->sizeHint().height());
}

TCustomComboBox::~TCustomComboBox() { disconnect(FCombo, nullptr, this, nullptr); }

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  const int index = FCombo->currentIndex();
  FCombo->setEditable(Value == csDropDown);
  FCombo->setCurrentIndex(index);
  // Becoming editable makes a new line edit (Qt drops the old one).
  if (QLineEdit* edit = FCombo->lineEdit()) {
    HostInput(edit);
    connect(edit, &QLineEdit::textEdited, this, [this] { Change(); });
  }
  static_cast<TComboWidget*>(FCombo)->SetOwnerDraw(Value == csOwnerDrawFixed);
}

int TCustomComboBox::ItemIndex() const { return FCombo->currentIndex(); }

void TCustomComboBox::SetItemIndex(int Value) {
  FCombo->setCurrentIndex(Value >= 0 && Value < FCombo->count() ? Value : -1);
}

QString TCustomComboBox::Text() const { return FCombo->currentText(); }

void TCustomComboBox::SetText(const QString& Value) {
  if (FCombo->isEditable())
    FCombo->setEditText(Value);
  else
    FCombo->setCurrentIndex(FItems->IndexOf(Value));
}

int TCustomComboBox::DropDownCount() const { return FCombo->maxVisibleItems(); }

void TCustomComboBox::SetDropDownCount(int Value) { FCombo->setMaxVisibleItems(std::max(1, Value)); }

void TCustomComboBox::SetItemHeight(int Value) {
  if (Value < 1 || Value == FItemHeight) return;
  FItemHeight = Value;
  FCombo->view()->doItemsLayout();
}

bool TCustomComboBox::DroppedDown() const { return FCombo->view()->isVisible(); }

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (Value == DroppedDown()) return;
  if (Value)
    FCombo->showPopup();
  else
    FCombo->hidePopup();
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  FCanvas.FillRect(Rect);
  FCanvas.TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::PaintItem(QPainter& Painter, const QRect& Target, int Index, TOwnerDrawState State) {
  if (Target.isEmpty()) return;
  // DrawItem paints on an image of the entry's size at the screen's pixel ratio.
  const qreal dpr = Painter.device()->devicePixelRatioF();
  const QSize device(int(std::ceil(Target.width() * dpr)), int(std::ceil(Target.height() * dpr)));
  if (FItemImage.size() != device || FItemImage.devicePixelRatio() != dpr) {
    FCanvas.SetImage(nullptr);
    FItemImage = QImage(device, QImage::Format_RGB32);
    FItemImage.setDevicePixelRatio(dpr);
    FCanvas.SetImage(&FItemImage);
  }
  FCanvas.SetClipRect(TRect());
  FCanvas.Font()->Assign(Font());
  FCanvas.Brush()->SetStyle(bsSolid);
  FCanvas.Brush()->SetColor(Color());
  const bool entry = Index >= 0 && Index < FItems->Count();
  if (entry && State.Contains(odSelected)) {
    FCanvas.Brush()->SetColor(clHighlight);
    FCanvas.Font()->SetColor(clHighlightText);
  }
  const TRect r(0, 0, Target.width(), Target.height());
  try {
    if (entry)
      DrawItem(Index, r, State);
    else
      FCanvas.FillRect(r);
  } catch (const std::exception& ex) {
    HandleException(ex);
  }
  FCanvas.Flush();
  Painter.drawImage(Target.topLeft(), FItemImage);
}

}  // namespace orv
