#include "GtkBackend.h"

#include "platform/Image.h"
#include "platform/dlg/ModalSession.h"
#include "platform/wnd/Capture.h"
#include "platform/wnd/Cursor.h"
#include "platform/wnd/WindowRecord.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace platform::gtk {

GdkPixbuf* ClientPixbuf(const CWnd* window)
{
    const Image image = CaptureClient(window);
    const int width = std::max(1, image.Width());
    const int height = std::max(1, image.Height());
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < height; ++y) {
        guchar* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(stride);
        for (int x = 0; x < width; ++x) {
            const COLORREF c = image.Pixel(x, y);
            row[3 * x] = GetRValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetBValue(c);
        }
    }
    return pixbuf;
}

namespace {

    // Windows' monochrome rule: AND 1 / XOR 0 shows the screen, AND 0 the
    // XOR colour; AND 1 / XOR 1 inverts, which a pixbuf cannot, so it is
    // drawn black to stay visible on the control's light background.
    GdkCursor* MonochromeCursor(const CursorResource& image, GdkDisplay* display)
    {
        GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 32, 32);
        guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const bool andBit = image.andMask[y] & (0x80000000u >> x);
                const bool xorBit = image.xorMask[y] & (0x80000000u >> x);
                guchar* p = pixels + y * stride + 4 * x;
                const guchar value = (!andBit && xorBit) ? 255 : 0;
                p[0] = p[1] = p[2] = value;
                p[3] = (andBit && !xorBit) ? 0 : 255;
            }
        }
        GdkCursor* cursor = gdk_cursor_new_from_pixbuf(display, pixbuf, image.hotSpot.x, image.hotSpot.y);
        g_object_unref(pixbuf);
        return cursor;
    }

    const char* SystemCursorName(int id)
    {
        switch (id) {
        case 32513: return "text";
        case 32514: return "wait";
        case 32515: return "crosshair";
        case 32646: return "move";
        case 32649: return "pointer";
        default: return "default";
        }
    }

} // namespace

GdkCursor* CursorFor(HCURSOR cursor, GdkDisplay* display)
{
    static std::map<HCURSOR, GdkCursor*> cache;
    const auto found = cache.find(cursor);
    if (found != cache.end())
        return found->second;
    GdkCursor* made = nullptr;
    if (const CursorResource* image = CursorImage(cursor))
        made = MonochromeCursor(*image, display);
    else
        made = gdk_cursor_new_from_name(display, SystemCursorName(CursorId(cursor)));
    cache[cursor] = made;
    return made;
}

bool ClickSequence::Press(unsigned timeMs, int x, int y)
{
    const bool second = m_any && !m_lastWasDouble && timeMs - m_lastTime <= m_time
        && std::abs(x - m_lastX) <= m_distance && std::abs(y - m_lastY) <= m_distance;
    m_any = true;
    m_lastWasDouble = second;
    m_lastTime = timeMs;
    m_lastX = x;
    m_lastY = y;
    return second;
}

bool ConfinePoint(const CWnd* window, int& x, int& y)
{
    CRect clip;
    if (!CursorClip(&clip))
        return false;
    const WindowRecord* record = WindowRecord::FromHandle(window->GetSafeHwnd());
    if (!record)
        return false;
    const POINT origin = record->ClientOriginOnScreen();
    // Right and bottom are outside; an empty confinement pins to its edge.
    const int left = clip.left - origin.x;
    const int top = clip.top - origin.y;
    const int right = std::max(left, static_cast<int>(clip.right - origin.x) - 1);
    const int bottom = std::max(top, static_cast<int>(clip.bottom - origin.y) - 1);
    const int cx = std::clamp(x, left, right);
    const int cy = std::clamp(y, top, bottom);
    const bool moved = cx != x || cy != y;
    x = cx;
    y = cy;
    return moved;
}

namespace {

    struct ControlView {
        int id = 0;
        WindowRecord* record = nullptr;
        GtkWidget* widget = nullptr; // what is placed and enabled
        GtkWidget* input = nullptr; // what carries text, check or list
        GtkListStore* store = nullptr;
        GtkWidget* unchecked = nullptr; // a radio's hidden partner, active when it is not
    };

