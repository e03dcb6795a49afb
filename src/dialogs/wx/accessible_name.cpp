#include "dialogs/wx/accessible_name.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#include <wx/dataview.h>
#endif
#ifdef __WXMSW__
#include <wx/access.h>
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

#ifdef __WXMSW__
// A native control's own name is its window text, which a list has none of:
// this names the control itself for MSAA and UI Automation and leaves every
// other question (its items, their states) to the native control.
class Named final : public wxAccessible {
  public:
    Named(wxWindow* window, const wxString& name) : wxAccessible(window), name_(name) {}
    wxAccStatus GetName(int child, wxString* name) override {
        if (child != wxACC_SELF) {
            return wxACC_NOT_IMPLEMENTED;
        }
        *name = name_;
        return wxACC_OK;
    }

  private:
    wxString name_;
};
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
#ifdef __WXMSW__
    window.SetAccessible(new Named(&window, name));
#endif
}
