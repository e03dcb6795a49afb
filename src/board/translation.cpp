#include "board/translation.h"

#include <vector>

namespace sudoku::texts {
namespace {

Catalog& installed() {
    static Catalog catalog;
    return catalog;
}

}  // namespace

void use_catalog(Catalog catalog) {
    installed() = std::move(catalog);
}

std::string tr(const char* english) {
    const Catalog& catalog = installed();
    return catalog.text ? catalog.text(english) : std::string(english);
}

std::string tr_plural(const char* singular, const char* plural, long long count) {
    const Catalog& catalog = installed();
    if (catalog.plural) {
        return catalog.plural(singular, plural, count);
    }
    return count == 1 ? singular : plural;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    const std::vector<std::string_view> part(parts);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            text += pattern[i];
            continue;
        }
        if (pattern[i + 1] == '%') {
            text += '%';
            ++i;
            continue;
        }
        // %N$s: a part by its place, counted from 1.
        std::size_t end = i + 1;
        std::size_t index = 0;
        while (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9') {
            index = index * 10 + static_cast<std::size_t>(pattern[end] - '0');
            ++end;
        }
        if (end + 1 < pattern.size() && pattern[end] == '$' && pattern[end + 1] == 's' &&
            index >= 1 && index <= part.size()) {
            text += part[index - 1];
            i = end + 1;
        } else {
            text += pattern[i];  // not a placeholder: kept as written
        }
    }
    return text;
}

std::string listed(const std::vector<std::string>& items, const char* last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i + 1 == items.size() && i > 0) {
            text = tr_fill(last, {text, items[i]});
        } else {
            text += (i > 0 ? ", " : "") + items[i];
        }
    }
    return text;
}

std::string tr_fill(const char* pattern, std::initializer_list<std::string_view> parts) {
    return fill(tr(pattern), parts);
}

}  // namespace sudoku::texts
