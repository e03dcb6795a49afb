// The game's texts are UTF-8 string_views; wx wants wxString.
#pragma once

#include <string>
#include <string_view>

#include <wx/string.h>

inline wxString wx_text(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}

// A path as the file functions of the core take it: the file system's own
// bytes on POSIX, UTF-8 on Windows (turned into UTF-16 names there).
inline std::string file_path(const wxString& path) {
#ifdef __WXMSW__
    return path.utf8_string();
#else
    return std::string(path.fn_str());
#endif
}
