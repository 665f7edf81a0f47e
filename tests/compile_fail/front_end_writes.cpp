// A front end's slips against the engine's state, one per SLIP; each must fail to compile.
// SLIP 0 only reads, and must compile: it proves the others fail for their slip alone.
#include <utility>

#include "core/engine.h"

void FrontEndSlip(Engine& engine, MainInputs& typed) {
    const ProgramState& state = engine.State();
#if SLIP == 0
    typed.AttShipsText = state.Inputs.AttShipsText + CurrentResultLine(state);
    engine.SetCountText(typed.AttShipsText);
#elif SLIP == 1
    state.Inputs.AttShipsText = "1";  // an assignment to a field
#elif SLIP == 2
    state.Stats.FileMemo.Replace(4, "x");  // a changing member call
#elif SLIP == 3
    std::swap(state.Inputs, typed);  // a swap
#elif SLIP == 4
    auto& fields = state.StoredStats[0].fields;  // a reference with another name
    fields[1].append("x");
#elif SLIP == 5
    ClearLog(engine.State());  // a core operation on the view
#elif SLIP == 6
    ProgramState& writable = engine.State();  // the view bound as writable
    writable.Log.Selected = 0;
#endif
}
