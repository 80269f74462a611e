#include "EditorWindow.h"

#include "ControlHost.h"
#include "ShapesFile.h"

#include "platform/dlg/MessageBox.h"
#include "platform/gtk/GtkBackend.h"
#include "platform/wnd/Cursor.h"

#include <gtk/gtk.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace shapix_edit {

namespace {

    using shapix_tool::ControlHost;

    struct ToolButton {
        const char* label;
        CShapixCtrl::ToolType tool;
    };

    constexpr ToolButton kTools[] = {
        { "Select", CShapixCtrl::toolSelect },
        { "Read", CShapixCtrl::toolRead },
        { "Dimensions", CShapixCtrl::toolDim },
        { "Add vertex", CShapixCtrl::toolAddSide },
        { "Delete vertex", CShapixCtrl::toolDelSide },
        { "Edit side", CShapixCtrl::toolEditSide },
    };

    class Editor {
    public:
        Editor(int width, int height)
            : m_size { width, height }
        {
        }

        int Run(const std::string& path, CShapixCtrl::ToolType tool)
        {
            m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
            gtk_window_set_resizable(GTK_WINDOW(m_window), FALSE);
            g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);
            g_signal_connect(m_window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
            GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
            gtk_container_add(GTK_CONTAINER(m_window), box);
            gtk_box_pack_start(GTK_BOX(box), NoWiderThanNeeded(MakeToolBar()), FALSE, FALSE, 0);

            m_area = gtk_drawing_area_new();
            gtk_widget_set_size_request(m_area, m_size.width, m_size.height);
            gtk_widget_add_events(m_area,
                GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
            g_signal_connect(m_area, "draw", G_CALLBACK(OnDraw), this);
            g_signal_connect(m_area, "button-press-event", G_CALLBACK(OnPress), this);
            g_signal_connect(m_area, "button-release-event", G_CALLBACK(OnRelease), this);
            g_signal_connect(m_area, "motion-notify-event", G_CALLBACK(OnMotion), this);
            gtk_box_pack_start(GTK_BOX(box), m_area, FALSE, FALSE, 0);

            // The status line shares its row with the file buttons; a long
            // message is shortened rather than widening the window.
            GtkWidget* bottom = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
            m_status = gtk_label_new("");
            gtk_label_set_xalign(GTK_LABEL(m_status), 0);
            gtk_label_set_ellipsize(GTK_LABEL(m_status), PANGO_ELLIPSIZE_END);
            gtk_label_set_max_width_chars(GTK_LABEL(m_status), 1);
            gtk_widget_set_margin_start(m_status, 4);
            gtk_widget_set_name(m_status, "status");
            gtk_box_pack_start(GTK_BOX(bottom), m_status, TRUE, TRUE, 0);
            gtk_box_pack_end(GTK_BOX(bottom), MakeFileBar(), FALSE, FALSE, 0);
            gtk_box_pack_start(GTK_BOX(box), NoWiderThanNeeded(bottom), FALSE, FALSE, 0);

            platform::gtk::InstallModalDriver(GTK_WINDOW(m_window), [this](const std::wstring& caption) {
                m_dialog = platform::ToUtf8(caption);
                Status("Dialog: " + m_dialog);
            });
            Open(path, path.empty() ? shapix_tool::ShapesDocument {} : shapix_tool::ReadShapesFile(path));
            for (GtkToolItem* item : m_toolItems) {
                if (GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "shapix-tool")) == static_cast<int>(tool))
                    gtk_toggle_tool_button_set_active(GTK_TOGGLE_TOOL_BUTTON(item), TRUE);
            }
            gtk_widget_show_all(m_window);
            gtk_main();
            platform::SetModalDriver({});
            m_host.reset();
            return 0;
        }

