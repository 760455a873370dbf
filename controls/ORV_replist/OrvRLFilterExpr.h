#pragma once
// A Boolean filter expression over words: AND, OR, NOT (in capitals) and
// parentheses (at most 1000 words, operators and parentheses); two words side by side mean AND; a word in double quotes may
// hold blanks and operator names. Parsed once, evaluated per row.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace orv::detail {

class TFilterExpr {
public:
  // Parses Text; Valid() tells whether it was well formed.
  explicit TFilterExpr(const QString& Text);
  bool Valid() const { return FValid; }
  // The words of the expression, in order of appearance.
  const QStringList& Words() const { return FWords; }
  // Evaluates with Matches(i) telling whether word i matches; false when not valid.
  bool Evaluate(const std::function<bool(int Word)>& Matches) const;

private:
  enum TKind { kWord, kAnd, kOr, kNot };
  struct TNode {
    TKind Kind;
    int A = -1;  // word index for kWord, else first operand node
    int B = -1;  // second operand node
  };
  enum TTokenKind { tWord, tAnd, tOr, tNot, tOpen, tClose, tEnd };
  struct TToken {
    TTokenKind Kind;
    QString Text;
  };
  static std::vector<TToken> Tokenize(const QString& Text, bool& Ok);
  int ParseOr();
  int ParseAnd();
  int ParseUnary();
  int Add(TKind Kind, int A, int B);
  bool Eval(int Node, const std::function<bool(int)>& Matches) const;

  std::vector<TToken> FTokens;
  std::size_t FPos = 0;
  std::vector<TNode> FNodes;
  QStringList FWords;
  int FRoot = -1;
  bool FValid = false;
};

}  // namespace orv::detail
