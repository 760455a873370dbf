#pragma once
// The folder tree's options and its listing of subfolders.

#include <orvplatform.h>

#include <QStringList>

namespace orv {

namespace foldertree_enums {
Q_NAMESPACE
// Which folders the tree lists besides plain ones. On Linux: fotSymLinks
// adds symbolic links that lead to folders (left out by default, as they
// can lead back up the tree and list a folder twice); a hidden folder is one
// whose name begins with ".", which the tree never lists, and there are no
// system folders, so fotHidden and fotSystem change nothing there.
enum TFolderOptTypes { fotSymLinks, fotHidden, fotSystem };
Q_ENUM_NS(TFolderOptTypes)
}  // namespace foldertree_enums
using namespace foldertree_enums;

// A set of folder options (see TFolderOptTypes).
using TFolderOptions = Set<TFolderOptTypes>;

// The options as flags, bit i for option i, as forms and Designer store them
// (property Options of TFolderTree).
namespace foldertree_flags {
Q_NAMESPACE
// The flag of each folder option.
enum TFolderOptionFlag {
  fotSymLinks = 1 << foldertree_enums::fotSymLinks,
  fotHidden = 1 << foldertree_enums::fotHidden,
  fotSystem = 1 << foldertree_enums::fotSystem
};
Q_DECLARE_FLAGS(TFolderOptionFlags, TFolderOptionFlag)
Q_FLAG_NS(TFolderOptionFlags)
}  // namespace foldertree_flags

namespace detail {

// The names of the folders in Path (which ends in "/") that Options list,
// without names beginning with "."; ordered by their lower-cased names (code
// unit by code unit), names equal in that order keeping the order the file
// system gave them.
QStringList ListSubFolders(const QString& Path, TFolderOptions Options);
// Whether Path (which ends in "/") holds a folder ListSubFolders would list.
bool HoldsSubFolder(const QString& Path, TFolderOptions Options);

}  // namespace detail

}  // namespace orv
