#include "ORV_orvbase.h"

namespace orv {

QChar CSVDelimiterChar(TCSVDelimiters Delimiter) {
  switch (Delimiter) {
    case csvSemicolon: return QLatin1Char(';');
    case csvTab: return QLatin1Char('\t');
    case csvSpace: return QLatin1Char(' ');
    case csvComma: break;
  }
  return QLatin1Char(',');
}

bool CombineLogic(TLogicOp Op, bool A, bool B) {
  switch (Op) {
    case loAnd: return A && B;
    case loOr: return A || B;
    case loXor: return A != B;
    case loNone: break;
  }
  return A;
}

}  // namespace orv
