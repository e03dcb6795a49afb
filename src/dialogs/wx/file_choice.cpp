#include "dialogs/wx/file_choice.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

#ifdef __WXGTK__
// GTK's chooser answers Enter only after a wait of its own (measured: 250 ms
// when opening, 500 ms when saving), long enough to make a player wonder
// whether the key was lost. So Enter on a file is answered here at once.
struct TypedChoice {
    wxFileDialog* dialog;
    wxString path;
};

// The path the chooser would answer Enter with: the text of its name box, or
// the file picked in its list (typing in the open dialog searches the list).
wxString path_under_enter(GtkWidget* chooser) {
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(chooser));
    if (focus != nullptr && GTK_IS_ENTRY(focus)) {
        const wxString typed = wxString::FromUTF8(gtk_entry_get_text(GTK_ENTRY(focus))).Trim();
        if (typed.empty()) {
            return {};
        }
        wxFileName path(typed);
        if (!path.IsAbsolute()) {
            // The open dialog starts on recent files, which is no folder: a bare
            // name there means the working folder, where the save dialog starts.
            gchar* folder = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(chooser));
            path.MakeAbsolute(folder != nullptr ? wxString::FromUTF8(folder) : wxGetCwd());
            g_free(folder);
        }
        return path.GetFullName().empty() ? wxString() : path.GetFullPath();
    }
    if (focus != nullptr && GTK_IS_TREE_VIEW(focus)) {
        gchar* picked = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser));
        const wxString path = picked != nullptr ? wxString::FromUTF8(picked) : wxString();
        g_free(picked);
        return path;
    }
    return {};
}

gboolean accept_at_once(GtkWidget* chooser, GdkEventKey* key, gpointer data) {
    if (key->keyval != GDK_KEY_Return && key->keyval != GDK_KEY_KP_Enter) {
        return FALSE;
    }
    const wxString path = path_under_enter(chooser);
    // A folder is left to GTK, which goes into it.
    if (path.empty() || wxDirExists(path)) {
        return FALSE;
    }
    // Ended here rather than through GTK's response, which wx answers only on
    // its next idle round (measured: a further 250 ms).
    auto* choice = static_cast<TypedChoice*>(data);
    choice->path = path;
    choice->dialog->EndModal(wxID_OK);
    return TRUE;
}
#endif

}  // namespace

std::optional<wxString> choose_file(wxFileDialog& dialog) {
#ifdef __WXGTK__
    TypedChoice typed{&dialog, wxString()};
    GtkWidget* chooser = dialog.GetHandle();
    if (chooser != nullptr && GTK_IS_DIALOG(chooser)) {
        g_signal_connect(chooser, "key-press-event", G_CALLBACK(accept_at_once), &typed);
    }
#endif
    const bool chosen = dialog.ShowModal() == wxID_OK;
#ifdef __WXGTK__
    if (chooser != nullptr && GTK_IS_DIALOG(chooser)) {
        g_signal_handlers_disconnect_by_data(chooser, &typed);
    }
    if (chosen && !typed.path.empty()) {
        return typed.path;
    }
#endif
    if (!chosen) {
        return std::nullopt;
    }
    // GTK has no path for a dialog answered without being shown (a scripted
    // answer); there folder and name are all there is, and they agree.
    const wxString path = dialog.GetPath();
    return !path.empty() ? path
                         : wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}
