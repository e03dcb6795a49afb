// The daily puzzle: a 9x9 made from the date alone, so every player gets the
// same one that day on any system, its level set by the weekday.
#pragma once

#include "lifecycle/calendar_day.h"
#include "lifecycle/new_game.h"
#include "sudoku/rating.h"

namespace sudoku {

// Monday and Tuesday easy, Wednesday and Thursday medium, Friday and Saturday
// hard, Sunday expert.
Level daily_level(Day day);

// The day's puzzle, its notice "Daily puzzle for Wednesday, 9 December: medium.".
NewGame make_daily(Day day);

}  // namespace sudoku
