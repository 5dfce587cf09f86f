// The workshop's placement rules and the name of a new layout.
#include "coach/arrangement_editor.h"

#include <gtest/gtest.h>

#include <set>

#include "coach/layout_name.h"
#include "coach/share_code.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using S = PieceKind;

TEST(ArrangementEditorTest, PlacesInsideTheBoardOnFreeCellsAndNoMoreThanTheSetHolds) {
    ArrangementEditor e;
    struct Press {
        S shape;
        int cell;
        EditResult expected;
    };
    const Press presses[] = {
        {S::Commander, 3, EditResult::OffBoard},   // past the right edge
        {S::Upright, 16, EditResult::OffBoard},    // past the bottom
        {S::Lying, 7, EditResult::OffBoard},       //
        {S::Commander, 1, EditResult::Done},       // cells 1, 2, 5, 6
        {S::Soldier, 6, EditResult::Overlap},      // under the commander
        {S::Lying, 0, EditResult::Overlap},        // 0 and 1: reaches under it
        {S::Commander, 10, EditResult::NoneLeft},  // there is only one
        {S::Upright, 0, EditResult::Done},         // cells 0 and 4
        {S::Soldier, 4, EditResult::Overlap},      // the general's lower cell
        {S::Soldier, 19, EditResult::Done},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(p.cell);
        EXPECT_EQ(e.place(p.shape, p.cell), p.expected);
    }
    EXPECT_EQ(e.cornerCovering(6), 1);
    EXPECT_EQ(e.cornerCovering(4), 0);
    EXPECT_EQ(e.cornerCovering(3), -1);
    EXPECT_EQ(e.piecesLeft(S::Lying), 4);
    EXPECT_EQ(e.piecesLeft(S::Soldier), 3);
    EXPECT_EQ(missingPiecesText(e), "还差：大将 4、兵 3");
    EXPECT_FALSE(e.board());
}

TEST(ArrangementEditorTest, AGeneralTurnsAboutItsCornerWhereTheCellsAreFree) {
    ArrangementEditor e;
    ASSERT_EQ(e.place(S::Upright, 0), EditResult::Done);  // cells 0 and 4
    EXPECT_EQ(e.turn(4), EditResult::Done);               // now 0 and 1
    EXPECT_EQ(e.corners()[0], S::Lying);
    EXPECT_EQ(e.cornerCovering(4), -1);
    ASSERT_EQ(e.place(S::Soldier, 4), EditResult::Done);
    EXPECT_EQ(e.turn(1), EditResult::Overlap);  // the soldier is in the way
    EXPECT_EQ(e.turn(4), EditResult::NotGeneral);
    ASSERT_EQ(e.place(S::Upright, 15), EditResult::Done);  // the right column, rows 4-5
    EXPECT_EQ(e.turn(19), EditResult::OffBoard);
    EXPECT_EQ(e.remove(4), EditResult::Done);
    EXPECT_EQ(e.remove(4), EditResult::NoPiece);
    EXPECT_EQ(e.turn(1), EditResult::Done);
    EXPECT_EQ(e.corners()[0], S::Upright);
}

TEST(ArrangementEditorTest, AGeneralTurnsRightUpToTheEdges) {
    struct Case {
        S shape;
        int corner;
        EditResult expected;
    };
    const Case cases[] = {
        {S::Upright, 2, EditResult::Done},      // lying on columns 3 and 4
        {S::Upright, 3, EditResult::OffBoard},  // the right column
        {S::Lying, 12, EditResult::Done},       // upright on rows 4 and 5
        {S::Lying, 16, EditResult::OffBoard},   // the bottom row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.corner);
        ArrangementEditor e;
        ASSERT_EQ(e.place(c.shape, c.corner), EditResult::Done);
        EXPECT_EQ(e.turn(c.corner), c.expected);
        EXPECT_EQ(e.corners()[static_cast<std::size_t>(c.corner)] == c.shape,
                  c.expected != EditResult::Done);
    }
}

TEST(ArrangementEditorTest, TheBoardOnScreenComesInWholeAndGoesOutAsAProperArrangement) {
    const ArrangementEditor e{Board()};
    EXPECT_EQ(missingPiecesText(e), "");
    ASSERT_TRUE(e.board());
    EXPECT_EQ(shareCodeOf(*e.board()), "2CCLPJ");
    // The lying general is 关羽, the uprights follow in cell order: the
    // pieces come back with the numbers the shipped file gives them.
    EXPECT_EQ(e.board()->positionEntry(), Board().positionEntry());
    // A piece that overlaps another is left out and missed.
    Board overlapping;
    overlapping.piece(7) = overlapping.piece(8);
    const ArrangementEditor partial{overlapping};
    EXPECT_EQ(missingPiecesText(partial), "还差：兵 1");
}

