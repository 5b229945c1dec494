#pragma once

#include <QEvent>

// Message numbers of the window hooks. A message is the type of the Qt event the hooked
// widget receives; the event itself carries what the message's parameters carried
// (button, position, size). Press and release events cover every mouse button.
namespace WindowMessages {

inline constexpr int WM_MOVE = QEvent::Move;
inline constexpr int WM_SIZE = QEvent::Resize;
inline constexpr int WM_SETFOCUS = QEvent::FocusIn;
inline constexpr int WM_KILLFOCUS = QEvent::FocusOut;
inline constexpr int WM_PAINT = QEvent::Paint;
inline constexpr int WM_CLOSE = QEvent::Close;
inline constexpr int WM_SHOWWINDOW = QEvent::Show;
inline constexpr int WM_HIDEWINDOW = QEvent::Hide;
inline constexpr int WM_KEYDOWN = QEvent::KeyPress;
inline constexpr int WM_KEYUP = QEvent::KeyRelease;
inline constexpr int WM_MOUSEMOVE = QEvent::MouseMove;
inline constexpr int WM_BUTTONDOWN = QEvent::MouseButtonPress;
inline constexpr int WM_BUTTONUP = QEvent::MouseButtonRelease;
inline constexpr int WM_BUTTONDBLCLK = QEvent::MouseButtonDblClick;
inline constexpr int WM_MOUSEWHEEL = QEvent::Wheel;
inline constexpr int WM_MOUSEENTER = QEvent::Enter;
// Posted once per TrackMouseTracking request when the pointer has left the widget.
inline constexpr int WM_MOUSELEAVE = QEvent::User + 0x2A3;
// Posted by whoever watches the screens when the work area or other system settings
// changed; Qt itself reports these through QScreen signals, not as an event.
inline constexpr int WM_SETTINGCHANGE = QEvent::User + 0x1A;

}
