// quellan-solve against the classic figures of every shipped layout, its
// solution path, and the files it must refuse without giving up the rest.
#include "solve/solve_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "coach/arrangement.h"
#include "common/text_file.h"
#include "support/classic_layouts.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using namespace quellan::testing;

struct SolveRun {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

SolveRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runSolveCommand(args, out, err);
    return {status, splitLines(out.str()), err.str()};
}

std::string shippedFile(const std::string& name) {
    const std::u8string path = (shippedMapDir() / pathFromUtf8(name + ".qlp")).u8string();
    return {path.begin(), path.end()};
}

TEST(SolveCommandTest, AgreesWithTheClassicTableForEveryShippedLayout) {
    std::vector<std::string> files;
    for (const std::string& name : shippedNames()) files.push_back(shippedFile(name));
    ASSERT_EQ(files.size(), 40u);
    const SolveRun result = run(files);
    EXPECT_EQ(result.status, kSolveAllRead);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> expected;
    for (const std::string& name : shippedNames()) {
        const ClassicLayout& row = classicTable().at(name);
        expected.push_back(name + "\t" + std::to_string(row.minSteps) + "\t" +
                           std::to_string(row.minPieceMoves) + "\t" +
                           std::to_string(row.reachable));
    }
    EXPECT_EQ(result.lines, expected);
}

// How many cells piece positions moved between two position entries: one
// step moves one piece by one cell, 60 units of the entry (900 twips / 15).
int unitsMoved(const Board& a, const Board& b) {
    int moved = 0;
    for (int i = 1; i <= kPieceCount; ++i)
        moved +=
            std::abs(a.piece(i).left - b.piece(i).left) + std::abs(a.piece(i).top - b.piece(i).top);
    return moved;
}

TEST(SolveCommandTest, PathGoesBySingleStepsFromTheSetUpToTheSolvedPosition) {
    const SolveRun result = run({"--path", shippedFile("横刀立马")});
    ASSERT_EQ(result.status, kSolveAllRead);
    ASSERT_EQ(result.lines.size(), 1u + 117u);
    EXPECT_EQ(result.lines[0], "横刀立马\t116\t81\t25955");
    Board previous;
    EXPECT_EQ(result.lines[1], previous.positionEntry()) << "entry 0 is the set-up position";
    for (std::size_t k = 2; k < result.lines.size(); ++k) {
        Board board = previous;
        ASSERT_TRUE(board.applyPositionEntry(result.lines[k])) << k;
        EXPECT_TRUE(isProperArrangement(board)) << "entry " << k - 1;
        EXPECT_EQ(unitsMoved(previous, board), kCell) << "entry " << k - 1;
        EXPECT_EQ(isSolved(board), k + 1 == result.lines.size()) << "entry " << k - 1;
        previous = board;
    }
}

TEST(SolveCommandTest, RefusedFilesAreNamedAndTheOthersStillAnswered) {
    TempDir dir;
    const auto u8 = [](const std::filesystem::path& p) {
        const std::u8string s = p.u8string();
        return std::string(s.begin(), s.end());
    };
    const std::string overlap =
        u8(dir.write(pathFromUtf8("重叠.qlp"),
                     "1,0,2\r\n2,1,1\r\n3,1,4\r\n4,1,9\r\n5,0,10\r\n6,1,12\r\n7,0,14\r\n8,0,"
                     "15\r\n9,0,17\r\n10,0,17\r\n"));
    const std::string nine =
        u8(dir.write(pathFromUtf8("九子.qlp"),
                     "1,0,2\r\n2,1,1\r\n3,1,4\r\n4,1,9\r\n5,0,10\r\n6,1,12\r\n7,0,14\r\n8,0,"
                     "15\r\n9,0,17\r\n"));
    const std::string broken = u8(dir.write(pathFromUtf8("坏.qlp"), "1,0\r\n"));
    const std::string missing = u8(dir.path() / pathFromUtf8("无.qlp"));
    const std::string stuck = u8(
        dir.write(pathFromUtf8("死局.qlp"),
                  "1,0,13\n2,0,1\n3,0,15\n4,1,8\n5,1,3\n6,1,6\n7,0,19\n8,0,4\n9,0,11\n10,0,5\n"));

    const SolveRun result = run({overlap, nine, broken, missing, shippedFile("横刀立马"), stuck});
    EXPECT_EQ(result.status, kSolveSomeFailed);
    EXPECT_EQ(result.lines, (std::vector<std::string>{"横刀立马\t116\t81\t25955",
                                                      "死局\tunsolvable\tunsolvable\t4"}));
    for (const std::string& file : {overlap, nine, broken, missing})
        EXPECT_NE(result.err.find(file), std::string::npos) << file;
}

