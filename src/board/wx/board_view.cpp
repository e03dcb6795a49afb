#include "board/wx/board_view.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <map>
#include <utility>

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/grid.h>
#include <wx/settings.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "board/board_look.h"
#include "board/play.h"

namespace {

sudoku::look::Rgb rgb(const wxColour& c) {
    return {c.Red(), c.Green(), c.Blue()};
}

wxColour colour(sudoku::look::Rgb c) {
    return {c.r, c.g, c.b};
}

sudoku::look::Rgb system(wxSystemColour which) {
    return rgb(wxSystemSettings::GetColour(which));
}

// wx has no error colour; GTK themes name one. Elsewhere the text colour
// stands in, and the underline alone marks the number.
sudoku::look::Rgb error_colour(const wxGrid& grid) {
#ifdef __WXGTK__
    GdkRGBA found;
    GtkStyleContext* style = gtk_widget_get_style_context(grid.GetHandle());
    if (style != nullptr && gtk_style_context_lookup_color(style, "error_color", &found)) {
        const auto channel = [](double v) { return static_cast<std::uint8_t>(v * 255.0 + 0.5); };
        return {channel(found.red), channel(found.green), channel(found.blue)};
    }
#else
    (void)grid;
#endif
    return system(wxSYS_COLOUR_WINDOWTEXT);
}

// Makes `font` `pixels` high as the numbers' pictures are drawn. wxMSW keeps
// a font's size in points at the screen's DPI but draws into a picture at 96
// DPI, so a size in pixels would shrink there by the desktop's scaling; the
// points are worked out for the picture's DPI instead.
void set_height(wxFont& font, int pixels) {
#ifdef __WXMSW__
    wxBitmap probe(1, 1);
    const wxMemoryDC dc(probe);
    font.SetFractionalPointSize(pixels * 72.0 / dc.GetPPI().y);
#else
    font.SetPixelSize(wxSize(0, pixels));
#endif
}

// Draws each square from the game in play: its number, whether it is given
// or breaks the rule, and the play's cursor. The grid holds no copy of either.
class SquareRenderer : public wxGridCellRenderer {
  public:
    SquareRenderer(const sudoku::Play& play, const sudoku::look::Palette& palette)
        : play_(play), palette_(palette) {}

    void Draw(wxGrid&, wxGridCellAttr&, wxDC& dc, const wxRect& rect, int row, int col,
              bool) override {
        const sudoku::Geometry& box = play_.game().geometry();
        const sudoku::Square at{col, row};
        const sudoku::Square cursor_at = play_.cursor();
        const bool cursor = at == cursor_at;
        const bool crossed =
            row == cursor_at.y || col == cursor_at.x || box.same_box(at, cursor_at);
        const sudoku::look::Rgb under = cursor    ? palette_.cursor
                                        : crossed ? palette_.shade
                                                  : palette_.background;
        fill(dc, rect, under);
        draw_lines(dc, rect, row, col, box);
        if (cursor) {
            draw_frame(dc, rect);
        }
        const wxString text = number_text(play_.game(), at);
        if (!text.empty()) {
            draw_number(dc, rect, text, at, cursor, under);
        }
    }

    wxSize GetBestSize(wxGrid& grid, wxGridCellAttr&, wxDC&, int row, int col) override {
        return {grid.GetColSize(col), grid.GetRowSize(row)};
    }

    wxGridCellRenderer* Clone() const override { return new SquareRenderer(play_, palette_); }

  private:
    // The DC's pen and brush are set only when they change: each setting
    // costs the toolkit more than the rectangle it serves.
    static void fill(wxDC& dc, const wxRect& rect, sudoku::look::Rgb c) {
        if (dc.GetPen().IsNonTransparent()) {
            dc.SetPen(*wxTRANSPARENT_PEN);
        }
        if (!dc.GetBrush().IsNonTransparent() || dc.GetBrush().GetColour() != colour(c)) {
            dc.SetBrush(wxBrush(colour(c)));
        }
        dc.DrawRectangle(rect);
    }

