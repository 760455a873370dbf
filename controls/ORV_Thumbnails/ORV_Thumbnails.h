#pragma once
// TThumbnails: a scrollable grid of picture slides numbered Min (1) to Max
// (100) whose pictures the application supplies on request.
//
// The control owns no pictures. For every slide it paints it calls
// OnImageRequest, column by column, with a scratch bitmap the handler draws
// or loads the slide's picture into; HowToProcess says what to show
// (irpShowEmpty: a white placeholder with the slide number, the default;
// irpShowSlide: the picture; irpShowFrameOnly; irpShowNothing) and MarkIt a
// chart marker to draw on the slide (-1: none). The picture is scaled into
// the slide's square picture area of SlideSize (120) pixels keeping its
// aspect ratio, smoothly with AntiAlias. OnFirstImageRequest and
// OnLastImageRequest come before the first and after the last request of a
// paint, OnSlideRendered after each slide is drawn.
//
// The scratch bitmap is shared by all slides of a paint, so a handler that
// leaves it alone shows the previous slide's picture. A handler may also put
// a bitmap of its own into ImgBuffer: the control then owns it and frees it
// (and the one it replaced) itself.
//
// Slides are SlideSize + 2 * SlideMargin (7) pixels square, SlideDistance
// (2) apart, as many per row as fit the width. SetFirstThumbIx scrolls to a
// slide; its row comes to the top, partly scrolled away in proportion to the
// slide's place in the row (the mouse wheel scrolls half a row per notch).
//
// Clicking a slide selects it (SlideSelectMode ssmSingle, the default); in
// ssmMultiple a click toggles the slide and Shift+click selects the slides
// from the last clicked one to it; ssmDisabled leaves the selection alone.
// OnImageClick and OnImageDblClick report the point and the slide (0 for the
// gaps between slides). The slide under the pointer is FocusedSlide, outlined
// FocusLinewidth (1) pixels wide in ColorFocus; OnFocusChange fires when it
// changes, also when the pointer leaves the control. The outline stays
// through repaints while the pointer is on the slide.
//
// The selection holds one bit per slide from construction on and survives
// scrolling and repainting. Default size 260 x 400.
//
// \image html thumbnails.png "Thumbnails of 300 generated pictures in the gallery"

#include <orvcore.h>
#include <orvplatform.h>

namespace orv {

namespace thumbnails_enums {
Q_NAMESPACE
enum TImageRequestProcessing { irpShowEmpty, irpShowSlide, irpShowFrameOnly, irpShowNothing };
Q_ENUM_NS(TImageRequestProcessing)
enum TSlideSelectMode { ssmDisabled, ssmSingle, ssmMultiple };
Q_ENUM_NS(TSlideSelectMode)
}  // namespace thumbnails_enums
using namespace thumbnails_enums;

using TImageRequestEvent = std::function<void(TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                                              int& MarkIt, TBitmap*& ImgBuffer)>;
using TSlideRenderedEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int X, int Y, int ThumbID)>;
using TImageClickEvent = std::function<void(TObject* Sender, int X, int Y, int ThumbID)>;

class TThumbnails : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int SlideSize READ SlideSize WRITE SetSlideSize)
  Q_PROPERTY(int SlideDistance READ SlideDistance WRITE SetSlideDistance)
  Q_PROPERTY(int SlideMargin READ SlideMargin WRITE SetSlideMargin)
  Q_PROPERTY(orv::thumbnails_enums::TSlideSelectMode SlideSelectMode READ SlideSelectMode WRITE SetSlideSelectMode)
  Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
  Q_PROPERTY(int FocusLinewidth READ FocusLinewidth WRITE SetFocusLinewidth)
  Q_PROPERTY(int FocusedSlide READ FocusedSlide)
  Q_PROPERTY(orv::TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(orv::TColor ColorCover READ ColorCover WRITE SetColorCover)
  Q_PROPERTY(orv::TColor ColorSelected READ ColorSelected WRITE SetColorSelected)
  Q_PROPERTY(orv::TColor ColorFocus READ ColorFocus WRITE SetColorFocus)
  Q_PROPERTY(orv::TColor ColorMark READ ColorMark WRITE SetColorMark)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::core_enums::TFrameStyle OuterFrameStyle READ OuterFrameStyle WRITE SetOuterFrameStyle)
  Q_PROPERTY(orv::core_enums::TFrameStyle InnerFrameStyle READ InnerFrameStyle WRITE SetInnerFrameStyle)

