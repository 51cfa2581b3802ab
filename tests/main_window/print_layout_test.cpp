// How print lists land in a box: columns, line breaks, sizes, and that the scoreboards fit.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>

#include "main_window/print_box.h"
#include "main_window/units.h"
#include "scoreboard.h"

namespace {

using quendel::PrintItem;
using Kind = quendel::PrintItem::Kind;

PrintItem size(int points) { return {Kind::FontSize, points, {}}; }
PrintItem tab(int column) { return {Kind::Tab, column, {}}; }
PrintItem text(std::string s) { return {Kind::Text, 0, std::move(s)}; }
PrintItem line_break() { return {Kind::LineBreak, 0, {}}; }

const QFont kDisplayFace = ui_font(Face::TimesNewRoman, 18);
const QRectF kDisplayBox(0, 0, twips_to_px(3375), twips_to_px(8415));

QFont at_size(int points) {
    QFont font = kDisplayFace;
    font.setPointSizeF(points);
    return font;
}

TEST(PrintLayout, ColumnsAreClassicAverageWidthsFromTheLeftEdge) {
    const qreal width = column_width(at_size(14));
    // The classic measure, not the average over every glyph of the font.
    EXPECT_GT(width, 6.5);
    EXPECT_LT(width, 9.5);
    EXPECT_LT(width, QFontMetricsF(at_size(14)).averageCharWidth());

    const auto placed = layout_print_list({size(14), tab(1), text("a"), tab(11), text("b")}, kDisplayFace);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_DOUBLE_EQ(placed[0].rect.left(), 0);
    EXPECT_NEAR(placed[1].rect.left(), 10 * width, 1e-6);
    EXPECT_DOUBLE_EQ(placed[1].rect.top(), 0);
}

TEST(PrintLayout, TabPastItsColumnMovesToThatColumnOfTheNextLine) {
    const qreal width = column_width(at_size(14));
    const auto placed =
        layout_print_list({size(14), text("a long heading that passes column three"), tab(3), text("x")}, kDisplayFace);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_NEAR(placed[1].rect.left(), 2 * width, 1e-6);
    EXPECT_NEAR(placed[1].rect.top(), QFontMetricsF(at_size(14)).lineSpacing(), 1e-6);
}

TEST(PrintLayout, LineBreaksUseTheSizeInForceAndItemsAreTopAligned) {
    const auto placed = layout_print_list(
        {size(18), text("1"), size(14), text("Scores"), line_break(), line_break(), size(24), text("2")}, kDisplayFace);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_DOUBLE_EQ(placed[0].rect.top(), placed[1].rect.top());
    EXPECT_DOUBLE_EQ(placed[1].rect.left(), placed[0].rect.right());
    EXPECT_NEAR(placed[2].rect.top(), 2 * QFontMetricsF(at_size(14)).lineSpacing(), 1e-6);
    EXPECT_DOUBLE_EQ(placed[2].rect.left(), 0);
    // A size change keeps the face and the weight of the box.
    EXPECT_EQ(placed[2].font.family(), kDisplayFace.family());
    EXPECT_TRUE(placed[2].font.bold());
    EXPECT_DOUBLE_EQ(placed[2].font.pointSizeF(), 24);
}

// The widest scoreboards a game can print.
quendel::MatchState full_state(const std::string& game_type, int score) {
    quendel::MatchState state;
    state.game_type = game_type;
    state.team_count = 4;
    state.team1_name = "Team 1";
    state.team2_name = "Team 2";
    state.team3_name = "Team 3";
    state.team4_name = "Team 4";
    for (int team = 1; team <= 4; ++team) {
        state.score[team] = static_cast<int16_t>(score);
        for (int n = 14; n <= 20; ++n) state.mark_sym[team][n] = "O";
    }
    return state;
}

struct FitCase {
    const char* game_type;
    int score;
};

class ScoreboardFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScoreboardFit, StaysInsideTheDisplayBox) {
    const auto board = quendel::render_scoreboard(full_state(GetParam().game_type, GetParam().score));
    const auto placed = layout_print_list(board.display, kDisplayFace);
    ASSERT_FALSE(placed.empty());
    for (const PlacedText& item : placed) {
        EXPECT_TRUE(kDisplayBox.contains(item.rect)) << item.text.toStdString() << " at " << item.rect.left() << ","
                                                      << item.rect.top() << " right " << item.rect.right();
    }
}

INSTANTIATE_TEST_SUITE_P(Games, ScoreboardFit,
                         ::testing::Values(FitCase{"CRICKET", 0}, FitCase{"CRICKET", 9999}, FitCase{"301", 301},
                                           FitCase{"501", 501}),
                         [](const auto& info) {
                             return std::string("game_") + info.param.game_type + "_score_" +
                                    std::to_string(info.param.score);
                         });

TEST(PrintLayout, CricketRowsKeepMarksLabelsAndScoresApart) {
    const auto board = quendel::render_scoreboard(full_state("CRICKET", 999));
    const auto placed = layout_print_list(board.display, kDisplayFace);
    // Items that share a line must not run into each other.
    for (size_t i = 1; i < placed.size(); ++i) {
        if (placed[i].rect.top() == placed[i - 1].rect.top()) {
            EXPECT_LE(placed[i - 1].rect.right(), placed[i].rect.left() + 1e-6) << placed[i].text.toStdString();
        }
    }
}

TEST(PrintLayout, StatusLinesFitTheirBoxes) {
    quendel::MatchState state = full_state("301", 301);
    state.round_no = 99;
    state.cur_team = 4;
    state.dart_no = 3;
    const auto board = quendel::render_scoreboard(state);
    const QFont status_face = ui_font(Face::TimesNewRoman, 13.5);
    const struct {
        const quendel::PrintList& list;
        int width_twips;
    } boxes[] = {{board.round_num, 1455}, {board.team_no, 1575}, {board.dart_num, 1575}};
    for (const auto& b : boxes) {
        const QRectF room(0, 0, twips_to_px(b.width_twips), twips_to_px(375));
        for (const PlacedText& item : layout_print_list(b.list, status_face)) {
            EXPECT_TRUE(room.contains(item.rect)) << item.text.toStdString();
        }
    }
}

TEST(PrintBoxWidget, PaintsWhatWasPrintedLast) {
    PrintBox box("display", kDisplayFace, Qt::white, nullptr);
    box.resize(225, 100);
    box.print({size(24), text("Team 1")});
    box.print({size(24), text("XXXX")});  // replaces, does not add
    ASSERT_EQ(box.placed().size(), 1u);
    const QImage image = box.grab().toImage();
    const QRect inked = box.placed()[0].rect.toAlignedRect();
    int dark = 0;
    for (int y = inked.top(); y <= inked.bottom(); ++y) {
        for (int x = inked.left(); x <= inked.right(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 20);
}

}  // namespace
