// Chains: "if this square is not 5, that one is, so the next is not ...".
// A chain from a square where a number is not to one where it is shows that
// one of its two ends holds that number, so a square that sees both ends
// cannot take it. Simple colouring links only the two places of a number in
// a unit; an X-chain may also step between two squares of one unit; an
// XY-chain goes through squares that can take two numbers each.

#include "lifecycle/techniques.h"

namespace sudoku::hints {
namespace {

// A chain's end meets its start: nodes to walk back from `last`.
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

// The other place of `number` in each unit of `square` where it has only two.
std::vector<Square> partners(const Layout& layout, const CandidateBoard& candidates, Square square,
                             int number) {
    std::vector<Square> out;
    for (const Unit kind : {Unit::row, Unit::column, Unit::box}) {
        std::vector<Square> places;
        for (const Square other : layout.squares(layout.unit_of(square, kind))) {
            if (has(candidates, other, number)) {
                places.push_back(other);
            }
        }
        if (places.size() == 2) {
            const Square other = places[0] == square ? places[1] : places[0];
            if (!contains(out, other)) {
                out.push_back(other);
            }
        }
    }
    return out;
}

// Breadth first from each square where `number` is assumed not to be, so
// the shortest chain from that square comes first.
std::optional<Elimination> one_number_chain(const Layout& layout, const CandidateBoard& candidates,
                                            bool only_pairs) {
    const int n = layout.n();
    for (int number = 1; number <= n; ++number) {
        for (const Group& row : layout.units()) {
            if (row.unit != Unit::row) {
                break;
            }
            for (const Square start : layout.squares(row)) {
                if (!has(candidates, start, number)) {
                    continue;
                }
                Trail trail;
                std::vector<char> seen(static_cast<std::size_t>(2 * n * n), 0);
                const auto visit = [&](Square square, bool on, int parent) {
                    char& mark = seen[static_cast<std::size_t>((square.x * n + square.y) * 2 + on)];
                    if (mark == 0) {
                        mark = 1;
                        trail.nodes.push_back({square, number, on});
                        trail.parent.push_back(parent);
                    }
                };
                visit(start, false, -1);
                for (std::size_t i = 0; i < trail.nodes.size(); ++i) {
                    const ChainNode node = trail.nodes[i];
                    const int at_index = static_cast<int>(i);
                    layout.count(static_cast<std::uint64_t>(3 * n));
                    if (node.on && node.square != start) {
                        std::vector<Square> victims =
                            seeing_both(layout, candidates, start, node.square, number);
                        std::vector<ChainNode> chain = walk_back(trail, at_index);
                        if (!victims.empty() && simple(chain)) {
                            return Elimination{only_pairs ? Elimination::Kind::colouring
                                                          : Elimination::Kind::x_chain,
                                               {},
                                               {},
                                               {number},
                                               {},
                                               std::move(victims),
                                               {number},
                                               {},
                                               {},
                                               std::move(chain)};
                        }
                    }
                    if (!node.on) {
                        for (const Square next :
                             partners(layout, candidates, node.square, number)) {
                            visit(next, true, at_index);
                        }
                    } else if (only_pairs) {
                        for (const Square next :
                             partners(layout, candidates, node.square, number)) {
                            visit(next, false, at_index);
                        }
                    } else {
                        each_peer(layout, node.square, [&](Square next) {
                            if (has(candidates, next, number)) {
                                visit(next, false, at_index);
                            }
                        });
                    }
                }
            }
        }
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
    const auto two = [&](Square square) { return count_to(at(candidates, square), 2) == 2; };
    for (const Group& row : layout.units()) {
        if (row.unit != Unit::row) {
            break;
        }
        for (const Square start : layout.squares(row)) {
            if (!two(start)) {
                continue;
            }
            for (const int first : numbers_in(at(candidates, start))) {
                // Nodes come in pairs: a square's number that is not, then its
                // other number that is.
                Trail trail;
                std::vector<char> seen(static_cast<std::size_t>(n * n * n), 0);
                const auto visit = [&](Square square, int off, int parent) {
                    char& mark =
                        seen[static_cast<std::size_t>((square.x * n + square.y) * n + off - 1)];
                    if (mark == 0) {
                        mark = 1;
                        const int other =
                            numbers_in(at(candidates, square) & ~set_of({off})).front();
                        trail.nodes.push_back({square, off, false});
                        trail.parent.push_back(parent);
                        trail.nodes.push_back({square, other, true});
                        trail.parent.push_back(static_cast<int>(trail.nodes.size()) - 2);
                    }
                };
                visit(start, first, -1);
                for (std::size_t i = 1; i < trail.nodes.size(); i += 2) {
                    const ChainNode node = trail.nodes[i];
                    const int at_index = static_cast<int>(i);
                    layout.count(static_cast<std::uint64_t>(3 * n));
                    if (node.number == first && node.square != start) {
                        std::vector<Square> victims =
                            seeing_both(layout, candidates, start, node.square, first);
                        std::vector<ChainNode> chain = walk_back(trail, at_index);
                        if (!victims.empty() && simple(chain)) {
                            return Elimination{Elimination::Kind::xy_chain,
                                               {},
                                               {},
                                               {first},
                                               {},
                                               std::move(victims),
                                               {first},
                                               {},
                                               {},
                                               std::move(chain)};
                        }
                    }
                    each_peer(layout, node.square, [&](Square next) {
                        if (two(next) && has(candidates, next, node.number)) {
                            visit(next, node.number, at_index);
                        }
                    });
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
