#include "sudoku/solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace sudoku {
namespace {

// Candidate sets: one 64-bit word up to 8x8 boxes, two words beyond. Keeping
// the common sizes on a single word keeps the 9x9 search fast.
struct Wide {
    std::uint64_t lo = 0;
    std::uint64_t hi = 0;
    friend Wide operator&(Wide a, Wide b) { return {a.lo & b.lo, a.hi & b.hi}; }
    friend Wide operator|(Wide a, Wide b) { return {a.lo | b.lo, a.hi | b.hi}; }
    friend Wide operator~(Wide a) { return {~a.lo, ~a.hi}; }
    Wide& operator|=(Wide b) { return *this = *this | b; }
    friend bool operator==(Wide, Wide) = default;
};

inline int pop(std::uint64_t m) {
    return std::popcount(m);
}
inline int pop(Wide m) {
    return std::popcount(m.lo) + std::popcount(m.hi);
}
inline bool none(std::uint64_t m) {
    return m == 0;
}
inline bool none(Wide m) {
    return (m.lo | m.hi) == 0;
}
inline bool single(std::uint64_t m) {
    return m != 0 && (m & (m - 1)) == 0;
}
inline bool single(Wide m) {
    return m.lo == 0 ? single(m.hi) : m.hi == 0 && single(m.lo);
}
// Index of the lowest set bit; the set must not be empty.
inline int low(std::uint64_t m) {
    return std::countr_zero(m);
}
inline int low(Wide m) {
    return m.lo != 0 ? std::countr_zero(m.lo) : 64 + std::countr_zero(m.hi);
}
inline std::uint64_t drop_low(std::uint64_t m) {
    return m & (m - 1);
}
inline Wide drop_low(Wide m) {
    if (m.lo != 0) {
        m.lo &= m.lo - 1;
    } else {
        m.hi &= m.hi - 1;
    }
    return m;
}

template <class Mask>
Mask bit(int k);
template <>
inline std::uint64_t bit<std::uint64_t>(int k) {
    return std::uint64_t{1} << k;
}
template <>
inline Wide bit<Wide>(int k) {
    return k < 64 ? Wide{std::uint64_t{1} << k, 0} : Wide{0, std::uint64_t{1} << (k - 64)};
}

template <class Mask>
Mask all_of(int n) {
    Mask m{};
    for (int k = 0; k < n; ++k) {
        m |= bit<Mask>(k);
    }
    return m;
}

}  // namespace

// The search itself, behind a virtual call so that the word size is picked
// once per solver rather than tested at every step.
class Solver::Engine {
  public:
    virtual ~Engine() = default;
    // `grid` has N * N entries from 0 to N.
    virtual int run(const Grid& grid, const Request& request) = 0;
    std::uint64_t steps = 0;
    bool out_of_budget = false;
};

namespace {

using Grid = Solver::Grid;
using Avoid = Solver::Avoid;

template <class Mask>
class Search final : public Solver::Engine {
  public:
    explicit Search(const Geometry& geometry)
        : n_(geometry.n()), cells_(n_ * n_), full_(all_of<Mask>(n_)) {
        // Units numbered as Geometry::unit_number has them, but visited
        // columns first, then rows, then boxes: the order the generator's
        // budget was set with. On the largest boards the budget runs out,
        // and another order would spend it elsewhere and change the puzzle
        // a seed gives.
        unit_cells_.resize(static_cast<std::size_t>(3 * n_ * n_));
        cell_units_.resize(static_cast<std::size_t>(3 * cells_));
        for (int i = 0; i < 3 * n_; ++i) {
            sweep_.push_back(i < n_ ? n_ + i : i < 2 * n_ ? i - n_ : i);
        }
        std::vector<int> filled(static_cast<std::size_t>(3 * n_), 0);
        for (int x = 0; x < n_; ++x) {
            for (int y = 0; y < n_; ++y) {
                const int cell = x * n_ + y;
                const std::array<int, 3> numbers = geometry.unit_numbers({x, y});
                const std::array<int, 3> units = {numbers[1], numbers[0], numbers[2]};
                for (std::size_t k = 0; k < 3; ++k) {
                    const int u = units[k];
                    unit_cells_[static_cast<std::size_t>(u * n_ + filled[u]++)] = cell;
                    cell_units_[static_cast<std::size_t>(cell * 3 + k)] = u;
                }
            }
        }
        mask_.resize(static_cast<std::size_t>(cells_));
        used_.resize(static_cast<std::size_t>(3 * n_));
        value_.resize(static_cast<std::size_t>(cells_));
        queue_.reserve(static_cast<std::size_t>(cells_));
    }

