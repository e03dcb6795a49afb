// A helper of wine_scaling.py: finds the list views and buttons of the
// top-level window with the given title (the game's, in another process) and
// prints, one line each, where they are on the screen:
//   list LEFT TOP RIGHT BOTTOM COLUMN    (the list's header, its column's width)
//   button LEFT TOP RIGHT BOTTOM
// With "widen", it first makes each list's column far wider than any
// heading, so a screenshot shows each heading whole and can be compared with
// the one the game drew. Only messages without pointers cross the process
// boundary.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "child_windows.h"

namespace {

constexpr int wide_column = 4000;

void print(const char* kind, HWND window, const char* more) {
    RECT at{};
    GetWindowRect(window, &at);
    std::printf("%s %ld %ld %ld %ld%s\n", kind, at.left, at.top, at.right, at.bottom, more);
}

}  // namespace

int main(int argc, char** argv) {
    const bool widen = argc == 3 && std::strcmp(argv[2], "widen") == 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !widen)) {
        std::fprintf(stderr, "usage: list_headers TITLE [widen]\n");
        return 2;
    }
    // Screen pixels as the test's screenshots have them, at any scaling.
    SetProcessDPIAware();
    const int length = MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, nullptr, 0);
    std::wstring title(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, title.data(), length);
    HWND window = FindWindowW(nullptr, title.c_str());
    if (window == nullptr) {
        std::fprintf(stderr, "list_headers: no window %s\n", argv[1]);
        return 1;
    }
    for (HWND child : child_windows(window)) {
        if (class_of(child) == WC_BUTTONW) {
            print("button", child, "");
        } else if (class_of(child) == WC_LISTVIEWW) {
            if (widen) {
                SendMessageW(child, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(wide_column, 0));
                UpdateWindow(child);
            }
            char column[32] = {};
            std::snprintf(column, sizeof column, " %ld",
                          static_cast<long>(SendMessageW(child, LVM_GETCOLUMNWIDTH, 0, 0)));
            print("list", reinterpret_cast<HWND>(SendMessageW(child, LVM_GETHEADER, 0, 0)), column);
        }
    }
    return 0;
}
