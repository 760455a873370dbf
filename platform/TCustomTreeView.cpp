#include "OrvTCustomTreeView.h"

#include "OrvServices.h"

#include <QTreeWidget>

namespace orv {

TCustomTreeView::TCustomTreeView(TOwnerArg AOwner)
    : THostedControl(AOwner), FTree(new QTreeWidget(this)), FItems(std::make_unique<TTreeNodes>(this)) {
  SetHostedWidget(FTree);
  HostInput(FTree->viewport());
  FTree->setColumnCount(1);
  FTree->setHeaderHidden(true);
  FTree->setSelectionMode(QAbstractItemView::SingleSelection);
  SetReadOnly(false);
  resize(121, 97);
  // Qt reports an expansion after the fact: the node is folded again at once
  // and expands only when CanExpand allows, before anything is painted.
  connect(FTree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* Item) {
    if (FQuiet) return;
    SetItemExpanded(Item, false);
    try {
      if (TTreeNode* node = TTreeNodes::NodeOf(Item)) ExpandNode(node);
    } catch (const std::exception& ex) {
      HandleException(ex);
    }
  });
  connect(FTree, &QTreeWidget::itemSelectionChanged, this, [this] {
    try {
      Change(Selected());
    } catch (const std::exception& ex) {
      HandleException(ex);
    }
  });
}

TCustomTreeView::~TCustomTreeView() {
  // Destroying the items changes the current one: nobody is told any more.
  disconnect(FTree, nullptr, this, nullptr);
}

// The current item is not always selected (the focus arriving makes the
// first one current): the selection is what counts.
TTreeNode* TCustomTreeView::Selected() const { return TTreeNodes::NodeOf(FTree->selectedItems().value(0)); }

void TCustomTreeView::SetSelected(TTreeNode* Value) {
  if (Value) {
    FTree->setCurrentItem(Value->ItemHandle());
  } else {
    FTree->clearSelection();
    FTree->setCurrentItem(nullptr);
  }
}

void TCustomTreeView::SetReadOnly(bool Value) {
  FReadOnly = Value;
  FTree->setEditTriggers(Value ? QAbstractItemView::NoEditTriggers
                               : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

bool TCustomTreeView::ShowRoot() const { return FTree->rootIsDecorated(); }

void TCustomTreeView::SetShowRoot(bool Value) { FTree->setRootIsDecorated(Value); }

void TCustomTreeView::FullExpand() {
  for (TTreeNode* node = FItems->GetFirstNode(); node; node = node->GetNext()) ExpandNode(node);
}

void TCustomTreeView::FullCollapse() {
  FQuiet = true;
  FTree->collapseAll();
  FQuiet = false;
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const {
  return TTreeNodes::NodeOf(FTree->itemAt(FTree->viewport()->mapFrom(this, QPoint(X, Y))));
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, Node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
  if (OnChange) OnChange(this, Node);
}

void TCustomTreeView::ExpandNode(TTreeNode* Node) {
  if (Node->Expanded() || !CanExpand(Node)) return;
  if (Node->Count() > 0) SetItemExpanded(Node->ItemHandle(), true);
}

void TCustomTreeView::SetItemExpanded(QTreeWidgetItem* Item, bool Value) {
  FQuiet = true;
  Item->setExpanded(Value);
  FQuiet = false;
}

}  // namespace orv
