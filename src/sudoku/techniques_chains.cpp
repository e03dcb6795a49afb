// Chains: "if this square is not 5, that one is, so the next is not ...".
// A chain from a square where a number is not to one where it is shows that
// one of its two ends holds that number, so a square that sees both ends
// cannot take it. Simple colouring links only the two places of a number in
// a unit; an X-chain may also step between two squares of one unit; an
// XY-chain goes through squares that can take two numbers each.

#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

// The nodes found so far from one start, each with the node it came from.
struct Trail {
    std::vector<ChainNode> nodes;
    std::vector<int> parent;  // index into nodes, -1 at the start
};

std::vector<ChainNode> walk_back(const Trail& trail, int last) {
    std::vector<ChainNode> chain;
    for (int i = last; i >= 0; i = trail.parent[static_cast<std::size_t>(i)]) {
        chain.insert(chain.begin(), trail.nodes[static_cast<std::size_t>(i)]);
    }
    return chain;
}

// A chain that passes through a square twice proves nothing plain.
bool simple(const std::vector<ChainNode>& chain) {
    for (std::size_t i = 0; i < chain.size(); ++i) {
        for (std::size_t j = i + 1; j < chain.size(); ++j) {
            if (chain[i].square == chain[j].square && !(j == i + 1 && chain[i].on != chain[j].on)) {
                return false;
            }
        }
    }
    return true;
}

// The squares other than the ends that see both ends and can take `number`.
std::vector<Square> seeing_both(const Layout& layout, const CandidateBoard& candidates, Square a,
                                Square b, int number) {
    std::vector<Square> out;
    each_peer(layout, a, [&](Square square) {
        if (square != b && sees(layout, square, b) && has(candidates, square, number)) {
            out.push_back(square);
        }
    });
    return out;
}

// Calls visit(other) for the other place of `number` in each unit of
// `square` where it has only two, each such square once.
template <class Visit>
void each_partner(const Layout& layout, const CandidateBoard& candidates, Square square, int number,
                  Visit visit) {
    std::array<Square, 3> found{};
    std::size_t count = 0;
    for (const Unit kind : {Unit::row, Unit::column, Unit::box}) {
        int places = 0;
        Square other{};
        for (const Square place : layout.squares(layout.unit_of(square, kind))) {
            if (has(candidates, place, number) && ++places <= 2 && place != square) {
                other = place;
            }
        }
        if (places == 2 &&
            std::find(found.begin(), found.begin() + count, other) == found.begin() + count) {
            found[count++] = other;
            visit(other);
        }
    }
}

// One breadth-first search from a start, its memory kept for the next
// start: the searches run from every square of the board.
class Search {
  public:
    explicit Search(std::size_t marks) : seen_(marks, 0) {}

    void begin() {
        for (const std::size_t mark : marked_) {
            seen_[mark] = 0;
        }
        marked_.clear();
        trail.nodes.clear();
        trail.parent.clear();
    }

    // Adds the node unless one with the same mark was added.
    bool add(std::size_t mark, ChainNode node, int parent) {
        if (seen_[mark] != 0) {
            return false;
        }
        seen_[mark] = 1;
        marked_.push_back(mark);
        trail.nodes.push_back(node);
        trail.parent.push_back(parent);
        return true;
    }

    // The step a chain from `start` (off) to node `last` (on, `number` at
    // another square) gives, when a square sees both ends and the chain
    // is simple.
    std::optional<Elimination> step(const Layout& layout, const CandidateBoard& candidates,
                                    Elimination::Kind kind, Square start, int last,
                                    int number) const {
        const Square end = trail.nodes[static_cast<std::size_t>(last)].square;
        std::vector<Square> victims = seeing_both(layout, candidates, start, end, number);
        if (victims.empty()) {
            return std::nullopt;
        }
        std::vector<ChainNode> chain = walk_back(trail, last);
        if (!simple(chain)) {
            return std::nullopt;
        }
        return Elimination{kind,     {}, {}, {number},        {}, std::move(victims),
                           {number}, {}, {}, std::move(chain)};
    }

    Trail trail;

  private:
    std::vector<char> seen_;
    std::vector<std::size_t> marked_;  // the marks set, to clear them for the next start
};

