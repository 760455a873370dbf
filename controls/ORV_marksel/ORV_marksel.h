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
//
// \image html marker_selector.png "The marker selector in the gallery"

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
  // A palette with the defaults above; AOwner (a component, a Qt parent
  // widget, or null) owns it and, when it is a control, is its parent.
  explicit TMarkSel(TOwnerArg AOwner);

  // Cells across (8), 1..51; other values are ignored.
  int NrOfColumns() const { return FNrOfColumns; }
  void SetNrOfColumns(int Value);
  // Cells down (6), 1..51; other values are ignored.
  int NrOfRows() const { return FNrOfRows; }
  void SetNrOfRows(int Value);
  // The selected marker, -1 (none) .. 51; other values are ignored.
  int Selected() const { return FSelected; }
  void SetSelected(int Value);
  // Whether marker 0, a single dot, is drawn as a cross over its cell (true).
  bool ShowZeroAsCross() const { return FShowZeroAsCross; }
  void SetShowZeroAsCross(bool Value);
  // Background of the palette (clBtnFace).
  TColor ColorBackGnd() const { return FColorBackGnd; }
  void SetColorBackGnd(TColor Value) { SetColorField(FColorBackGnd, Value); }
  // Colour of the markers (black).
  TColor ColorMarks() const { return FColorMarks; }
  void SetColorMarks(TColor Value) { SetColorField(FColorMarks, Value); }
  // Background of the selected marker's cell (white).
  TColor ColorSelBG() const { return FColorSelBG; }
  void SetColorSelBG(TColor Value) { SetColorField(FColorSelBG, Value); }
  // Colour of the selected marker and its cell's outline ($800000).
  TColor ColorSelFG() const { return FColorSelFG; }
  void SetColorSelFG(TColor Value) { SetColorField(FColorSelFG, Value); }
  // Background of the highlighted marker's cell ($0000FF).
  TColor ColorHiLiteBG() const { return FColorHiLiteBG; }
  void SetColorHiLiteBG(TColor Value) { SetColorField(FColorHiLiteBG, Value); }
  // Colour of the highlighted marker (white).
  TColor ColorHiLiteSymbol() const { return FColorHiLiteSymbol; }
  void SetColorHiLiteSymbol(TColor Value) { SetColorField(FColorHiLiteSymbol, Value); }
  // Frame around the control (fsBump), in the colours of the marks.
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);

  // Makes markers 1..51 visible.
  void ShowAllMarks();
  // Hides markers 1..51; marker 0 stays.
  void HideAllMarks();
  // Whether a marker is visible; an index outside 0..51 reads marker 0.
  bool GetVis(int Index) const;
  // Shows or hides a marker; markers 1..51 only.
  void SetVis(int Index, bool Value);

  // Draws the palette (without a highlight) into Bitmap, at the control's size.
  void DrawMarks(TBitmap* Bitmap);
  // Highlights a marker on the control, remembering it as the last highlighted one.
  void HiLite(int Mark);
  // Draws the last highlighted marker as it is without the highlight.
  void ResetLastHiLite();
  // The marker last highlighted; -1 before the first and once the mouse has left.
  int LastHiLite() const { return FLastHiLite; }

  // Fires on a click with the mouse position and the marker picked.
  TMarkClickEvent OnMarkClick;
  // Fires on a double click with the mouse position and the marker picked.
  TMarkClickEvent OnMarkDblClick;
  // Fires after every paint.
  TNotifyEvent OnPaint;

  // ---- geometry, shared by painting, the mouse and tests
  // Width of a cell: (Width - 4) div NrOfColumns.
  int CellWidth() const { return (Width() - 4) / FNrOfColumns; }
  // Height of a cell: (Height - 4) div NrOfRows.
  int CellHeight() const { return (Height() - 4) / FNrOfRows; }
  // The position MarkCoords gives a hidden marker.
  static constexpr TPoint NoPosition{-1000000, -1000000};
  // The cell centre of each visible marker (the marker is drawn 2 pixels
  // right and down of it); hidden markers have NoPosition.
  std::array<TPoint, NrOfMarkers> MarkCoords() const;
  // The visible marker nearest to (X, Y); the lower-numbered one on a tie.
  int NearestMark(int X, int Y) const;
  // The background of a selected marker's cell.
  TRect SelectedRect(int Mark) const;
  // The background of a highlighted marker's cell.
  TRect HiLiteRect(int Mark) const;
  // Cells of 14 x 14 pixels, room for the largest marker.
  QSize minimumSizeHint() const override;

  // Draws the palette, and the highlight while the mouse is on the control.
  void Paint() override;
  // Highlights the marker nearest to the mouse.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // A left release picks the nearest marker and fires OnMarkClick.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Picks the nearest marker and fires OnMarkDblClick.
  void DblClick() override;
  // Removes the highlight.
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
