#include "lifecycle/saved_game.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using sudoku::Board;
using sudoku::decode_saved_game;
using sudoku::encode_saved_game;
using sudoku::SavedGame;
using sudoku::Value;

const std::string example =
    R"({"board": [[1, null, 2, null], [null, 4, null, 3], [3, null, 4, null], [null, 2, null, 1]], )"
    R"("original": [[1, null, 2, null], [null, null, null, 3], [3, null, 4, null], [null, 2, null, 1]], )"
    R"("difficulty": 0.5, "size": [2, 2]})";

SavedGame example_game() {
    const Board original = {{1, {}, 2, {}}, {{}, {}, {}, 3}, {3, {}, 4, {}}, {{}, 2, {}, 1}};
    Board board = original;
    board[1][1] = 4;
    return SavedGame{board, original, 0.5, {2, 2}};
}

// A full 9x9 solution by the usual shifting pattern, every third square left empty
// in the original.
SavedGame nine_by_nine() {
    SavedGame game;
    game.size = {3, 3};
    game.difficulty = 0.9;
    game.board.assign(9, sudoku::Column(9));
    game.original = game.board;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const Value value = (y * 3 + y / 3 + x) % 9 + 1;
            game.board[x][y] = value;
            if ((x + y) % 3 != 0) {
                game.original[x][y] = value;
            }
        }
    }
    return game;
}

// Builds variants of a known text; a pattern that is not there is a mistake in the test.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    if (at == std::string::npos) {
        throw std::logic_error("no \"" + from + "\" in the text to change");
    }
    return text.replace(at, from.size(), to);
}

// --- Writing and reading back ---

TEST(SavedGameRoundTrip, ExampleIsRewrittenByteForByte) {
    const auto game = decode_saved_game(example);
    ASSERT_TRUE(game.has_value());
    EXPECT_EQ(*game, example_game());
    EXPECT_EQ(encode_saved_game(*game), example);
}

// The example with notes on two of its empty squares: 1 2 and 2 3.
const std::string with_notes =
    replaced(example, "[2, 2]}", "[2, 2], \"notes\": [[0, 1, [3, 4]], [1, 2, [1]]]}");

TEST(SavedGameNotes, NotesComeBackAndAreWrittenTheSame) {
    SavedGame game = example_game();
    game.notes.assign(4, std::vector<sudoku::Candidates>(4));
    game.notes[0][1].set(2).set(3);
    game.notes[1][2].set(0);
    EXPECT_EQ(encode_saved_game(game), with_notes);
    EXPECT_EQ(decode_saved_game(with_notes), game);
}

TEST(SavedGameNotes, AGameWithoutNotesIsWrittenAsBefore) {
    SavedGame game = example_game();
    game.notes.assign(4, std::vector<sudoku::Candidates>(4));
    EXPECT_EQ(encode_saved_game(game), example);
    EXPECT_TRUE(decode_saved_game(example)->notes.empty());
}

TEST(SavedGameLaterMembers, TimeLevelAndCursorComeBackAfterTheOthers) {
    SavedGame game = example_game();
    game.elapsed = 3905;
    game.level = sudoku::Level::medium;
    game.cursor = sudoku::Square{3, 1};
    const std::string text = encode_saved_game(game);
    EXPECT_EQ(text,
              replaced(example, "[2, 2]}",
                       "[2, 2], \"elapsed\": 3905, \"level\": \"medium\", \"cursor\": [3, 1]}"));
    EXPECT_EQ(decode_saved_game(text), game);
    game.cursor.reset();
    game.level = sudoku::Level::any;
    EXPECT_EQ(encode_saved_game(game), replaced(example, "[2, 2]}", "[2, 2], \"elapsed\": 3905}"));
}

// The example's one solution, as "board" lays it out.
const Board example_solution = {{1, 3, 2, 4}, {2, 4, 1, 3}, {3, 1, 4, 2}, {4, 2, 3, 1}};
const std::string solution_text = "[[1, 3, 2, 4], [2, 4, 1, 3], [3, 1, 4, 2], [4, 2, 3, 1]]";
const std::string with_solution =
    replaced(example, "[2, 2]}", "[2, 2], \"solution\": " + solution_text + "}");

