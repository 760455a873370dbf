#pragma once
// TFolderTree: a tree of the file system's folders, filled as the user
// expands them.
//
// The tree has one root, "/", from which every folder is reached; each node
// shows one path component and its folder's path is the captions from the
// root down, joined by "/" and ending in "/" (Directory, the current folder,
// is the selected node's path). Folders whose names begin with "." are never
// listed; Options (empty) add the folders described at TFolderOptTypes.
// Siblings are ordered by their lower-cased names.
//
// Expanding a folder lists its subfolders at once; whether each of them has
// subfolders of its own (and so an expand button) is found out afterwards,
// a few milliseconds at a time while the application stays responsive
// (Filling). Until then every new node shows the button; expanding it
// before its turn lists it as usual. A folder of 10,000 subfolders expands
// in a small fraction of a second.
//
// SelectPath shows and selects a folder, MakeSubFolder creates folders below
// the selected one (rejecting names with control characters, '"', '<', '>',
// '|', a ".." component or a leading "/", all of which could make a name
// escape the selected folder), RemoveSelectedFolder removes an empty one,
// RefreshTree reloads the tree at the current folder or its nearest
// existing ancestor. OnDirChanged fires when Directory changes, OnChange
// (the tree view's) when the selection does, OnClick with every change of
// the selection.
//
// Differences from a plain reading, for sound behaviour on Linux: folders
// are found with the path as given (the file system is case-sensitive) and a
// path matches the node of the same name first, then one that differs only
// in case; the tree is filled when it is made, so a SelectPath made before
// the tree is first shown stays.
//
// OldTreeStyle (true) draws the classic tree: dotted lines between the nodes
// and boxed plus and minus buttons; false draws the lighter look of file
// managers: arrows and no lines. Disabled, the tree shows clBtnFace and gets
// its Color back when enabled again. The tree is read-only and single-selection.
//
// \image html folder_tree.png "The folder tree at the home folder in the gallery"

#include "OrvFolderListing.h"

#include <orvcore.h>
#include <orvplatform.h>

#include <QPointer>

class QStyle;
class QTimer;

namespace orv {

class TFolderTree : public TCustomTreeView {
  Q_OBJECT
  Q_PROPERTY(orv::foldertree_flags::TFolderOptionFlags Options READ OptionFlags WRITE SetOptionFlags)
  Q_PROPERTY(bool OldTreeStyle READ OldTreeStyle WRITE SetOldTreeStyle)

public:
  // The data of a node whose subfolders have been listed.
  static constexpr quintptr LoadedMarker = 0xA5F016ED;
  // The caption of the placeholder child of a node not yet listed.
  static inline const QString PlaceholderCaption = QStringLiteral("Child");

  // A read-only tree at the root folder, in the classic look.
  explicit TFolderTree(TOwnerArg AOwner);
  ~TFolderTree() override;

  // The current folder, ending in "/".
  QString Directory() const { return FDirectory; }
  // A change reloads the tree (RefreshTree).
  TFolderOptions Options() const { return FOptions; }
  void SetOptions(TFolderOptions Value);
  // Options as flags, as forms store them.
  foldertree_flags::TFolderOptionFlags OptionFlags() const;
  void SetOptionFlags(foldertree_flags::TFolderOptionFlags Value);
  // Whether the classic look is drawn: dotted lines and boxed buttons (see above).
  bool OldTreeStyle() const { return FUseOldStyle; }
  void SetOldTreeStyle(bool Value);

  // Directory := "/", the tree holds only the root, collapsed.
  void Reset();
  // Rebuilds the tree and expands it down to Path, selecting its node;
  // false (and nothing changes) when the folder does not exist.
  bool SelectPath(const QString& Path);
  // SelectPath(Directory), else of its nearest existing ancestor.
  bool RefreshTree();
  // The subfolder names of Path (or of Node's folder) as the tree lists them,
  // into DirList; true when there is one. False, DirList untouched, when the
  // folder does not exist.
  bool GetSubDirs(const QString& Path, QStringList& DirList) const;
  // The same for Node's folder; false for no node.
  bool GetSubDirs(TTreeNode* Node, QStringList& DirList) const;
  // Creates FolderName (one or more levels joined by "/" or "\") below the
  // selected folder and selects it; false for no selection, a rejected
  // name (see above) or a folder that could not be made.
  bool MakeSubFolder(const QString& FolderName);
  // Removes the selected folder when it is empty and selects its parent;
  // false for no selection, the root, or a folder that could not go.
  bool RemoveSelectedFolder();

  // The folder of a node, ending in "/".
  QString NodePath(TTreeNode* Node) const;
  // Whether new nodes are still being checked for subfolders.
  bool Filling() const { return FNextPending < FPending.size(); }

  // Fires when Directory changes.
  TNotifyEvent OnDirChanged;

  bool CanExpand(TTreeNode* Node) override;
  void SetEnabled(bool Value) override;

protected:
  // A colour of black (0) from a form file becomes white; the tree is collapsed.
  void Loaded() override;
  void Change(TTreeNode* Node) override;
  void ColorChanged() override;

private:
  // Only the root, with its placeholder.
  void Rebuild();
  // Lists the subfolders of an unlisted node as its children.
  void ListNode(TTreeNode* Node);
  // Checks the nodes waiting to learn whether they have subfolders, for a
  // few milliseconds; goes on later when some are left.
  void CheckPending();
  void DropPending();
  // The child of Node shown as Name, of the same case first.
  static TTreeNode* FindChild(TTreeNode* Node, const QString& Name);
  void ApplyLook();
  void DirChanged(const QString& Old);

  QString FDirectory;
  TFolderOptions FOptions;
  bool FUseOldStyle = true;
  TColor FColorBak = clWindow;
  bool FSettingColor = false;
  // Set while the tree changes its own nodes: no events, the queue stays.
  bool FRebuilding = false;
  bool FOwnRemoval = false;
  // Set during RefreshTree, which reports a changed Directory once at its end.
  bool FQuietDir = false;
  QList<TTreeNode*> FPending;
  qsizetype FNextPending = 0;
  QTimer* FPendingTimer;
  QPointer<QStyle> FLook;
};

}  // namespace orv