public:
  // A view of 260 x 400 pixels over slides 1 to 100.
  explicit TThumbnails(TOwnerArg AOwner);
  ~TThumbnails() override;

  // Slide numbers; Max below 1 becomes 1. Either keeps one selection bit per
  // slide and brings a scroll position outside the new range into it.
  int Min() const { return FMin; }
  void SetMin(int Value);
  // The last slide number; below 1 becomes 1.
  int Max() const { return FMax; }
  void SetMax(int Value);
  // Side of a slide's square picture area in pixels.
  int SlideSize() const { return FSlideSize; }
  void SetSlideSize(int Value);  // clamped to 50..Width (at least 50)
  // Gap between neighbouring slides in pixels.
  int SlideDistance() const { return FSlideDistance; }
  void SetSlideDistance(int Value);  // clamped to 0..100
  // Border in pixels between a slide's edge and its picture area.
  int SlideMargin() const { return FSlideMargin; }
  void SetSlideMargin(int Value);  // clamped to 0..100
  // A changed mode clears the selection.
  TSlideSelectMode SlideSelectMode() const { return FSlideSelectMode; }
  void SetSlideSelectMode(TSlideSelectMode Value);
  // Whether pictures are scaled smoothly.
  bool AntiAlias() const { return FAntiAlias; }
  void SetAntiAlias(bool Value);
  // Width of the focus outline in pixels.
  int FocusLinewidth() const { return FFocusLinewidth; }
  void SetFocusLinewidth(int Value);  // clamped to 0..10; 0: no outline
  // The slide under the pointer; 0 for none.
  int FocusedSlide() const { return FFocusedSlide; }

  // Colour of the background around the slides.
  TColor ColorBackGnd() const { return FColorBackGnd; }
  void SetColorBackGnd(TColor Value);
  // Colour of an unselected slide's face.
  TColor ColorCover() const { return FColorCover; }
  void SetColorCover(TColor Value);
  // Colour of a selected slide's face.
  TColor ColorSelected() const { return FColorSelected; }
  void SetColorSelected(TColor Value);
  // Colour of the focus outline.
  TColor ColorFocus() const { return FColorFocus; }
  void SetColorFocus(TColor Value);
  // Colour of the chart markers drawn on slides.
  TColor ColorMark() const { return FColorMark; }
  void SetColorMark(TColor Value);
  // Kept for form files; the frames are drawn in fixed colours.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  // Style of the frame around the control.
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Style of the frame around each slide.
  TFrameStyle OuterFrameStyle() const { return FOuterFrameStyle; }
  void SetOuterFrameStyle(TFrameStyle Value);
  // Style of the frame around each picture.
  TFrameStyle InnerFrameStyle() const { return FInnerFrameStyle; }
  void SetInnerFrameStyle(TFrameStyle Value);

  // ---- selection
  // False for slides outside Min..Max; setting those is ignored.
  bool GetSelectedSlide(int sldnum) const;
  void SetSelectedSlide(int sldnum, bool value);
  // Deselects every slide and repaints.
  void ResetAllSelections();
  // The lowest selected slide; Min - 1 when none is selected.
  int FirstSelectedSlide() const;
  // The number of selected slides.
  int NumSlidesSelected() const;

  // ---- scrolling
  // Brings the row of slide Value (clamped to Min..Max) to the top, scrolled
  // by the part of a row that Value lies past the row's first slide.
  void SetFirstThumbIx(double Value);
  // The scroll position: its integer part is the first slide of the top row,
  // its fraction the part of a row scrolled away.
  double FirstThumbIx() const { return FFirstThumbIx; }
  // Scrolls by Rows rows (negative: up).
  void ScrollRows(double Rows);

  // ---- geometry, shared by painting, the mouse and tests
  // Distance from one slide to the next: SlideSize + SlideDistance + 2 * SlideMargin.
  int Pitch() const;
  // Slides per row, as of the last layout (paint, resize or size change).
  int SlidesPerRow() const { return FNumSldX; }
  // Rows painted: the height over Pitch, plus one, as of the last layout.
  int RowsShown() const { return FNumSldY; }
  // Pixels of the top row scrolled away.
  int ScrollOffset() const;
  // The slide number in column c and row r (both from 1) of the view.
  int SlideAt(int c, int r) const;
  // The slide's rectangle (right and bottom exclusive) in column c and row r.
  TRect SlideRect(int c, int r) const;
  // Where a picture of W x H pixels goes in a slide whose top-left corner is
  // (X0, Y0): the aspect-correct rectangle in the picture area; empty when
  // the picture has no size.
  TRect PictureRect(int X0, int Y0, int W, int H) const;
  // The slide under a client point, or 0 (the gaps belong to no slide).
  int CalcSlideIndex(int XPos, int YPos) const;
  // The top-left corner of a slide at the current scroll position.
  void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;
  // The focus outline's outer box of a slide (right and bottom exclusive).
  TRect FocusBox(int SldNum) const;

  // Room for one slide between the 10-pixel bands at top and bottom.
  QSize minimumSizeHint() const override;

  // ---- events
  // Asks for the picture of each slide a paint draws (see above).
  TImageRequestEvent OnImageRequest;
  // Fires after each slide is drawn, with the canvas and the slide's top left corner.
  TSlideRenderedEvent OnSlideRendered;
  // Fires at each left click, after the selection changed, with the point and slide.
  TImageClickEvent OnImageClick;
  // Fires at each double click with the point and the slide under it.
  TImageClickEvent OnImageDblClick;
  // Fires when FocusedSlide changes.
  TNotifyEvent OnFocusChange;
  // Fires in each paint before the first OnImageRequest.
  TNotifyEvent OnFirstImageRequest;
  // Fires in each paint after the last OnImageRequest.
  TNotifyEvent OnLastImageRequest;

  void Assign(TPersistent* Source) override;
  void Paint() override;
  // Makes the slide under the pointer FocusedSlide while FocusLinewidth > 0.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // A left click selects by SlideSelectMode, then fires OnImageClick.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Fires OnImageDblClick.
  void DblClick() override;
  // Clears FocusedSlide while FocusLinewidth > 0.
  void MouseLeave() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

