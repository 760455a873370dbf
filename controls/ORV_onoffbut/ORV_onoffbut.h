#pragma once
// TOnOffBut: a two-state switch drawn from a glyph strip, with up to four
// texts around the glyph.
//
// A glyph strip holds four frames in a 2 x 2 layout: on and enabled (top
// left), off and enabled (top right), on and disabled (bottom left), off and
// disabled (bottom right). Pixels of the key colour RGB(235, 190, 235) are
// not part of the picture: they show ColorBackgnd, or the parent when
// Transparent. ButtonStyle picks one of the built-in strips (check box,
// radio button, slide switches, LEDs, arrows, a pedestrian light, smileys, a
// bulb, lamp buttons, rockers and five pictures oobsUser1..oobsUser5) or
// oobsUser, the four frames given with SetUserGlyph or LoadUserGlyph (at
// first a circle for on and a cross for off, 20 x 20).
//
// The glyph is drawn one pixel right and down of (LeftSpace, TopSpace),
// centred in the control while AutoCenter is set (also after every resize).
// LeftText, TopText, RightText and BottomText sit around it, each placed by
// its alignment; disabled texts are engraved. FrameStyle (fsSunken) frames
// the control. Default style oobsColSlideLR, size 100 x 50.
//
// Switching: a left click toggles OnOff, on the glyph only (MouseAction
// oomaFocused), anywhere (oomaPlain) or never (oomaNone), and fires OnClick
// on the release. Buttons with the same GroupIndex (not 0) on one parent act
// as radio buttons: switching one on switches the others off, and with
// AllowAllOff false the one that is on cannot be switched off. A speed
// button (Mode oobmSpeedBut) is on only while it is held: it goes off on the
// release also when the mouse was let go off the glyph (OnClick then does
// not fire), where a release outside would otherwise leave it on.
//
// OnResize is the application's: auto centring does not depend on it.
//
// \image html onoff_buttons.png "On/off buttons in the gallery"

#include <orvcore.h>

#include <array>

