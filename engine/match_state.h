#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quendel {

inline constexpr int kTeamSlots = 4;
// Cricket plays 15 to 20 and the bull; the bull is kept under 14, a number Cricket never uses.
inline constexpr int kBullTarget = 14;
inline constexpr int kLastTarget = 20;
inline constexpr int16_t kClosedMarks = 3;

inline const std::string kCricket = "CRICKET";
inline const std::string k301 = "301";
inline const std::string k501 = "501";

inline constexpr int kTargetCount = kLastTarget - kBullTarget + 1;

// A value per team (1..4) and Cricket target (14..20), read and written as table[team][target]
// with the numbers players use. Both indexes must be in range; the rules check before they index.
template <typename T>
class TeamTargetTable {
public:
    template <typename Cell>
    class Row {
    public:
        explicit Row(Cell* cells) : cells_(cells) {}
        Cell& operator[](int target) const { return cells_[target - kBullTarget]; }

    private:
        Cell* cells_;
    };

    Row<T> operator[](int team) { return Row<T>(cells_[team - 1].data()); }
    Row<const T> operator[](int team) const { return Row<const T>(cells_[team - 1].data()); }

    bool operator==(const TeamTargetTable&) const = default;

private:
    std::array<std::array<T, kTargetCount>, kTeamSlots> cells_{};
};

// Everything about the game in progress. It is a plain value: a new game overwrites it,
// and undo keeps copies of it.
struct MatchState {
    int16_t game_done = 0;
    std::string team1_name;
    std::string team2_name;
    std::string team3_name;
    std::string team4_name;
    std::string game_type;
    TeamTargetTable<std::string> mark_sym{};
    TeamTargetTable<int16_t> marks{};
    std::array<int16_t, kTeamSlots + 1> score{};  // [team 1..4]
    int16_t game_on = 0;
    int16_t round_no = 0;
    int16_t team_count = 0;
    int16_t cur_team = 0;
    int16_t hit_num = 0;
    int16_t hit_mult = 0;
    int16_t high_score = 0;
    int16_t dart_no = 0;
    int16_t turn_start_score = 0;

    bool operator==(const MatchState&) const = default;

    const std::string& team_name(int team) const;
};

inline bool is_team_slot(int team) { return team >= 1 && team <= kTeamSlots; }
inline bool is_cricket_target(int number) { return number >= kBullTarget && number <= kLastTarget; }
inline bool is_countdown_game(const std::string& game_type) { return game_type == k301 || game_type == k501; }

}  // namespace quendel
