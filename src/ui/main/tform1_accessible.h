#pragma once

#include "ui/common/accessibility.h"

// What a screen reader says for each control of the main window, in the order of the
// geometry table in tform1_layout.h. The static texts that show a result read their
// current text after the name.
namespace tform1_accessible {

inline constexpr AccessibleText Texts[] = {
    {"DetailsBtn", "Details", "Shows the Details window, which explains the result step by step"},
    {"HelpBtn", "Hints", "Turns the hints of the main window on or off"},
    {"ClipBtn", "Copy result", "Copies the result line to the clipboard"},
    {"MoveBtn", "Move window", "Drag it to move the window"},
    {"MinBtn", "Minimise", "Minimises both windows"},
    {"CloseBtn", "Close", "Ends the program"},
    {"AttShips", "Ships attacking",
     "The number of attacking ships; every change recalculates the result"},
    {"TargetText", "Target", "Target Type, as the result line gives it"},
    {"SpinUpBtn", "Spin up", "Adds one attacking ship; held down, it adds faster and faster"},
    {"SpinDownBtn", "Spin down",
     "Takes away one attacking ship; held down, it takes away faster and faster"},
    {"AttShipList", "Attacking ship type",
     "Chooses the attacking ship type; the arrow keys step through the types"},
    {"AttShip", "Attacking ship name",
     "The attacking ship type; click it to choose another with the arrow keys"},
    {"AttListBtn", "Attacker ship list", "Opens the list of attacking ship types"},
    {"CombatText", "Outcome", "What the attackers do to the defenders in one tick"},
    {"Efficiency", "Resource efficiency", "Resource Efficiency Kill Rate, in percent"},
    {"DefShips", "Ships killed or held", "Defending ships killed, held or captured in one tick"},
    {"TargetDisplay", "Target type", "Target Type, T1, T2, or T3"},
    {"ListBtnOverlay", "Open list arrow", "Marks the arrow of the ship list that is open"},
    {"DefShipList", "Defending ship type",
     "Chooses the defending ship type; the arrow keys step through the types"},
    {"DefShip", "Defending ship name",
     "The defending ship type; click it to choose another with the arrow keys"},
    {"DefListBtn", "Defender ship list", "Opens the list of defending ship types"},
    {"ClassText", "Ship classes", "Ship Class, Attacker v Defender"},
    {"InitText", "Initiatives", "Initiative, Attacker v Defender"},
};

}  // namespace tform1_accessible
