#include "match_state.h"

namespace quendel {

const std::string& MatchState::team_name(int team) const {
    switch (team) {
        case 1: return team1_name;
        case 2: return team2_name;
        case 3: return team3_name;
        default: return team4_name;
    }
}

}  // namespace quendel
