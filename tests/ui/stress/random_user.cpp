#include "random_user.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTest>

#include "ui/common/qt_text.h"

namespace {

const char* const kGarbageAlphabet =
    "@#%&*~ "
    "\xE9\xFF";

constexpr std::array<NamedKey, 4> kListKeys = {{
    {Qt::Key_Down, "Down"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_PageDown, "PageDown"},
    {Qt::Key_PageUp, "PageUp"},
}};

}  // namespace

RandomUser::RandomUser(ProgramFixture& program, std::uint32_t seed)
    : m_program(program), m_random(seed) {}

const std::vector<RandomUser::Action>& RandomUser::Actions() {
    using U = RandomUser;
    constexpr Hand kFree = Hand::Free;
    constexpr Hand kHolding = Hand::HoldingSpin;
    static const std::vector<Action> actions = {
        {"click spin up", 5, kFree, &U::Always, &U::ClickSpinUp},
        {"click spin down", 4, kFree, &U::Always, &U::ClickSpinDown},
        {"press spin up", 2, kFree, &U::Always, &U::PressSpinUp},
        {"press spin down", 1, kFree, &U::Always, &U::PressSpinDown},
        {"timer ticks", 1, kHolding, &U::TicksLeft, &U::TickTimer},
        {"release spin", 1, kHolding, &U::NoTicksLeft, &U::ReleaseSpin},
        {"type into count box", 8, kFree, &U::Always, &U::TypeIntoCountBox},
        {"pick ship by keyboard", 6, kFree, &U::Always, &U::PickShipByKeyboard},
        {"pick ship from open list", 3, kFree, &U::Always, &U::PickShipFromOpenList},
        {"pick ship through list signal", 3, kFree, &U::Always, &U::PickShipThroughListSignal},
        {"choose from popup menu", 1, kFree, &U::Always, &U::ChooseFromPopupMenu},
        {"hover main window label", 2, kFree, &U::Always, &U::HoverMainWindowLabel},
        {"drag window by Move", 1, kFree, &U::Always, &U::DragWindowByMoveLabel},
        {"minimise and restore", 1, kFree, &U::Always, &U::MinimiseAndRestore},
        {"tab through main window", 1, kFree, &U::Always, &U::TabThroughMainWindow},
        {"click Details", 3, kFree, &U::Always, &U::ClickDetailsLabel},

        {"press section tab", 6, kFree, &U::DetailsShown, &U::PressSectionTab},
        {"hover section tab", 1, kFree, &U::DetailsShown, &U::HoverSectionTab},
        {"close Details window", 1, kFree, &U::DetailsShown, &U::CloseDetailsWindow},
        {"results Add", 8, kFree, &U::ResultsShown, &U::ClickResultsAdd},
        {"results Delete", 4, kFree, &U::ResultsShown, &U::ClickResultsDelete},
        {"results Clear", 2, kFree, &U::ResultsShown, &U::ClickResultsClear},
        {"results Insert", 4, kFree, &U::ResultsShown, &U::ClickResultsInsert},
        {"results Insert Space", 4, kFree, &U::ResultsShown, &U::ClickResultsInsertSpace},
        {"results Copy", 2, kFree, &U::ResultsShown, &U::ClickResultsCopy},
        {"results Move Down", 4, kFree, &U::ResultsShown, &U::ClickResultsMoveDown},
        {"results Move Up", 4, kFree, &U::ResultsShown, &U::ClickResultsMoveUp},
        {"select log row", 8, kFree, &U::LogHasEntries, &U::SelectLogRow},

        {"Edit", 8, kFree, &U::StatsEditorShown, &U::ClickEdit},
        {"type into grid cell", 24, kFree, &U::GridEditable, &U::TypeIntoGridCell},
        {"Cancel edit", 4, kFree, &U::StatsEditorShown, &U::ClickCancelEdit},
        {"Save edits", 4, kFree, &U::StatsEditorShown, &U::ClickSaveEdits},
        {"Restore", 4, kFree, &U::StatsEditorShown, &U::ClickRestore},
        {"open Settings", 4, kFree, &U::StatsEditorShown, &U::ClickSettings},
        {"open About", 2, kFree, &U::StatsEditorShown, &U::ClickAbout},
        {"choose colour role", 8, kFree, &U::SettingsShown, &U::ChooseColourRole},
        {"move colour bar", 12, kFree, &U::SettingsShown, &U::MoveColourBar},
        {"click colour grid", 6, kFree, &U::SettingsShown, &U::ClickColourGrid},
        {"click tips tick", 4, kFree, &U::SettingsShown, &U::ClickTipsTick},
        {"type fleet size", 6, kFree, &U::SettingsShown, &U::TypeFleetSize},
        {"pick default ship", 4, kFree, &U::SettingsShown, &U::PickDefaultShip},
        {"Save these Settings", 4, kFree, &U::SettingsShown, &U::ClickSaveSettings},
        {"Cancel Changes", 4, kFree, &U::SettingsShown, &U::ClickCancelChanges},
        {"Load Clasic Settings", 4, kFree, &U::SettingsShown, &U::ClickClassicSettings},
        {"Close Settings", 4, kFree, &U::SettingsShown, &U::ClickCloseSettings},
        {"close About", 4, kFree, &U::AboutShown, &U::ClickCloseAbout},
    };
    return actions;
}

std::vector<std::string> RandomUser::ActionNames() {
    std::vector<std::string> names;
    for (const Action& action : Actions()) {
        names.emplace_back(action.name);
    }
    return names;
}

