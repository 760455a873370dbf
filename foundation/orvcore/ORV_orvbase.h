#pragma once
// Exceptions, enumerations and event types of the base library.

#include <orvplatform.h>

#include <QObject>

namespace orv {

// Base of the controls' exceptions.
class EORVError : public Exception {
public:
  using Exception::Exception;
};

// Progress of a long operation, Percent from 0 to 100.
using TOnPercentDoneEvent = std::function<void(TObject* Sender, int Percent)>;
// Offered every text before a text export writes it; the handler may change it.
using TExportTextEvent = std::function<void(TObject* Sender, QString& Text, int Col, int Row)>;

// The enumerations live in a nested namespace so that they can be registered
// with the meta-object system (one Q_NAMESPACE per namespace); the using
// directive below lets them read as plain orv names (orv::fsSunken).
namespace core_enums {
Q_NAMESPACE

// Frame styles drawn by DrawFrame (see ORV_frames.h for the looks). The
// "fs" names do not clash with the framework's fsBold or fsSurface.
enum TFrameStyle { fsNone, fsSimple, fsSunken, fsRaised, fsEtched, fsBump };
Q_ENUM_NS(TFrameStyle)

// Frame-line colours: fixed white and grey, or the system button colours.
enum TColorScheme { csFixedColors, csSystemColors };
Q_ENUM_NS(TColorScheme)

// Decimal separator accepted in number texts.
enum TDecPSep { dpsSystem, dpsDot, dpsComma, dpsDotOrComma };
Q_ENUM_NS(TDecPSep)

// How a background picture fills a control.
enum TBkgFill { bfNatural, bfStretch, bfTile };
Q_ENUM_NS(TBkgFill)

// Language of the name tables; lgNone reads the English tables.
enum TLanguage { lgNone, lgEnglish, lgGerman, lgFrench, lgSpanish };
Q_ENUM_NS(TLanguage)

// A moving direction: first value down, second right.
enum TOrientation { orDown, orRight };
Q_ENUM_NS(TOrientation)

// Growth direction of a bar: up from the bottom, down from the top, left
// from the right, right from the left.
enum TDirection { dirUp, dirDown, dirLeft, dirRight };
Q_ENUM_NS(TDirection)

// Field delimiter of a CSV file.
enum TCSVDelimiters { csvComma, csvSemicolon, csvTab, csvSpace };
Q_ENUM_NS(TCSVDelimiters)

// How two Boolean results combine; loNone keeps the first one alone.
enum TLogicOp { loNone, loAnd, loOr, loXor };
Q_ENUM_NS(TLogicOp)

}  // namespace core_enums
using namespace core_enums;

// The delimiter character of a CSV delimiter choice.
QChar CSVDelimiterChar(TCSVDelimiters Delimiter);
// A combined with B by Op.
bool CombineLogic(TLogicOp Op, bool A, bool B);

}  // namespace orv