TEST(SavedGameLaterMembers, TheSolutionComesBackLast) {
    SavedGame game = example_game();
    game.solution = example_solution;
    EXPECT_EQ(encode_saved_game(game), with_solution);
    EXPECT_EQ(decode_saved_game(with_solution), game);
    game.cursor = sudoku::Square{3, 1};
    EXPECT_EQ(encode_saved_game(game),
              replaced(with_solution, "[2, 2], ", "[2, 2], \"cursor\": [3, 1], "));
    EXPECT_FALSE(decode_saved_game(example)->solution.has_value());
}

TEST(SavedGameLaterMembers, ADailyPuzzleKeepsItsDayAndABadDayIsRefused) {
    SavedGame game = example_game();
    game.daily = sudoku::Day{2026, 12, 9};
    const std::string text = replaced(example, "[2, 2]}", "[2, 2], \"daily\": \"2026-12-09\"}");
    EXPECT_EQ(encode_saved_game(game), text);
    EXPECT_EQ(decode_saved_game(text), game);
    for (const char* bad : {"\"2026-02-30\"", "\"2026-12-9\"", "20261209", "\"\""}) {
        EXPECT_FALSE(decode_saved_game(
            replaced(example, "[2, 2]}", std::string("[2, 2], \"daily\": ") + bad + "}")))
            << bad;
    }
}

// A game saved while the program runs in German (decimal comma) is the file
// the English game writes and reads.
TEST(SavedGameRoundTrip, TheFileIsTheSameInEveryLanguage) {
    SavedGame game = example_game();
    game.difficulty = 0.25;
    const std::string english = encode_saved_game(game);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/deps makes it)";
    }
    const std::string german = encode_saved_game(game);
    const auto read_in_german = decode_saved_game(english);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(german, english);
    EXPECT_EQ(read_in_german, game);
}

TEST(SavedGameRoundTrip, EncodingIsOneLineWithoutTrailingNewline) {
    const std::string text = encode_saved_game(nine_by_nine());
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.front(), '{');
    EXPECT_EQ(text.back(), '}');
}

TEST(SavedGameRoundTrip, NineByNineGame) {
    const SavedGame game = nine_by_nine();
    const std::string text = encode_saved_game(game);
    const auto decoded = decode_saved_game(text);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, game);
    EXPECT_EQ(encode_saved_game(*decoded), text);
}

TEST(SavedGameRoundTrip, NonSquareBoxesKeepTheirOrder) {
    SavedGame game;
    game.size = {2, 3};
    game.board.assign(6, sudoku::Column(6));
    game.board[5][0] = 6;
    game.original = game.board;
    const auto decoded = decode_saved_game(encode_saved_game(game));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size.first, 2);
    EXPECT_EQ(decoded->size.second, 3);
    EXPECT_EQ(*decoded, game);
}

TEST(SavedGameRoundTrip, ZeroNegativeAndExtremeValues) {
    SavedGame game = example_game();
    game.board[0][1] = 0;
    game.board[1][0] = -7;
    game.board[2][1] = std::numeric_limits<Value>::max();
    game.board[3][0] = std::numeric_limits<Value>::min();
    game.original[3][0] = std::numeric_limits<Value>::min();
    const std::string text = encode_saved_game(game);
    EXPECT_NE(text.find("[1, 0, 2, null], [-7, 4,"), std::string::npos) << text;
    EXPECT_NE(text.find("9223372036854775807"), std::string::npos) << text;
    EXPECT_NE(text.find("-9223372036854775808"), std::string::npos) << text;
    const auto decoded = decode_saved_game(text);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, game);
}

// --- The difficulty ---

std::string encoded_difficulty(double difficulty) {
    SavedGame game = example_game();
    game.difficulty = difficulty;
    const std::string text = encode_saved_game(game);
    const std::string key = "\"difficulty\": ";
    const auto start = text.find(key) + key.size();
    return text.substr(start, text.find(',', start) - start);
}

