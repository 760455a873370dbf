#pragma once
// TCustomTreeView: a tree of text nodes over QTreeWidget, single selection.
//
// Items() holds the nodes (TTreeNode, TTreeNodes); Selected is the selected
// node (null: none). Change(Node) runs whenever the selection changes, by
// the user or by code, and fires OnChange. Before a node expands, whoever
// expands it (a click on its button, a double click, the keyboard, code),
// CanExpand(Node) runs: it fires OnExpanding, whose AllowExpansion set to
// false keeps the node collapsed; it may add or remove the node's children
// (a node left without children does not expand). While it runs the node is
// still collapsed.
//
// ReadOnly (off by default) stops the user from editing node texts (F2 or a
// click on the selected node edits); ShowRoot (on) shows the lines and
// buttons of the top-level nodes. Keys, mouse and focus reach the
// framework's methods as THostedControl describes.

#include "OrvTHostedControl.h"
#include "OrvTTreeNode.h"

#include <memory>

namespace orv {

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;

class TCustomTreeView : public THostedControl {
  Q_OBJECT

public:
  explicit TCustomTreeView(TOwnerArg AOwner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return FItems.get(); }
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool ShowRoot() const;
  void SetShowRoot(bool Value);
  // Expands every node (each asks CanExpand first), collapses every node.
  void FullExpand();
  void FullCollapse();
  // The node at the client point (X, Y); null when none.
  TTreeNode* GetNodeAt(int X, int Y) const;

  TTVChangedEvent OnChange;
  TTVExpandingEvent OnExpanding;

  // Whether Node may expand; fires OnExpanding.
  virtual bool CanExpand(TTreeNode* Node);

  // The Qt tree inside the control.
  QTreeWidget* TreeWidget() const { return FTree; }

protected:
  // The selection changed to Node; fires OnChange.
  virtual void Change(TTreeNode* Node);

private:
  friend class TTreeNode;
  // Expands Node when CanExpand allows and it has children.
  void ExpandNode(TTreeNode* Node);
  // Sets an item's expanded state without asking CanExpand.
  void SetItemExpanded(QTreeWidgetItem* Item, bool Value);
  QTreeWidget* FTree;
  std::unique_ptr<TTreeNodes> FItems;
  bool FReadOnly = false;
  bool FQuiet = false;
};

}  // namespace orv
