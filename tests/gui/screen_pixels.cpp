#include "screen_pixels.h"

#include <gtk/gtk.h>
#include <wx/grid.h>

namespace gui_test {

wxImage screen_pixels(const wxRect& area) {
    wxImage image(area.width, area.height);
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), area.x, area.y,
                                                 area.width, area.height);
    if (shot == nullptr) {
        return {};
    }
    const int stride = gdk_pixbuf_get_rowstride(shot);
    const int channels = gdk_pixbuf_get_n_channels(shot);
    const guchar* pixels = gdk_pixbuf_get_pixels(shot);
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const guchar* p = pixels + y * stride + x * channels;
            image.SetRGB(x, y, p[0], p[1], p[2]);
        }
    }
    g_object_unref(shot);
    return image;
}

wxRect square_on_screen(const wxGrid& grid, int x, int y) {
    wxRect rect = grid.CellToRect(y, x);
    rect.SetPosition(
        grid.GetGridWindow()->ClientToScreen(grid.CalcScrolledPosition(rect.GetPosition())));
    return rect;
}

}  // namespace gui_test