    // Each square draws its share of the lines round it: the thin line on its
    // right and bottom, half of every box edge it touches.
    void draw_lines(wxDC& dc, const wxRect& rect, int row, int col,
                    const sudoku::Geometry& box) const {
        const sudoku::look::Lines lines = sudoku::look::line_widths(rect.width);
        const auto side = [&](bool edge_before, bool edge_after, bool across) {
            const int extent = across ? rect.width : rect.height;
            const int after = edge_after ? lines.thick_half : lines.thin;
            wxRect first = rect;
            wxRect last = rect;
            if (across) {
                first.width = lines.thick_half;
                last.x = rect.x + extent - after;
                last.width = after;
            } else {
                first.height = lines.thick_half;
                last.y = rect.y + extent - after;
                last.height = after;
            }
            if (edge_before) {
                fill(dc, first, palette_.line);
            }
            fill(dc, last, palette_.line);
        };
        const int across = box.box_width();
        const int down = box.box_height();
        side(sudoku::look::box_edge_before(col, across),
             sudoku::look::box_edge_before(col + 1, across), true);
        side(sudoku::look::box_edge_before(row, down), sudoku::look::box_edge_before(row + 1, down),
             false);
    }

    void draw_frame(wxDC& dc, const wxRect& rect) const {
        const int width = std::max(3, rect.width / 10);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(colour(palette_.frame), width));
        dc.DrawRectangle(wxRect(rect).Deflate(width / 2));
    }

    void draw_number(wxDC& dc, const wxRect& rect, const wxString& text, sudoku::Square square,
                     bool cursor, sudoku::look::Rgb under) {
        const sudoku::Game& game = play_.game();
        const bool given = game.is_given(square);
        const bool breaks = game.breaks_rule(square);
        const sudoku::look::Rgb ink = cursor   ? palette_.cursor_text
                                      : breaks ? palette_.conflict
                                      : given  ? palette_.given
                                               : palette_.player;
        const wxBitmap& image = number_image(text, rect.height, given, ink, under);
        const wxPoint at(rect.x + (rect.width - image.GetWidth()) / 2,
                         rect.y + (rect.height - image.GetHeight()) / 2);
        dc.DrawBitmap(image, at);
        if (breaks) {
            const int bar = std::max(2, rect.height / 14);
            fill(dc, wxRect(at.x, at.y + image.GetHeight(), image.GetWidth(), bar), ink);
        }
    }

    // A number as a picture on its square's colour, made once: drawing text
    // costs most of a square, and a board shows few different numbers.
    const wxBitmap& number_image(const wxString& text, int square, bool bold, sudoku::look::Rgb ink,
                                 sudoku::look::Rgb under) {
        wxFont chosen = font(square, bold);
        const auto packed = [](sudoku::look::Rgb c) {
            return std::uint64_t{c.r} << 16 | c.g << 8 | c.b;
        };
        const Drawn key{text, std::uint64_t{bold} << 48 | packed(ink) << 24 | packed(under)};
        if (const auto found = images_.find(key); found != images_.end()) {
            return found->second;
        }
        wxBitmap probe(1, 1);
        wxMemoryDC dc(probe);
        dc.SetFont(chosen);
        wxSize extent = dc.GetTextExtent(text);
        // Long numbers (typed ones can have 19 digits) shrink to fit the square.
        const int room = square * 4 / 5;
        if (extent.x > room) {
            chosen = chosen.Scaled(static_cast<float>(room) / extent.x);
            dc.SetFont(chosen);
            extent = dc.GetTextExtent(text);
        }
        wxBitmap image(extent);
        dc.SelectObject(image);
        dc.SetBackground(wxBrush(colour(under)));
        dc.Clear();
        dc.SetTextForeground(colour(ink));
        dc.DrawText(text, 0, 0);
        dc.SelectObject(wxNullBitmap);
        return images_.emplace(key, image).first->second;
    }

    // Cached: a font is costly to make and every square of a size shares it.
    const wxFont& font(int square, bool bold) {
        if (square != font_square_) {
            font_square_ = square;
            normal_ = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
            set_height(normal_, square * 11 / 20);
            bold_ = normal_.Bold();
            images_.clear();
        }
        return bold ? bold_ : normal_;
    }

    const sudoku::Play& play_;
    sudoku::look::Palette palette_;
    int font_square_ = 0;
    wxFont normal_;
    wxFont bold_;
    // The text, then weight, ink and background packed into one number.
    using Drawn = std::pair<wxString, std::uint64_t>;
    std::map<Drawn, wxBitmap> images_;
};

struct Place {
    int row;
    int col;
};

// Draws a block of squares at once. The toolkit draws what waits as one
// rectangle round all of it: a row and a column waiting together would
// redraw every square in view.
void redraw(wxGrid& grid, int top, int left, int bottom, int right) {
    grid.RefreshBlock(top, left, bottom, right);
    grid.GetGridWindow()->Update();
}

