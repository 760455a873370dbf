#pragma once
// TColSel: a drop-down list of named colours, each entry a colour bar
// followed by the colour's name.
//
// The control holds a table of 47 entries (colour, name, editable flag),
// filled at creation from the base library's PredefinedColors and named
// with ColorToString ("clRed", "$00804020"); the first NumColors (20) of them
// are offered, in table order. LoadBasicVGAPalette, LoadExtendedPalette,
// LoadStandardPalette and LoadWindowsSystemPalette refill the table from
// PredefinedColors (16, 20, 47 or 27 entries). SelColor is the colour of
// the selected entry; setting a colour that an offered entry has (compared
// as RGB) selects that entry, any other colour replaces the selected
// entry's colour. Whenever the control names an entry, OnColorNameChange
// sees the name first and may change it.
//
// An editable entry (ColorEditAllowed) shows an edit mark on its bar, black
// on pale colours and white on dark ones. Pressing the list button while
// the mouse is over the colour bar opens the colour dialog preset with the
// selected colour when the selected entry is editable; the chosen colour
// replaces the entry's and OnChange fires. The list opens afterwards as
// always. Disabled, the entries are drawn in greys.
//
// Indexes of Colors, ColorNames and ColorEditAllowed are 1..NumColors;
// reading outside gives 0, an empty name or false, writing there is ignored.
//
// Default size 145 wide by the combo box's height; in a layout it may grow
// sideways.
//
// \image html colour_selector.png "Colour selectors in the gallery"

#include <orvcore.h>

#include <array>

namespace orv {

using TOnColorNameChangeEvent = std::function<void(TObject* Sender, QString& ColorName)>;

class TColSel : public TCustomComboBox {
  Q_OBJECT
  Q_PROPERTY(int NumColors READ NumColors WRITE SetNumColors)
  Q_PROPERTY(int ColorBarWidth READ ColorBarWidth WRITE SetColorBarWidth)
  Q_PROPERTY(orv::TColor SelColor READ SelColor WRITE SetSelColor)
  Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)

public:
  // Entries in the colour table.
  static constexpr int MaxColors = 47;

  // A selector offering the first 20 predefined colours, the first one
  // selected; AOwner (a component, a Qt parent widget, or null) owns it and,
  // when it is a control, is its parent.
  explicit TColSel(TOwnerArg AOwner);

  // Entries offered, 1..47 (20); other values are ignored. Setting it
  // selects the first entry.
  int NumColors() const { return FNumColors; }
  void SetNumColors(int Value);
  // Width of the colour bar in pixels (30); negative values are ignored.
  int ColorBarWidth() const { return FColorBarWidth; }
  void SetColorBarWidth(int Value);
  // The colour of the selected entry. Setting it selects the first offered
  // entry of that RGB value, or else gives the selected entry the colour
  // and the name ColorToString of its RGB value.
  TColor SelColor() const { return Colors(FSelColorIx); }
  void SetSelColor(TColor Value);
  // The name of the selected entry; empty while no entry is selected.
  QString SelColorID() const;

  // The colour of an offered entry; setting it names the entry with
  // ColorToString of the colour.
  TColor Colors(int Index) const;
  void SetColors(int Index, TColor Value);
  // The name of an offered entry.
  QString ColorNames(int Index) const;
  void SetColorNames(int Index, const QString& Value);
  // Whether the user may redefine an offered entry through the colour dialog.
  bool ColorEditAllowed(int Index) const;
  void SetColorEditAllowed(int Index, bool Value);
  // Makes every entry of the table editable.
  void SetAllColorEditFlags();
  // Makes every entry of the table not editable.
  void ResetAllColorEditFlags();
  // The first entry of the whole table (1..47, offered or not) whose colour
  // equals Color exactly; 0 when none does.
  int FindColorEntry(TColor Color) const;

  // Offers the 16 basic colours (PredefinedColors 1..16), the first one
  // selected; each entry is named again, the editable flags stay.
  void LoadBasicVGAPalette() { LoadPalette(1, 16); }
  // Offers PredefinedColors 1..20, as LoadBasicVGAPalette.
  void LoadExtendedPalette() { LoadPalette(1, 20); }
  // Offers all 47 PredefinedColors, as LoadBasicVGAPalette.
  void LoadStandardPalette() { LoadPalette(1, 47); }
  // Offers the 27 system colours (PredefinedColors 21..47), as LoadBasicVGAPalette.
  void LoadWindowsSystemPalette() { LoadPalette(21, 27); }

  // Sees every name the control gives an entry and may change it.
  TOnColorNameChangeEvent OnColorNameChange;

  // ---- geometry of an entry drawn in Rect, shared by painting and tests
  // The colour bar.
  TRect BarRect(const TRect& Rect) const;
  // The closed outline of the edit mark.
  static QList<TPoint> EditMark(const TRect& Rect);
  // The pen of the edit mark on a colour: black on pale colours, white on dark ones.
  static TColor EditMarkColor(TColor Color);
  // The rectangle the name is written in, 3 pixels from its left edge.
  TRect NameRect(const TRect& Rect) const;
  // Whether the mouse was over the colour bar at its last move.
  bool MouseOverBar() const { return FMouseAreaCode == 1; }

  // Paints entry Index + 1 (the bar, the edit mark and the name).
  void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
  // The user picked an entry: it becomes the selected one.
  void Click() override;
  // Opens the colour dialog first when the mouse is over the bar of an
  // editable selected entry.
  void DropDown() override;
  // Records whether the mouse is over the colour bar.
  void MouseMove(TShiftState Shift, int X, int Y) override;

protected:
  void Loaded() override;

private:
  // Copies Count entries of PredefinedColors from First on into the table.
  void LoadPalette(int First, int Count);
  // The name the control gives a colour, after OnColorNameChange.
  QString NameFor(TColor Color);
  // Fills the list with the offered entries and selects the selected one.
  void LoadColorsIntoComboList();
  bool Offered(int Index) const { return Index >= 1 && Index <= FNumColors; }
  // Repaints the closed box and the open list.
  void Refresh();

  std::array<TColor, MaxColors> FColors{};
  std::array<QString, MaxColors> FColorNames;
  std::array<bool, MaxColors> FIsUserEditable{};
  int FSelColorIx = 1;
  int FNumColors = 20;
  int FColorBarWidth = 30;
  int FMouseAreaCode = 0;
};

}  // namespace orv
