// The one way every text reaches the player's language. The core looks texts
// up through a catalog the front end installs; until one is, texts are the
// English they are written in. Marked texts are found by xgettext.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku::texts {

struct Catalog {
    // The translation of an English text, or the text itself.
    std::function<std::string(const char* english)> text;
    // The form of `singular` / `plural` the language uses for `count`.
    std::function<std::string(const char* singular, const char* plural, long long count)> plural;
};
void use_catalog(Catalog catalog);

std::string tr(const char* english);
std::string tr_plural(const char* singular, const char* plural, long long count);

// Marks a text for the catalog where it is only named; tr() looks it up later.
constexpr const char* for_catalog(const char* english) {
    return english;
}

// "%1$s at %2$s" with its parts put in; "%%" is a percent sign. Translations
// may reorder the parts.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> parts);
// "a", "a and b", "a, b and c": `last` (and_ or or_) joins the last two.
std::string listed(const std::vector<std::string>& items, const char* last);
inline constexpr const char* and_ = for_catalog("%1$s and %2$s");
inline constexpr const char* or_ = for_catalog("%1$s or %2$s");

// tr(pattern), then fill.
std::string tr_fill(const char* pattern, std::initializer_list<std::string_view> parts);

}  // namespace sudoku::texts
