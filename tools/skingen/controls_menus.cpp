// Menus: the popup menu item object, the main menu bar control and its item
// object (the bar's buttons are caption-button-like objects of the frame).
#include "control_painter.h"

namespace skingen {

void PaintMenus(Painter& P) {
  const SkinStyle& s = P.s;
  const SkinColors& c = P.c;
  const SkinPalette& p = P.p;
  IniWriter& ini = P.b.ini;

  // menuitem: the icon column and the text area; lit, a plate over both.
  {
    const int w = 80, h = 22, gutter = 24;  // the popup frame's icon column is as wide
    const gfx::Rect item = P.atlas.place(w, h);
    P.bmp().fillRect(item, c.menu);
    P.bmp().fillRect({item.left, item.top, item.left + gutter, item.bottom}, p.gutter);
    const gfx::Rect lit = P.atlas.place(w, h);
    P.bmp().copyRect(lit, P.bmp(), item);
    PaintFace(P.bmp(), {lit.left + 1, lit.top + 1, lit.right - 1, lit.bottom - 1}, p.hot, 3, -1, -1,
              0.5);
    const gfx::Rect divider = P.atlas.place(w, 5);
    P.bmp().fillRect(divider, c.menu);
    P.bmp().fillRect({divider.left, divider.top, divider.left + gutter, divider.bottom}, p.gutter);
    HLine(P.bmp(), divider.left + gutter + 4, divider.right - 2, divider.top + 2,
          Mix(p.menuBorder, c.menu, 0.45));
    P.atlas.newRow();
    const std::string n = "menuitem";
    WriteObjectBase(
        P.b, n, "menuitem",
        {"", kControlsPicture, true, item, lit, {}, s.controlMorph, s.controlMorphKind});
    ini.setInt(n, "itemleftoffset", gutter + 4);
    ini.setInt(n, "itemrightoffset", 4);
    ini.setRect(n, "dividerrect", divider);
    ini.setInt(n, "dividerleftoffset", gutter + 6);
    ini.setInt(n, "dividerrightoffset", 3);
    ini.setRect(n, "textrect", {gutter + 6, 0, w - 6, h});
    ini.set(n, "fontname", s.fontName);
    ini.setInt(n, "fontheight", s.fontHeight);
    ini.set(n, "fontstyle", "");
    ini.setColor(n, "fontcolor", c.text);
    ini.setColor(n, "activefontcolor", p.hot.text);
    ini.setColor(n, "unenabledfontcolor", p.disabledText);
  }

  // mainmenubar and its items: a tool bar face with plates for the item
  // under the mouse and the item whose menu is open.
  {
    const int w = 80, h = 22;
    const gfx::Rect bar = P.face(w, h, p.normal, 0, 10, 12);
    // Square ends and a quiet outline: the bar spans the window.
    HLine(P.bmp(), bar.left, bar.right, bar.bottom - 1, Mix(p.normal.border, c.client, 0.4));
    const gfx::Rect itemArea{2, 1, w - 2, h - 1};
    const gfx::Rect item = P.atlas.place(40, itemArea.height());
    P.bmp().copyRect(
        item, P.bmp(),
        {bar.left + 20, bar.top + itemArea.top, bar.left + 60, bar.top + itemArea.bottom});
    const gfx::Rect hot = P.atlas.place(40, itemArea.height());
    P.bmp().copyRect(hot, P.bmp(), item);
    PaintFace(P.bmp(), hot, p.hot, 3, -1, -1, 0.5);
    const gfx::Rect down = P.atlas.place(40, itemArea.height());
    P.bmp().copyRect(down, P.bmp(), item);
    PaintFace(P.bmp(), down, p.down, 3, -1, -1, 0.5);
    P.atlas.newRow();
    Section(P.b, "mainmenubar", "mainmenubar")
        .picture(bar)
        .rect("itemsrect", itemArea)
        .text("menubaritem", "mainmenubaritem")
        .text("closebutton", "mmclosebutton")
        .text("minbutton", "mmminbutton")
        .text("maxbutton", "mmmaxbutton")
        .text("sysmenubutton", "mmsysmenubutton")
        .color("trackmarkcolor", p.normal.text)
        .color("trackmarkactivecolor", c.accent);
    const std::string n = "mainmenubaritem";
    WriteObjectBase(P.b, n, "mainmenubaritem", {"", kControlsPicture, true, item, hot, {}});
    ini.setInt(n, "itemleftoffset", 4);
    ini.setInt(n, "itemrightoffset", 4);
    ini.setRect(n, "downrect", down);
    ini.setRect(n, "textrect", {6, 0, 34, itemArea.height()});
    ini.set(n, "fontname", s.fontName);
    ini.setInt(n, "fontheight", s.fontHeight);
    ini.set(n, "fontstyle", "");
    ini.setColor(n, "fontcolor", p.normal.text);
    ini.setColor(n, "activefontcolor", p.hot.text);
    ini.setColor(n, "downfontcolor", p.down.text);
    ini.setColor(n, "unenabledfontColor", p.disabledText);
  }
}

}  // namespace skingen