    int run(const Grid& grid, const Solver::Request& request) override {
        std::fill(value_.begin(), value_.end(), 0);
        placed_ = 0;
        trail_.clear();
        queue_.clear();
        found_ = 0;
        request_ = request;
        steps = 0;
        out_of_budget = false;
        if (load(grid) && avoid(request.avoid)) {
            search();
        }
        return found_;
    }

  private:
    // The givens go in all at once: each unit's numbers first, then every
    // open square's candidates from its three units. False on a repeat or a
    // square left without candidates: no solution at all.
    bool load(const Grid& grid) {
        std::fill(used_.begin(), used_.end(), Mask{});
        for (int cell = 0; cell < cells_; ++cell) {
            const int number = grid[static_cast<std::size_t>(cell)];
            if (number == 0) {
                continue;
            }
            const Mask b = bit<Mask>(number - 1);
            for (int k = 0; k < 3; ++k) {
                Mask& in_unit = used_[cell_units_[static_cast<std::size_t>(cell * 3 + k)]];
                if (!none(in_unit & b)) {
                    return false;
                }
                in_unit |= b;
            }
            mask_[cell] = b;
            value_[cell] = static_cast<std::uint8_t>(number);
            ++placed_;
        }
        steps += static_cast<std::uint64_t>(cells_);
        for (int cell = 0; cell < cells_; ++cell) {
            if (value_[cell] != 0) {
                continue;
            }
            const int* units = &cell_units_[static_cast<std::size_t>(cell * 3)];
            const Mask m = full_ & ~(used_[units[0]] | used_[units[1]] | used_[units[2]]);
            if (none(m)) {
                return false;
            }
            mask_[cell] = m;
            if (single(m)) {
                queue_.push_back(cell);
            }
        }
        return true;
    }

    // Strikes the avoided number from its square; false when nothing is left.
    bool avoid(Avoid avoided) {
        if (avoided.square < 0 || avoided.square >= cells_ || avoided.number < 1 ||
            avoided.number > n_) {
            return true;
        }
        Mask& m = mask_[avoided.square];
        m = m & ~bit<Mask>(avoided.number - 1);
        if (none(m)) {
            return false;
        }
        if (single(m) && value_[avoided.square] == 0) {
            queue_.push_back(avoided.square);
        }
        return true;
    }

    struct Change {
        int cell;
        bool placed;
        Mask before;
    };

    bool spend(std::uint64_t work) {
        steps += work;
        if (steps > request_.budget) {
            out_of_budget = true;
            return false;
        }
        return true;
    }

    // Puts number k + 1 in `cell` and strikes it from every other square of
    // the cell's units. False when that leaves a square without candidates.
    bool place(int cell, int k) {
        const Mask b = bit<Mask>(k);
        trail_.push_back({cell, true, mask_[cell]});
        mask_[cell] = b;
        value_[cell] = static_cast<std::uint8_t>(k + 1);
        ++placed_;
        steps += static_cast<std::uint64_t>(3 * n_);
        const int* units = &cell_units_[static_cast<std::size_t>(cell * 3)];
        for (int u = 0; u < 3; ++u) {
            const int* members = &unit_cells_[static_cast<std::size_t>(units[u] * n_)];
            for (int i = 0; i < n_; ++i) {
                const int peer = members[i];
                const Mask m = mask_[peer];
                if (peer == cell || none(m & b)) {
                    continue;
                }
                trail_.push_back({peer, false, m});
                const Mask left = m & ~b;
                mask_[peer] = left;
                if (none(left)) {
                    return false;
                }
                if (single(left)) {
                    queue_.push_back(peer);
                }
            }
        }
        return true;
    }

    bool drain() {
        while (!queue_.empty()) {
            const int cell = queue_.back();
            queue_.pop_back();
            if (value_[cell] == 0 && !place(cell, low(mask_[cell]))) {
                return false;
            }
        }
        return true;
    }