TEST(LayoutNameTest, RefusesWhatNoFileNameCanHold) {
    struct Case {
        const char* name;
        LayoutNameFault fault;
    };
    const Case cases[] = {
        {"我的阵型", LayoutNameFault::None},
        {"a.b", LayoutNameFault::None},
        {"", LayoutNameFault::Empty},
        {"a/b", LayoutNameFault::BadCharacter},
        {"a\\b", LayoutNameFault::BadCharacter},
        {"a:b", LayoutNameFault::BadCharacter},
        {"a*", LayoutNameFault::BadCharacter},
        {"a?", LayoutNameFault::BadCharacter},
        {"\"a\"", LayoutNameFault::BadCharacter},
        {"<a>", LayoutNameFault::BadCharacter},
        {"a|b", LayoutNameFault::BadCharacter},
        {"a\tb", LayoutNameFault::BadCharacter},
        {"a\x1F", LayoutNameFault::BadCharacter},
        {"a\x7F", LayoutNameFault::BadCharacter},
        {"a b~", LayoutNameFault::None},
        {".", LayoutNameFault::EndsInDotOrSpace},
        {"..", LayoutNameFault::EndsInDotOrSpace},
        {"a.", LayoutNameFault::EndsInDotOrSpace},
        {"a ", LayoutNameFault::EndsInDotOrSpace},
        {".dot", LayoutNameFault::StartsWithDot},
        {".隐藏", LayoutNameFault::StartsWithDot},
        {"con", LayoutNameFault::Reserved},
        {"PRN", LayoutNameFault::Reserved},
        {"aux", LayoutNameFault::Reserved},
        {"NUL.x", LayoutNameFault::Reserved},
        {"Com7", LayoutNameFault::Reserved},
        {"COM1", LayoutNameFault::Reserved},
        {"com9.b", LayoutNameFault::Reserved},
        {"LPT1", LayoutNameFault::Reserved},
        {"lpt9", LayoutNameFault::Reserved},
        {"COM0", LayoutNameFault::None},
        {"LPT0", LayoutNameFault::None},
        {"COM10", LayoutNameFault::None},
        {"LPTA", LayoutNameFault::None},
        {"console", LayoutNameFault::None},
        {"NULL", LayoutNameFault::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(layoutNameFault(c.name), c.fault);
    }
    EXPECT_EQ(layoutNameFault(std::string(251, 'a')), LayoutNameFault::None);
    EXPECT_EQ(layoutNameFault(std::string(252, 'a')), LayoutNameFault::TooLong);
    // Bytes count, not characters: 83 characters of three bytes each.
    std::string chinese;
    for (int i = 0; i < 83; ++i) chinese += "阵";
    EXPECT_EQ(layoutNameFault(chinese + "ab"), LayoutNameFault::None);
    EXPECT_EQ(layoutNameFault(chinese + "abc"), LayoutNameFault::TooLong);
}

TEST(LayoutNameTest, EveryRefusalHasAMessageOfItsOwn) {
    std::set<std::string_view> said;
    for (LayoutNameFault f :
         {LayoutNameFault::Empty, LayoutNameFault::BadCharacter, LayoutNameFault::EndsInDotOrSpace,
          LayoutNameFault::StartsWithDot, LayoutNameFault::Reserved, LayoutNameFault::TooLong,
          LayoutNameFault::Taken}) {
        EXPECT_FALSE(layoutNameFaultText(f).empty());
        said.insert(layoutNameFaultText(f));
    }
    EXPECT_EQ(said.size(), 7u);
    EXPECT_TRUE(layoutNameFaultText(LayoutNameFault::None).empty());
}

TEST(LayoutNameTest, ANewNameIsTrimmedAndMustNotBeTaken) {
    testing::TempDir dir;
    dir.write("map/旧阵.qlp", "x");
    const auto check = [&](const char* typed) {
        return checkNewLayoutName(typed, dir.path() / "map", {"列出的"});
    };
    EXPECT_EQ(check("  新阵 ").name, "新阵");
    EXPECT_EQ(check("  新阵 ").fault, LayoutNameFault::None);
    EXPECT_EQ(check("旧阵").fault, LayoutNameFault::Taken);
    EXPECT_EQ(check("列出的").fault, LayoutNameFault::Taken);
    EXPECT_EQ(check("   ").fault, LayoutNameFault::Empty);
    EXPECT_EQ(check(" .dot ").fault, LayoutNameFault::StartsWithDot);
    EXPECT_EQ(check("\t新阵\t").name, "新阵");
    EXPECT_EQ(layoutNameFaultText(LayoutNameFault::Taken), "已经有同名的阵型了，请换一个名称。");
}

}  // namespace
}  // namespace quellan
