#pragma once

#include <memory>
#include <string>

#include "core/program_state.h"

class TDetailsForm;
class TForm1;

// Start-up's side of the core before any window exists: the questions about a missing or
// damaged ShipStats.txt, centred on the screen.
class StartupMessages : public Frontend {
  public:
    bool ConfirmOkAbort(const std::string& message) override;
};

// The running program: the one ProgramState and the two windows, set up in start-up order.
// The display settings start at their built-in values with the state itself; then the
// combat core starts on the built-in table with its guard set, ShipStats.txt is loaded
// (asking what to do when it is missing or damaged) before any window exists, and the
// main window is built. The Details window is built once the main window has been painted,
// or when it is first needed. main and the widget tests start the program through this
// class alike.
class Program {
  public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window, which makes the first calculation. When the user chose Abort
    // during start-up, no window shows and the event loop ends as soon as it runs.
    void Start();
    // Start, then the event loop until the program ends; returns its exit code.
    int Run();

    ProgramState& State() { return m_state; }
    TForm1& MainWindow() { return *m_mainWindow; }
    // Built on first use.
    TDetailsForm& DetailsWindow();

  private:
    ProgramState m_state;
    StartupMessages m_startupMessages;
    std::unique_ptr<TForm1> m_mainWindow;
    std::unique_ptr<TDetailsForm> m_detailsWindow;
};
