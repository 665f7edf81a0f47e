#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "log_model.h"
#include "stress_program.h"

class QLabel;

// A key and the name the action log gives it.
struct NamedKey {
    Qt::Key key;
    const char* name;
};

// A user who works both windows at random: each Act() picks, by weight, one of the actions
// the windows offer at that moment (a visible control, a held spin button) and does it
// through real input events. The same seed gives the same actions, so a failing run can be
// replayed. The results log the user builds is followed in a model.
class RandomUser {
  public:
    RandomUser(ProgramFixture& program, std::uint32_t seed);

    // Does one action; returns what was done, with its details.
    QString Act();
    // What the last action found wrong on its own (a dialog it answered, the clipboard), or
    // an empty text.
    const QString& Problem() const { return m_problem; }
    const LogModel& Log() const { return m_log; }
    // How often each action ran, by name.
    const std::map<std::string, int>& Counts() const { return m_counts; }
    static std::vector<std::string> ActionNames();

  private:
    // While a spin button is held the user does nothing but let Timer1 tick and release it.
    enum class Hand { Free, HoldingSpin };

    struct Action {
        const char* name;
        int weight;
        Hand hand;
        bool (RandomUser::*available)();
        void (RandomUser::*run)();
    };
    static const std::vector<Action>& Actions();

    // Availability.
    bool Always() { return true; }
    bool TicksLeft() { return m_ticksLeft > 0; }
    bool NoTicksLeft() { return m_ticksLeft == 0; }
    bool DetailsShown();
    bool ResultsShown();
    bool LogHasEntries();
    bool StatsEditorShown();
    bool GridEditable();
    bool SettingsShown();
    bool AboutShown();

    // Main window.
    void ClickSpinUp();
    void ClickSpinDown();
    void PressSpinUp();
    void PressSpinDown();
    void TickTimer();
    void ReleaseSpin();
    void TypeIntoCountBox();
    void PickShipByKeyboard();
    void PickShipFromOpenList();
    void PickShipThroughListSignal();
    void ChooseFromPopupMenu();
    void HoverMainWindowLabel();
    void DragWindowByMoveLabel();
    void MinimiseAndRestore();
    void TabThroughMainWindow();
    void ClickDetailsLabel();

    // Details window frame and results log.
    void PressSectionTab();
    void HoverSectionTab();
    void CloseDetailsWindow();
    void ClickResultsAdd();
    void ClickResultsDelete();
    void ClickResultsClear();
    void ClickResultsInsert();
    void ClickResultsInsertSpace();
    void ClickResultsCopy();
    void ClickResultsMoveDown();
    void ClickResultsMoveUp();
    void SelectLogRow();

    // Setup section.
    void ClickEdit();
    void TypeIntoGridCell();
    QString GridCellText(int column);
    void ClickCancelEdit();
    void ClickSaveEdits();
    void ClickRestore();
    void ClickSettings();
    void ClickAbout();
    void ChooseColourRole();
    void MoveColourBar();
    void ClickColourGrid();
    void ClickTipsTick();
    void TypeFleetSize();
    void PickDefaultShip();
    void ClickSaveSettings();
    void ClickCancelChanges();
    void ClickClassicSettings();
    void ClickCloseSettings();
    void ClickCloseAbout();

    const Action& ChooseAction();
    bool IsAvailable(const Action& action);
    void ClickSpin(const char* name, int sign);
    void PressSpin(const char* name, int sign);
    void ExpectCount(std::int64_t expected);
    void ClickButton(const char* name);
    void ClickResultsButton(const char* name);
    void ExpectSaveDialog();
    void KeyThroughList(QWidget* list);
    void ActivateMainWindow();
    void ActivateDetailsWindow();

    int Uniform(int low, int high);
    template <typename T, std::size_t N>
    const T& PickFrom(const std::array<T, N>& choices) {
        return choices[static_cast<std::size_t>(Uniform(0, static_cast<int>(N) - 1))];
    }
    bool Chance(int percent);
    QString RandomText(const char* alphabet, int maxLength);
    QPoint RandomPointIn(const QWidget* control);
    void Type(QWidget* target, const QString& text);
    void TypeOrPaste(QWidget* target, const QString& text);
    void Note(const QString& detail);
    void Expect(bool holds, const QString& problem);

    template <typename Control = QWidget>
    Control* Find(const char* name) {
        auto* control = m_program.Find<Control>(QLatin1String(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }

    ProgramFixture& m_program;
    std::mt19937 m_random;
    LogModel m_log;
    std::map<std::string, int> m_counts;
    QString m_details;
    QString m_problem;
    QLabel* m_heldSpin = nullptr;
    int m_heldTicks = 0;
    // +1 while spin-up is held, -1 while spin-down is.
    int m_heldSign = 1;
    int m_ticksLeft = 0;
    // What the count box must show while the spin button is held.
    std::int64_t m_heldCount = 0;
};
