#include "OrvTCustomTreeView.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace orv {

// The Qt item of a node; the node lives and dies with it.
class TNodeItem : public QTreeWidgetItem {
public:
  static constexpr int Type = QTreeWidgetItem::UserType + 0x4F52;
  explicit TNodeItem(TTreeNodes* Owner) : QTreeWidgetItem(Type), Node(Owner, this) {}
  TTreeNode Node;
};

// ------------------------------------------------------------------ TTreeNode

QString TTreeNode::Text() const { return FItem->text(0); }

void TTreeNode::SetText(const QString& Value) { FItem->setText(0, Value); }

TTreeNode* TTreeNode::Parent() const { return TTreeNodes::NodeOf(FItem->parent()); }

int TTreeNode::Count() const { return FItem->childCount(); }

TTreeNode* TTreeNode::Item(int Index) const {
  return Index >= 0 && Index < Count() ? TTreeNodes::NodeOf(FItem->child(Index)) : nullptr;
}

int TTreeNode::Index() const {
  if (QTreeWidgetItem* parent = FItem->parent()) return parent->indexOfChild(FItem);
  return FItem->treeWidget()->indexOfTopLevelItem(FItem);
}

int TTreeNode::Level() const {
  int level = 0;
  for (QTreeWidgetItem* p = FItem->parent(); p; p = p->parent()) ++level;
  return level;
}

int TTreeNode::AbsoluteIndex() const {
  int index = 0;
  for (TTreeNode* n = FOwner->GetFirstNode(); n && n != this; n = n->GetNext()) ++index;
  return index;
}

TTreeNode* TTreeNode::GetNextSibling() const {
  if (QTreeWidgetItem* parent = FItem->parent()) return TTreeNodes::NodeOf(parent->child(Index() + 1));
  return TTreeNodes::NodeOf(FItem->treeWidget()->topLevelItem(Index() + 1));
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  const int index = Index();
  if (index == 0) return nullptr;
  if (QTreeWidgetItem* parent = FItem->parent()) return TTreeNodes::NodeOf(parent->child(index - 1));
  return TTreeNodes::NodeOf(FItem->treeWidget()->topLevelItem(index - 1));
}

TTreeNode* TTreeNode::GetNext() const {
  if (Count() > 0) return GetFirstChild();
  for (const TTreeNode* n = this; n; n = n->Parent())
    if (TTreeNode* next = n->GetNextSibling()) return next;
  return nullptr;
}

bool TTreeNode::HasChildren() const {
  switch (FItem->childIndicatorPolicy()) {
    case QTreeWidgetItem::ShowIndicator: return true;
    case QTreeWidgetItem::DontShowIndicator: return false;
    default: return Count() > 0;
  }
}

void TTreeNode::SetHasChildren(bool Value) {
  FItem->setChildIndicatorPolicy(Value ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicator);
}

bool TTreeNode::Expanded() const { return FItem->isExpanded(); }

void TTreeNode::SetExpanded(bool Value) {
  if (Value)
    TreeView()->ExpandNode(this);
  else
    TreeView()->SetItemExpanded(FItem, false);
}

void TTreeNode::Expand(bool Recurse) {
  TreeView()->ExpandNode(this);
  if (!Recurse) return;
  for (int i = 0; i < Count(); ++i) Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  TreeView()->SetItemExpanded(FItem, false);
  if (!Recurse) return;
  for (int i = 0; i < Count(); ++i) Item(i)->Collapse(true);
}

bool TTreeNode::Selected() const { return FItem->isSelected(); }

void TTreeNode::SetSelected(bool Value) {
  if (Value)
    TreeView()->SetSelected(this);
  else if (Selected())
    TreeView()->SetSelected(nullptr);
}

void TTreeNode::Delete() { delete FItem; }

void TTreeNode::DeleteChildren() { qDeleteAll(FItem->takeChildren()); }

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

// ----------------------------------------------------------------- TTreeNodes

TTreeNode* TTreeNodes::NodeOf(QTreeWidgetItem* Item) {
  return Item && Item->type() == TNodeItem::Type ? &static_cast<TNodeItem*>(Item)->Node : nullptr;
}

QTreeWidget* TTreeNodes::Tree() const { return FOwner->TreeWidget(); }

int TTreeNodes::Count() const {
  int count = 0;
  for (QTreeWidgetItemIterator it(Tree()); *it; ++it) ++count;
  return count;
}

TTreeNode* TTreeNodes::Item(int Index) const {
  if (Index < 0) return nullptr;
  TTreeNode* node = GetFirstNode();
  for (int i = 0; node && i < Index; ++i) node = node->GetNext();
  return node;
}

TTreeNode* TTreeNodes::GetFirstNode() const { return NodeOf(Tree()->topLevelItem(0)); }

TTreeNode* TTreeNodes::InsertAt(QTreeWidgetItem* Parent, int Index, const QString& S) {
  auto* item = new TNodeItem(this);
  item->setText(0, S);
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  if (Parent) {
    // A child shows the parent's button again, whatever HasChildren said.
    Parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    Parent->insertChild(Index, item);
  } else {
    Tree()->insertTopLevelItem(Index, item);
  }
  return &item->Node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const QString& S) {
  QTreeWidgetItem* parent = Sibling ? Sibling->ItemHandle()->parent() : nullptr;
  return InsertAt(parent, parent ? parent->childCount() : Tree()->topLevelItemCount(), S);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const QString& S) {
  return InsertAt(Sibling ? Sibling->ItemHandle()->parent() : nullptr, 0, S);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const QString& S) {
  if (!Sibling) return Add(nullptr, S);
  return InsertAt(Sibling->ItemHandle()->parent(), Sibling->Index(), S);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const QString& S) {
  QTreeWidgetItem* parent = Parent ? Parent->ItemHandle() : nullptr;
  return InsertAt(parent, parent ? parent->childCount() : Tree()->topLevelItemCount(), S);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const QString& S) {
  return InsertAt(Parent ? Parent->ItemHandle() : nullptr, 0, S);
}

void TTreeNodes::Delete(TTreeNode* Node) {
  if (Node) Node->Delete();
}

void TTreeNodes::Clear() { Tree()->clear(); }

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0) Tree()->setUpdatesEnabled(false);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Tree()->setUpdatesEnabled(true);
}

}  // namespace orv