    // Places forced numbers until none is left. False on a contradiction.
    bool propagate() {
        for (;;) {
            if (!drain()) {
                return false;
            }
            if (placed_ == cells_) {
                return true;
            }
            bool progress = false;
            steps += static_cast<std::uint64_t>(3 * cells_);
            for (const int u : sweep_) {
                const int* members = &unit_cells_[static_cast<std::size_t>(u * n_)];
                Mask once{};
                Mask twice{};
                Mask fixed{};
                for (int i = 0; i < n_; ++i) {
                    const int c = members[i];
                    const Mask m = mask_[c];
                    twice |= once & m;
                    once |= m;
                    if (value_[c] != 0) {
                        fixed |= m;
                    }
                }
                if (!(once == full_)) {
                    return false;  // a number with no square left in this unit
                }
                // Numbers that fit one square only in this unit must go there.
                for (Mask lone = once & ~twice & ~fixed; !none(lone); lone = drop_low(lone)) {
                    const int k = low(lone);
                    const Mask b = bit<Mask>(k);
                    int at = -1;
                    for (int i = 0; i < n_; ++i) {
                        if (!none(mask_[members[i]] & b)) {
                            at = members[i];
                            break;
                        }
                    }
                    if (at < 0) {
                        return false;  // its square took another lone number
                    }
                    if (value_[at] == 0) {
                        if (!place(at, k)) {
                            return false;
                        }
                        progress = true;
                    }
                }
                if (!drain()) {
                    return false;
                }
            }
            if (!progress) {
                return true;
            }
        }
    }

    void undo(std::size_t mark) {
        while (trail_.size() > mark) {
            const Change& c = trail_.back();
            mask_[c.cell] = c.before;
            if (c.placed) {
                value_[c.cell] = 0;
                --placed_;
            }
            trail_.pop_back();
        }
    }

    void search() {
        if (!propagate()) {
            queue_.clear();
            return;
        }
        if (placed_ == cells_) {
            if (found_ == 0 && request_.first != nullptr) {
                request_.first->assign(value_.begin(), value_.end());
            }
            ++found_;
            return;
        }
        const int best = fewest_candidates();
        for (const int k : branch_order(mask_[best])) {
            if (!spend(static_cast<std::uint64_t>(cells_))) {
                return;
            }
            const std::size_t mark = trail_.size();
            if (place(best, k)) {
                search();
            }
            queue_.clear();
            undo(mark);
            if (found_ >= request_.limit || out_of_budget) {
                return;
            }
        }
    }

    // The open square to branch on: the first with the fewest candidates.
    int fewest_candidates() const {
        int best = -1;
        int best_count = n_ + 1;
        for (int cell = 0; cell < cells_; ++cell) {
            if (value_[cell] == 0) {
                const int count = pop(mask_[cell]);
                if (count < best_count) {
                    best = cell;
                    best_count = count;
                    if (count == 2) {
                        break;
                    }
                }
            }
        }
        return best;
    }

    // The numbers (from 0) to try in a square: in order, or shuffled when the
    // request draws a random solution.
    std::vector<int> branch_order(Mask options) const {
        std::vector<int> order;
        for (; !none(options); options = drop_low(options)) {
            order.push_back(low(options));
        }
        if (request_.shuffle != nullptr) {
            std::shuffle(order.begin(), order.end(), *request_.shuffle);
        }
        return order;
    }

    int n_;
    int cells_;
    Mask full_;
    std::vector<int> unit_cells_;  // the N squares of each unit
    std::vector<int> cell_units_;  // the 3 units of each square, in the order visited
    std::vector<int> sweep_;       // every unit, in the order visited
    std::vector<Mask> mask_;
    std::vector<Mask> used_;           // while loading: the numbers given in each unit
    std::vector<std::uint8_t> value_;  // placed number, 0 while open
    int placed_ = 0;
    std::vector<Change> trail_;
    std::vector<int> queue_;  // squares left with one candidate, not yet placed
    int found_ = 0;
    Solver::Request request_;
};

}  // namespace

Solver::Solver(int d1, int d2)
    : n_(checked_box_side(d1) * checked_box_side(d2)), geometry_({d1, d2}) {
    if (n_ <= 64) {
        engine_ = std::make_unique<Search<std::uint64_t>>(geometry_);
    } else {
        engine_ = std::make_unique<Search<Wide>>(geometry_);
    }
}