// Chains of one number from `start`, where it is assumed not to be, breadth
// first, so the shortest chain from that square comes first.
std::optional<Elimination> one_number_from(const Layout& layout, const CandidateBoard& candidates,
                                           Search& search, Square start, int number,
                                           bool only_pairs) {
    const int n = layout.n();
    const auto kind = only_pairs ? Elimination::Kind::colouring : Elimination::Kind::x_chain;
    const auto visit = [&](Square square, bool on, int parent) {
        search.add(static_cast<std::size_t>((square.x * n + square.y) * 2 + (on ? 1 : 0)),
                   {square, number, on}, parent);
    };
    search.begin();
    visit(start, false, -1);
    for (std::size_t i = 0; i < search.trail.nodes.size(); ++i) {
        const ChainNode node = search.trail.nodes[i];
        const int at_index = static_cast<int>(i);
        layout.count(static_cast<std::uint64_t>(3 * n));
        if (node.on && node.square != start) {
            if (auto step = search.step(layout, candidates, kind, start, at_index, number)) {
                return step;
            }
        }
        if (!node.on || only_pairs) {
            each_partner(layout, candidates, node.square, number,
                         [&](Square next) { visit(next, !node.on, at_index); });
        } else {
            each_peer(layout, node.square, [&](Square next) {
                if (has(candidates, next, number)) {
                    visit(next, false, at_index);
                }
            });
        }
    }
    return std::nullopt;
}

std::optional<Elimination> one_number_chain(const Layout& layout, const CandidateBoard& candidates,
                                            bool only_pairs) {
    const int n = layout.n();
    Search search(static_cast<std::size_t>(2 * n * n));
    for (int number = 1; number <= n; ++number) {
        for (int y = 0; y < n; ++y) {
            for (const Square start : layout.squares({Unit::row, y})) {
                if (has(candidates, start, number)) {
                    if (auto step = one_number_from(layout, candidates, search, start, number,
                                                    only_pairs)) {
                        return step;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

bool two(const CandidateBoard& candidates, Square square) {
    return count_to(at(candidates, square), 2) == 2;
}

// XY-chains from `start` where `first` is assumed not to be. Nodes come in
// pairs: a square's number that is not, then its other number that is.
std::optional<Elimination> xy_from(const Layout& layout, const CandidateBoard& candidates,
                                   Search& search, Square start, int first) {
    const int n = layout.n();
    const auto visit = [&](Square square, int off, int parent) {
        const auto mark = static_cast<std::size_t>((square.x * n + square.y) * n + off - 1);
        Candidates other = at(candidates, square);
        other.reset(static_cast<std::size_t>(off - 1));
        if (search.add(mark, {square, off, false}, parent)) {
            const int off_node = static_cast<int>(search.trail.nodes.size()) - 1;
            search.trail.nodes.push_back({square, first_number(other), true});
            search.trail.parent.push_back(off_node);
        }
    };
    search.begin();
    visit(start, first, -1);
    for (std::size_t i = 1; i < search.trail.nodes.size(); i += 2) {
        const ChainNode node = search.trail.nodes[i];
        const int at_index = static_cast<int>(i);
        layout.count(static_cast<std::uint64_t>(3 * n));
        if (node.number == first && node.square != start) {
            if (auto step = search.step(layout, candidates, Elimination::Kind::xy_chain, start,
                                        at_index, first)) {
                return step;
            }
        }
        each_peer(layout, node.square, [&](Square next) {
            if (two(candidates, next) && has(candidates, next, node.number)) {
                visit(next, node.number, at_index);
            }
        });
    }
    return std::nullopt;
}

}  // namespace

std::optional<Elimination> colouring(const Layout& layout, const CandidateBoard& candidates) {
    return one_number_chain(layout, candidates, true);
}

std::optional<Elimination> x_chain(const Layout& layout, const CandidateBoard& candidates) {
    return one_number_chain(layout, candidates, false);
}

std::optional<Elimination> xy_chain(const Layout& layout, const CandidateBoard& candidates) {
    const int n = layout.n();
    Search search(static_cast<std::size_t>(n * n * n));
    for (int y = 0; y < n; ++y) {
        for (const Square start : layout.squares({Unit::row, y})) {
            if (!two(candidates, start)) {
                continue;
            }
            for (const int first : numbers_in(at(candidates, start))) {
                if (auto step = xy_from(layout, candidates, search, start, first)) {
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

bool chain_holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step) {
    const std::vector<ChainNode>& chain = step.chain;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        const ChainNode& from = chain[i];
        const ChainNode& to = chain[i + 1];
        if (from.on || !to.on) {
            continue;  // "is, so the next is not" holds on any candidates
        }
        if (from.square == to.square) {
            if ((at(candidates, to.square) & ~set_of({from.number, to.number})).any()) {
                return false;
            }
            continue;
        }
        bool strong = false;
        for (const Unit kind : {Unit::row, Unit::column, Unit::box}) {
            const Group unit = layout.unit_of(from.square, kind);
            strong = strong || (unit == layout.unit_of(to.square, kind) &&
                                kept_to(layout, candidates, unit, {to.number}, [&](Square square) {
                                    return square == from.square || square == to.square;
                                }));
        }
        if (!strong) {
            return false;
        }
    }
    return true;
}

}  // namespace sudoku::hints
