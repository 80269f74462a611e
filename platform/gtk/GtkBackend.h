// The GTK 3 desktop backend: what a host needs to show the headless window
// system on a real display. Client pixels come from the raster backend, so
// the screen shows exactly what the tests check; dialogs are answered by a
// person through a real GTK dialog that plays the same ModalSession the
// headless tests script.
#pragma once

#include "Shapix.h"
#include "platform/Utf8.h"

#include <gtk/gtk.h>

#include <functional>
#include <string>

namespace platform::gtk {

// The window's client area as last painted, as a pixbuf of its size.
GdkPixbuf* ClientPixbuf(const CWnd* window);

// The GDK cursor for a cursor handle: the library's monochrome cursors from
// their masks and hot spots, the system ones by their IDC_ ids. Cached per
// handle; the result is owned by the backend.
GdkCursor* CursorFor(HCURSOR cursor, GdkDisplay* display);

// Confines a client point to the current cursor confinement (ClipCursor),
// given where the window's client origin lies on the headless screen. True
// when the point was moved.
bool ConfinePoint(const CWnd* window, int& x, int& y);

// Tells which left-button presses are Windows double clicks. GTK reports a
// double click as a second press followed by GDK_2BUTTON_PRESS; a window
// with CS_DBLCLKS gets DOWN, UP, DBLCLK, UP instead, and a third press is a
// DOWN again. Feed every GDK_BUTTON_PRESS (and none of the 2/3BUTTON ones).
class ClickSequence {
public:
    ClickSequence(unsigned timeMs, int distance)
        : m_time(timeMs)
        , m_distance(distance)
    {
    }
    // True: send WM_LBUTTONDBLCLK for this press instead of WM_LBUTTONDOWN.
    bool Press(unsigned timeMs, int x, int y);

private:
    unsigned m_time;
    int m_distance;
    bool m_any = false;
    bool m_lastWasDouble = false;
    unsigned m_lastTime = 0;
    int m_lastX = 0;
    int m_lastY = 0;
};

// Replaces the modal driver: every CDialog::DoModal shows a GTK dialog
// transient for `parent` and returns when the library's dialog has ended.
// Message boxes raised while it runs are shown as GTK message dialogs.
// `onShown` (may be empty) hears each dialog's caption as it appears.
void InstallModalDriver(GtkWindow* parent, std::function<void(const std::wstring&)> onShown = {});

} // namespace platform::gtk
