// TFolderTree: the nodes, listed as folders expand, and the subfolder checks
// that follow in the background.
#include "ORV_FolderTree.h"

#include <QElapsedTimer>
#include <QTimer>

namespace orv {

namespace {

// The hourglass while a folder is listed, then the cursor there was before.
class TBusyCursor {
public:
  TBusyCursor() : FOld(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
  ~TBusyCursor() { Screen->SetCursor(FOld); }

private:
  TCursor FOld;
};

void* Marker() { return reinterpret_cast<void*>(TFolderTree::LoadedMarker); }

// Time for the subfolder checks before the application gets a turn.
constexpr int SliceMs = 8;

}  // namespace

void TFolderTree::Rebuild() {
  DropPending();
  FRebuilding = true;
  Items()->Clear();
  TTreeNode* root = Items()->AddChild(nullptr, QStringLiteral("/"));
  Items()->AddChild(root, PlaceholderCaption);
  FRebuilding = false;
}

QString TFolderTree::NodePath(TTreeNode* Node) const {
  QString path;
  for (TTreeNode* n = Node; n; n = n->Parent()) path.prepend(EnsureTrailingBkSlash(n->Text()));
  return path;
}

TTreeNode* TFolderTree::FindChild(TTreeNode* Node, const QString& Name) {
  TTreeNode* caseless = nullptr;
  for (int i = 0; i < Node->Count(); ++i) {
    TTreeNode* child = Node->Item(i);
    if (child->Text() == Name) return child;
    if (!caseless && child->Text().compare(Name, Qt::CaseInsensitive) == 0) caseless = child;
  }
  return caseless;
}

bool TFolderTree::CanExpand(TTreeNode* Node) {
  if (!ComponentState().Contains(csDesigning)) ListNode(Node);
  return TCustomTreeView::CanExpand(Node);
}

void TFolderTree::ListNode(TTreeNode* Node) {
  if (Node->Data() == Marker()) return;
  TBusyCursor busy;
  const QStringList names = detail::ListSubFolders(NodePath(Node), FOptions);
  FOwnRemoval = true;
  Node->DeleteChildren();
  FOwnRemoval = false;
  if (names.isEmpty()) {
    Node->SetHasChildren(false);
    return;
  }
  Node->SetData(Marker());
  Items()->BeginUpdate();
  for (const QString& name : names) {
    TTreeNode* child = Items()->AddChild(Node, name);
    child->SetHasChildren(true);  // until the check says otherwise
    FPending.append(child);
  }
  Items()->EndUpdate();
  FPendingTimer->start();
}

void TFolderTree::CheckPending() {
  QElapsedTimer slice;
  slice.start();
  try {
    while (Filling() && slice.elapsed() < SliceMs) {
      TTreeNode* node = FPending[FNextPending++];
      if (node->Data() == Marker() || node->Count() > 0) continue;  // listed meanwhile
      if (detail::HoldsSubFolder(NodePath(node), FOptions))
        Items()->AddChild(node, PlaceholderCaption);
      else
        node->SetHasChildren(false);
    }
  } catch (const std::exception& e) {
    HandleException(e);
  }
  if (Filling())
    FPendingTimer->start();
  else
    DropPending();
}

void TFolderTree::DropPending() {
  FPendingTimer->stop();
  FPending.clear();
  FNextPending = 0;
}

}  // namespace orv
