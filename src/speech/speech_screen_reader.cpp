#include "speech/speech_screen_reader.h"

#include <gio/gio.h>
#include <gtk/gtk.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <utility>

// How a text reaches the player's screen reader.
//
// Orca ignores ATK announcements, but it speaks a change of the accessible
// name of the object it has the focus on, and its braille line shows that
// object. So every text becomes the name of the focused widget of our active
// window. Orca drops a name change to the name it last spoke for that object,
// and an empty name it does not speak at all: each text is therefore preceded
// by an empty name, which makes a repeated text ("n" pressed twice) heard again
// while nothing extra is said, and the name left behind is exactly the text.
//
// Orca says a focused object's role after its name ("5 panel."); a panel's
// role says nothing to the player, so an object that speaks for us as a panel
// is made a filler, whose role Orca neither speaks nor brailles.
//
// Right after a dialog closes, none of our windows is active until the window
// manager hands the focus back. A text given then waits. When an object of the
// game's own window gets the focus, the text becomes its name at that moment,
// before the toolkit tells Orca of the focus, and without the empty name
// first: Orca reads it once, as it presents the object, and lets the change
// itself pass, as it came while Orca was elsewhere ("Game saved." after the
// file dialog, say). Should a dialog take the focus first, the text is given
// to it once it has the focus, like any other. When the focus comes back to
// the object our texts were given to and no text waits, that object is named
// with what the game says of its screen (the board: the square under the
// cursor); Orca would read an old text again otherwise.
//
// Whether a screen reader runs: the accessibility bus's ScreenReaderEnabled
// (set by desktops that start one from their settings), or Orca registered
// with the AT-SPI registry for events. Orca 43 itself never sets the former
// and owns no bus name, so the registry's listeners are what shows it when it
// is started by hand.

namespace sudoku::speech::screen_reader {
namespace {

// Three seconds, far longer than a window manager takes to return the focus;
// a text still without a window then is dropped rather than spoken into a
// later screen.
constexpr guint retry_ms = 10;
constexpr int retries = 300;

GtkWidget* focused_widget_of_active_window() {
    GList* toplevels = gtk_window_list_toplevels();
    GtkWidget* found = nullptr;
    for (GList* item = toplevels; item != nullptr && found == nullptr; item = item->next) {
        auto* window = GTK_WINDOW(item->data);
        if (!gtk_widget_get_visible(GTK_WIDGET(window)) || !gtk_window_is_active(window)) {
            continue;
        }
        GtkWidget* focus = gtk_window_get_focus(window);
        found = focus != nullptr ? focus : GTK_WIDGET(window);
    }
    g_list_free(toplevels);
    return found;
}

class ScreenReader final : public Output {
  public:
    ScreenReader() {
        // Before every handler of the signal, the toolkit's accessibility one
        // among them, which is what tells Orca of the focus. The class is
        // loaded first, as the signal exists only from then on.
        g_type_class_ref(GTK_TYPE_WIDGET);
        g_signal_add_emission_hook(g_signal_lookup("focus-in-event", GTK_TYPE_WIDGET), 0,
                                   &ScreenReader::on_focus_in, this, nullptr);
    }

    void speak(const std::string& text, bool) override {
        // The screen reader has no way to be silenced from here; an empty
        // text has nothing to say.
        if (text.empty()) {
            return;
        }
        pending_ = text;
        tries_left_ = retries;
        // While a text waits for a window, the newest one takes its place.
        if (retry_ == 0 && !deliver()) {
            retry_ = g_timeout_add(retry_ms, &ScreenReader::on_retry, this);
        }
    }

    void on_focus_return(std::function<std::string()> text) { on_return_ = std::move(text); }

  private:
    bool deliver() {
        GtkWidget* widget = focused_widget_of_active_window();
        if (widget == nullptr) {
            return false;
        }
        name(widget, pending_, true);
        return true;
    }

    // focused: Orca is on the widget already, so it hears the change, and only
    // a change: an empty name first lets the same text be heard again.
    void name(GtkWidget* widget, const std::string& text, bool focused) {
        AtkObject* accessible = gtk_widget_get_accessible(widget);
        if (accessible == nullptr) {
            return;
        }
        if (atk_object_get_role(accessible) == ATK_ROLE_PANEL) {
            atk_object_set_role(accessible, ATK_ROLE_FILLER);
        }
        if (focused) {
            atk_object_set_name(accessible, "");
        }
        atk_object_set_name(accessible, text.c_str());
        if (widget != speaking_) {
            if (speaking_ != nullptr) {
                g_object_remove_weak_pointer(G_OBJECT(speaking_), weak(speaking_));
            }
            speaking_ = widget;
            g_object_add_weak_pointer(G_OBJECT(speaking_), weak(speaking_));
        }
    }

    static gpointer* weak(GtkWidget*& widget) { return reinterpret_cast<gpointer*>(&widget); }

