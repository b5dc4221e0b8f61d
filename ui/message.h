// Window messages: the numbers, the hit-test codes and the parameter records
// that window procedures exchange. A message is sent synchronously to a
// control's windowProc; points travel packed in lparam, records by pointer.
#pragma once

#include <cstdint>

#include "ui/graphics/geometry.h"

class QWidget;

namespace ui {

using MessageParam = std::intptr_t;

struct Message {
  unsigned id = 0;
  MessageParam wparam = 0;
  MessageParam lparam = 0;
  MessageParam result = 0;
};

// Message numbers. The classic numbering is kept so that traces read
// familiarly; the skin notifications (1225-1229, 1274) and the right-button
// messages seen by the application filter depend on their values.
enum MessageId : unsigned {
  WM_NULL = 0x0000,
  WM_CREATE = 0x0001,
  WM_DESTROY = 0x0002,
  WM_MOVE = 0x0003,
  WM_SIZE = 0x0005,
  WM_ACTIVATE = 0x0006,
  WM_SETFOCUS = 0x0007,
  WM_KILLFOCUS = 0x0008,
  WM_ENABLE = 0x000A,
  WM_SETTEXT = 0x000C,
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_ERASEBKGND = 0x0014,
  WM_SHOWWINDOW = 0x0018,
  WM_CANCELMODE = 0x001F,
  WM_SETCURSOR = 0x0020,
  WM_MOUSEACTIVATE = 0x0021,
  WM_GETMINMAXINFO = 0x0024,
  WM_NCCALCSIZE = 0x0083,
  WM_NCHITTEST = 0x0084,
  WM_NCPAINT = 0x0085,
  WM_NCACTIVATE = 0x0086,
  WM_SYNCPAINT = 0x0088,
  WM_NCMOUSEMOVE = 0x00A0,
  WM_NCLBUTTONDOWN = 0x00A1,
  WM_NCLBUTTONUP = 0x00A2,
  WM_NCLBUTTONDBLCLK = 0x00A3,
  WM_NCRBUTTONDOWN = 0x00A4,
  WM_NCRBUTTONUP = 0x00A5,
  WM_NCRBUTTONDBLCLK = 0x00A6,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105,
  WM_SYSCOMMAND = 0x0112,
  WM_TIMER = 0x0113,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203,
  WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205,
  WM_RBUTTONDBLCLK = 0x0206,
  WM_MBUTTONDOWN = 0x0207,
  WM_MBUTTONUP = 0x0208,
  WM_MBUTTONDBLCLK = 0x0209,
  WM_MOUSEWHEEL = 0x020A,
  WM_SIZING = 0x0214,
  WM_CAPTURECHANGED = 0x0215,
  WM_MOVING = 0x0216,
  WM_ENTERSIZEMOVE = 0x0231,
  WM_EXITSIZEMOVE = 0x0232,
  WM_USER = 0x0400,
  // Framework notifications of the control layer.
  CM_BASE = 0xB000,
  CM_MOUSEENTER = CM_BASE + 1,  // the pointer entered the control
  CM_MOUSELEAVE = CM_BASE + 2,  // the pointer left the control
  CM_TEXTCHANGED = CM_BASE + 3,
  CM_ENABLEDCHANGED = CM_BASE + 4,
  CM_VISIBLECHANGED = CM_BASE + 5,
  CM_FONTCHANGED = CM_BASE + 6,
  CM_DIALOGKEY = CM_BASE + 7,  // wparam: the key; result 1 when a dialog button took it
};

// Hit-test codes answered to WM_NCHITTEST.
enum HitCode : int {
  HTERROR = -2,
  HTTRANSPARENT = -1,
  HTNOWHERE = 0,
  HTCLIENT = 1,
  HTCAPTION = 2,
  HTSYSMENU = 3,
  HTMENU = 5,
  HTHSCROLL = 6,
  HTVSCROLL = 7,
  HTMINBUTTON = 8,
  HTMAXBUTTON = 9,
  HTLEFT = 10,
  HTRIGHT = 11,
  HTTOP = 12,
  HTTOPLEFT = 13,
  HTTOPRIGHT = 14,
  HTBOTTOM = 15,
  HTBOTTOMLEFT = 16,
  HTBOTTOMRIGHT = 17,
  HTBORDER = 18,
  HTOBJECT = 19,
  HTCLOSE = 20,
  HTHELP = 21,
};

// True for the eight sizing codes HTLEFT..HTBOTTOMRIGHT.
constexpr bool IsSizingHitCode(int code) { return code >= HTLEFT && code <= HTBOTTOMRIGHT; }

// WM_ACTIVATE wparam.
enum ActivateState : int { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };

// WM_SIZE wparam.
enum SizeKind : int { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

// WM_SIZING wparam: the edge being dragged.
enum SizingEdge : int {
  WMSZ_LEFT = 1,
  WMSZ_RIGHT = 2,
  WMSZ_TOP = 3,
  WMSZ_TOPLEFT = 4,
  WMSZ_TOPRIGHT = 5,
  WMSZ_BOTTOM = 6,
  WMSZ_BOTTOMLEFT = 7,
  WMSZ_BOTTOMRIGHT = 8,
};

// WM_SYSCOMMAND wparam.
enum SysCommand : int {
  SC_SIZE = 0xF000,
  SC_MOVE = 0xF010,
  SC_MINIMIZE = 0xF020,
  SC_MAXIMIZE = 0xF030,
  SC_CLOSE = 0xF060,
  SC_KEYMENU = 0xF100,
  SC_RESTORE = 0xF120,
};

// Mouse message wparam: buttons and modifier keys held.
enum MouseKeys : int {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_SHIFT = 0x0004,
  MK_CONTROL = 0x0008,
  MK_MBUTTON = 0x0010,
};

// WM_GETMINMAXINFO lparam points to this record.
struct MinMaxInfo {
  gfx::Point maxSize;       // size of a maximized window
  gfx::Point maxPosition;   // its left-top corner
  gfx::Point minTrackSize;  // smallest size the sizing loop allows
  gfx::Point maxTrackSize;  // largest size the sizing loop allows
};

// Points and sizes travel packed in a parameter: x (or width) in the low 32
// bits, y (or height) in the high 32 bits, both signed.
constexpr MessageParam PackPoint(int x, int y) {
  return static_cast<MessageParam>(
      static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) |
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32));
}
constexpr MessageParam PackPoint(gfx::Point p) { return PackPoint(p.x, p.y); }
constexpr gfx::Point UnpackPoint(MessageParam v) {
  const auto u = static_cast<std::uint64_t>(v);
  return {static_cast<std::int32_t>(static_cast<std::uint32_t>(u & 0xFFFFFFFFu)),
          static_cast<std::int32_t>(static_cast<std::uint32_t>(u >> 32))};
}

// Record pointers in parameters.
template <typename T>
MessageParam ToParam(T* p) {
  return reinterpret_cast<MessageParam>(p);
}
template <typename T>
T* FromParam(MessageParam v) {
  return reinterpret_cast<T*>(v);
}

// A message as the application's filter sees it when it is taken from the
// queue: the window it is for (any widget, ours or a foreign one such as a
// browser's render widget) and the message itself.
struct QueuedMessage {
  QWidget* window = nullptr;
  Message message;
};

}  // namespace ui