protected:
  void AssignTo(TPersistent* Dest) override;
  void Resize() override;
  // Draw and erase the focus outline straight on the surface.
  void HiLite(int SldNum);
  // Erases FocusedSlide's outline, in the colour of its face.
  void ResetLastHiLite();

private:
  // Slides per row for the current width and sizes; a change re-applies the
  // scroll position. Also counts the rows.
  void UpdateLayout();
  // The scroll position as a slide number: the inverse of SetFirstThumbIx.
  double ScrollValue(int PerRow) const;
  // SetFirstThumbIx without repainting; true when the position changed.
  bool StoreFirstThumbIx(double Value);
  void ResizeSelection();
  // The slide's bit without repainting; false outside Min..Max.
  bool SetSelectedBit(int sldnum, bool value);
  // Slide becomes FocusedSlide, outlined; OnFocusChange when it changed.
  void TrackFocus(int Slide);
  void OutlineSlide(int SldNum, TColor Color);
  void PaintSlide(TCanvas* c, int n, int x0, int y0, std::unique_ptr<TBitmap>& Buffer);
  void SetIntField(int& Field, int Value);
  void SetColorField(TColor& Field, TColor Value);
  void SetStyleField(TFrameStyle& Field, TFrameStyle Value);

  int FMin = 1, FMax = 100;
  int FSlideSize = 120, FSlideDistance = 2, FSlideMargin = 7;
  TSlideSelectMode FSlideSelectMode = ssmSingle;
  bool FAntiAlias = false;
  int FFocusLinewidth = 1;
  int FFocusedSlide = 0;
  TColor FColorBackGnd = clBtnFace, FColorCover = clSilver, FColorSelected = clNavy, FColorFocus = clBlue,
         FColorMark = clBlack;
  TColorScheme FColorScheme = csFixedColors;
  TFrameStyle FFrameStyle = fsSunken, FOuterFrameStyle = fsRaised, FInnerFrameStyle = fsSunken;
  TBitFld FSelectedSlide{100};
  double FFirstThumbIx = 1.0;
  int FNumSldX = 2, FNumSldY = 1;
  bool FIsWorking = false;
  int FLastClickedSlide = 0;
};

}  // namespace orv