    static gboolean on_retry(gpointer self_pointer) {
        auto* self = static_cast<ScreenReader*>(self_pointer);
        if (self->deliver() || --self->tries_left_ <= 0) {
            self->retry_ = 0;
            return G_SOURCE_REMOVE;
        }
        return G_SOURCE_CONTINUE;
    }

    static gboolean on_focus_in(GSignalInvocationHint*, guint, const GValue* values,
                                gpointer self_pointer) {
        auto* self = static_cast<ScreenReader*>(self_pointer);
        auto* widget = GTK_WIDGET(g_value_get_object(&values[0]));
        // A window passes the focus on to its focused widget, whose own
        // focus-in follows; a window's name is its title. A dialog speaks for
        // itself: a text that waits as one opens is left to the retry.
        GtkWidget* window = gtk_widget_get_toplevel(widget);
        if (GTK_IS_WINDOW(widget) || !GTK_IS_WINDOW(window) ||
            gtk_window_get_type_hint(GTK_WINDOW(window)) != GDK_WINDOW_TYPE_HINT_NORMAL) {
            return TRUE;
        }
        if (self->retry_ != 0) {
            g_source_remove(self->retry_);
            self->retry_ = 0;
            self->name(widget, self->pending_, false);
        } else if (widget == self->speaking_ && self->on_return_) {
            if (const std::string text = self->on_return_(); !text.empty()) {
                self->name(widget, text, false);
            }
        }
        return TRUE;  // stays hooked
    }

    std::string pending_;
    int tries_left_ = 0;
    guint retry_ = 0;
    // The widget our texts were last given to; cleared when it is destroyed.
    GtkWidget* speaking_ = nullptr;
    std::function<std::string()> on_return_;
};

ScreenReader& instance() {
    static auto* const leaked = new ScreenReader;
    return *leaked;
}

// --- is a screen reader running? ---------------------------------------------

std::atomic<bool> detected{false};

bool is_screen_reader_process(guint32 pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name == "orca";
}

// Lives as long as the process: its bus connections and signal subscriptions
// call back into it from the main loop.
class Watch {
  public:
    void start() { g_bus_get(G_BUS_TYPE_SESSION, nullptr, &Watch::on_session, this); }

  private:
    static Watch* self(gpointer data) { return static_cast<Watch*>(data); }

    static void on_session(GObject*, GAsyncResult* result, gpointer data) {
        Watch* watch = self(data);
        watch->session_ = g_bus_get_finish(result, nullptr);
        if (watch->session_ == nullptr) {
            return;
        }
        g_dbus_connection_signal_subscribe(
            watch->session_, nullptr, "org.freedesktop.DBus.Properties", "PropertiesChanged",
            "/org/a11y/bus", "org.a11y.Status", G_DBUS_SIGNAL_FLAGS_NONE, &Watch::on_status_changed,
            watch, nullptr);
        g_dbus_connection_call(
            watch->session_, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
            "Get", g_variant_new("(ss)", "org.a11y.Status", "ScreenReaderEnabled"),
            G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &Watch::on_status, watch);
        // The same address the toolkit's accessibility bridge uses.
        if (const char* address = std::getenv("AT_SPI_BUS_ADDRESS"); address && *address) {
            watch->open_a11y_bus(address);
            return;
        }
        g_dbus_connection_call(watch->session_, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                               "GetAddress", nullptr, G_VARIANT_TYPE("(s)"), G_DBUS_CALL_FLAGS_NONE,
                               -1, nullptr, &Watch::on_address, watch);
    }

    static void on_status(GObject* source, GAsyncResult* result, gpointer data) {
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
        if (reply == nullptr) {
            return;
        }
        GVariant* value = nullptr;
        g_variant_get(reply, "(v)", &value);
        if (g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) {
            self(data)->status_enabled_ = g_variant_get_boolean(value);
            self(data)->update();
        }
        g_variant_unref(value);
        g_variant_unref(reply);
    }

    static void on_status_changed(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                  const gchar*, GVariant* parameters, gpointer data) {
        if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(sa{sv}as)"))) {
            return;
        }
        GVariant* changed = g_variant_get_child_value(parameters, 1);
        gboolean enabled = FALSE;
        if (g_variant_lookup(changed, "ScreenReaderEnabled", "b", &enabled)) {
            self(data)->status_enabled_ = enabled;
            self(data)->update();
        }
        g_variant_unref(changed);
    }

    static void on_address(GObject* source, GAsyncResult* result, gpointer data) {
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
        if (reply == nullptr) {
            return;
        }
        const gchar* address = nullptr;
        g_variant_get(reply, "(&s)", &address);
        self(data)->open_a11y_bus(address);
        g_variant_unref(reply);
    }

    void open_a11y_bus(const char* address) {
        g_dbus_connection_new_for_address(
            address,
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &Watch::on_a11y_bus, this);
    }

