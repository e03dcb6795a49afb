#include "dialogs/accessible_name.h"

#include <wx/dataview.h>
#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

#ifdef __WXGTK__
// The widget that holds the keyboard focus: for a data view that is the tree
// view inside it, for other controls the widget wx connects its events to.
GtkWidget* focus_widget(wxWindow& window) {
    if (auto* view = dynamic_cast<wxDataViewCtrl*>(&window)) {
        return view->GtkGetTreeView();
    }
    return window.GetConnectWidget();
}
#endif

}  // namespace

void set_accessible_name(wxWindow& window, const wxString& name) {
    window.SetName(name);
#ifdef __WXGTK__
    if (GtkWidget* widget = focus_widget(window)) {
        if (AtkObject* accessible = gtk_widget_get_accessible(widget)) {
            atk_object_set_name(accessible, name.utf8_str());
        }
    }
#endif
}
