// The board as a player with some sight meets it, judged by the pixels on the
// screen: box edges, givens, the player's and rule-breaking numbers, the
// cursor, and the zoom keys. Also run under a high-contrast theme.
#include <map>

#include <wx/display.h>
#include <wx/grid.h>

#include "board/board_look.h"
#include "gui_harness.h"
#include "screen_pixels.h"

namespace gui_test {
namespace {

using sudoku::Board;
using sudoku::look::Rgb;

// A given 1 at 1 1; the player's 1 at 5 5 and 5 at 2 5; the player's 5s at
// 7 1 and 9 1 break the rule (one row, one box).
const Board givens = from_rows({{1}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}});
const Board played =
    from_rows({{1, 0, 0, 0, 0, 0, 5, 0, 5}, {0}, {0}, {0}, {0, 5, 0, 0, 1}, {0}, {0}, {0}, {0}});

Rgb pixel(const wxImage& image, int x, int y) {
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

// The ink of a square: what differs from its most common colour.
struct Ink {
    Rgb background;
    Rgb main;        // the most common colour of the ink
    int count = 0;   // pixels of ink
    int bottom = 0;  // of them in the lowest band, under the digits
};

Ink ink_of(const wxImage& image) {
    const auto key = [](Rgb c) { return c.r << 16 | c.g << 8 | c.b; };
    const auto most = [&](const std::map<int, int>& counts) {
        int best = 0;
        int seen = -1;
        for (const auto& [colour, n] : counts) {
            if (n > seen) {
                best = colour;
                seen = n;
            }
        }
        return Rgb{static_cast<std::uint8_t>(best >> 16), static_cast<std::uint8_t>(best >> 8),
                   static_cast<std::uint8_t>(best)};
    };
    std::map<int, int> all;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            ++all[key(pixel(image, x, y))];
        }
    }
    Ink ink{most(all), {}};
    std::map<int, int> inked;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (pixel(image, x, y) != ink.background) {
                ++inked[key(pixel(image, x, y))];
                ++ink.count;
                ink.bottom += y >= image.GetHeight() * 85 / 100 ? 1 : 0;
            }
        }
    }
    ink.main = most(inked);
    return ink;
}

// Lengths of the runs of pixels unlike the first one.
std::vector<int> runs_of_lines(const wxImage& strip) {
    const bool across = strip.GetHeight() == 1;
    const int length = across ? strip.GetWidth() : strip.GetHeight();
    const auto at = [&](int i) { return across ? pixel(strip, i, 0) : pixel(strip, 0, i); };
    const Rgb background = at(length / 2 > 0 ? 8 : 0);
    std::vector<int> runs;
    int run = 0;
    for (int i = 0; i < length; ++i) {
        if (at(i) != background) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0) {
        runs.push_back(run);
    }
    return runs;
}

class BoardLook : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        start_game(played, givens, {3, 3});
        // The cursor's cross stays clear of the squares the tests look at.
        window->grid->SetGridCursor(8, 8);
        settle();
    }
    wxRect square(int x, int y) const { return square_on_screen(*window->grid, x, y); }
    // The window manager makes the window full screen in its own time, and
    // the board moves to the centre then: wait for it before reading pixels.
    void drawn() {
        EXPECT_TRUE(pump_until([this] {
            return window->GetClientSize() == wxDisplay(window).GetGeometry().GetSize();
        }));
        window->Update();
        settle();
    }
    // The square less its lines and frame: only its number is drawn there.
    wxImage inside(int x, int y) {
        drawn();
        const wxRect whole = square(x, y);
        return screen_pixels(whole.Deflate(whole.width / 6, whole.height / 12));
    }
    Rgb centre(int x, int y) {
        drawn();
        const wxRect whole = square(x, y);
        return pixel(screen_pixels(wxRect(whole.GetPosition() + whole.GetSize() / 2, wxSize(1, 1))),
                     0, 0);
    }
};

TEST_F(BoardLook, BoxEdgesAreThickerThanTheLinesBetweenSquares) {
    drawn();
    // Through the middle of the empty row 3, columns 1 to 4, and of the empty
    // column 3, rows 1 to 4: edge, thin, thin, box edge, thin.
    const wxRect row = square(0, 2).Union(square(3, 2));
    const wxRect column = square(2, 0).Union(square(2, 3));
    for (const wxRect& strip : {wxRect(row.x, row.y + row.height / 2, row.width, 1),
                                wxRect(column.x + column.width / 2, column.y, 1, column.height)}) {
        const std::vector<int> runs = runs_of_lines(screen_pixels(strip));
        ASSERT_EQ(runs.size(), 5u);
        EXPECT_EQ(runs[1], runs[2]);
        EXPECT_GE(runs[3], 3 * runs[1]) << "thin " << runs[1] << ", box edge " << runs[3];
    }
}