    static void on_a11y_bus(GObject*, GAsyncResult* result, gpointer data) {
        Watch* watch = self(data);
        watch->a11y_ = g_dbus_connection_new_for_address_finish(result, nullptr);
        if (watch->a11y_ == nullptr) {
            return;
        }
        // Listeners come and go with these; a screen reader that exits without
        // deregistering shows as its name losing its owner.
        g_dbus_connection_signal_subscribe(
            watch->a11y_, nullptr, "org.a11y.atspi.Registry", nullptr, "/org/a11y/atspi/registry",
            nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &Watch::on_listeners_changed, watch, nullptr);
        g_dbus_connection_signal_subscribe(
            watch->a11y_, "org.freedesktop.DBus", "org.freedesktop.DBus", "NameOwnerChanged",
            "/org/freedesktop/DBus", nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &Watch::on_name_owner,
            watch, nullptr);
        watch->refresh();
    }

    static void on_listeners_changed(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                     const gchar*, GVariant*, gpointer data) {
        self(data)->refresh();
    }

    static void on_name_owner(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar*, GVariant* parameters, gpointer data) {
        const gchar* name = nullptr;
        const gchar* old_owner = nullptr;
        const gchar* new_owner = nullptr;
        if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(sss)"))) {
            return;
        }
        g_variant_get(parameters, "(&s&s&s)", &name, &old_owner, &new_owner);
        Watch* watch = self(data);
        if (*new_owner == '\0' && watch->listeners_.erase(name) > 0) {
            watch->readers_.erase(name);
            watch->update();
        }
    }

    // Asks the registry who listens for events now. A screen reader registers
    // dozens of events in a burst; one question, once the burst is read, will do.
    void refresh() {
        if (!refresh_queued_) {
            refresh_queued_ = true;
            g_idle_add(&Watch::on_refresh, this);
        }
    }

    static gboolean on_refresh(gpointer data) {
        Watch* watch = self(data);
        watch->refresh_queued_ = false;
        g_dbus_connection_call(watch->a11y_, "org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                               "org.a11y.atspi.Registry", "GetRegisteredEvents", nullptr,
                               G_VARIANT_TYPE("(a(ss))"), G_DBUS_CALL_FLAGS_NONE, -1, nullptr,
                               &Watch::on_registered, watch);
        return G_SOURCE_REMOVE;
    }

    static void on_registered(GObject* source, GAsyncResult* result, gpointer data) {
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
        if (reply == nullptr) {
            return;
        }
        Watch* watch = self(data);
        std::set<std::string> listeners;
        GVariantIter* events = nullptr;
        const gchar* bus_name = nullptr;
        const gchar* event = nullptr;
        g_variant_get(reply, "(a(ss))", &events);
        while (g_variant_iter_loop(events, "(&s&s)", &bus_name, &event)) {
            listeners.insert(bus_name);
        }
        g_variant_iter_free(events);
        g_variant_unref(reply);
        for (const std::string& name : listeners) {
            if (!watch->listeners_.contains(name)) {
                watch->ask_who(name);
            }
        }
        watch->listeners_ = std::move(listeners);
        std::erase_if(watch->readers_, [watch](const std::string& name) {
            return !watch->listeners_.contains(name);
        });
        watch->update();
    }

    struct Question {
        Watch* watch;
        std::string name;
    };

    void ask_who(const std::string& name) {
        g_dbus_connection_call(
            a11y_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "GetConnectionUnixProcessID", g_variant_new("(s)", name.c_str()), G_VARIANT_TYPE("(u)"),
            G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &Watch::on_pid, new Question{this, name});
    }

    static void on_pid(GObject* source, GAsyncResult* result, gpointer data) {
        auto* question = static_cast<Question*>(data);
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
        if (reply != nullptr) {
            guint32 pid = 0;
            g_variant_get(reply, "(u)", &pid);
            g_variant_unref(reply);
            Watch* watch = question->watch;
            // Still listening: it may have gone while we asked.
            if (watch->listeners_.contains(question->name) && is_screen_reader_process(pid)) {
                watch->readers_.insert(question->name);
                watch->update();
            }
        }
        delete question;
    }

    void update() { detected.store(status_enabled_ || !readers_.empty()); }

    GDBusConnection* session_ = nullptr;
    GDBusConnection* a11y_ = nullptr;
    bool status_enabled_ = false;
    bool refresh_queued_ = false;
    std::set<std::string> listeners_;  // bus names registered for events
    std::set<std::string> readers_;    // those of them that are screen readers
};

}  // namespace

std::shared_ptr<Output> backend() {
    return {&instance(), [](Output*) {}};
}

void on_focus_return(std::function<std::string()> text) {
    instance().on_focus_return(std::move(text));
}

void watch() {
    static Watch* const started = [] {
        auto* leaked = new Watch;
        leaked->start();
        return leaked;
    }();
    (void)started;
}

bool running() {
    return detected.load();
}

}  // namespace sudoku::speech::screen_reader
