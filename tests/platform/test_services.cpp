// System services: beep counter, clipboard, file search and folders.
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

TEST(Services, BeepCounts) {
  const int before = BeepCount();
  MessageBeep(0);
  MessageBeep(0xFFFF);
  EXPECT_EQ(BeepCount(), before + 2);
}

TEST(Services, ClipboardText) {
  Clipboard()->SetAsText(QStringLiteral("12.5"));
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("12.5"));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
}

TEST(Services, FoldersAndFileSearch) {
  QTemporaryDir tmp;
  const QString root = tmp.path();
  const QString deep = root + QStringLiteral("/a/b/c");
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirExists(deep));
  EXPECT_FALSE(RemoveDir(root + QStringLiteral("/a")));  // not empty
  EXPECT_TRUE(RemoveDir(deep));
  EXPECT_FALSE(DirExists(deep));
  for (const char* name : {"x.png", "y.png", "z.txt"}) {
    QFile f(root + QLatin1Char('/') + QLatin1String(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1234");
  }
  QStringList found;
  TSearchRec sr;
  for (int r = FindFirst(root + QStringLiteral("/*.png"), faAnyFile, sr); r == 0; r = FindNext(sr)) {
    found << sr.Name;
    EXPECT_EQ(sr.Size, 4);
  }
  FindClose(sr);
  found.sort();
  EXPECT_EQ(found, (QStringList{QStringLiteral("x.png"), QStringLiteral("y.png")}));
  // A symbolic link to a folder is a folder marked as a link.
  ASSERT_TRUE(QFile::link(root + QStringLiteral("/a"), root + QStringLiteral("/link")));
  QStringList dirs;
  for (int r = FindFirst(root + QStringLiteral("/*"), faDirectory, sr); r == 0; r = FindNext(sr))
    if (sr.Attr & faDirectory) dirs << sr.Name + (sr.Attr & faSymLink ? QStringLiteral("@") : QString());
  FindClose(sr);
  dirs.sort();
  EXPECT_EQ(dirs, (QStringList{QStringLiteral("a"), QStringLiteral("link@")}));
  EXPECT_NE(FindFirst(root + QStringLiteral("/missing/*"), faAnyFile, sr), 0);
}
