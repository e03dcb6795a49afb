// The XY-wing: a pivot that can take x or y sees one square that can take x
// or z and another that can take y or z. Whichever the pivot takes, one of
// the two is z, so a square that sees both cannot take z.
#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

bool two(const CandidateBoard& candidates, Square square) {
    return count_to(at(candidates, square), 2) == 2;
}

}  // namespace

std::optional<Elimination> xy_wing(const Layout& layout, const CandidateBoard& candidates) {
    for (const Group& row : layout.units()) {
        if (row.unit != Unit::row) {
            break;
        }
        for (const Square pivot : layout.squares(row)) {
            if (!two(candidates, pivot)) {
                continue;
            }
            const Candidates& xy = at(candidates, pivot);
            std::vector<Square> wings;
            each_peer(layout, pivot, [&](Square peer) {
                if (two(candidates, peer) && (at(candidates, peer) & xy).count() == 1) {
                    wings.push_back(peer);
                }
            });
            for (std::size_t i = 0; i < wings.size(); ++i) {
                for (std::size_t j = i + 1; j < wings.size(); ++j) {
                    const Candidates& a = at(candidates, wings[i]);
                    const Candidates& b = at(candidates, wings[j]);
                    const Candidates z = a & b & ~xy;
                    if (z.count() != 1 || (a & b & xy).any()) {
                        continue;
                    }
                    const int number = numbers_in(z).front();
                    std::vector<Square> ruled_out;
                    each_peer(layout, wings[i], [&](Square square) {
                        if (square != wings[j] && sees(layout, square, wings[j]) &&
                            has(candidates, square, number)) {
                            ruled_out.push_back(square);
                        }
                    });
                    if (!ruled_out.empty()) {
                        return Elimination{
                            Elimination::Kind::xy_wing,
                            {},
                            {},
                            {numbers_in(a & xy).front(), numbers_in(b & xy).front(), number},
                            {pivot, wings[i], wings[j]},
                            std::move(ruled_out),
                            {number}};
                    }
                }
            }
        }
    }
    return std::nullopt;
}

bool xy_wing_holds(const Layout&, const CandidateBoard& candidates, const Elimination& step) {
    const int x = step.numbers[0];
    const int y = step.numbers[1];
    const int z = step.numbers[2];
    const auto within = [&](Square square, int a, int b) {
        return (at(candidates, square) & ~set_of({a, b})).none();
    };
    return within(step.holders[0], x, y) && within(step.holders[1], x, z) &&
           within(step.holders[2], y, z);
}

}  // namespace sudoku::hints
