// What the X server shows: pixels read back from the screen, so tests judge
// the drawing the player sees, not what the program meant to draw.
#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>

class wxGrid;

namespace gui_test {

// The pixels of `area`, in screen coordinates.
wxImage screen_pixels(const wxRect& area);
// Where the grid's square (x column, y row) is on screen.
wxRect square_on_screen(const wxGrid& grid, int x, int y);

}  // namespace gui_test
