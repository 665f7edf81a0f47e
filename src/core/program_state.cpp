#include "core/program_state.h"

Frontend& UiOf(ProgramState& state) {
    static Frontend silent;
    return state.Ui != nullptr ? *state.Ui : silent;
}
