#pragma once

#include <optional>
#include <string>

#include "core/program_state.h"

// Answers every start-up question with OK and counts them; the save dialog gives saveFile.
class CountingUi : public Frontend {
  public:
    int questions = 0;
    std::optional<std::string> saveFile;

    bool ConfirmOkAbort(const std::string&) override {
        ++questions;
        return true;
    }
    std::optional<std::string> ChooseSaveFile(const std::string&) override { return saveFile; }
};
