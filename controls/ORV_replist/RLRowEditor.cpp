// TReportListView: editing one row in a modal dialog, one editor per column
// chosen by the column's format.

#include "OrvTReportListView.h"

#include "OrvRLDateFormat.h"
#include "OrvRLText.h"

#include <ORV_NumIO.h>

#include <QHash>

#include <algorithm>

namespace orv {

namespace {

const QString kPrefix = QStringLiteral("runtime_rlre_");

// A column format taken apart: "[#type:lines][width]parameter".
struct TEditFormat {
  QString Type = QStringLiteral("s");  // the type group without "#"
  bool ReadOnly = false;
  int Width = 200;
  QString Param;
  QChar Letter() const { return Type.isEmpty() ? QChar() : Type[0]; }
};

TEditFormat ParseEditFormat(const QString& Format) {
  TEditFormat f;
  const qsizetype open = Format.indexOf(QLatin1Char('[')), close = Format.indexOf(QLatin1Char(']'));
  if (open >= 0 && (close < 0 || open < close)) f.Type = Format.mid(open + 1, close < 0 ? -1 : close - open - 1);
  if (f.Type.startsWith(QLatin1Char('#'))) {
    f.ReadOnly = true;
    f.Type.remove(0, 1);
  }
  QString rest = Format.mid(close + 1);
  const qsizetype wOpen = rest.indexOf(QLatin1Char('[')), wClose = rest.indexOf(QLatin1Char(']'), wOpen + 1);
  if (wOpen >= 0 && wClose >= 0) {
    f.Width = detail::ReadCount(QStringView(rest).mid(wOpen + 1, wClose - wOpen - 1), 1 << 16);
    rest = rest.mid(wClose + 1);
  } else {
    f.Width = 0;
  }
  if (f.Width < 1) f.Width = 200;
  f.Param = rest;
  return f;
}

// The list items of a "c" or "l" parameter: the pieces before each "|", a
// "|" added at the end when missing (so an empty parameter gives one empty item).
QStringList ListItems(const QString& Param) {
  QStringList items = Param.split(QLatin1Char('|'));
  if (Param.endsWith(QLatin1Char('|'))) items.removeLast();
  return items;
}

// Frees what the dialog created, from the last to the first, and a form it
// built, whether the dialog ends normally or by an exception.
class TDialogCleanup {
public:
  TDialogCleanup(TForm*& Current, TForm* Form, bool OwnForm)
      : FCurrent(Current), FSaved(Current), FForm(Form), FOwnForm(OwnForm) {
    FCurrent = Form;
  }
  ~TDialogCleanup() {
    FCurrent = FSaved;
    if (FOwnForm) {
      delete FForm;
      return;
    }
    for (int i = FForm->ComponentCount() - 1; i >= 0; --i) {
      TComponent* c = FForm->Components(i);
      if (c->Name().contains(kPrefix)) delete c;
    }
  }
  TDialogCleanup(const TDialogCleanup&) = delete;
  TDialogCleanup& operator=(const TDialogCleanup&) = delete;

private:
  TForm*& FCurrent;
  TForm* FSaved;
  TForm* FForm;
  bool FOwnForm;
};

}  // namespace

TModalResult TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop) {
  return EditRowEntriesIntern(Row, nullptr, PosLeft, PosTop, QStringLiteral("Editing Row ") + QString::number(Row),
                              QStringLiteral("OK"), QStringLiteral("Cancel"));
}

TModalResult TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption,
                                             const QString& ButOKCaption, const QString& ButCancelCaption) {
  return EditRowEntriesIntern(Row, nullptr, PosLeft, PosTop, FormCaption, ButOKCaption, ButCancelCaption);
}

TModalResult TReportListView::EditRowEntries(int Row, TForm* ContainerForm, int PosLeft, int PosTop) {
  return EditRowEntriesIntern(Row, ContainerForm, PosLeft, PosTop, QString(), QString(), QString());
}