TEST_F(BoardLook, GivensAreBoldAndThePlayersNumbersHaveTheirOwnColour) {
    const Ink given = ink_of(inside(0, 0));
    const Ink own = ink_of(inside(4, 4));
    EXPECT_EQ(given.background, own.background);
    EXPECT_GT(given.count, own.count * 5 / 4) << "a bold 1 has more ink";
    EXPECT_NE(given.main, own.main);
    EXPECT_GE(sudoku::look::contrast(own.main, own.background), 4.5);
    EXPECT_GE(sudoku::look::contrast(given.main, given.background), 4.5);
}

TEST_F(BoardLook, ANumberThatBreaksTheRuleIsUnderlinedAndColoured) {
    const Ink breaking = ink_of(inside(6, 0));
    const Ink fine = ink_of(inside(1, 4));
    EXPECT_EQ(fine.bottom, 0);
    EXPECT_GT(breaking.bottom, breaking.count / 10) << "a bar under the number";
    EXPECT_NE(breaking.main, fine.main);
    EXPECT_GE(sudoku::look::contrast(breaking.main, breaking.background), 4.5);
}

TEST_F(BoardLook, TheCursorIsFilledAndFramedAndItsRowColumnAndBoxShaded) {
    window->grid->SetGridCursor(1, 1);
    const Rgb plain = centre(5, 5);
    const Rgb cursor = centre(1, 1);
    const Rgb shade = centre(5, 1);
    EXPECT_NE(cursor, shade);
    EXPECT_NE(shade, plain);
    EXPECT_EQ(centre(1, 6), shade) << "its column";
    EXPECT_EQ(centre(2, 2), shade) << "its box";
    const wxRect at = square(1, 1);
    const Rgb frame =
        pixel(screen_pixels(wxRect(at.x + at.width / 20, at.y + at.height / 2, 1, 1)), 0, 0);
    EXPECT_GE(sudoku::look::contrast(frame, plain), 4.5);
    EXPECT_GE(sudoku::look::contrast(frame, cursor), 1.5);

    EXPECT_EQ(press_and_hear(WXK_RIGHT), "3 2: empty.");
    EXPECT_EQ(centre(2, 1), cursor);
    EXPECT_EQ(centre(1, 1), shade) << "still in the cursor's row";
    EXPECT_EQ(centre(1, 6), plain) << "no longer in its column";
    EXPECT_EQ(centre(2, 6), shade);
}

TEST_F(BoardLook, ZoomKeysResizeTheSquaresForTheRestOfTheSession) {
    const auto size = [this] {
        EXPECT_EQ(window->grid->GetColSize(0), window->grid->GetRowSize(0)) << "squares";
        return window->grid->GetColSize(0);
    };
    const int usual = size();
    const int screen = wxDisplay(window).GetGeometry().GetHeight();
    EXPECT_GE(9 * usual, screen * 9 / 10) << "a 9x9 board fills the screen's height";
    spoken->clear();
    // Ctrl+Plus as a US keyboard types it.
    press('=', wxMOD_CONTROL | wxMOD_SHIFT);
    const int larger = size();
    EXPECT_GT(larger, usual);
    press('-', wxMOD_CONTROL);
    press('-', wxMOD_CONTROL);
    EXPECT_LT(size(), usual);
    press('0', wxMOD_CONTROL);
    EXPECT_EQ(size(), usual);
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{}) << "zooming is seen, not heard";
    press('+', wxMOD_CONTROL);
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    start_game(played, givens, {3, 3});
    EXPECT_EQ(size(), larger);
}

TEST_F(BoardLook, BoardsAbove25By25ScrollWithTheCursor) {
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    start_game(Board(81, sudoku::Column(81)), Board(81, sudoku::Column(81)), {9, 9});
    const int square = window->grid->GetColSize(0);
    const int screen = wxDisplay(window).GetGeometry().GetHeight();
    EXPECT_LE(25 * square, screen);
    EXPECT_GT(26 * square, screen * 9 / 10) << "the squares of a 25x25 board";
    EXPECT_FALSE(window->grid->IsVisible(0, 80));
    EXPECT_EQ(press_and_hear(WXK_END), "81 1: empty.");
    drawn();
    EXPECT_TRUE(window->grid->IsVisible(0, 80));
}

}  // namespace
}  // namespace gui_test