    // Template rectangles are tight (an edit is 12 dialog units high); GTK's
    // theme minimums would make controls overlap their neighbours.
    void UseTemplateMetrics()
    {
        static bool done = false;
        if (done)
            return;
        done = true;
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(css,
            ".shapix-dialog entry { min-height: 0; padding-top: 0; padding-bottom: 0; }"
            ".shapix-dialog button { min-height: 0; padding: 0 4px; }"
            ".shapix-dialog * { font-size: 9pt; }",
            -1, nullptr);
        gtk_style_context_add_provider_for_screen(
            gdk_screen_get_default(), GTK_STYLE_PROVIDER(css), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_unref(css);
    }

    class GtkDialogRun {
    public:
        GtkDialogRun(ModalSession& session, GtkWindow* parent)
            : m_session(session)
            , m_parent(parent)
        {
        }

        void Run(const std::function<void(const std::wstring&)>& onShown)
        {
            WindowRecord* dialog = WindowRecord::FromHandle(m_session.Dialog().GetSafeHwnd());
            if (!dialog) {
                m_session.Click(IDCANCEL);
                return;
            }
            UseTemplateMetrics();
            m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
            gtk_window_set_title(GTK_WINDOW(m_window), ToUtf8(m_session.Caption()).c_str());
            gtk_window_set_modal(GTK_WINDOW(m_window), TRUE);
            if (m_parent)
                gtk_window_set_transient_for(GTK_WINDOW(m_window), m_parent);
            gtk_window_set_resizable(GTK_WINDOW(m_window), FALSE);
            gtk_style_context_add_class(gtk_widget_get_style_context(m_window), "shapix-dialog");
            gtk_window_set_position(GTK_WINDOW(m_window), GTK_WIN_POS_CENTER_ON_PARENT);
            const RECT client = dialog->ClientRect();
            GtkWidget* fixed = gtk_fixed_new();
            gtk_widget_set_size_request(fixed, client.right, client.bottom);
            gtk_container_add(GTK_CONTAINER(m_window), fixed);
            for (WindowRecord* child : dialog->children)
                Place(GTK_FIXED(fixed), child);
            g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);
            g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKey), this);
            Refresh();
            gtk_widget_show_all(m_window);
            Refresh(); // visibility after show_all
            if (onShown)
                onShown(m_session.Caption());
            m_loop = g_main_loop_new(nullptr, FALSE);
            if (!m_session.Ended())
                g_main_loop_run(m_loop);
            g_main_loop_unref(m_loop);
            gtk_widget_destroy(m_window);
            for (ControlView& view : m_views) {
                if (view.unchecked)
                    g_object_unref(view.unchecked);
            }
        }

    private:
        void Place(GtkFixed* fixed, WindowRecord* child)
        {
            ControlView view;
            view.id = child->id;
            view.record = child;
            const int width = child->rect.right - child->rect.left;
            const int height = child->rect.bottom - child->rect.top;
            const std::string text = ToUtf8(child->text);
            const BuiltinClass kind = child->windowClass ? child->windowClass->builtin : BuiltinClass::None;
            switch (kind) {
            case BuiltinClass::Button: {
                const DWORD type = child->style & BS_TYPEMASK;
                if (type == BS_GROUPBOX) {
                    view.widget = view.input = gtk_frame_new(text.c_str());
                } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
                    view.widget = view.input = gtk_check_button_new_with_label(text.c_str());
                    g_signal_connect(view.widget, "clicked", G_CALLBACK(OnClicked), this);
                } else if (type == BS_AUTORADIOBUTTON || type == 4 /* BS_RADIOBUTTON */) {
                    // A lone GTK radio cannot be cleared; the library decides
                    // which radio is checked, so each gets a hidden partner.
                    view.unchecked = gtk_radio_button_new(nullptr);
                    view.widget = view.input = gtk_radio_button_new_with_label_from_widget(
                        GTK_RADIO_BUTTON(view.unchecked), text.c_str());
                    g_object_ref_sink(view.unchecked);
                    g_signal_connect(view.widget, "clicked", G_CALLBACK(OnClicked), this);
                } else {
                    view.widget = view.input = gtk_button_new_with_label(text.c_str());
                    g_signal_connect(view.widget, "clicked", G_CALLBACK(OnClicked), this);
                }
                break;
            }
            case BuiltinClass::Edit:
                view.widget = view.input = gtk_entry_new();
                gtk_entry_set_width_chars(GTK_ENTRY(view.input), 1);
                g_signal_connect(view.input, "changed", G_CALLBACK(OnEdited), this);
                g_signal_connect(view.input, "activate", G_CALLBACK(OnActivate), this);
                break;
            case BuiltinClass::ListBox: {
                view.store = gtk_list_store_new(1, G_TYPE_STRING);
                view.input = gtk_tree_view_new_with_model(GTK_TREE_MODEL(view.store));
                gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(view.input), FALSE);
                gtk_tree_view_append_column(GTK_TREE_VIEW(view.input),
                    gtk_tree_view_column_new_with_attributes(
                        "", gtk_cell_renderer_text_new(), "text", 0, nullptr));
                view.widget = gtk_scrolled_window_new(nullptr, nullptr);
                gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(view.widget), GTK_SHADOW_IN);
                gtk_container_add(GTK_CONTAINER(view.widget), view.input);
                g_signal_connect(gtk_tree_view_get_selection(GTK_TREE_VIEW(view.input)), "changed",
                    G_CALLBACK(OnListChanged), this);
                break;
            }
            default:
                view.widget = view.input = gtk_label_new(text.c_str());
                gtk_label_set_xalign(GTK_LABEL(view.input), 0);
                gtk_label_set_yalign(GTK_LABEL(view.input), 0);
                gtk_label_set_line_wrap(GTK_LABEL(view.input), TRUE);
                break;
            }
            gtk_widget_set_size_request(view.widget, std::max(1, width), std::max(1, height));
            gtk_fixed_put(fixed, view.widget, child->rect.left, child->rect.top);
            g_object_set_data(G_OBJECT(view.input), "shapix-index", GINT_TO_POINTER(m_views.size()));
            m_views.push_back(view);
        }

        // The library's state back onto the widgets, after anything the
        // person did (a handler may change any control).
        void Refresh()
        {
            m_updating = true;
            for (ControlView& view : m_views) {
                const bool visible = (view.record->style & WS_VISIBLE) != 0;
                if (gtk_widget_get_mapped(m_window) || visible)
                    gtk_widget_set_visible(view.widget, visible);
                gtk_widget_set_sensitive(view.widget, m_session.IsEnabled(view.id));
                const std::string text = ToUtf8(view.record->text);
                if (GTK_IS_ENTRY(view.input)) {
                    if (text != gtk_entry_get_text(GTK_ENTRY(view.input)))
                        gtk_entry_set_text(GTK_ENTRY(view.input), text.c_str());
                } else if (GTK_IS_TOGGLE_BUTTON(view.input)) {
                    gtk_button_set_label(GTK_BUTTON(view.input), text.c_str());
                    const bool checked = m_session.IsChecked(view.id);
                    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(view.input), checked);
                    if (view.unchecked && !checked)
                        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(view.unchecked), TRUE);
                } else if (GTK_IS_BUTTON(view.input)) {
                    gtk_button_set_label(GTK_BUTTON(view.input), text.c_str());
                } else if (GTK_IS_LABEL(view.input)) {
                    gtk_label_set_text(GTK_LABEL(view.input), text.c_str());
                } else if (GTK_IS_FRAME(view.input)) {
                    gtk_frame_set_label(GTK_FRAME(view.input), text.c_str());
                } else if (view.store) {
                    gtk_list_store_clear(view.store);
                    for (const std::wstring& item : m_session.ListItems(view.id)) {
                        GtkTreeIter iter;
                        gtk_list_store_append(view.store, &iter);
                        gtk_list_store_set(view.store, &iter, 0, ToUtf8(item).c_str(), -1);
                    }
                    const int selected = m_session.ListSelection(view.id);
                    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(view.input));
                    gtk_tree_selection_unselect_all(selection);
                    if (selected >= 0) {
                        GtkTreePath* path = gtk_tree_path_new_from_indices(selected, -1);
                        gtk_tree_selection_select_path(selection, path);
                        gtk_tree_path_free(path);
                    }
                }
            }
            m_updating = false;
        }

        void AfterAction()
        {
            const auto& prompts = m_session.Prompts();
            while (m_promptsShown < prompts.size()) {
                GtkWidget* box = gtk_message_dialog_new(GTK_WINDOW(m_window), GTK_DIALOG_MODAL,
                    GTK_MESSAGE_INFO, GTK_BUTTONS_OK, "%s", ToUtf8(prompts[m_promptsShown]).c_str());
                ++m_promptsShown;
                gtk_dialog_run(GTK_DIALOG(box));
                gtk_widget_destroy(box);
            }
            if (m_session.Ended()) {
                if (g_main_loop_is_running(m_loop))
                    g_main_loop_quit(m_loop);
                return;
            }
            Refresh();
        }

        ControlView& ViewOf(GtkWidget* widget)
        {
            return m_views[static_cast<size_t>(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), "shapix-index")))];
        }

        static void OnClicked(GtkWidget* widget, GtkDialogRun* self)
        {
            if (self->m_updating || self->m_session.Ended())
                return;
            self->m_session.Click(self->ViewOf(widget).id);
            self->AfterAction();
        }

        static void OnEdited(GtkWidget* widget, GtkDialogRun* self)
        {
            if (self->m_updating || self->m_session.Ended())
                return;
            self->m_session.SetText(self->ViewOf(widget).id, FromUtf8(gtk_entry_get_text(GTK_ENTRY(widget))));
            self->AfterAction();
        }

        // Enter in an edit presses the default button, as in a Windows dialog.
        static void OnActivate(GtkWidget*, GtkDialogRun* self)
        {
            if (self->m_updating || self->m_session.Ended())
                return;
            self->m_session.Click(IDOK);
            self->AfterAction();
        }

        static void OnListChanged(GtkTreeSelection* selection, GtkDialogRun* self)
        {
            if (self->m_updating || self->m_session.Ended())
                return;
            GtkTreeView* tree = gtk_tree_selection_get_tree_view(selection);
            GtkTreeModel* model = nullptr;
            GtkTreeIter iter;
            if (!gtk_tree_selection_get_selected(selection, &model, &iter))
                return;
            GtkTreePath* path = gtk_tree_model_get_path(model, &iter);
            const int index = gtk_tree_path_get_indices(path)[0];
            gtk_tree_path_free(path);
            self->m_session.SelectListItem(self->ViewOf(GTK_WIDGET(tree)).id, index);
            self->AfterAction();
        }

        // Esc in a Windows dialog is IDCANCEL.
        static gboolean OnKey(GtkWidget*, GdkEventKey* event, GtkDialogRun* self)
        {
            if (event->keyval != GDK_KEY_Escape)
                return FALSE;
            if (!self->m_session.Ended())
                self->m_session.Click(IDCANCEL);
            self->AfterAction();
            return TRUE;
        }

        // Closing the window is the system menu's Close: IDCANCEL.
        static gboolean OnDelete(GtkWidget*, GdkEvent*, GtkDialogRun* self)
        {
            if (!self->m_session.Ended())
                self->m_session.Click(IDCANCEL);
            self->AfterAction();
            return TRUE;
        }

        ModalSession& m_session;
        GtkWindow* m_parent;
        GtkWidget* m_window = nullptr;
        GMainLoop* m_loop = nullptr;
        std::vector<ControlView> m_views;
        bool m_updating = false;
        size_t m_promptsShown = 0;
    };

} // namespace

void InstallModalDriver(GtkWindow* parent, std::function<void(const std::wstring&)> onShown)
{
    SetModalDriver([parent, onShown](ModalSession& session) {
        GtkDialogRun run(session, parent);
        run.Run(onShown);
    });
}

} // namespace platform::gtk