void TReportListView::EdRowOKClick(TObject*) {
  if (FContainerForm) FContainerForm->SetModalResult(mrOk);
}

void TReportListView::EdRowCancelClick(TObject*) {
  if (FContainerForm) FContainerForm->SetModalResult(mrCancel);
}

void TReportListView::EdRowKeyPress(TObject*, QChar& Key) {
  if (Key == QChar(13) && FContainerForm) FContainerForm->SetModalResult(mrOk);
}

TModalResult TReportListView::EditRowEntriesIntern(int Row, TForm* ContainerForm, int PosLeft, int PosTop,
                                                   const QString& FormCaption, const QString& ButOKCaption,
                                                   const QString& ButCancelCaption) {
  const bool ownForm = ContainerForm == nullptr;
  TForm* form = ownForm ? new TForm(this) : ContainerForm;
  TDialogCleanup cleanup(FContainerForm, form, ownForm);
  int x0 = PosLeft, y0 = PosTop;
  if (ownForm) {
    form->Font()->Assign(Font());
    form->move(PosLeft, PosTop);
    x0 = 0;
    y0 = 45;  // room for the buttons
  }
  const int n = NrOfColumns();
  int lw = 0;
  for (int c = 1; c <= n; ++c) lw = std::max(lw, form->Canvas()->TextWidth(Header(c)));
  lw += 8;

  int mw = 0;
  // Editors that could not show their cell (a fixed list without its value,
  // a date that did not read, a number box that refused the text), with the
  // cell and what they opened on.
  struct TUnshown {
    QString Cell;
    QString Text;        // a number box's text
    TDateTime Date = 0;  // a picker's date/time
  };
  QHash<const TComponent*, TUnshown> unshown;
  for (int c = 1; c <= n; ++c) {
    const int y = (c - 1) * 25;
    QString format = ColumnFormat(c);
    if (OnRequestEditFormat) OnRequestEditFormat(this, c, Row, format);
    const TEditFormat f = ParseEditFormat(format);
    mw = std::max(mw, f.Width);

    auto* label = new TLabel(form);
    label->SetName(kPrefix + QStringLiteral("Label") + QString::number(c));
    label->SetTag(c);
    label->SetAutoSize(false);
    label->SetAlignment(taRightJustify);
    label->SetBounds(x0 + 8, y0 + y + 3, lw, label->Height());
    label->SetCaption(Header(c) + QLatin1Char(':'));

    const QString cell = Elem(c, Row);
    TControl* editor = nullptr;
    // Named at once, so that it is found and freed even when filling it fails.
    auto named = [&](TControl* Editor, const char* Kind) {
      Editor->SetName(kPrefix + QLatin1String(Kind) + QString::number(c));
      Editor->SetTag(c);
      editor = Editor;
    };
    switch (f.Letter().unicode()) {
      case 'c':
      case 'l': {
        auto* box = new TComboBox(form);
        named(box, "CBox");
        box->SetStyle(f.Letter() == QLatin1Char('c') ? csDropDown : csDropDownList);
        box->Items()->SetStringList(ListItems(f.Param));
        const qsizetype colon = f.Type.indexOf(QLatin1Char(':'));
        if (colon >= 0) box->SetDropDownCount(detail::ReadCount(QStringView(f.Type).mid(colon + 1), 1 << 16));
        if (f.Letter() == QLatin1Char('c'))
          box->SetText(cell);
        else
          box->SetItemIndex(int(box->Items()->StringList().indexOf(cell)));
        if (box->Style() == csDropDownList && box->ItemIndex() < 0) unshown.insert(box, {cell, QString()});
        break;
      }
      case 'd': {
        auto* picker = new TDateTimePicker(form);
        named(picker, "DtPick");
        const QString dateFormat = f.Type.mid(1);
        const QString text = cell.isEmpty() && !f.Param.isEmpty() ? f.Param : cell;
        bool read = false;
        picker->SetDateTime(detail::ParseEditDateTime(text, dateFormat, &read));
        picker->SetFormat(dateFormat);
        if (!read) unshown.insert(picker, {cell, QString(), picker->DateTime()});
        break;
      }
      case 'e':
      case 'f':
      case 'h':
      case 'i': {
        auto* num = new TNumIO(form);
        named(num, "NumIO");
        num->SetRangeLow(-1.7e308);
        num->SetRangeHigh(1.7e308);
        const QChar l = f.Letter();
        num->SetInputFormat(l == QLatin1Char('e')   ? itDynamic
                            : l == QLatin1Char('f') ? itFloat
                            : l == QLatin1Char('h') ? itHex
                                                    : itInt);
        const QString text = cell.isEmpty() ? detail::ParameterDefault(l, f.Param, Row) : cell;
        num->SetText(text);
        if (num->Text() != text) unshown.insert(num, {cell, num->Text()});
        break;
      }
      case 's': {
        auto* edit = new TEdit(form);
        named(edit, "Edit");
        edit->SetText(cell.isEmpty() ? detail::ParameterDefault(QLatin1Char('s'), f.Param, Row) : cell);
        break;
      }
      default: continue;  // only the label
    }
    editor->SetBounds(lw + x0 + 12, y0 + y, f.Width, editor->Height());
    if (f.ReadOnly) {
      editor->SetEnabled(false);
      editor->SetColor(0xE0E0E0);
      editor->Font()->SetColor(clGray);
    } else {
      editor->OnKeyPress = [this](TObject* Sender, QChar& Key) { EdRowKeyPress(Sender, Key); };
    }
  }

  if (ownForm) {
    form->SetWidth(mw + lw + 28);
    form->SetHeight(n * 25 + 45 + 38);
    form->SetBorderStyle(bsDialog);
    auto button = [&](const QString& Caption, int Left, void (TReportListView::*Handler)(TObject*)) {
      auto* b = new TSpeedButton(form);
      b->SetBounds(Left, 4, 81, 29);
      b->SetCaption(Caption);
      b->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
      return b;
    };
    button(ButCancelCaption, mw + lw - 69, &TReportListView::EdRowCancelClick);
    button(ButOKCaption, mw + lw - 154, &TReportListView::EdRowOKClick);
  } else {
    // Raised so that every editor shows, offsets included.
    form->SetWidth(std::max(form->Width(), x0 + mw + lw + 28));
    form->SetHeight(std::max(form->Height(), y0 + n * 25 + 38));
  }
  form->SetCaption(FormCaption);
  const TModalResult result = form->ShowModal();

  if (result == mrOk) {
    TPaintLock lock(this);
    for (int i = 0; i < form->ComponentCount(); ++i) {
      TComponent* comp = form->Components(i);
      const QString name = comp->Name();
      if (!name.contains(kPrefix)) continue;
      if (auto* edit = dynamic_cast<TCustomEdit*>(comp); edit && (name.contains(kPrefix + QStringLiteral("Edit")) ||
                                                                  name.contains(kPrefix + QStringLiteral("NumIO"))))
        SetElem(comp->Tag(), Row, unshown.contains(edit) && edit->Text() == unshown[edit].Text ? unshown[edit].Cell
                                                                                              : edit->Text());
      else if (auto* box = dynamic_cast<TCustomComboBox*>(comp); box && name.contains(kPrefix + QStringLiteral("CBox")))
        SetElem(comp->Tag(), Row, unshown.contains(box) && box->ItemIndex() < 0 ? unshown[box].Cell : box->Text());
      else if (auto* picker = dynamic_cast<TDateTimePicker*>(comp);
               picker && name.contains(kPrefix + QStringLiteral("DtPick")))
        SetElem(comp->Tag(), Row,
                unshown.contains(picker) && picker->DateTime() == unshown[picker].Date
                    ? unshown[picker].Cell
                    : detail::FormatEditDateTime(picker->Format(), picker->DateTime()));
    }
  }
  return result;
}

}  // namespace orv
