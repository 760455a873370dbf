// Listing the subfolders of a folder with the file search of the platform.
#include "OrvFolderListing.h"

#include <algorithm>

namespace orv::detail {

namespace {

int SearchAttr(TFolderOptions Options) {
  int attr = faDirectory;
  if (Options.Contains(fotSymLinks)) attr |= faSymLink;
  if (Options.Contains(fotHidden)) attr |= faHidden;
  if (Options.Contains(fotSystem)) attr |= faSysFile;
  return attr;
}

// A symbolic link counts only when it leads to a folder: a link to a file
// is no folder to list.
bool Listed(const TSearchRec& R, TFolderOptions Options) {
  if (R.Name.startsWith(QLatin1Char('.')) || !(R.Attr & faDirectory)) return false;
  return !(R.Attr & faSymLink) || Options.Contains(fotSymLinks);
}

}  // namespace

bool HoldsSubFolder(const QString& Path, TFolderOptions Options) {
  TSearchRec r;
  bool found = false;
  for (int e = FindFirst(Path + QStringLiteral("*.*"), SearchAttr(Options), r); e == 0 && !found; e = FindNext(r))
    found = Listed(r, Options);
  FindClose(r);
  return found;
}

QStringList ListSubFolders(const QString& Path, TFolderOptions Options) {
  QList<std::pair<QString, QString>> found;  // lower-cased key, name
  TSearchRec r;
  for (int e = FindFirst(Path + QStringLiteral("*.*"), SearchAttr(Options), r); e == 0; e = FindNext(r))
    if (Listed(r, Options)) found.append({r.Name.toLower(), r.Name});
  FindClose(r);
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QStringList names;
  names.reserve(found.size());
  for (const auto& f : found) names.append(f.second);
  return names;
}

}  // namespace orv::detail