namespace orv {

namespace onoffbut_enums {
Q_NAMESPACE
// Stored as an int, so that a value from outside the list (a form file, setProperty) can be
// held and refused rather than being undefined.
enum TOnOffButStyle : int {
  oobsUser, oobsCheckbox, oobsRadioBut, oobsSlideTB, oobsSlideLR, oobsColSlideTB, oobsColSlideLR,
  oobsLedRedGreen, oobsArrowTopRgt, oobsArrowUpDown, oobsArrowLeftRight, oobsTrafficLPed, oobsBeveledLed,
  oobsSmileyYellow, oobsSmileyRedGrn, oobsBulb, oobsButLamp, oobsHDLeft, oobsHDRight,
  oobsUser1, oobsUser2, oobsUser3, oobsUser4, oobsUser5
};
Q_ENUM_NS(TOnOffButStyle)
enum TOOButMouseAction { oomaNone, oomaFocused, oomaPlain };
Q_ENUM_NS(TOOButMouseAction)
enum TOOButMode { oobmNormalBut, oobmSpeedBut };
Q_ENUM_NS(TOOButMode)
}  // namespace onoffbut_enums
using namespace onoffbut_enums;

// Pixels of this colour in a glyph strip are not part of the picture.
constexpr TColor OnOffButKeyColor = RGB(235, 190, 235);

class TOnOffBut : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(bool OnOff READ OnOff WRITE SetOnOff)
  Q_PROPERTY(orv::onoffbut_enums::TOnOffButStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(orv::onoffbut_enums::TOOButMode Mode READ Mode WRITE SetMode)
  Q_PROPERTY(orv::onoffbut_enums::TOOButMouseAction MouseAction READ MouseAction WRITE SetMouseAction)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(bool AllowAllOff READ AllowAllOff WRITE SetAllowAllOff)
  Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(int TopSpace READ TopSpace WRITE SetTopSpace)
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(QString TopText READ TopText WRITE SetTopText)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(QString BottomText READ BottomText WRITE SetBottomText)
  Q_PROPERTY(orv::platform_enums::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
  Q_PROPERTY(orv::platform_enums::TAlignment TopTextAlignment READ TopTextAlignment WRITE SetTopTextAlignment)
  Q_PROPERTY(orv::platform_enums::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
  Q_PROPERTY(orv::platform_enums::TAlignment BottomTextAlignment READ BottomTextAlignment WRITE SetBottomTextAlignment)
  Q_PROPERTY(orv::TColor ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(orv::TColor ColorBackgnd READ ColorBackgnd WRITE SetColorBackgnd)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
  // A button with the defaults above; AOwner (a component, a Qt parent
  // widget, or null) owns it and, when it is a control, is its parent.
  explicit TOnOffBut(TOwnerArg AOwner);

  // The state (true). Switching off is refused silently in a group
  // (GroupIndex not 0) without AllowAllOff; switching on switches the rest
  // of the group off.
  bool OnOff() const { return FOnOff; }
  void SetOnOff(bool Value);
  // The glyph strip (oobsColSlideLR). Raises EInvalidGraphic, and keeps the
  // style, when the strip cannot be loaded or the value is no style.
  TOnOffButStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TOnOffButStyle Value);
  // A normal button (oobmNormalBut) or a speed button, on only while held;
  // oobmSpeedBut also switches the button off.
  TOOButMode Mode() const { return FMode; }
  void SetMode(TOOButMode Value);
  // Where a click counts: on the glyph (oomaFocused), anywhere (oomaPlain) or nowhere (oomaNone).
  TOOButMouseAction MouseAction() const { return FMouseAction; }
  void SetMouseAction(TOOButMouseAction Value);
  // The radio group on the same parent (0: none).
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // In a group, whether the button that is on may be switched off (true);
  // setting it hands the value to the whole group.
  bool AllowAllOff() const { return FAllowAllOff; }
  void SetAllowAllOff(bool Value);
  // Whether the glyph is kept centred in the control (true).
  bool AutoCenter() const { return FAutoCenter; }
  void SetAutoCenter(bool Value);
  // The glyph's left edge less one (35). Negative values are ignored; with
  // AutoCenter set, setting it centres the glyph instead; it is limited to the width.
  int LeftSpace() const { return FLeftSpace; }
  void SetLeftSpace(int Value);
  // The glyph's top edge less one (18), as LeftSpace; it is limited to the height.
  int TopSpace() const { return FTopSpace; }
  void SetTopSpace(int Value);

  // The text left of the glyph.
  QString LeftText() const { return FLeftText; }
  void SetLeftText(const QString& Value) { SetText(FLeftText, Value); }
  // The text above the glyph.
  QString TopText() const { return FTopText; }
  void SetTopText(const QString& Value) { SetText(FTopText, Value); }
  // The text right of the glyph.
  QString RightText() const { return FRightText; }
  void SetRightText(const QString& Value) { SetText(FRightText, Value); }
  // The text below the glyph.
  QString BottomText() const { return FBottomText; }
  void SetBottomText(const QString& Value) { SetText(FBottomText, Value); }
  // Placement of the left text (taRightJustify: against the glyph).
  TAlignment LeftTextAlignment() const { return FLeftTextAlignment; }
  void SetLeftTextAlignment(TAlignment Value) { SetAlignment(FLeftTextAlignment, Value); }
  // Placement of the top text (taCenter: over the glyph).
  TAlignment TopTextAlignment() const { return FTopTextAlignment; }
  void SetTopTextAlignment(TAlignment Value) { SetAlignment(FTopTextAlignment, Value); }
  // Placement of the right text (taLeftJustify: against the glyph).
  TAlignment RightTextAlignment() const { return FRightTextAlignment; }
  void SetRightTextAlignment(TAlignment Value) { SetAlignment(FRightTextAlignment, Value); }
  // Placement of the bottom text (taCenter: under the glyph).
  TAlignment BottomTextAlignment() const { return FBottomTextAlignment; }
  void SetBottomTextAlignment(TAlignment Value) { SetAlignment(FBottomTextAlignment, Value); }

  // Colour of the enabled texts (black).
  TColor ColorText() const { return FColorText; }
  void SetColorText(TColor Value);
  // Background of the control and of the glyph's key-colour pixels (clBtnFace).
  TColor ColorBackgnd() const { return FColorBackgnd; }
  void SetColorBackgnd(TColor Value);
  // Frame around the control (fsSunken).
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Kept with its frame-line colours; the painting does not use them.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  // Only the glyph, the texts and the frame are drawn; the parent shows elsewhere.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // The frames of the built-in style's strip, or for oobsUser the user frames.
  void LoadGlyphs();
  // A strip in the 2 x 2 layout becomes the four user frames (and, shown by
  // oobsUser, the glyph and its size). A picture smaller than 2 x 2 is ignored.
  void SetUserGlyph(TBitmap* Img);
  // The same from a picture file; raises EInvalidGraphic when it cannot be read.
  void LoadUserGlyph(const QString& FName);

  // ---- geometry, shared by painting, the mouse and tests
  // Width of the glyph (a frame of the strip).
  int GlyphWidth() const { return FGlyphWidth; }
  // Height of the glyph.
  int GlyphHeight() const { return FGlyphHeight; }
  // Where the glyph is drawn.
  TRect GlyphRect() const;
  // Whether a press or release at (X, Y) counts, by MouseAction.
  bool InMouseArea(int X, int Y) const;
  // Top-left corner of the left text of the given size.
  TPoint LeftTextPos(int TextWidth, int TextHeight) const;
  // Top-left corner of the right text of the given size.
  TPoint RightTextPos(int TextWidth, int TextHeight) const;
  // Top-left corner of the top text of the given size.
  TPoint TopTextPos(int TextWidth, int TextHeight) const;
  // Top-left corner of the bottom text of the given size.
  TPoint BottomTextPos(int TextWidth, int TextHeight) const;
  // A frame of the current glyph.
  TBitmap* GlyphFrame(bool On, bool IsEnabled) { return &FButImg[std::size_t(FrameIndex(On, IsEnabled))]; }
  // Room for the glyph.
  QSize minimumSizeHint() const override;

  // Copies the settings, texts and pictures of another TOnOffBut.
  void Assign(TPersistent* Source) override;
  // Draws the texts, the glyph and the frame.
  void Paint() override;
  // A left press where it counts toggles the button.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // A left release switches a speed button off (where it counts, or after a
  // press that counted) and, where it counts, fires OnClick.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Does nothing: OnClick fires from MouseUp.
  void Click() override;

protected:
  void AssignTo(TPersistent* Dest) override;
  void Resize() override;
  // Tells the other buttons of the group on the same parent that this one
  // was switched (they switch off when both are on) and hands them AllowAllOff.
  void UpdateExclusive();

private:
  static int FrameIndex(bool On, bool IsEnabled) { return 2 * int(On) + int(IsEnabled); }
  // The group's notice from Sender.
  void ButtonPressed(int Group, const TOnOffBut* Sender);
  void Center();
  void SetText(QString& Field, const QString& Value);
  void SetAlignment(TAlignment& Field, TAlignment Value);
  // Cuts a 2 x 2 strip into four frames.
  static void CutStrip(const QImage& Strip, std::array<TBitmap, 4>& Frames);
  // Marks the frames to be drawn without their key-colour pixels.
  static void KeyOut(std::array<TBitmap, 4>& Frames);
  void DrawUserFrames();
  void DrawText(TCanvas* Picture, TCanvas* Mask, TPoint At, const QString& Text);

  bool FOnOff = true;
  TOnOffButStyle FButtonStyle = oobsColSlideLR;
  TOOButMode FMode = oobmNormalBut;
  TOOButMouseAction FMouseAction = oomaFocused;
  int FGroupIndex = 0;
  bool FAllowAllOff = true;
  bool FAutoCenter = true;
  int FLeftSpace = 35;
  int FTopSpace = 18;
  QString FLeftText, FTopText, FRightText, FBottomText;
  TAlignment FLeftTextAlignment = taRightJustify;
  TAlignment FTopTextAlignment = taCenter;
  TAlignment FRightTextAlignment = taLeftJustify;
  TAlignment FBottomTextAlignment = taCenter;
  TColor FColorText = clBlack;
  TColor FColorBackgnd = clBtnFace;
  TFrameStyle FFrameStyle = fsSunken;
  TColorScheme FColorScheme = csFixedColors;
  TColor FColWhiteLine = clWhite;
  TColor FColGrayLine = clGray;
  bool FTransparent = false;
  bool FHeld = false;  // the left button went down where it counts
  int FGlyphWidth = 0;
  int FGlyphHeight = 0;
  std::array<TBitmap, 4> FButImg;   // by FrameIndex
  std::array<TBitmap, 4> FUserImg;  // by FrameIndex
};

}  // namespace orv
