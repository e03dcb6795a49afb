// Forcing chains: suppose a number stands in a square and follow the singles
// that come of it. When they leave a square with no number, or a number with
// no place in a unit, the supposition was wrong and the square cannot take
// that number. Only the placements that lead to the clash are told.
#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

// Where a supposition broke down.
struct Clash {
    std::optional<Square> stuck;  // a square left with no number...
    Group unit;                   // ...or `number` with no place left in `unit`
    int number = 0;
    // The placements that ruled out what was missing: pool[begin, end).
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The singles that follow from one supposition, each with the earlier
// placements it comes from.
class Supposition {
  public:
    Supposition(const Layout& layout, const CandidateBoard& candidates)
        : layout_(layout),
          n_(layout.n()),
          start_(candidates),
          now_(candidates),
          remover_(static_cast<std::size_t>(n_ * n_ * n_), -1),
          is_placed_(static_cast<std::size_t>(n_ * n_), 0) {
        for (const Group& unit : layout.units()) {
            Candidates open;
            for (const Square square : layout.squares(unit)) {
                open |= at(candidates, square);
            }
            missing_.push_back(open);
        }
    }

    // Follows `number` at `square` for at most `most` placements, from the
    // candidates it was made with; the clash it meets, or nothing.
    std::optional<Clash> follow(Square square, int number, std::size_t most) {
        // Undone strike by strike: far less than copying every square back.
        const auto n = static_cast<std::size_t>(n_);
        for (const std::size_t entry : struck_) {
            remover_[entry] = -1;
            const std::size_t cell = entry / n;
            now_[cell / n][cell % n].set(entry % n);
        }
        for (const Pending& p : placed_) {
            is_placed_[index(p.square)] = 0;
        }
        struck_.clear();
        placed_.clear();
        queue_.clear();
        pool_.clear();
        queue_.push_back({square, number, 0, 0});
        for (std::size_t next = 0; next < queue_.size() && placed_.size() < most; ++next) {
            const Pending p = queue_[next];
            if (!has(now_, p.square, p.number) || placed(p.square)) {
                continue;
            }
            placed_.push_back(p);
            is_placed_[index(p.square)] = 1;
            if (auto clash = place(p.square, p.number)) {
                return clash;
            }
        }
        return std::nullopt;
    }

    // The placements a clash needs, in the order they were made.
    std::vector<ChainNode> chain(const Clash& clash) const {
        std::vector<char> needed(placed_.size(), 0);
        needed[0] = 1;
        std::vector<int> todo(pool_.begin() + static_cast<std::ptrdiff_t>(clash.begin),
                              pool_.begin() + static_cast<std::ptrdiff_t>(clash.end));
        while (!todo.empty()) {
            const int i = todo.back();
            todo.pop_back();
            if (needed[static_cast<std::size_t>(i)] == 0) {
                needed[static_cast<std::size_t>(i)] = 1;
                const Pending& p = placed_[static_cast<std::size_t>(i)];
                todo.insert(todo.end(), pool_.begin() + static_cast<std::ptrdiff_t>(p.begin),
                            pool_.begin() + static_cast<std::ptrdiff_t>(p.end));
            }
        }
        std::vector<ChainNode> out;
        for (std::size_t i = 0; i < placed_.size(); ++i) {
            if (needed[i] != 0) {
                out.push_back({placed_[i].square, placed_[i].number, true});
            }
        }
        return out;
    }

  private:
    struct Pending {
        Square square;
        int number;
        std::size_t begin;  // its causes, as in Clash
        std::size_t end;
    };

    std::size_t index(Square square) const {
        return static_cast<std::size_t>(square.x * n_ + square.y);
    }

    int& remover(Square square, int number) {
        return remover_[index(square) * static_cast<std::size_t>(n_) +
                        static_cast<std::size_t>(number - 1)];
    }

    bool placed(Square square) const { return is_placed_[index(square)] != 0; }

    // The placements that ruled `number` out of `square`, when it had it.
    void causes_of(Square square, int number) {
        if (has(start_, square, number) && remover(square, number) >= 0) {
            pool_.push_back(remover(square, number));
        }
    }

