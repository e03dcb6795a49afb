#include "board/settings.h"

#include "board/translation.h"

namespace sudoku {
namespace {

using texts::for_catalog;

Settings current;

}  // namespace

const std::array<SettingList, setting_count>& setting_lists() {
    static const std::array<SettingList, setting_count> lists = {{
        {for_catalog("Squares are said."),
         "squares",
         {for_catalog("Column then row: 3 1: 5"), for_catalog("Row then column: 1 3: 5"),
          for_catalog("Letter and number: C1: 5")},
         {"column-row", "row-column", "letter-number"}},
        {for_catalog("Arrow keys say."),
         "arrows",
         {for_catalog("The position and the square"), for_catalog("The square only")},
         {"position-and-square", "square-only"}},
        {for_catalog("Sounds."),
         "sounds",
         {for_catalog("With words"), for_catalog("Instead of words"), for_catalog("Off")},
         {"with-words", "instead-of-words", "off"}},
        {for_catalog("Digits are said as."),
         "digits",
         {for_catalog("Words: five"), for_catalog("Numbers: 5")},
         {"words", "numbers"}},
        {for_catalog("Pause that ends a typed number."),
         "pause",
         {for_catalog("1 second"), for_catalog("Half a second"), for_catalog("1.5 seconds"),
          for_catalog("2 seconds")},
         {"1000", "500", "1500", "2000"}},
        // The languages' own names, as a player who needs one finds it.
        {for_catalog("Language."),
         "language",
         {for_catalog("As the system"), "English", "Deutsch", "Français", "Español"},
         {"system", "en", "de", "fr", "es"}},
    }};
    return lists;
}

int chosen_item(const Settings& settings, std::size_t list) {
    const std::array<int, setting_count> items = {
        static_cast<int>(settings.squares), static_cast<int>(settings.arrows),
        static_cast<int>(settings.sounds),  static_cast<int>(settings.digits),
        static_cast<int>(settings.pause),   static_cast<int>(settings.language)};
    return list < setting_count ? items[list] : 0;
}

void choose_item(Settings& settings, std::size_t list, int item) {
    if (list >= setting_count || item < 0 ||
        item >= static_cast<int>(setting_lists()[list].items.size())) {
        return;
    }
    switch (list) {
        case 0:
            settings.squares = static_cast<SquareForm>(item);
            break;
        case 1:
            settings.arrows = static_cast<ArrowsSay>(item);
            break;
        case 2:
            settings.sounds = static_cast<SoundsPlay>(item);
            break;
        case 3:
            settings.digits = static_cast<DigitsAs>(item);
            break;
        case 4:
            settings.pause = static_cast<TypedPause>(item);
            break;
        default:
            settings.language = static_cast<LanguageChoice>(item);
            break;
    }
}

std::chrono::milliseconds pause_of(TypedPause pause) {
    static constexpr std::array<int, 4> milliseconds = {1000, 500, 1500, 2000};
    return std::chrono::milliseconds(milliseconds[static_cast<std::size_t>(pause)]);
}

const char* language_code(LanguageChoice language) {
    static constexpr std::array<const char*, 5> codes = {"", "en", "de", "fr", "es"};
    return codes[static_cast<std::size_t>(language)];
}

const Settings& settings() {
    return current;
}

void use_settings(const Settings& settings) {
    current = settings;
}

}  // namespace sudoku