// Redraws what the cursor's move from `from` to `to` changed: the rows,
// columns and boxes it left and entered, each block on its own.
void redraw_move(wxGrid& grid, const sudoku::Geometry& box, Place from, Place to) {
    const int last_row = grid.GetNumberRows() - 1;
    const int last_col = grid.GetNumberCols() - 1;
    const auto on_board = [&](Place p) {
        return p.row >= 0 && p.col >= 0 && p.row <= last_row && p.col <= last_col;
    };
    const bool boxes = box.n() > 0;
    const bool jumped = !on_board(from);
    const bool new_box = !boxes || !box.same_box({from.col, from.row}, {to.col, to.row});
    for (const Place p : {from, to}) {
        if (!on_board(p)) {
            continue;
        }
        if (jumped || from.row != to.row) {
            redraw(grid, p.row, 0, p.row, last_col);
        }
        if (jumped || from.col != to.col) {
            redraw(grid, 0, p.col, last_row, p.col);
        }
        if (boxes && (jumped || new_box)) {
            const sudoku::Square origin = box.box_origin(box.box_of({p.col, p.row}));
            redraw(grid, origin.y, origin.x, std::min(origin.y + box.box_height() - 1, last_row),
                   std::min(origin.x + box.box_width() - 1, last_col));
        }
    }
}

// The desktop theme's colours as the board uses them.
sudoku::look::Palette theme_palette(const wxGrid& grid) {
    return sudoku::look::palette({system(wxSYS_COLOUR_WINDOW), system(wxSYS_COLOUR_WINDOWTEXT),
                                  system(wxSYS_COLOUR_HIGHLIGHT),
                                  system(wxSYS_COLOUR_HIGHLIGHTTEXT), system(wxSYS_COLOUR_HOTLIGHT),
                                  error_colour(grid)});
}

}  // namespace

wxString number_text(const sudoku::Game& game, sudoku::Square square) {
    if (!game.contains(square) || !game.at(square)) {
        return {};
    }
    // Without printf's parsing: every square in view is drawn from this.
    std::array<char, 24> digits{};
    const char* end =
        std::to_chars(digits.data(), digits.data() + digits.size(), *game.at(square)).ptr;
    return wxString::FromAscii(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

void dress_board(wxGrid& grid, const sudoku::Play& play, int zoom) {
    const sudoku::look::Palette palette = theme_palette(grid);
    grid.SetDefaultRenderer(new SquareRenderer(play, palette));
    grid.SetDefaultCellBackgroundColour(colour(palette.background));
    // The renderer draws the lines and the cursor itself.
    grid.EnableGridLines(false);
    grid.SetCellHighlightPenWidth(0);
    grid.SetCellHighlightROPenWidth(0);
    grid.Bind(wxEVT_GRID_SELECT_CELL, [&grid, box = play.game().geometry()](wxGridEvent& event) {
        event.Skip();
        const Place from{grid.GetGridCursorRow(), grid.GetGridCursorCol()};
        const Place to{event.GetRow(), event.GetCol()};
        // Drawn once the cursor has moved: the event comes before the move.
        grid.CallAfter([&grid, box, from, to] { redraw_move(grid, box, from, to); });
    });
    zoom_board(grid, zoom);
}

int zoom_board(wxGrid& grid, int zoom) {
    const wxSize screen = wxDisplay(&grid).GetGeometry().GetSize();
    const int side = grid.GetNumberCols();
    const int step = sudoku::look::clamp_zoom(screen.y, side, zoom);
    const int square = sudoku::look::square_size(screen.y, side, step);
    grid.BeginBatch();
    grid.SetDefaultRowSize(square, true);
    grid.SetDefaultColSize(square, true);
    // Whole squares per scroll step, so no square is cut at an edge.
    grid.SetScrollLineX(square);
    grid.SetScrollLineY(square);
    grid.EndBatch();
    const int board = side * square;
    grid.SetMinSize(wxSize(std::min(board, sudoku::look::room(screen.x)),
                           std::min(board, sudoku::look::room(screen.y))));
    if (wxWindow* parent = grid.GetParent()) {
        parent->Layout();
    }
    if (grid.GetGridCursorRow() >= 0) {
        grid.MakeCellVisible(grid.GetGridCursorRow(), grid.GetGridCursorCol());
    }
    grid.ForceRefresh();
    return step;
}