    void strike(Square square, int number, int by) {
        now_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)].reset(
            static_cast<std::size_t>(number - 1));
        remover(square, number) = by;
        struck_.push_back(index(square) * static_cast<std::size_t>(n_) +
                          static_cast<std::size_t>(number - 1));
    }

    std::optional<Clash> place(Square square, int number) {
        layout_.count(static_cast<std::uint64_t>(3 * n_));
        const int by = static_cast<int>(placed_.size()) - 1;
        std::vector<std::pair<Square, int>>& lost = lost_;
        lost.clear();
        Candidates others = at(now_, square);
        others.reset(static_cast<std::size_t>(number - 1));
        each_number(others, [&](int other) {
            strike(square, other, by);
            lost.push_back({square, other});
        });
        std::optional<Clash> clash;
        each_peer(layout_, square, [&](Square peer) {
            if (!clash && has(now_, peer, number) && !placed(peer)) {
                strike(peer, number, by);
                lost.push_back({peer, number});
                clash = left_in(peer);
            }
        });
        if (clash) {
            return clash;
        }
        for (const auto& [where, gone] : lost) {
            for (const Unit kind : {Unit::row, Unit::column, Unit::box}) {
                clash = places_in(layout_.unit_of(where, kind), gone);
                if (clash) {
                    return clash;
                }
            }
        }
        return std::nullopt;
    }

    // A square that lost a number: none left is a clash, one left a single.
    std::optional<Clash> left_in(Square square) {
        const Candidates& left = at(now_, square);
        if (count_to(left, 1) > 1) {
            return std::nullopt;
        }
        const std::size_t begin = pool_.size();
        for (const int number : numbers_in(at(start_, square) & ~left)) {
            causes_of(square, number);
        }
        if (left.none()) {
            return Clash{square, {}, 0, begin, pool_.size()};
        }
        queue_.push_back({square, first_number(left), begin, pool_.size()});
        return std::nullopt;
    }

    // A unit that lost a place for `number`.
    std::optional<Clash> places_in(Group unit, int number) {
        const std::size_t u =
            static_cast<std::size_t>(static_cast<int>(unit.unit) * n_ + unit.index);
        if (!missing_[u].test(static_cast<std::size_t>(number - 1))) {
            return std::nullopt;
        }
        layout_.count(static_cast<std::uint64_t>(n_));
        std::optional<Square> only;
        const std::size_t begin = pool_.size();
        for (const Square square : layout_.squares(unit)) {
            if (has(now_, square, number)) {
                if (only || placed(square)) {
                    pool_.resize(begin);
                    return std::nullopt;  // two places, or placed there already
                }
                only = square;
            } else {
                causes_of(square, number);
            }
        }
        if (!only) {
            return Clash{std::nullopt, unit, number, begin, pool_.size()};
        }
        queue_.push_back({*only, number, begin, pool_.size()});
        return std::nullopt;
    }

    const Layout& layout_;
    int n_;
    const CandidateBoard& start_;
    CandidateBoard now_;
    std::vector<int> remover_;         // the placement that ruled each number out of each square
    std::vector<std::size_t> struck_;  // the entries of remover_ set
    std::vector<char> is_placed_;
    std::vector<Candidates> missing_;  // each unit's open numbers at the start
    std::vector<Pending> queue_;
    std::vector<int> pool_;                     // the causes of every placement and clash
    std::vector<std::pair<Square, int>> lost_;  // what the last placement ruled out
    std::vector<Pending> placed_;
};

// The most placements a supposition is followed for: a longer chain is more
// than a listener can keep in mind, and cutting it short keeps the search quick.
std::size_t longest(const Layout& layout) {
    return static_cast<std::size_t>(2 * layout.n());
}

// The step a clash gives: the supposed number cannot be at the square.
Elimination forcing_step(const Clash& clash, Square square, int number,
                         std::vector<ChainNode> chain) {
    return Elimination{Elimination::Kind::forcing_chain,
                       {},
                       clash.unit,
                       clash.stuck ? std::vector<int>{} : std::vector<int>{clash.number},
                       {},
                       {square},
                       {number},
                       {},
                       {},
                       std::move(chain),
                       clash.stuck};
}

// Every supposition, squares with the fewest numbers first: the shortest
// chain found, or with `first` the first one.
std::optional<Elimination> forcing_search(const Layout& layout, const CandidateBoard& candidates,
                                          bool first) {
    std::optional<Elimination> best;
    // The shortest chain is the easiest to follow by ear; once one is found,
    // longer suppositions are cut off.
    std::size_t most = longest(layout);
    Supposition supposition(layout, candidates);
    for (std::size_t size = 2; size <= static_cast<std::size_t>(layout.n()); ++size) {
        for (int y = 0; y < layout.n(); ++y) {
            for (const Square square : layout.squares({Unit::row, y})) {
                if (count_to(at(candidates, square), size) != size) {
                    continue;
                }
                for (const int number : numbers_in(at(candidates, square))) {
                    const std::optional<Clash> clash = supposition.follow(square, number, most);
                    if (!clash) {
                        continue;
                    }
                    std::vector<ChainNode> chain = supposition.chain(*clash);
                    if (first) {
                        return forcing_step(*clash, square, number, std::move(chain));
                    }
                    if (chain.size() < most) {
                        most = chain.size();
                        best = forcing_step(*clash, square, number, std::move(chain));
                    }
                }
            }
        }
    }
    return best;
}

}  // namespace

std::optional<Elimination> forcing_chain(const Layout& layout, const CandidateBoard& candidates) {
    return forcing_search(layout, candidates, false);
}

std::optional<Elimination> first_forcing_chain(const Layout& layout,
                                               const CandidateBoard& candidates) {
    return forcing_search(layout, candidates, true);
}

bool forcing_holds(const Layout& layout, const CandidateBoard& candidates,
                   const Elimination& step) {
    const ChainNode& first = step.chain.front();
    return has(candidates, first.square, first.number) &&
           Supposition(layout, candidates)
               .follow(first.square, first.number, longest(layout))
               .has_value();
}

}  // namespace sudoku::hints
