#include "OrvRLFilterExpr.h"

namespace orv::detail {

std::vector<TFilterExpr::TToken> TFilterExpr::Tokenize(const QString& Text, bool& Ok) {
  std::vector<TToken> tokens;
  Ok = true;
  qsizetype i = 0;
  const qsizetype n = Text.size();
  while (i < n) {
    const QChar ch = Text.at(i);
    if (ch.isSpace()) {
      ++i;
    } else if (ch == u'(' || ch == u')') {
      tokens.push_back({ch == u'(' ? tOpen : tClose, QString()});
      ++i;
    } else if (ch == u'"') {
      const qsizetype end = Text.indexOf(u'"', i + 1);
      if (end < 0) {
        Ok = false;
        return tokens;
      }
      tokens.push_back({tWord, Text.mid(i + 1, end - i - 1)});
      i = end + 1;
    } else {
      qsizetype j = i;
      while (j < n && !Text.at(j).isSpace() && Text.at(j) != u'(' && Text.at(j) != u')' && Text.at(j) != u'"') ++j;
      const QString word = Text.mid(i, j - i);
      if (word == QLatin1String("AND"))
        tokens.push_back({tAnd, QString()});
      else if (word == QLatin1String("OR"))
        tokens.push_back({tOr, QString()});
      else if (word == QLatin1String("NOT"))
        tokens.push_back({tNot, QString()});
      else
        tokens.push_back({tWord, word});
      i = j;
    }
  }
  tokens.push_back({tEnd, QString()});
  return tokens;
}

TFilterExpr::TFilterExpr(const QString& Text) {
  bool ok = false;
  FTokens = Tokenize(Text, ok);
  // The parser and the evaluation recurse; a bound on the size bounds the depth.
  constexpr std::size_t kMaxTokens = 1000;
  if (!ok || FTokens.size() > kMaxTokens) return;
  FRoot = ParseOr();
  FValid = FRoot >= 0 && FTokens[FPos].Kind == tEnd;
}

int TFilterExpr::Add(TKind Kind, int A, int B) {
  FNodes.push_back({Kind, A, B});
  return int(FNodes.size()) - 1;
}

int TFilterExpr::ParseOr() {
  int left = ParseAnd();
  while (left >= 0 && FTokens[FPos].Kind == tOr) {
    ++FPos;
    const int right = ParseAnd();
    left = right < 0 ? -1 : Add(kOr, left, right);
  }
  return left;
}

int TFilterExpr::ParseAnd() {
  int left = ParseUnary();
  for (;;) {
    const TTokenKind k = FTokens[FPos].Kind;
    if (left < 0 || !(k == tAnd || k == tWord || k == tNot || k == tOpen)) return left;
    if (k == tAnd) ++FPos;
    const int right = ParseUnary();
    left = right < 0 ? -1 : Add(kAnd, left, right);
  }
}

int TFilterExpr::ParseUnary() {
  const TToken& t = FTokens[FPos];
  switch (t.Kind) {
    case tNot: {
      ++FPos;
      const int operand = ParseUnary();
      return operand < 0 ? -1 : Add(kNot, operand, -1);
    }
    case tOpen: {
      ++FPos;
      const int inner = ParseOr();
      if (inner < 0 || FTokens[FPos].Kind != tClose) return -1;
      ++FPos;
      return inner;
    }
    case tWord:
      ++FPos;
      FWords.append(t.Text);
      return Add(kWord, int(FWords.size()) - 1, -1);
    default:
      return -1;
  }
}

bool TFilterExpr::Eval(int Node, const std::function<bool(int)>& Matches) const {
  const TNode& n = FNodes[std::size_t(Node)];
  switch (n.Kind) {
    case kWord: return Matches(n.A);
    case kNot: return !Eval(n.A, Matches);
    case kAnd: return Eval(n.A, Matches) && Eval(n.B, Matches);
    case kOr: return Eval(n.A, Matches) || Eval(n.B, Matches);
  }
  return false;
}

bool TFilterExpr::Evaluate(const std::function<bool(int Word)>& Matches) const {
  return FValid && Eval(FRoot, Matches);
}

}  // namespace orv::detail
