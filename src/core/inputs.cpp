#include "core/inputs.h"

#include <utility>

#include "combat/wrap_math.h"
#include "core/calculation.h"
#include "data/int_text.h"

void SelectAttacker(ProgramState& state, int row) {
    state.Inputs.AttShipListIndex = row;
    ApplyAttackerSelection(state);
    CalculateCombat(state);
}

void SelectDefender(ProgramState& state, int row) {
    state.Inputs.DefShipListIndex = row;
    ApplyDefenderSelection(state);
    CalculateCombat(state);
}

void SetCountText(ProgramState& state, std::string countText) {
    state.Inputs.AttShipsText = std::move(countText);
    CalculateCombat(state);
}

void SetInputs(ProgramState& state, int attackerRow, int defenderRow, std::string countText) {
    state.Inputs = {attackerRow, defenderRow, std::move(countText)};
    ApplyAttackerSelection(state);
    ApplyDefenderSelection(state);
    CalculateCombat(state);
}

void SwapShips(ProgramState& state) {
    const MainInputs& inputs = state.Inputs;
    SetInputs(state, inputs.DefShipListIndex, inputs.AttShipListIndex, inputs.AttShipsText);
}

std::string SteppedCountText(std::string_view countText, std::int64_t amount) {
    return std::to_string(wrap::Add(ToInt64Or(countText, 0), amount));
}

void StepCount(ProgramState& state, std::int64_t amount) {
    SetCountText(state, SteppedCountText(state.Inputs.AttShipsText, amount));
}

std::string CountNotice(std::string_view countText) {
    switch (countText.empty() ? IntTextKind::Number : Int64TextKind(countText)) {
        case IntTextKind::Number:
            return {};
        case IntTextKind::TooLarge:
        case IntTextKind::TooSmall:
            return "Beyond the 64-bit range: counts as 0 ships";
        case IntTextKind::NotANumber:
            break;
    }
    return "Not a whole number: counts as 0 ships";
}

int SelectedAttacker(const ProgramState& state) {
    return state.Inputs.AttShipListIndex;
}

int SelectedDefender(const ProgramState& state) {
    return state.Inputs.DefShipListIndex;
}

const std::string& CountText(const ProgramState& state) {
    return state.Inputs.AttShipsText;
}
