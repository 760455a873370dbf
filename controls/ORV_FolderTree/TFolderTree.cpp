// TFolderTree: properties, the look, selecting, creating and removing folders.
#include "ORV_FolderTree.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QTreeWidget>

namespace orv {

TFolderTree::TFolderTree(TOwnerArg AOwner) : TCustomTreeView(AOwner), FPendingTimer(new QTimer(this)) {
  FPendingTimer->setSingleShot(true);
  FPendingTimer->setInterval(0);
  connect(FPendingTimer, &QTimer::timeout, this, &TFolderTree::CheckPending);
  // Nodes removed by anyone but the tree itself may be waiting for their
  // check: the checks stop (those nodes are still listed when expanded).
  QAbstractItemModel* model = TreeWidget()->model();
  connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] {
    if (!FOwnRemoval && !FRebuilding) DropPending();
  });
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    if (!FRebuilding) DropPending();
  });
  SetReadOnly(true);
  FColorBak = Color();
  ApplyLook();
  Reset();
}

TFolderTree::~TFolderTree() {
  // The tree widget outlives this part of the object and clears its nodes
  // when it goes: nobody is told any more.
  disconnect(TreeWidget()->model(), nullptr, this, nullptr);
  DropPending();
}

// ------------------------------------------------------------------ properties

void TFolderTree::SetOptions(TFolderOptions Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  RefreshTree();
}

foldertree_flags::TFolderOptionFlags TFolderTree::OptionFlags() const {
  return foldertree_flags::TFolderOptionFlags::fromInt(int(FOptions.Bits()));
}

void TFolderTree::SetOptionFlags(foldertree_flags::TFolderOptionFlags Value) {
  SetOptions(TFolderOptions::FromBits(std::uint64_t(Value.toInt()) & 7));
}

void TFolderTree::SetOldTreeStyle(bool Value) {
  if (Value == FUseOldStyle) return;
  FUseOldStyle = Value;
  ApplyLook();
}

// The classic look comes from Qt's Windows style (dotted lines, boxed
// buttons), the other from Fusion (arrows, no lines).
void TFolderTree::ApplyLook() {
  QStyle* look = QStyleFactory::create(FUseOldStyle ? QStringLiteral("Windows") : QStringLiteral("Fusion"));
  if (!look) return;
  look->setParent(TreeWidget());
  TreeWidget()->setStyle(look);
  delete FLook;
  FLook = look;
  ColorChanged();  // the new style brings its own palette
}

void TFolderTree::ColorChanged() {
  if (!FSettingColor) FColorBak = Color();
  TCustomTreeView::ColorChanged();
}

void TFolderTree::SetEnabled(bool Value) {
  TCustomTreeView::SetEnabled(Value);
  FSettingColor = true;
  SetColor(Value ? FColorBak : clBtnFace);
  FSettingColor = false;
}

void TFolderTree::Loaded() {
  TCustomTreeView::Loaded();
  if (Color() == clBlack) SetColor(clWhite);
  FColorBak = Color();
  FullCollapse();
}

// ------------------------------------------------------------------ the current folder

void TFolderTree::DirChanged(const QString& Old) {
  if (FDirectory != Old && OnDirChanged) OnDirChanged(this);
}

void TFolderTree::Change(TTreeNode* Node) {
  if (FRebuilding) return;  // the tree's own clearing selects nothing
  Click();
  const QString old = FDirectory;
  if (Node) FDirectory = NodePath(Node);
  TCustomTreeView::Change(Node);
  if (!FQuietDir) DirChanged(old);
}

void TFolderTree::Reset() {
  const QString old = FDirectory;
  FDirectory = QStringLiteral("/");
  Rebuild();
  FullCollapse();
  DirChanged(old);
}

bool TFolderTree::SelectPath(const QString& Path) {
  if (Path.isEmpty() || !DirExists(Path)) return false;
  const QString path = EnsureTrailingBkSlash(QDir::cleanPath(QDir(Path).absolutePath()));
  Rebuild();
  TTreeNode* node = Items()->GetFirstNode();
  node->Expand(false);
  for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    node = FindChild(node, part);
    if (!node) return true;  // not listed (a name beginning with "."): nothing selected
    node->Expand(false);
  }
  SetSelected(node);
  return true;
}

bool TFolderTree::RefreshTree() {
  const QString old = FDirectory;
  FQuietDir = true;
  bool ok = SelectPath(FDirectory);
  while (!ok && !FDirectory.isEmpty()) {
    // Directory keeps its trailing "/" even when no node takes over the parent.
    const QString parent = ParentDir(FDirectory);
    FDirectory = parent.isEmpty() ? parent : EnsureTrailingBkSlash(parent);
    ok = SelectPath(FDirectory);
  }
  FQuietDir = false;
  DirChanged(old);
  return ok;
}

bool TFolderTree::GetSubDirs(const QString& Path, QStringList& DirList) const {
  if (!DirExists(Path)) return false;
  DirList = detail::ListSubFolders(EnsureTrailingBkSlash(Path), FOptions);
  return !DirList.isEmpty();
}

bool TFolderTree::GetSubDirs(TTreeNode* Node, QStringList& DirList) const {
  return Node && GetSubDirs(NodePath(Node), DirList);
}

// ------------------------------------------------------------------ creating and removing

bool TFolderTree::MakeSubFolder(const QString& FolderName) {
  TTreeNode* selected = Selected();
  if (!selected) return false;
  for (QChar c : FolderName)
    if (c.unicode() <= 31 || QStringLiteral("\"<>|").contains(c)) return false;
  const QString name = StripTrailingChars(ReplaceCharInString(FolderName, QLatin1Char('\\'), QLatin1Char('/')),
                                          QLatin1Char('/'));
  // A name that starts at the root or climbs with ".." would leave the selected folder.
  if (name.isEmpty() || name.startsWith(QLatin1Char('/')) ||
      name.split(QLatin1Char('/')).contains(QStringLiteral("..")))
    return false;
  const QString target = NodePath(selected) + name;
  return ForceDirectories(target) && SelectPath(target);
}

bool TFolderTree::RemoveSelectedFolder() {
  TTreeNode* selected = Selected();
  if (!selected || !selected->Parent()) return false;
  const QString parent = NodePath(selected->Parent());
  const bool removed = RemoveDir(NodePath(selected));
  ProcessMessages();
  if (removed) SelectPath(parent);
  return removed;
}

}  // namespace orv
