// X-wing and swordfish: when a number can only go in k columns within k rows,
// those rows hold it in each of the columns, so the rest of the columns
// cannot take it (and the same with rows and columns swapped).
#include "sudoku/techniques.h"

namespace sudoku::hints {

template <std::size_t K>
std::optional<Elimination> fish(const Layout& layout, const CandidateBoard& candidates) {
    const auto kind = K == 2 ? Elimination::Kind::x_wing : Elimination::Kind::swordfish;
    std::optional<Elimination> step;
    std::vector<Group> eligible;
    std::vector<Candidates> sets;
    for (const Unit base_kind : {Unit::row, Unit::column}) {
        const Unit cover_kind = base_kind == Unit::row ? Unit::column : Unit::row;
        for (int number = 1; number <= layout.n(); ++number) {
            eligible.clear();
            sets.clear();
            for (int index = 0; index < layout.n(); ++index) {
                const Group base{base_kind, index};
                Candidates covers;
                for (const Square square : layout.squares(base)) {
                    if (has(candidates, square, number)) {
                        covers.set(
                            static_cast<std::size_t>(layout.unit_of(square, cover_kind).index));
                    }
                }
                if (const std::size_t c = count_to(covers, K); c >= 2 && c <= K) {
                    eligible.push_back(base);
                    sets.push_back(covers);
                }
            }
            const bool found =
                closed_sets<K>(sets, [&](const auto& chosen, const Candidates& lines) {
                    Elimination found_step{kind, {}, {}, {number}};
                    for (const std::size_t i : chosen) {
                        found_step.bases.push_back(eligible[i]);
                    }
                    for (const int index : numbers_in(lines)) {
                        const Group cover{cover_kind, index - 1};
                        found_step.covers.push_back(cover);
                        for (const Square square : layout.squares(cover)) {
                            if (has(candidates, square, number) &&
                                !contains(found_step.bases, layout.unit_of(square, base_kind))) {
                                found_step.ruled_out.push_back(square);
                            }
                        }
                    }
                    if (found_step.ruled_out.empty()) {
                        return false;
                    }
                    found_step.removed = {number};
                    step = std::move(found_step);
                    return true;
                });
            if (found) {
                return step;
            }
        }
    }
    return std::nullopt;
}

template std::optional<Elimination> fish<2>(const Layout&, const CandidateBoard&);
template std::optional<Elimination> fish<3>(const Layout&, const CandidateBoard&);

bool fish_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step) {
    const Unit cover_kind = step.covers.front().unit;
    return std::all_of(step.bases.begin(), step.bases.end(), [&](Group base) {
        return kept_to(layout, candidates, base, step.numbers, [&](Square square) {
            return contains(step.covers, layout.unit_of(square, cover_kind));
        });
    });
}

}  // namespace sudoku::hints