    private:
        // The window is as wide as the control: a bar (or the row of the
        // status line and the file buttons) asks for no more width than its
        // narrowest, and what does not fit goes behind a toolbar's overflow
        // arrow.
        static GtkWidget* NoWiderThanNeeded(GtkWidget* bar)
        {
            GtkWidget* fit = gtk_scrolled_window_new(nullptr, nullptr);
            gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(fit), GTK_POLICY_EXTERNAL, GTK_POLICY_NEVER);
            gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(fit), GTK_SHADOW_NONE);
            gtk_container_add(GTK_CONTAINER(fit), bar);
            if (GtkWidget* viewport = gtk_bin_get_child(GTK_BIN(fit)); GTK_IS_VIEWPORT(viewport))
                gtk_viewport_set_shadow_type(GTK_VIEWPORT(viewport), GTK_SHADOW_NONE);
            return fit;
        }

        GtkWidget* MakeFileBar()
        {
            GtkWidget* bar = gtk_toolbar_new();
            gtk_toolbar_set_style(GTK_TOOLBAR(bar), GTK_TOOLBAR_TEXT);
            GtkToolItem* open = gtk_tool_button_new(nullptr, "Open…");
            g_signal_connect(open, "clicked", G_CALLBACK(OnOpen), this);
            gtk_toolbar_insert(GTK_TOOLBAR(bar), open, -1);
            GtkToolItem* save = gtk_tool_button_new(nullptr, "Save");
            g_signal_connect(save, "clicked", G_CALLBACK(OnSave), this);
            gtk_toolbar_insert(GTK_TOOLBAR(bar), save, -1);
            GtkToolItem* saveAs = gtk_tool_button_new(nullptr, "Save as…");
            g_signal_connect(saveAs, "clicked", G_CALLBACK(OnSaveAs), this);
            gtk_toolbar_insert(GTK_TOOLBAR(bar), saveAs, -1);
            return bar;
        }

        GtkWidget* MakeToolBar()
        {
            GtkWidget* bar = gtk_toolbar_new();
            gtk_toolbar_set_style(GTK_TOOLBAR(bar), GTK_TOOLBAR_TEXT);
            GSList* group = nullptr;
            for (const ToolButton& tool : kTools) {
                GtkToolItem* item = gtk_radio_tool_button_new(group);
                group = gtk_radio_tool_button_get_group(GTK_RADIO_TOOL_BUTTON(item));
                gtk_tool_button_set_label(GTK_TOOL_BUTTON(item), tool.label);
                g_object_set_data(G_OBJECT(item), "shapix-tool", GINT_TO_POINTER(static_cast<int>(tool.tool)));
                g_signal_connect(item, "toggled", G_CALLBACK(OnTool), this);
                gtk_toolbar_insert(GTK_TOOLBAR(bar), item, -1);
                if (!m_firstTool)
                    m_firstTool = item;
                m_toolItems.push_back(item);
            }
            return bar;
        }

        // `document` is the file at `path`, already read: one that cannot be
        // read never gets here and leaves the open document as it was.
        void Open(const std::string& path, const shapix_tool::ShapesDocument& document)
        {
            m_host.reset();
            m_host = std::make_unique<ControlHost>(m_size);
            m_changes = m_doubleClicks = 0;
            m_prompts = platform::ProcessPrompts().size();
            if (!path.empty())
                m_host->AddOutlines(document, false);
            m_path = path;
            m_comment = document.comment;
            if (m_firstTool)
                gtk_toggle_tool_button_set_active(GTK_TOGGLE_TOOL_BUTTON(m_firstTool), TRUE);
            m_host->SelectTool(CShapixCtrl::toolSelect);
            // Not the file's text: reading the control applies the dimension
            // chains, so a file whose model disagrees with them would count
            // as changed before any edit.
            m_savedForm = SavedForm();
            m_modified = false;
            ShowTitle();
            Status(path.empty() ? "No file" : "Opened " + path);
            Redraw();
        }

        // What Save writes: the outlines as the host reads them back, with
        // what the file held beside them.
        std::string SavedForm()
        {
            shapix_tool::ShapesDocument document = m_host->ReadAll();
            document.comment = m_comment;
            return shapix_tool::FormatShapes(document);
        }

        bool Save(const std::string& path)
        {
            std::string text;
            try {
                text = SavedForm();
            } catch (const std::exception& error) {
                Status(std::string("Cannot save: ") + error.what());
                return false;
            }
            FILE* file = std::fopen(path.c_str(), "wb");
            // fclose flushes: a full disk may only show there.
            const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
            if (!file || std::fclose(file) != 0 || !written) {
                Status("Cannot write " + path);
                return false;
            }
            m_path = path;
            m_savedForm = text;
            m_modified = false;
            ShowTitle();
            Status("Saved " + path);
            return true;
        }

        // Save, or Save as when no file was opened; false when nothing was
        // written (the chooser cancelled or the write failed).
        bool SaveSomewhere()
        {
            if (!m_path.empty())
                return Save(m_path);
            const std::string path = ChooseFile(GTK_FILE_CHOOSER_ACTION_SAVE, "Save shapes file");
            return !path.empty() && Save(path);
        }

        // Compared rather than guessed from the messages: a drag that ends
        // where it began, or a dialog closed with OK on the same values,
        // changes nothing.
        void NoteChanges()
        {
            bool modified = true;
            try {
                modified = SavedForm() != m_savedForm;
            } catch (const std::exception&) {
                // Unreadable now means Save would fail: not safe to drop.
            }
            if (modified != m_modified) {
                m_modified = modified;
                ShowTitle();
            }
        }

        // True when the document may be replaced or the window closed:
        // nothing is unsaved, or the person saved it or chose to drop it.
        bool MayDropDocument(const char* doing)
        {
            NoteChanges();
            if (!m_modified)
                return true;
            const std::string name = m_path.empty() ? std::string("the untitled document") : m_path;
            GtkWidget* box = gtk_message_dialog_new(GTK_WINDOW(m_window), GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION,
                GTK_BUTTONS_NONE, "Save the changes to %s before %s?", name.c_str(), doing);
            gtk_message_dialog_format_secondary_text(
                GTK_MESSAGE_DIALOG(box), "Your changes will be lost if you do not save them.");
            gtk_window_set_title(GTK_WINDOW(box), "Unsaved changes");
            gtk_dialog_add_buttons(GTK_DIALOG(box), "_Discard", GTK_RESPONSE_REJECT, "_Cancel", GTK_RESPONSE_CANCEL,
                "_Save", GTK_RESPONSE_ACCEPT, nullptr);
            gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_ACCEPT);
            const gint response = gtk_dialog_run(GTK_DIALOG(box));
            gtk_widget_destroy(box);
            if (response == GTK_RESPONSE_REJECT)
                return true;
            return response == GTK_RESPONSE_ACCEPT && SaveSomewhere();
        }

        // The title names the file that Save writes to, marked while it
        // holds less than the window shows.
        void ShowTitle()
        {
            gtk_window_set_title(GTK_WINDOW(m_window),
                ("shapix-edit — " + std::string(m_modified ? "*" : "")
                    + (m_path.empty() ? std::string("(untitled)") : m_path))
                    .c_str());
        }

        // The status line is also written to standard output, so that a
        // terminal (or a test) keeps what it said.
        void Status(const std::string& text)
        {
            gtk_label_set_text(GTK_LABEL(m_status), text.c_str());
            std::printf("status: %s\n", text.c_str());
            std::fflush(stdout);
        }

        // After every message: paint what is pending, show it, follow the
        // cursor the tool chose, and report what the host was told.
        void AfterMessage()
        {
            platform::PumpMessages();
            Redraw();
            FollowTool();
            // A modal dialog has ended by the time its message returns.
            if (!m_dialog.empty()) {
                Status("Dialog closed: " + m_dialog);
                m_dialog.clear();
            }
            if (GdkWindow* window = gtk_widget_get_window(m_area))
                gdk_window_set_cursor(window, platform::gtk::CursorFor(GetCursor(), gtk_widget_get_display(m_area)));
            if (m_host->ChangeNotices() != m_changes) {
                m_changes = m_host->ChangeNotices();
                Status("Change notification #" + std::to_string(m_changes));
                NoteChanges();
            }
            if (m_host->DoubleClickNotices() != m_doubleClicks) {
                m_doubleClicks = m_host->DoubleClickNotices();
                Status("Double-click message (WM_USER+111) #" + std::to_string(m_doubleClicks));
            }
            const auto& prompts = platform::ProcessPrompts();
            while (m_prompts < prompts.size()) {
                GtkWidget* box = gtk_message_dialog_new(GTK_WINDOW(m_window), GTK_DIALOG_MODAL, GTK_MESSAGE_INFO,
                    GTK_BUTTONS_OK, "%s", platform::ToUtf8(prompts[m_prompts]).c_str());
                ++m_prompts;
                gtk_dialog_run(GTK_DIALOG(box));
                gtk_widget_destroy(box);
            }
        }

        // The control changes its tool by itself (a right click in a side
        // tool returns to select): the toolbar shows the tool it has.
        void FollowTool()
        {
            CDrawObjAry* document = m_host->Control().GetPtrData();
            if (!document)
                return;
            for (GtkToolItem* item : m_toolItems) {
                const int tool = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "shapix-tool"));
                if (document->GetTool(tool) == document->GetCurTool()
                    && !gtk_toggle_tool_button_get_active(GTK_TOGGLE_TOOL_BUTTON(item)))
                    gtk_toggle_tool_button_set_active(GTK_TOGGLE_TOOL_BUTTON(item), TRUE);
            }
        }

        void Redraw()
        {
            if (m_pixbuf)
                g_object_unref(m_pixbuf);
            m_pixbuf = platform::gtk::ClientPixbuf(&m_host->Control());
            gtk_widget_queue_draw(m_area);
        }

        void Send(UINT message, UINT flags, double fx, double fy)
        {
            int x = static_cast<int>(std::floor(fx));
            int y = static_cast<int>(std::floor(fy));
            if (platform::gtk::ConfinePoint(&m_host->Control(), x, y))
                WarpTo(x, y);
            m_host->Send(message, flags, x, y);
            AfterMessage();
            // Edits end with a release, a double click or a right click (a
            // dialog opened by a press has its answer by now); moves are
            // too many to read the whole document after each.
            if (message != WM_MOUSEMOVE)
                NoteChanges();
        }

        // A confined drag pulls the real pointer back, as far as the
        // display lets a program move it.
        void WarpTo(int x, int y)
        {
            GdkWindow* window = gtk_widget_get_window(m_area);
            GdkSeat* seat = gdk_display_get_default_seat(gtk_widget_get_display(m_area));
            if (!window || !seat)
                return;
            int rootX = 0;
            int rootY = 0;
            gdk_window_get_root_coords(window, x, y, &rootX, &rootY);
            gdk_device_warp(gdk_seat_get_pointer(seat), gdk_window_get_screen(window), rootX, rootY);
        }

        static UINT Flags(guint state)
        {
            UINT flags = 0;
            if (state & GDK_BUTTON1_MASK)
                flags |= MK_LBUTTON;
            if (state & GDK_BUTTON3_MASK)
                flags |= MK_RBUTTON;
            if (state & GDK_SHIFT_MASK)
                flags |= MK_SHIFT;
            if (state & GDK_CONTROL_MASK)
                flags |= MK_CONTROL;
            return flags;
        }

        bool IsSecondClick(const GdkEventButton* event)
        {
            if (!m_clicks) {
                gint time = 400;
                gint distance = 5;
                g_object_get(gtk_widget_get_settings(m_area), "gtk-double-click-time", &time,
                    "gtk-double-click-distance", &distance, nullptr);
                m_clicks = std::make_unique<platform::gtk::ClickSequence>(time, distance);
            }
            return m_clicks->Press(event->time, static_cast<int>(event->x), static_cast<int>(event->y));
        }

        static gboolean OnPress(GtkWidget*, GdkEventButton* event, Editor* self)
        {
            if (event->type != GDK_BUTTON_PRESS)
                return TRUE;
            if (event->button == 1) {
                const UINT flags = Flags(event->state) | MK_LBUTTON;
                self->Send(self->IsSecondClick(event) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, flags, event->x, event->y);
            } else if (event->button == 3) {
                self->Send(WM_RBUTTONDOWN, Flags(event->state) | MK_RBUTTON, event->x, event->y);
            }
            return TRUE;
        }

        static gboolean OnRelease(GtkWidget*, GdkEventButton* event, Editor* self)
        {
            if (event->button == 1)
                self->Send(WM_LBUTTONUP, Flags(event->state) & ~MK_LBUTTON, event->x, event->y);
            else if (event->button == 3)
                self->Send(WM_RBUTTONUP, Flags(event->state) & ~MK_RBUTTON, event->x, event->y);
            return TRUE;
        }

        static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, Editor* self)
        {
            self->Send(WM_MOUSEMOVE, Flags(event->state), event->x, event->y);
            return TRUE;
        }

        // Called on the first draw, when the control is on the screen: where
        // the tool buttons that fit are (their centres), then the control.
        void ReportOrigin(GtkWidget* area)
        {
            int x = 0;
            int y = 0;
            gdk_window_get_origin(gtk_widget_get_window(m_window), &x, &y);
            for (GtkToolItem* item : m_toolItems) {
                GtkWidget* button = GTK_WIDGET(item);
                int bx = 0;
                int by = 0;
                if (gtk_widget_get_mapped(button)
                    && gtk_widget_translate_coordinates(button, m_window, gtk_widget_get_allocated_width(button) / 2,
                        gtk_widget_get_allocated_height(button) / 2, &bx, &by))
                    std::printf("button %s at %d,%d\n", gtk_tool_button_get_label(GTK_TOOL_BUTTON(item)), x + bx,
                        y + by);
            }
            gdk_window_get_origin(gtk_widget_get_window(area), &x, &y);
            std::printf("control at %d,%d\n", x, y);
            std::fflush(stdout);
        }

        static gboolean OnDraw(GtkWidget* area, cairo_t* cr, Editor* self)
        {
            if (!self->m_reported) {
                self->m_reported = true;
                self->ReportOrigin(area);
            }
            if (self->m_pixbuf) {
                gdk_cairo_set_source_pixbuf(cr, self->m_pixbuf, 0, 0);
                cairo_paint(cr);
            }
            return TRUE;
        }

        static void OnTool(GtkToggleToolButton* item, Editor* self)
        {
            if (!gtk_toggle_tool_button_get_active(item) || !self->m_host)
                return;
            const auto tool = static_cast<CShapixCtrl::ToolType>(
                GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "shapix-tool")));
            // The side tools stay on the page that is showing, but only the
            // Select page's outlines can be hit: on another page they would
            // do nothing at all.
            CDrawObjAry* document = self->m_host->Control().GetPtrData();
            if (tool >= CShapixCtrl::toolAddSide && document
                && document->GetCurPage() != CShapixCtrl::toolSelect)
                self->m_host->SelectTool(CShapixCtrl::toolSelect);
            self->m_host->SelectTool(tool);
            self->Status(std::string("Tool: ") + gtk_tool_button_get_label(GTK_TOOL_BUTTON(item)));
            self->AfterMessage();
        }

        std::string ChooseFile(GtkFileChooserAction action, const char* title)
        {
            GtkWidget* chooser = gtk_file_chooser_dialog_new(title, GTK_WINDOW(m_window), action, "_Cancel",
                GTK_RESPONSE_CANCEL, action == GTK_FILE_CHOOSER_ACTION_SAVE ? "_Save" : "_Open",
                GTK_RESPONSE_ACCEPT, nullptr);
            // Start beside the open file; saving over another one asks first.
            if (!m_path.empty()) {
                gchar* current = g_canonicalize_filename(m_path.c_str(), nullptr);
                gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(chooser), current);
                g_free(current);
            }
            if (action == GTK_FILE_CHOOSER_ACTION_SAVE)
                gtk_file_chooser_set_do_overwrite_confirmation(GTK_FILE_CHOOSER(chooser), TRUE);
            std::string chosen;
            if (gtk_dialog_run(GTK_DIALOG(chooser)) == GTK_RESPONSE_ACCEPT) {
                gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser));
                chosen = name ? name : "";
                g_free(name);
            }
            gtk_widget_destroy(chooser);
            return chosen;
        }

        static gboolean OnDelete(GtkWidget*, GdkEvent*, Editor* self)
        {
            return self->MayDropDocument("closing") ? FALSE : TRUE;
        }

        static void OnOpen(GtkToolButton*, Editor* self)
        {
            if (!self->MayDropDocument("opening another file"))
                return;
            const std::string path = self->ChooseFile(GTK_FILE_CHOOSER_ACTION_OPEN, "Open shapes file");
            if (path.empty())
                return;
            shapix_tool::ShapesDocument document;
            try {
                document = shapix_tool::ReadShapesFile(path);
            } catch (const std::exception& error) {
                self->Status(std::string("Cannot open: ") + error.what());
                return;
            }
            try {
                self->Open(path, document);
            } catch (const std::exception& error) {
                self->Open(std::string(), {});
                self->Status(std::string("Cannot open: ") + error.what());
            }
        }

        static void OnSave(GtkToolButton*, Editor* self) { self->SaveSomewhere(); }

        static void OnSaveAs(GtkToolButton*, Editor* self)
        {
            const std::string path = self->ChooseFile(GTK_FILE_CHOOSER_ACTION_SAVE, "Save shapes file");
            if (!path.empty())
                self->Save(path);
        }

        shapix_tool::ClientSize m_size;
        std::unique_ptr<ControlHost> m_host;
        std::string m_path;
        std::string m_comment; // the opened file's, for Save
        std::string m_savedForm; // what the file holds, as SavedForm writes it
        bool m_modified = false;
        GtkWidget* m_window = nullptr;
        GtkWidget* m_area = nullptr;
        GtkWidget* m_status = nullptr;
        GtkToolItem* m_firstTool = nullptr;
        std::vector<GtkToolItem*> m_toolItems;
        GdkPixbuf* m_pixbuf = nullptr;
        int m_changes = 0;
        int m_doubleClicks = 0;
        size_t m_prompts = 0;
        std::unique_ptr<platform::gtk::ClickSequence> m_clicks;
        bool m_reported = false;
        std::string m_dialog; // the caption of the dialog shown during the current message
    };

} // namespace

int RunEditor(const std::string& path, int width, int height, CShapixCtrl::ToolType tool)
{
    Editor editor(width, height);
    return editor.Run(path, tool);
}

} // namespace shapix_edit
