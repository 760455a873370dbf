#pragma once
// TTreeNode and TTreeNodes: the nodes of a tree view (TCustomTreeView).
//
// A node has a Text, a Data pointer the application uses as it likes (the
// tree never reads it), children (Count, Item(Index), 0-based), a Parent
// (null for a node at the top level) and the state shown: Expanded,
// Selected, HasChildren (whether the expand button shows; set it to offer a
// node whose children are added when it expands). Expanding a node, by the
// user or by code, first asks the tree view's CanExpand, which may add or
// remove children and may refuse.
//
// TTreeNodes is the tree view's list of all nodes (Items()): it adds,
// inserts and deletes nodes and visits them in node order (a node, then its
// children, then its next sibling). A node belongs to the tree: Delete (or
// deleting its parent, or Clear) destroys it.

#include "OrvTObject.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace orv {

class TCustomTreeView;
class TTreeNodes;

class TTreeNode : public TPersistent {
public:
  QString Text() const;
  void SetText(const QString& Value);
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }

  TTreeNode* Parent() const;
  int Count() const;
  // The child at Index; null outside 0..Count-1.
  TTreeNode* Item(int Index) const;
  // The position among the siblings.
  int Index() const;
  // 0 for a node at the top level, 1 for its children, ...
  int Level() const;
  // The position in node order among all nodes of the tree.
  int AbsoluteIndex() const;
  TTreeNode* GetFirstChild() const { return Item(0); }
  TTreeNode* GetLastChild() const { return Item(Count() - 1); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next node in node order; null after the last.
  TTreeNode* GetNext() const;

  bool HasChildren() const;
  void SetHasChildren(bool Value);
  bool Expanded() const;
  // Expands (asking CanExpand first) or collapses the node.
  void SetExpanded(bool Value);
  // Expands the node and, with Recurse, every node below it.
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  bool Selected() const;
  void SetSelected(bool Value);

  // Destroys the node and its children.
  void Delete();
  void DeleteChildren();

  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;
  // The Qt item that shows the node.
  QTreeWidgetItem* ItemHandle() const { return FItem; }

private:
  friend class TNodeItem;
  TTreeNode(TTreeNodes* AOwner, QTreeWidgetItem* AItem) : FOwner(AOwner), FItem(AItem) {}
  TTreeNodes* FOwner;
  QTreeWidgetItem* FItem;
  void* FData = nullptr;
};

class TTreeNodes : public TPersistent {
public:
  explicit TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

  TCustomTreeView* Owner() const { return FOwner; }
  // Every node of the tree.
  int Count() const;
  // The node at Index in node order; null outside 0..Count-1.
  TTreeNode* Item(int Index) const;
  TTreeNode* GetFirstNode() const;

  // A new node after the last sibling of Sibling (at the top level when
  // Sibling is null).
  TTreeNode* Add(TTreeNode* Sibling, const QString& S);
  // A new node before the first sibling of Sibling.
  TTreeNode* AddFirst(TTreeNode* Sibling, const QString& S);
  // A new node just before Sibling (at the end of the top level when null).
  TTreeNode* Insert(TTreeNode* Sibling, const QString& S);
  // A new last (first) child of Parent (at the top level when Parent is null).
  TTreeNode* AddChild(TTreeNode* Parent, const QString& S);
  TTreeNode* AddChildFirst(TTreeNode* Parent, const QString& S);
  void Delete(TTreeNode* Node);
  void Clear();
  // Suspends repainting until the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();

  // The node a Qt item of the tree shows; null for anything else.
  static TTreeNode* NodeOf(QTreeWidgetItem* Item);

private:
  // A new node at position Index among the children of Parent (the top level
  // when Parent is null).
  TTreeNode* InsertAt(QTreeWidgetItem* Parent, int Index, const QString& S);
  QTreeWidget* Tree() const;
  TCustomTreeView* FOwner;
  int FUpdateCount = 0;
};

}  // namespace orv
