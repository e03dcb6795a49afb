#include "board/key_help.h"

#include <cctype>
#include <utility>
#include <vector>

namespace {

struct Named {
    int key;
    const char* name;
};

// Keys that do not print as themselves.
constexpr Named special_keys[] = {
    {WXK_ESCAPE, "Escape"},
    {WXK_BACK, "Backspace"},
    {WXK_DELETE, "Delete"},
    {WXK_RETURN, "Enter"},
    {WXK_SPACE, "Space"},
    {WXK_F1, "F1"},
    {WXK_LEFT, "Left"},
    {WXK_RIGHT, "Right"},
    {WXK_UP, "Up"},
    {WXK_DOWN, "Down"},
    {WXK_NUMPAD_ENTER, "Keypad Enter"},
    {WXK_NUMPAD_DELETE, "Keypad Delete"},
    {WXK_NUMPAD_DECIMAL, "Keypad decimal point"},
    {WXK_NUMPAD_ADD, "Keypad +"},
    {WXK_NUMPAD_SUBTRACT, "Keypad -"},
    {WXK_NUMPAD_LEFT, "Keypad Left"},
    {WXK_NUMPAD_RIGHT, "Keypad Right"},
    {WXK_NUMPAD_UP, "Keypad Up"},
    {WXK_NUMPAD_DOWN, "Keypad Down"},
    {WXK_NUMPAD_HOME, "Keypad Home"},
    {WXK_NUMPAD_END, "Keypad End"},
};

std::string base_name(int key) {
    for (const Named& named : special_keys) {
        if (named.key == key) {
            return named.name;
        }
    }
    if (key >= WXK_NUMPAD0 && key <= WXK_NUMPAD9) {
        return "Keypad " + std::to_string(key - WXK_NUMPAD0);
    }
    // A printable ASCII key is its own name; any other code without a name
    // above is written as a number, never as a byte that is not text.
    if (key > ' ' && key < 0x7f) {
        return std::string(1, static_cast<char>(key));
    }
    return "Key " + std::to_string(key);
}

// "Ctrl+S", "Shift+E", "r", "Keypad 5", "F1".
std::string key_name(const KeyBinding& binding) {
    std::string name = base_name(binding.key);
    const bool modified = (binding.modifiers & (wxACCEL_CTRL | wxACCEL_SHIFT)) != 0;
    if (modified && name.size() == 1) {
        // With a modifier a letter is written as on the key cap.
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    if ((binding.modifiers & wxACCEL_SHIFT) != 0) {
        name = "Shift+" + name;
    }
    if ((binding.modifiers & wxACCEL_CTRL) != 0) {
        name = "Ctrl+" + name;
    }
    return name;
}

}  // namespace

std::string key_help(std::span<const KeyBinding> keys) {
    // Keys that do the same share a line, so the list stays short to hear.
    std::vector<std::pair<std::string_view, std::string>> lines;
    for (const KeyBinding& binding : keys) {
        auto line = lines.begin();
        while (line != lines.end() && line->first != binding.description) {
            ++line;
        }
        if (line == lines.end()) {
            lines.emplace_back(binding.description, key_name(binding));
        } else {
            line->second += ", " + key_name(binding);
        }
    }
    std::string help;
    for (const auto& [description, names] : lines) {
        help += (help.empty() ? "" : "\n") + names + ": " + std::string(description);
    }
    return help;
}
