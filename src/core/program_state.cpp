#include "core/program_state.h"

Frontend& UiOf(ProgramState& state) {
    static Frontend silent;
    return state.Ui != nullptr ? *state.Ui : silent;
}

void AttachFrontend(ProgramState& state, Frontend& frontend) {
    state.Ui = &frontend;
}

void DetachFrontend(ProgramState& state, const Frontend& frontend) {
    if (state.Ui == &frontend) {
        state.Ui = nullptr;
    }
}

void SetDecimalSeparator(ProgramState& state, char separator) {
    state.DecimalSeparator = separator;
}