TEST(SavedGameDifficulty, ShortestFormWithAFractionPart) {
    EXPECT_EQ(encoded_difficulty(0.1), "0.1");
    EXPECT_EQ(encoded_difficulty(0.5), "0.5");
    EXPECT_EQ(encoded_difficulty(0.9), "0.9");
    EXPECT_EQ(encoded_difficulty(1.0), "1.0");
    EXPECT_EQ(encoded_difficulty(0.0), "0.0");
    EXPECT_EQ(encoded_difficulty(12.0), "12.0");
    EXPECT_EQ(encoded_difficulty(1e-5), "1e-05");
    EXPECT_EQ(encoded_difficulty(1e22), "1e+22");
}

TEST(SavedGameDifficulty, ReadsBackAsTheSameDouble) {
    std::mt19937_64 generator(20240611);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> values = {0.0,
                                  1.0,
                                  0.1,
                                  1.0 / 3.0,
                                  -2.5,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::lowest(),
                                  123456789012345680.0};
    for (int i = 0; i < 1000; ++i) {
        values.push_back(unit(generator));
    }
    for (const double value : values) {
        SavedGame game = example_game();
        game.difficulty = value;
        const auto decoded = decode_saved_game(encode_saved_game(game));
        ASSERT_TRUE(decoded.has_value()) << value;
        EXPECT_EQ(decoded->difficulty, value) << encoded_difficulty(value);
    }
}

TEST(SavedGameDifficulty, IntegerDifficultyIsAccepted) {
    const auto decoded = decode_saved_game(replaced(example, "0.5", "1"));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->difficulty, 1.0);
    EXPECT_EQ(encode_saved_game(*decoded), replaced(example, "0.5", "1.0"));
}

TEST(SavedGameDifficulty, NonFiniteCannotBeWritten) {
    SavedGame game = example_game();
    game.difficulty = std::numeric_limits<double>::infinity();
    EXPECT_THROW(encode_saved_game(game), std::domain_error);
    game.difficulty = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(encode_saved_game(game), std::domain_error);
}

// --- Any well-formed JSON layout is read ---

TEST(SavedGameLayout, ReorderedMultiLineAndExtraMembersReadTheSame) {
    const std::vector<std::string> layouts = {
        R"({"size": [2, 2], "difficulty": 0.5,
            "original": [[1, null, 2, null], [null, null, null, 3], [3, null, 4, null], [null, 2, null, 1]],
            "board": [[1, null, 2, null], [null, 4, null, 3], [3, null, 4, null], [null, 2, null, 1]]})",
        "\n{\n\t\"board\"\n:\n[\n[\n1\n,\nnull\n,\n2\n,\nnull\n]\n,\n[null,4,null,3],[3,null,4,"
        "null],"
        "[null,2,null,1]],\r\n\"original\":[[1,null,2,null],[null,null,null,3],[3,null,4,null],"
        "[null,2,null,1]],\"difficulty\":5e-1,\"size\":[2,2]\n}\n",
        replaced(example, R"("size")",
                 R"("player": {"name": "Ann", "moves": [1, 2, {"x": null}]}, "size")"),
    };
    for (const std::string& text : layouts) {
        const auto decoded = decode_saved_game(text);
        ASSERT_TRUE(decoded.has_value()) << text;
        EXPECT_EQ(*decoded, example_game()) << text;
        EXPECT_EQ(encode_saved_game(*decoded), example);
    }
}

TEST(SavedGameLayout, ModerateNestingInExtraMembersIsAccepted) {
    const std::string nested = std::string(20, '[') + std::string(20, ']');
    EXPECT_TRUE(
        decode_saved_game(replaced(example, R"("size")", R"("deep": )" + nested + R"(, "size")")));
}

// --- Everything else is refused ---

struct BrokenCase {
    std::string name;
    std::string text;
};

