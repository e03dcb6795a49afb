// The game's texts are UTF-8 string_views; wx wants wxString.
#pragma once

#include <string_view>

#include <wx/string.h>

inline wxString wx_text(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}
