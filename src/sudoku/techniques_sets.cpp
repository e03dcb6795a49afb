// Naked and hidden pairs, triples and quads: k squares of a unit that can
// only take k numbers between them, or k numbers that can only go in k of
// its squares.
#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

using E = Elimination::Kind;

constexpr E naked_kind(std::size_t k) {
    return k == 2 ? E::naked_pair : k == 3 ? E::naked_triple : E::naked_quad;
}

constexpr E hidden_kind(std::size_t k) {
    return k == 2 ? E::hidden_pair : k == 3 ? E::hidden_triple : E::hidden_quad;
}

bool sized(std::size_t count, std::size_t k) {
    return count >= 2 && count <= k;
}

}  // namespace

template <std::size_t K>
std::optional<Elimination> naked_set(const Layout& layout, const CandidateBoard& candidates) {
    std::optional<Elimination> step;
    std::vector<Square> eligible;
    std::vector<Candidates> sets;
    for (const Group& unit : layout.units()) {
        eligible.clear();
        sets.clear();
        for (const Square square : layout.squares(unit)) {
            if (sized(count_to(at(candidates, square), K), K)) {
                eligible.push_back(square);
                sets.push_back(at(candidates, square));
            }
        }
        const bool found = closed_sets<K>(sets, [&](const auto& chosen, const Candidates& numbers) {
            std::vector<Square> holders;
            for (const std::size_t i : chosen) {
                holders.push_back(eligible[i]);
            }
            Candidates lost;
            std::vector<Square> ruled_out;
            for (const Square square : layout.squares(unit)) {
                const Candidates shared = at(candidates, square) & numbers;
                if (shared.any() && !contains(holders, square)) {
                    ruled_out.push_back(square);
                    lost |= shared;
                }
            }
            if (ruled_out.empty()) {
                return false;
            }
            step = Elimination{naked_kind(K),       unit,    {},
                               numbers_in(numbers), holders, std::move(ruled_out),
                               numbers_in(lost)};
            return true;
        });
        if (found) {
            return step;
        }
    }
    return std::nullopt;
}

template <std::size_t K>
std::optional<Elimination> hidden_set(const Layout& layout, const CandidateBoard& candidates) {
    std::optional<Elimination> step;
    std::vector<int> eligible;
    std::vector<Candidates> sets;
    // For each number, the positions in the unit that can take it.
    std::vector<Candidates> places(static_cast<std::size_t>(layout.n()));
    for (const Group& unit : layout.units()) {
        const std::vector<Square>& squares = layout.squares(unit);
        std::fill(places.begin(), places.end(), Candidates{});
        for (std::size_t i = 0; i < squares.size(); ++i) {
            each_number(at(candidates, squares[i]),
                        [&](int number) { places[static_cast<std::size_t>(number - 1)].set(i); });
        }
        eligible.clear();
        sets.clear();
        for (std::size_t k = 0; k < places.size(); ++k) {
            if (sized(count_to(places[k], K), K)) {
                eligible.push_back(static_cast<int>(k) + 1);
                sets.push_back(places[k]);
            }
        }
        const bool found = closed_sets<K>(sets, [&](const auto& chosen, const Candidates& where) {
            std::vector<int> numbers;
            for (const std::size_t i : chosen) {
                numbers.push_back(eligible[i]);
            }
            const Candidates set = set_of(numbers);
            Elimination found_step{hidden_kind(K), unit, {}, numbers};
            Candidates lost;
            for (const int position : numbers_in(where)) {
                const Square square = squares[static_cast<std::size_t>(position - 1)];
                found_step.holders.push_back(square);
                const Candidates others = at(candidates, square) & ~set;
                if (others.any()) {
                    found_step.ruled_out.push_back(square);
                    lost |= others;
                }
            }
            if (found_step.ruled_out.empty()) {
                return false;
            }
            found_step.removed = numbers_in(lost);
            step = std::move(found_step);
            return true;
        });
        if (found) {
            return step;
        }
    }
    return std::nullopt;
}

template std::optional<Elimination> naked_set<2>(const Layout&, const CandidateBoard&);
template std::optional<Elimination> naked_set<3>(const Layout&, const CandidateBoard&);
template std::optional<Elimination> naked_set<4>(const Layout&, const CandidateBoard&);
template std::optional<Elimination> hidden_set<2>(const Layout&, const CandidateBoard&);
template std::optional<Elimination> hidden_set<3>(const Layout&, const CandidateBoard&);
template std::optional<Elimination> hidden_set<4>(const Layout&, const CandidateBoard&);

bool naked_holds(const Layout&, const CandidateBoard& candidates, const Elimination& step) {
    const Candidates numbers = set_of(step.numbers);
    return std::all_of(step.holders.begin(), step.holders.end(),
                       [&](Square square) { return (at(candidates, square) & ~numbers).none(); });
}

bool hidden_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step) {
    return kept_to(layout, candidates, step.unit, step.numbers,
                   [&](Square square) { return contains(step.holders, square); });
}

}  // namespace sudoku::hints