std::string with_board(const std::string& board) {
    return replaced(
        example, "[[1, null, 2, null], [null, 4, null, 3], [3, null, 4, null], [null, 2, null, 1]]",
        board);
}

std::string with_first_cell(const std::string& cell) {
    return replaced(example, "[[1, null, 2, null], [null, 4,",
                    "[[" + cell + ", null, 2, null], [null, 4,");
}

std::vector<BrokenCase> broken_cases() {
    return {
        {"Empty", ""},
        {"NotJson", "this is not a saved game"},
        {"TopLevelArray", "[" + example + "]"},
        {"TopLevelNumber", "42"},
        {"MissingBoard", replaced(example, R"("board")", R"("boards")")},
        {"MissingOriginal", replaced(example, R"("original")", R"("originals")")},
        {"MissingDifficulty", replaced(example, R"("difficulty")", R"("hardness")")},
        {"MissingSize", replaced(example, R"("size")", R"("box")")},
        {"SizeOneNumber", replaced(example, "[2, 2]}", "[2]}")},
        {"SizeThreeNumbers", replaced(example, "[2, 2]}", "[2, 2, 1]}")},
        {"SizeZero", replaced(example, "[2, 2]}", "[0, 0]}")},
        {"SizeNegative", replaced(example, "[2, 2]}", "[-2, -2]}")},
        {"SizeTen", replaced(example, "[2, 2]}", "[10, 1]}")},
        {"SizeFloat", replaced(example, "[2, 2]}", "[2.0, 2]}")},
        {"SizeString", replaced(example, "[2, 2]}", R"(["2", 2]})")},
        {"SizeNotArray", replaced(example, "[2, 2]}", "4}")},
        {"SizeDisagreesWithBoard", replaced(example, "[2, 2]}", "[1, 2]}")},
        {"BoardTooFewColumns",
         with_board("[[1, null, 2, null], [null, 4, null, 3], [3, null, 4, null]]")},
        {"BoardTooManyColumns",
         with_board(
             "[[1, null, 2, null], [null, 4, null, 3], [3, null, 4, null], [null, 2, null, 1], "
             "[null, null, null, null]]")},
        {"BoardRaggedColumn",
         with_board(
             "[[1, null, 2, null], [null, 4, null], [3, null, 4, null], [null, 2, null, 1]]")},
        {"BoardColumnNotArray",
         with_board("[[1, null, 2, null], 4, [3, null, 4, null], [null, 2, null, 1]]")},
        {"BoardNotArray", with_board("{}")},
        {"CellFloat", with_first_cell("1.5")},
        {"CellWholeFloat", with_first_cell("1.0")},
        {"CellString", with_first_cell(R"("1")")},
        {"CellTrue", with_first_cell("true")},
        {"CellArray", with_first_cell("[1]")},
        {"CellAboveInt64", with_first_cell("9223372036854775808")},
        {"CellMaxUnsigned", with_first_cell("18446744073709551615")},
        {"CellBelowInt64", with_first_cell("-9223372036854775809")},
        {"CellHuge", with_first_cell("1" + std::string(400, '0'))},
        {"CellNaN", with_first_cell("NaN")},
        {"OriginalShapeDiffers",
         replaced(example, R"("original": [[1, null, 2, null], [null, null, null, 3], )",
                  R"("original": [)")},
        {"GivenMissingFromBoard", with_board("[[null, null, 2, null], [null, 4, null, 3], "
                                             "[3, null, 4, null], [null, 2, null, 1]]")},
        {"GivenChangedOnBoard", with_board("[[2, null, 2, null], [null, 4, null, 3], "
                                           "[3, null, 4, null], [null, 2, null, 1]]")},
        {"DifficultyString", replaced(example, "0.5", R"("0.5")")},
        {"DifficultyNull", replaced(example, "0.5", "null")},
        {"DifficultyNaN", replaced(example, "0.5", "NaN")},
        {"DifficultyInfinity", replaced(example, "0.5", "Infinity")},
        {"DifficultyOverflows", replaced(example, "0.5", "1e400")},
        {"Truncated", example.substr(0, example.size() - 1)},
        {"ElapsedNegative", replaced(example, "[2, 2]}", "[2, 2], \"elapsed\": -1}")},
        {"ElapsedFraction", replaced(example, "[2, 2]}", "[2, 2], \"elapsed\": 1.5}")},
        {"ElapsedString", replaced(example, "[2, 2]}", "[2, 2], \"elapsed\": \"60\"}")},
        {"ElapsedCenturies", replaced(example, "[2, 2]}", "[2, 2], \"elapsed\": 4000000000}")},
        {"LevelUnknown", replaced(example, "[2, 2]}", "[2, 2], \"level\": \"tricky\"}")},
        {"LevelAny", replaced(example, "[2, 2]}", "[2, 2], \"level\": \"any\"}")},
        {"LevelNumber", replaced(example, "[2, 2]}", "[2, 2], \"level\": 2}")},
        {"CursorOffTheBoard", replaced(example, "[2, 2]}", "[2, 2], \"cursor\": [4, 0]}")},
        {"CursorOneNumber", replaced(example, "[2, 2]}", "[2, 2], \"cursor\": [1]}")},
        {"CursorNegative", replaced(example, "[2, 2]}", "[2, 2], \"cursor\": [0, -1]}")},
        {"SolutionNotFull", replaced(with_solution, "[1, 3, 2, 4]", "[1, null, 2, 4]")},
        {"SolutionTooFewColumns", replaced(with_solution, "[1, 3, 2, 4], [2", "[2")},
        {"SolutionNotArray", replaced(with_solution, solution_text, "4")},
        {"SolutionBreaksTheRule", replaced(with_solution, "[1, 3, 2, 4]", "[1, 1, 2, 4]")},
        // 1 and 2 swapped everywhere: a solution of the rule, not of these givens.
        {"SolutionChangesAGiven",
         replaced(with_solution, solution_text,
                  "[[2, 3, 1, 4], [1, 4, 2, 3], [3, 2, 4, 1], [4, 1, 3, 2]]")},
        {"TrailingGarbage", example + "}"},
        {"TwoGames", example + example},
        {"Comment", "/* saved */ " + example},
        {"NonUtf8InString", replaced(example, R"("size")", "\"name\": \"\xff\xfe\", \"size\"")},
        {"NonUtf8OutsideString", replaced(example, R"(, "size")", "\xc3, \"size\"")},
        {"NotesNotArray", replaced(with_notes, "[[0, 1, [3, 4]], [1, 2, [1]]]", "{}")},
        {"NotesEntryShort", replaced(with_notes, "[0, 1, [3, 4]]", "[0, 1]")},
        {"NotesNumbersNotArray", replaced(with_notes, "[0, 1, [3, 4]]", "[0, 1, 3]")},
        {"NotesNoNumbers", replaced(with_notes, "[0, 1, [3, 4]]", "[0, 1, []]")},
        {"NotesOnPlayersNumber", replaced(with_notes, "[0, 1, [3, 4]]", "[1, 1, [3, 4]]")},
        {"NotesOnGiven", replaced(with_notes, "[0, 1, [3, 4]]", "[0, 2, [3, 4]]")},
        {"NotesOffBoard", replaced(with_notes, "[0, 1, [3, 4]]", "[4, 1, [3, 4]]")},
        {"NotesNegativeSquare", replaced(with_notes, "[0, 1, [3, 4]]", "[-1, 1, [3, 4]]")},
        {"NotesSameSquareTwice", replaced(with_notes, "[1, 2, [1]]", "[0, 1, [1]]")},
        {"NotesZero", replaced(with_notes, "[3, 4]", "[0, 4]")},
        {"NotesAboveSide", replaced(with_notes, "[3, 4]", "[3, 5]")},
        {"NotesNotAscending", replaced(with_notes, "[3, 4]", "[4, 3]")},
        {"NotesRepeated", replaced(with_notes, "[3, 4]", "[3, 3]")},
        {"NotesFloat", replaced(with_notes, "[3, 4]", "[3.0, 4]")},
        {"DeepNesting", std::string(100000, '[')},
        {"DeepNestingClosed", std::string(100000, '[') + std::string(100000, ']')},
        {"DeepExtraMember", replaced(example, R"("size")",
                                     R"("deep": )" + std::string(100000, '[') +
                                         std::string(100000, ']') + R"(, "size")")},
    };
}

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const BrokenCase& broken, std::ostream* out) {
    *out << broken.name;
}

