#include <algorithm>

#include "sudoku/climber.h"
#include "sudoku/ladder.h"
#include "sudoku/techniques.h"

namespace sudoku {
namespace {

// What one search up to each level costs, per square of the board, in the
// climb's steps, beside what the chains and forcing chains count of their
// own (Layout::work); set from generation times on 4x4 to 81x81 boards
// (bench/puzzle_bench).
constexpr std::uint64_t kSearchCost[] = {0, 4, 12, 40, 60};

}  // namespace

Climber::Climber(const hints::Layout& layout)
    : layout_(layout),
      n_(layout.n()),
      value_(static_cast<std::size_t>(n_ * n_)),
      places_(static_cast<std::size_t>(3 * n_ * n_)),
      placed_in_(static_cast<std::size_t>(3 * n_)) {}

Climb Climber::climb(const Board& board, const CandidateBoard& candidates,
                     const ClimbLimits& limits) {
    limits_ = &limits;
    start(board, candidates);
    Climb out;
    while (!settle() && work_ <= limits.work) {
        const std::uint64_t counted = layout_.work();
        const std::optional<Elimination> step =
            hints::elimination(layout_, candidates_, limits.most, true);
        const Level level = step ? hints::technique(step->kind).level : limits.most;
        work_ += kSearchCost[static_cast<int>(level)] * static_cast<std::uint64_t>(n_ * n_) +
                 layout_.work() - counted;
        if (!step) {
            break;
        }
        out.hardest = std::max(out.hardest, level);
        apply(*step);
    }
    out.solved = done_;
    out.work = work_;
    return out;
}

void Climber::start(const Board& board, const CandidateBoard& candidates) {
    candidates_ = candidates;
    std::fill(value_.begin(), value_.end(), -1);
    std::fill(places_.begin(), places_.end(), 0);
    std::fill(placed_in_.begin(), placed_in_.end(), Candidates{});
    queue_.clear();
    left_ = 0;
    work_ = 0;
    broken_ = false;
    done_ = false;
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            count_in({x, y}, board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]);
        }
    }
    queue_first_singles();
    work_ += static_cast<std::uint64_t>(4 * n_ * n_);
}

// One square of the board as the climb starts: a given fills its units'
// numbers, an open square adds its candidates to its units' counts.
void Climber::count_in(Square square, const Cell& given) {
    const std::array<int, 3>& units = layout_.units_of(square);
    if (given) {
        const bool on_board = *given >= 1 && *given <= n_;
        value_[cell(square)] = on_board ? static_cast<int>(*given) - 1 : n_;
        for (const int unit : units) {
            if (on_board) {
                placed_in_[static_cast<std::size_t>(unit)].set(
                    static_cast<std::size_t>(*given - 1));
            }
        }
        return;
    }
    ++left_;
    hints::each_number(at(square), [&](int number) {
        for (const int unit : units) {
            ++places(unit, number - 1);
        }
    });
}

void Climber::queue_first_singles() {
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            if (value_[cell({x, y})] < 0) {
                check_square({x, y});
            }
        }
    }
    for (int unit = 0; unit < 3 * n_; ++unit) {
        for (int k = 0; k < n_; ++k) {
            check_unit(unit, k);
        }
    }
}

// An open square with one candidate left is a single; with none, a clash.
void Climber::check_square(Square square) {
    const std::size_t left = hints::count_to(at(square), 1);
    if (left == 0) {
        broken_ = true;
    } else if (left == 1) {
        queue_.push_back({square, static_cast<int>(at(square)._Find_first())});
    }
}

// A number not yet in a unit with one place left there is a single; with
// none, a clash.
void Climber::check_unit(int unit, int k) {
    if (placed_in(unit, k) || places(unit, k) > 1) {
        return;
    }
    if (places(unit, k) == 0) {
        broken_ = true;
        return;
    }
    work_ += static_cast<std::uint64_t>(n_);
    for (const Square square : layout_.squares(layout_.geometry().unit_group(unit))) {
        if (hints::has(candidates_, square, k + 1)) {
            queue_.push_back({square, k});
            return;
        }
    }
}

void Climber::remove(Square square, int k) {
    at(square).reset(static_cast<std::size_t>(k));
    ++work_;
    if (value_[cell(square)] < 0) {
        check_square(square);
    }
    for (const int unit : layout_.units_of(square)) {
        --places(unit, k);
        check_unit(unit, k);
    }
}

void Climber::place(Square square, int k) {
    value_[cell(square)] = k;
    --left_;
    if (limits_->placed != nullptr) {
        limits_->placed->push_back(square);
    }
    for (const int unit : layout_.units_of(square)) {
        placed_in_[static_cast<std::size_t>(unit)].set(static_cast<std::size_t>(k));
    }
    hints::each_number(at(square), [&](int number) { remove(square, number - 1); });
    work_ += static_cast<std::uint64_t>(3 * n_);
    hints::each_peer(layout_, square, [&](Square peer) {
        if (hints::has(candidates_, peer, k + 1)) {
            remove(peer, k);
        }
    });
}

// Places the singles waiting, and those they make; true once the board
// is full or the square asked for is placed, or on a clash.
bool Climber::settle() {
    for (std::size_t next = 0; next < queue_.size() && !broken_; ++next) {
        const auto [square, k] = queue_[next];
        const int value = value_[cell(square)];
        if (value >= 0) {
            broken_ = value != k;
            continue;
        }
        if (!at(square).test(static_cast<std::size_t>(k))) {
            broken_ = true;
            break;
        }
        place(square, k);
        if (limits_->until == square) {
            done_ = true;
            return true;
        }
    }
    queue_.clear();
    done_ = !broken_ && left_ == 0;
    return done_ || broken_;
}

void Climber::apply(const Elimination& step) {
    for (const Square square : step.ruled_out) {
        for (const int number : step.removed) {
            if (hints::has(candidates_, square, number)) {
                remove(square, number - 1);
            }
        }
    }
}

Climb climb(const hints::Layout& layout, const Board& board, const CandidateBoard& candidates,
            const ClimbLimits& limits) {
    return Climber(layout).climb(board, candidates, limits);
}

}  // namespace sudoku