Solver::~Solver() = default;
Solver::Solver(Solver&&) noexcept = default;
Solver& Solver::operator=(Solver&&) noexcept = default;

std::optional<Solver::Grid> Solver::to_grid(const Board& board) const {
    if (board.size() != static_cast<std::size_t>(n_)) {
        return std::nullopt;
    }
    Grid grid(static_cast<std::size_t>(n_ * n_), 0);
    for (int x = 0; x < n_; ++x) {
        const Column& column = board[static_cast<std::size_t>(x)];
        if (column.size() != static_cast<std::size_t>(n_)) {
            return std::nullopt;
        }
        for (int y = 0; y < n_; ++y) {
            const Cell& cell = column[static_cast<std::size_t>(y)];
            if (!cell) {
                continue;
            }
            if (*cell < 1 || *cell > n_) {
                return std::nullopt;
            }
            grid[static_cast<std::size_t>(x * n_ + y)] = static_cast<int>(*cell);
        }
    }
    return grid;
}

int Solver::count_grid(const Grid& grid, Request request) {
    steps_ = 0;
    out_of_budget_ = false;
    if (grid.size() != static_cast<std::size_t>(n_ * n_)) {
        return 0;
    }
    for (const int number : grid) {
        if (number < 0 || number > n_) {
            return 0;
        }
    }
    request.limit = std::max(request.limit, 1);
    request.budget = budget_;
    const int found = engine_->run(grid, request);
    steps_ = engine_->steps;
    out_of_budget_ = engine_->out_of_budget;
    return found;
}

int Solver::count(const Grid& grid, int limit) {
    return count_grid(grid, {limit});
}

int Solver::count(const Grid& grid, int limit, Avoid avoid) {
    return count_grid(grid, {limit, avoid});
}

std::optional<Solver::Grid> Solver::random_solution(const Grid& grid, std::mt19937_64& rng) {
    Grid solution;
    if (count_grid(grid, {1, {}, &solution, &rng}) == 0) {
        return std::nullopt;
    }
    return solution;
}

int Solver::count(const Board& board, int limit) {
    const std::optional<Grid> grid = to_grid(board);
    if (!grid) {
        steps_ = 0;
        out_of_budget_ = false;
        return 0;
    }
    return count_grid(*grid, {limit});
}

std::optional<Board> Solver::solve(const Board& board) {
    const std::optional<Grid> grid = to_grid(board);
    Grid solution;
    if (!grid || count_grid(*grid, {1, {}, &solution}) == 0) {
        return std::nullopt;
    }
    Board solved(static_cast<std::size_t>(n_), Column(static_cast<std::size_t>(n_)));
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            solved[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] =
                solution[static_cast<std::size_t>(x * n_ + y)];
        }
    }
    return solved;
}

CandidateBoard Solver::candidates(const Board& board) const {
    if (board.size() != static_cast<std::size_t>(n_)) {
        return {};
    }
    for (const Column& column : board) {
        if (column.size() != static_cast<std::size_t>(n_)) {
            return {};
        }
    }
    const auto size = static_cast<std::size_t>(n_);
    std::vector<Candidates> in_column(size);
    std::vector<Candidates> in_row(size);
    std::vector<Candidates> in_box(size);
    const auto box_of = [&](int x, int y) {
        return static_cast<std::size_t>(geometry_.box_of({x, y}));
    };
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            const Cell& cell = board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (cell && *cell >= 1 && *cell <= n_) {
                const auto k = static_cast<std::size_t>(*cell - 1);
                in_column[static_cast<std::size_t>(x)].set(k);
                in_row[static_cast<std::size_t>(y)].set(k);
                in_box[box_of(x, y)].set(k);
            }
        }
    }
    Candidates every;
    for (int k = 0; k < n_; ++k) {
        every.set(static_cast<std::size_t>(k));
    }
    CandidateBoard out(size, std::vector<Candidates>(size));
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            if (!board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]) {
                out[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] =
                    every & ~(in_column[static_cast<std::size_t>(x)] |
                              in_row[static_cast<std::size_t>(y)] | in_box[box_of(x, y)]);
            }
        }
    }
    return out;
}

}  // namespace sudoku