class SavedGameRefused : public testing::TestWithParam<BrokenCase> {};

TEST_P(SavedGameRefused, ReturnsNothing) {
    EXPECT_FALSE(decode_saved_game(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, SavedGameRefused, testing::ValuesIn(broken_cases()),
                         [](const testing::TestParamInfo<BrokenCase>& param_info) {
                             return param_info.param.name;
                         });

TEST(SavedGameRefusedMore, EveryTruncationOfTheExample) {
    for (std::size_t length = 0; length < example.size(); ++length) {
        EXPECT_FALSE(decode_saved_game(example.substr(0, length)).has_value()) << length;
    }
}

TEST(SavedGameRefusedMore, LengthLimitIsExact) {
    std::string padded = example + std::string(sudoku::max_saved_game_bytes - example.size(), ' ');
    EXPECT_TRUE(decode_saved_game(padded).has_value());
    padded += ' ';
    EXPECT_FALSE(decode_saved_game(padded).has_value());
}

TEST(SavedGameSize, TheLargestGameTheProgramCanMakeLoadsBack) {
    // 81x81, every square empty with every note: notes take the most room.
    SavedGame game;
    game.size = {9, 9};
    game.difficulty = 0.1234567890123456789;
    game.board.assign(81, sudoku::Column(81));
    game.original = game.board;
    sudoku::Candidates all;
    for (std::size_t k = 0; k < 81; ++k) {
        all.set(k);
    }
    game.notes.assign(81, std::vector<sudoku::Candidates>(81, all));
    // And the solution it was made from, by the usual shifting pattern.
    game.solution = game.board;
    for (int x = 0; x < 81; ++x) {
        for (int y = 0; y < 81; ++y) {
            (*game.solution)[x][y] = (y * 9 + y / 9 + x) % 81 + 1;
        }
    }
    const auto text = sudoku::saved_game_text(game);
    ASSERT_TRUE(text.has_value());
    EXPECT_GT(text->size(), std::size_t{2'000'000});
    EXPECT_EQ(decode_saved_game(*text), game);
}

TEST(SavedGameSize, AGameTooLargeToLoadIsNeverWritten) {
    SavedGame game = example_game();
    game.board.assign(1000, sudoku::Column(1000));
    EXPECT_FALSE(sudoku::saved_game_text(game).has_value());
}

TEST(SavedGameRefusedMore, TenThousandSquareBoard) {
    constexpr std::size_t n = 10000;
    std::string column = "[";
    for (std::size_t y = 0; y < n; ++y) {
        column += y == 0 ? "0" : ",0";
    }
    column += ']';
    std::string text = R"({"size": [9, 9], "difficulty": 0.5, "board": [)";
    text.reserve(text.size() + n * (column.size() + 1) + 64);
    for (std::size_t x = 0; x < n; ++x) {
        text += x == 0 ? column : "," + column;
    }
    text += R"(], "original": [])";
    text += '}';
    EXPECT_FALSE(decode_saved_game(text).has_value());
}

// --- The fuzzing corpus ---

TEST(SavedGameCorpus, EveryFileBehavesAsItsNameSays) {
    const std::filesystem::path corpus = SUDOKU_FUZZ_CORPUS;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const std::string name = entry.path().filename().string();
        const auto decoded = decode_saved_game(text);
        EXPECT_EQ(decoded.has_value(), name.starts_with("valid-")) << name;
        if (decoded) {
            EXPECT_EQ(decode_saved_game(encode_saved_game(*decoded)), decoded) << name;
        }
        ++files;
    }
    EXPECT_GE(files, 10);
}

}  // namespace
