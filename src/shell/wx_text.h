// The game's texts are UTF-8 string_views; wx wants wxString.
#pragma once

#include <string_view>

#include <wx/string.h>

#include "board/board.h"

inline wxString wx_text(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}

// What a grid cell shows for a square: its number in decimal, or nothing.
inline wxString cell_text(const sudoku::Cell& cell) {
    return cell ? wxString::Format("%lld", static_cast<long long>(*cell)) : wxString();
}
