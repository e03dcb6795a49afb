// What the techniques of the ladder share: a finder and a check for each
// technique, and the set helpers they all use. Internal to the hint and the
// rating; hint_techniques.h is the way in.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "sudoku/hint_techniques.h"
#include "sudoku/ladder.h"

namespace sudoku::hints {

inline const Candidates& at(const CandidateBoard& candidates, Square square) {
    return candidates[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

inline bool has(const CandidateBoard& candidates, Square square, int number) {
    return at(candidates, square).test(static_cast<std::size_t>(number - 1));
}

// The numbers (from 1) in a set, in order.
inline std::vector<int> numbers_in(const Candidates& set) {
    std::vector<int> numbers;
    for (std::size_t k = set._Find_first(); k < set.size(); k = set._Find_next(k)) {
        numbers.push_back(static_cast<int>(k) + 1);
    }
    return numbers;
}

// How many numbers the set holds, counted no further than most + 1: the
// techniques only ask about small counts, and a full count is slow.
inline std::size_t count_to(const Candidates& set, std::size_t most) {
    std::size_t count = 0;
    for (std::size_t k = set._Find_first(); k < set.size() && count <= most;
         k = set._Find_next(k)) {
        ++count;
    }
    return count;
}

inline int first_number(const Candidates& set) {
    return static_cast<int>(set._Find_first()) + 1;
}

template <class Visit>
void each_number(const Candidates& set, Visit visit) {
    for (std::size_t k = set._Find_first(); k < set.size(); k = set._Find_next(k)) {
        visit(static_cast<int>(k) + 1);
    }
}

inline Candidates set_of(const std::vector<int>& numbers) {
    Candidates set;
    for (const int number : numbers) {
        set.set(static_cast<std::size_t>(number - 1));
    }
    return set;
}

// Numbers standing in exactly one of the sets.
inline Candidates alone(std::span<const Candidates> sets) {
    Candidates once;
    Candidates twice;
    for (const Candidates& set : sets) {
        twice |= once & set;
        once |= set;
    }
    return once & ~twice;
}

template <class T>
bool contains(const std::vector<T>& items, const T& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// Whether two squares share a row, column or box.
inline bool sees(const Layout& layout, Square a, Square b) {
    return a.x == b.x || a.y == b.y || layout.unit_of(a, Unit::box) == layout.unit_of(b, Unit::box);
}

// Calls visit(peer) for the other squares of the square's row, column and
// box, each once.
template <class Visit>
void each_peer(const Layout& layout, Square square, Visit visit) {
    for (const Square other : layout.squares(layout.unit_of(square, Unit::row))) {
        if (other != square) {
            visit(other);
        }
    }
    for (const Square other : layout.squares(layout.unit_of(square, Unit::column))) {
        if (other != square) {
            visit(other);
        }
    }
    for (const Square other : layout.squares(layout.unit_of(square, Unit::box))) {
        if (other.x != square.x && other.y != square.y) {
            visit(other);
        }
    }
}

// True when no square of `unit` outside `keep` can take any of `numbers`.
template <class Keep>
bool kept_to(const Layout& layout, const CandidateBoard& candidates, Group unit,
             const std::vector<int>& numbers, Keep keep) {
    const Candidates set = set_of(numbers);
    for (const Square square : layout.squares(unit)) {
        if (!keep(square) && (at(candidates, square) & set).any()) {
            return false;
        }
    }
    return true;
}

// Calls found(chosen, members) for each choice of k of the `sets`, in order,
// whose union has exactly k members, until it returns true; a choice is
// dropped as soon as its union grows past k. Naked and hidden sets and fish
// are all such choices.
template <std::size_t K, class Found>
bool closed_sets(const std::vector<Candidates>& sets, Found found) {
    std::array<std::size_t, K> chosen{};
    std::array<Candidates, K + 1> unions{};
    std::size_t size = 0;
    std::size_t next = 0;
    for (;;) {
        if (size == K || next == sets.size()) {
            if (size == K && count_to(unions[K], K) == K && found(chosen, unions[K])) {
                return true;
            }
            if (size == 0) {
                return false;
            }
            next = chosen[--size] + 1;
            continue;
        }
        unions[size + 1] = unions[size] | sets[next];
        if (count_to(unions[size + 1], K) <= K) {
            chosen[size++] = next;
        }
        ++next;
    }
}

// Each technique's finder and check, as the ladder (ladder.cpp) lists them.
std::optional<Elimination> pointing(const Layout& layout, const CandidateBoard& candidates);
std::optional<Elimination> claiming(const Layout& layout, const CandidateBoard& candidates);
bool confined(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);

template <std::size_t K>
std::optional<Elimination> naked_set(const Layout& layout, const CandidateBoard& candidates);
template <std::size_t K>
std::optional<Elimination> hidden_set(const Layout& layout, const CandidateBoard& candidates);
bool naked_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);
bool hidden_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);

template <std::size_t K>
std::optional<Elimination> fish(const Layout& layout, const CandidateBoard& candidates);
bool fish_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);

std::optional<Elimination> xy_wing(const Layout& layout, const CandidateBoard& candidates);
bool xy_wing_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);

std::optional<Elimination> colouring(const Layout& layout, const CandidateBoard& candidates);
std::optional<Elimination> x_chain(const Layout& layout, const CandidateBoard& candidates);
std::optional<Elimination> xy_chain(const Layout& layout, const CandidateBoard& candidates);
bool chain_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);

std::optional<Elimination> forcing_chain(const Layout& layout, const CandidateBoard& candidates);
// Any forcing chain, not the shortest: what a rating needs, for less work.
std::optional<Elimination> first_forcing_chain(const Layout& layout,
                                               const CandidateBoard& candidates);
bool forcing_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step);

}  // namespace sudoku::hints
