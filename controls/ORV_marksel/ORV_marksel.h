#pragma once
// TMarkSel: a palette of the 52 chart markers (DrawMarkOnCanvas) to pick
// one from.
//
// The visible markers are packed into a grid of NrOfColumns x NrOfRows
// cells (8 x 6) in marker order; markers hidden with SetVis leave no gap,
// marker 0 cannot be hidden and is drawn as a cross over the first cell
// while ShowZeroAsCross is set. Markers beyond the grid's capacity fall
// outside the control. The marker under the mouse is highlighted in
// ColorHiLiteSymbol on ColorHiLiteBG until the mouse leaves; the Selected
// marker (-1: none) is drawn in ColorSelFG on ColorSelBG. Disabled, the
// palette is drawn in greys. FrameStyle (fsBump) frames the control.
// Default size 236 x 178.
//
// A click (on the release of the left button) selects the nearest visible
// marker and fires OnMarkClick with the mouse position and the marker; a
// double click fires OnMarkDblClick the same way. OnPaint follows every paint.
//
// Filled markers are filled in their pen colour, so that they stay told
// apart from the open ones.

#include <orvcore.h>

#include <array>

namespace orv {

using TMarkClickEvent = std::function<void(TObject* Sender, int X, int Y, int Mark)>;

class TMarkSel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
  Q_PROPERTY(int Selected READ Selected WRITE SetSelected)
  Q_PROPERTY(bool ShowZeroAsCross READ ShowZeroAsCross WRITE SetShowZeroAsCross)
  Q_PROPERTY(orv::TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(orv::TColor ColorMarks READ ColorMarks WRITE SetColorMarks)
  Q_PROPERTY(orv::TColor ColorSelBG READ ColorSelBG WRITE SetColorSelBG)
  Q_PROPERTY(orv::TColor ColorSelFG READ ColorSelFG WRITE SetColorSelFG)
  Q_PROPERTY(orv::TColor ColorHiLiteBG READ ColorHiLiteBG WRITE SetColorHiLiteBG)
  Q_PROPERTY(orv::TColor ColorHiLiteSymbol READ ColorHiLiteSymbol WRITE SetColorHiLiteSymbol)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)

public:
  explicit TMarkSel(TOwnerArg AOwner);

  // 1..51; other values are ignored.
  int NrOfColumns() const { return FNrOfColumns; }
  void SetNrOfColumns(int Value);
  int NrOfRows() const { return FNrOfRows; }
  void SetNrOfRows(int Value);
  // -1 (none) .. 51; other values are ignored.
  int Selected() const { return FSelected; }
  void SetSelected(int Value);
  bool ShowZeroAsCross() const { return FShowZeroAsCross; }
  void SetShowZeroAsCross(bool Value);
  TColor ColorBackGnd() const { return FColorBackGnd; }
  void SetColorBackGnd(TColor Value) { SetColorField(FColorBackGnd, Value); }
  TColor ColorMarks() const { return FColorMarks; }
  void SetColorMarks(TColor Value) { SetColorField(FColorMarks, Value); }
  TColor ColorSelBG() const { return FColorSelBG; }
  void SetColorSelBG(TColor Value) { SetColorField(FColorSelBG, Value); }
  TColor ColorSelFG() const { return FColorSelFG; }
  void SetColorSelFG(TColor Value) { SetColorField(FColorSelFG, Value); }
  TColor ColorHiLiteBG() const { return FColorHiLiteBG; }
  void SetColorHiLiteBG(TColor Value) { SetColorField(FColorHiLiteBG, Value); }
  TColor ColorHiLiteSymbol() const { return FColorHiLiteSymbol; }
  void SetColorHiLiteSymbol(TColor Value) { SetColorField(FColorHiLiteSymbol, Value); }
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);

  // Markers 1..51 visible (hidden); marker 0 stays.
  void ShowAllMarks();
  void HideAllMarks();
  // Whether a marker is visible; an index outside 0..51 reads marker 0.
  bool GetVis(int Index) const;
  // Markers 1..51 only.
  void SetVis(int Index, bool Value);

  // Draws the palette (without a highlight) into Bitmap, at the control's size.
  void DrawMarks(TBitmap* Bitmap);
  // Highlights a marker on the control, remembering it as the last highlighted one.
  void HiLite(int Mark);
  // Draws the last highlighted marker as it is without the highlight.
  void ResetLastHiLite();
  // The marker last highlighted; -1 before the first and once the mouse has left.
  int LastHiLite() const { return FLastHiLite; }

  TMarkClickEvent OnMarkClick;
  TMarkClickEvent OnMarkDblClick;
  TNotifyEvent OnPaint;

  // ---- geometry, shared by painting, the mouse and tests
  // Size of a cell: (Width - 4) div NrOfColumns, (Height - 4) div NrOfRows.
  int CellWidth() const { return (Width() - 4) / FNrOfColumns; }
  int CellHeight() const { return (Height() - 4) / FNrOfRows; }
  // The cell centre of each visible marker (the marker is drawn 2 pixels
  // right and down of it); hidden markers have none.
  static constexpr TPoint NoPosition{-1000000, -1000000};
  std::array<TPoint, NrOfMarkers> MarkCoords() const;
  // The visible marker nearest to (X, Y); the lower-numbered one on a tie.
  int NearestMark(int X, int Y) const;
  // The background of a selected marker's cell, and of a highlighted one.
  TRect SelectedRect(int Mark) const;
  TRect HiLiteRect(int Mark) const;
  // Cells of 14 x 14 pixels, room for the largest marker.
  QSize minimumSizeHint() const override;

  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void MouseLeave() override;

private:
  void SetColorField(TColor& Field, TColor Value);
  // Picks the nearest marker at (X, Y) after a click and fires Event.
  void PickAt(int X, int Y, const TMarkClickEvent& Event);
  // One marker (or the cross of marker 0) in Pen, filled in Pen.
  void DrawMarker(TCanvas* C, int Mark, TPoint At, TColor Pen) const;

  std::array<bool, NrOfMarkers> FMarkVis;
  int FNrOfColumns = 8;
  int FNrOfRows = 6;
  int FSelected = -1;
  bool FShowZeroAsCross = true;
  TColor FColorBackGnd = clBtnFace;
  TColor FColorMarks = clBlack;
  TColor FColorSelBG = clWhite;
  TColor FColorSelFG = 0x800000;
  TColor FColorHiLiteBG = 0x0000FF;
  TColor FColorHiLiteSymbol = clWhite;
  TFrameStyle FFrameStyle = fsBump;
  int FLastHiLite = -1;
};

}  // namespace orv