QString RandomUser::Act() {
    m_problem.clear();
    m_details.clear();
    const Action& action = ChooseAction();
    ++m_counts[action.name];
    (this->*action.run)();
    // Between two inputs of a user the event loop runs; while a spin button is held it would
    // also tick Timer1 on its own, which the ticks of the hold stand for.
    if (m_heldSpin == nullptr) {
        QCoreApplication::processEvents();
    }
    const QString name = QString::fromLatin1(action.name);
    return m_details.isEmpty() ? name : name + QStringLiteral(": ") + m_details;
}

const RandomUser::Action& RandomUser::ChooseAction() {
    int total = 0;
    for (const Action& action : Actions()) {
        total += IsAvailable(action) ? action.weight : 0;
    }
    int pick = Uniform(0, total - 1);
    for (const Action& action : Actions()) {
        if (!IsAvailable(action)) {
            continue;
        }
        if (pick < action.weight) {
            return action;
        }
        pick -= action.weight;
    }
    qFatal("no action available");
}

bool RandomUser::IsAvailable(const Action& action) {
    const Hand hand = m_heldSpin != nullptr ? Hand::HoldingSpin : Hand::Free;
    return action.hand == hand && (this->*action.available)();
}

bool RandomUser::DetailsShown() {
    const TDetailsForm& details = m_program.DetailsWindow();
    return details.isVisible() && !details.isMinimized();
}

bool RandomUser::ResultsShown() {
    return DetailsShown() && Find("ResultsPanel")->isVisible();
}

bool RandomUser::LogHasEntries() {
    return ResultsShown() && Find<QListWidget>("ResultsMemo")->count() > 0;
}

bool RandomUser::StatsEditorShown() {
    return DetailsShown() && Find("StatsControlPanel")->isVisible();
}

bool RandomUser::GridEditable() {
    const QWidget* grid = Find("StatsGrid");
    return DetailsShown() && grid->isVisible() && grid->isEnabled();
}

bool RandomUser::SettingsShown() {
    return DetailsShown() && Find("SettingsPanel")->isVisible();
}

bool RandomUser::AboutShown() {
    return DetailsShown() && Find("AboutPanel")->isVisible();
}

// Arrow keys step through the ships; typed text picks the first ship it starts, or none.
void RandomUser::KeyThroughList(QWidget* list) {
    for (int i = Uniform(1, 3); i > 0; --i) {
        if (Chance(70)) {
            const NamedKey& key = PickFrom(kListKeys);
            QTest::keyClick(list, key.key);
            Note(QLatin1String(key.name));
            continue;
        }
        const auto row = static_cast<std::size_t>(Uniform(0, kShipCount - 1));
        QString text =
            Chance(70)
                ? ToQString(m_program.State().StoredStats[row][Col::ShipName]).left(Uniform(1, 5))
                : RandomText(kGarbageAlphabet, 3);
        if (Chance(50)) {
            text = text.toLower();
        }
        Type(list, text);
        Note(Quoted(text));
    }
}

// A button of the Details window; a disabled one takes the click and does nothing.
void RandomUser::ClickButton(const char* name) {
    ActivateDetailsWindow();
    QWidget* button = Find(name);
    Note(QLatin1String(name) + (button->isEnabled() ? "" : " (disabled)"));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Working in a window makes it the active one, as a click into it would.
void RandomUser::ActivateMainWindow() {
    TForm1& window = m_program.MainWindow();
    if (!window.isActiveWindow()) {
        window.activateWindow();
        Expect(QTest::qWaitForWindowActive(&window),
               QStringLiteral("the main window did not become active"));
    }
}

void RandomUser::ActivateDetailsWindow() {
    TDetailsForm& window = m_program.DetailsWindow();
    if (!window.isActiveWindow()) {
        window.activateWindow();
        Expect(QTest::qWaitForWindowActive(&window),
               QStringLiteral("the Details window did not become active"));
    }
}

int RandomUser::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

bool RandomUser::Chance(int percent) {
    return Uniform(0, 99) < percent;
}

QString RandomUser::RandomText(const char* alphabet, int maxLength) {
    const QString letters = QString::fromLatin1(alphabet);
    QString text;
    for (int i = Uniform(0, maxLength); i > 0; --i) {
        text += letters.at(Uniform(0, static_cast<int>(letters.size()) - 1));
    }
    return text;
}

QPoint RandomUser::RandomPointIn(const QWidget* control) {
    return {Uniform(0, control->width() - 1), Uniform(0, control->height() - 1)};
}

// keyClicks knows only ASCII keys; Latin-1 characters come as keys of their own code.
void RandomUser::Type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(c.unicode()), QString(c),
                                Qt::NoModifier);
        }
    }
}

// Now and then the user pastes what was copied last instead: a result line, or the whole
// results log with its line breaks.
void RandomUser::TypeOrPaste(QWidget* target, const QString& text) {
    if (Chance(10)) {
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        Note(QStringLiteral("pasted ") + Quoted(QGuiApplication::clipboard()->text().left(30)));
        return;
    }
    Type(target, text);
    Note(QStringLiteral("typed ") + Quoted(text));
}

void RandomUser::Note(const QString& detail) {
    if (!m_details.isEmpty()) {
        m_details += QStringLiteral(", ");
    }
    m_details += detail;
}

void RandomUser::Expect(bool holds, const QString& problem) {
    if (!holds && m_problem.isEmpty()) {
        m_problem = problem;
    }
}
