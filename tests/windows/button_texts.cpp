// A helper of wine_installer.py: prints the text of each button of the
// top-level window with the given title (the installer's, in another
// process), one a line in UTF-8. The title is read as UTF-16 from the command
// line, since the ANSI argv cannot hold every language's letters.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "child_windows.h"

namespace {

std::wstring text_of(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::string utf8(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), length, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);  // the terminating zero
    return bytes;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count != 2) {
        std::fprintf(stderr, "usage: button_texts TITLE\n");
        return 2;
    }
    HWND window = FindWindowW(nullptr, args[1]);
    if (window == nullptr) {
        std::fprintf(stderr, "button_texts: no window %s\n", utf8(args[1]).c_str());
        return 1;
    }
    for (HWND child : child_windows(window)) {
        if (class_of(child) == WC_BUTTONW) {
            std::printf("%s\n", utf8(text_of(child)).c_str());
        }
    }
    return 0;
}
