#include <orvcore.h>

#include <gtest/gtest.h>

using namespace orv;

TEST(StringHelpers, NumberedPos) {
  struct {
    const char* sub;
    const char* text;
    int start, n, expected;
  } cases[] = {
      {"a", "banana", 1, 1, 2}, {"a", "banana", 1, 3, 6}, {"a", "banana", 1, 4, 0}, {"a", "banana", 3, 1, 4},
      {"an", "banana", 1, 2, 4}, {"x", "banana", 1, 1, 0},  {"", "banana", 1, 1, 0}, {"a", "banana", 1, 0, 0},
      {"a", "banana", -5, 1, 2}, {"a", "banana", 99, 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumberedPos(c.sub, c.text, c.start, c.n), c.expected) << c.sub << " " << c.start << " " << c.n;
}

TEST(StringHelpers, Tokenize) {
  struct {
    QString text;
    QString delims;
    QStringList parts;
  } cases[] = {
      {"one|two|three", "|", {"one", "two", "three"}},
      {"a||b|", "|", {"a", "", "b", ""}},
      {"no delimiter", "|", {"no delimiter"}},
      {"a;b,c", ";,", {"a", "b", "c"}},
      {"", "|", {}},
  };
  for (const auto& c : cases) {
    QStringList parts{"stale"};
    EXPECT_EQ(Tokenize(c.text, c.delims, parts), c.parts.size()) << c.text.toStdString();
    EXPECT_EQ(parts, c.parts) << c.text.toStdString();
  }
}

TEST(StringHelpers, TrimAndPad) {
  EXPECT_EQ(LeftString("abcdef", 3), "abc");
  EXPECT_EQ(LeftString("ab", 4), "ab  ");
  EXPECT_EQ(LeftString("ab", 0), "");
  EXPECT_EQ(StripLeadingChars("//a/b//", '/'), "a/b//");
  EXPECT_EQ(StripTrailingChars("//a/b//", '/'), "//a/b");
  EXPECT_EQ(StripTrailingChars("///", '/'), "");
  EXPECT_EQ(EnsureTrailingChar("abc", ';'), "abc;");
  EXPECT_EQ(EnsureTrailingChar("abc;", ';'), "abc;");
  EXPECT_EQ(EnsureTrailingChar("", ';'), ";");
  EXPECT_EQ(EnsureTrailingBkSlash("/home/me"), "/home/me/");
  EXPECT_EQ(EnsureTrailingBkSlash("/"), "/");
  EXPECT_EQ(ReplaceCharInString("a/b/c", '/', '\\'), "a\\b\\c");
  EXPECT_EQ(RemoveControlChars(QString("line 1\r\nline\t2") + QChar(0x7F) + QChar(0x1B) + "!"), "line 1line2!");
}

TEST(StringHelpers, strff) {
  struct {
    double value;
    int width, decimals;
    const char* expected;
  } cases[] = {
      {3.14159, 1, 2, "3.14"}, {3.14159, 8, 3, "   3.142"}, {-2.5, 1, 0, "-3"}, {42, 1, 0, "42"},
      {7, 5, 1, "  7.0"},      {-0.125, 1, 2, "-0.13"},     {1e6, 1, 1, "1000000.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(strff(c.value, c.width, c.decimals), c.expected) << c.value;
}

TEST(FileHelpers, ParentDirAndPassword) {
  struct {
    const char* path;
    const char* parent;
  } cases[] = {{"/home/me/docs", "/home/me"}, {"/home/me/", "/home"}, {"/home", "/"}, {"/", ""}, {"name", ""}, {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(ParentDir(c.path), c.parent) << c.path;

  EXPECT_EQ(InventPassword(0), "");
  const QString a = InventPassword(16), b = InventPassword(16);
  EXPECT_EQ(a.size(), 16);
  EXPECT_NE(a, b);
  for (QChar ch : a) EXPECT_TRUE(ch.isLetterOrNumber() && ch.unicode() < 128) << int(ch.unicode());
}