TEST(SolveCommandTest, WithoutFilesOrWithAnUnknownOptionShowsHowToUseIt) {
    EXPECT_EQ(run({}).status, kSolveSomeFailed);
    const SolveRun unknown = run({"--fast", shippedFile("横刀立马")});
    EXPECT_EQ(unknown.status, kSolveSomeFailed);
    EXPECT_TRUE(unknown.lines.empty());
    EXPECT_NE(unknown.err.find("--fast"), std::string::npos);
}

std::vector<std::string> filesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SolveCommandTest, GeneratesDistinctLayoutsInTheBandTheSameForTheSameSeed) {
    TempDir one, two;
    const auto u8 = [](const std::filesystem::path& p) {
        const std::u8string s = p.u8string();
        return std::string(s.begin(), s.end());
    };
    ASSERT_EQ(run({"--generate", "3", "--steps", "60-70", "--seed", "9", u8(one.path())}).status,
              kSolveAllRead);
    ASSERT_EQ(run({"--generate", "3", "--steps", "60-70", "--seed", "9", u8(two.path())}).status,
              kSolveAllRead);
    const std::vector<std::string> names = filesIn(one.path());
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(filesIn(two.path()), names);
    for (const std::string& name : names) {
        const SolveRun answer = run({u8(one.path() / pathFromUtf8(name))});
        ASSERT_EQ(answer.lines.size(), 1u);
        const int steps = std::stoi(answer.lines[0].substr(answer.lines[0].find('\t') + 1));
        EXPECT_GE(steps, 60) << name;
        EXPECT_LE(steps, 70) << name;
        // Named by its share code, which --code gives back.
        EXPECT_EQ(run({"--code", u8(one.path() / pathFromUtf8(name))}).lines,
                  std::vector<std::string>{name.substr(0, name.size() - 4)});
        EXPECT_EQ(readAll(one.path() / pathFromUtf8(name)),
                  readAll(two.path() / pathFromUtf8(name)));
    }
}

TEST(SolveCommandTest, DecodesACodeAndRefusesABadOneWritingNothing) {
    TempDir dir;
    const auto u8 = [](const std::filesystem::path& p) {
        const std::u8string s = p.u8string();
        return std::string(s.begin(), s.end());
    };
    const SolveRun code = run({"--code", shippedFile("横刀立马")});
    ASSERT_EQ(code.status, kSolveAllRead);
    ASSERT_EQ(code.lines.size(), 1u);
    const std::string out = u8(dir.path() / pathFromUtf8("横刀立马.qlp"));
    EXPECT_EQ(run({"--decode", code.lines[0], out}).status, kSolveAllRead);
    EXPECT_EQ(run({out}).lines, std::vector<std::string>{"横刀立马\t116\t81\t25955"});
    EXPECT_EQ(run({"--decode", code.lines[0], out}).status, kSolveSomeFailed) << "never overwrites";

    const SolveRun bad = run({"--decode", "ZZZZZZ", u8(dir.path() / pathFromUtf8("坏.qlp"))});
    EXPECT_EQ(bad.status, kSolveSomeFailed);
    EXPECT_NE(bad.err.find("ZZZZZZ"), std::string::npos);
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"横刀立马.qlp"});
    EXPECT_EQ(run({"--code", u8(dir.path() / pathFromUtf8("无.qlp"))}).status, kSolveSomeFailed);
}

}  // namespace
}  // namespace quellan
