#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>

#include "combat/wrap_math.h"
#include "data/int_text.h"
#include "held_spin.h"
#include "random_user.h"
#include "ui/common/qt_text.h"

// The user's actions on the main window.

namespace {

// Digits come most often, so counts stay numbers much of the time; the rest are what users
// get wrong: letters, signs, hexadecimal, commas, blanks and Latin-1 bytes.
const char* const kCountAlphabet =
    "01234567890123456789012345678901234567890123456789aZx$-, "
    "\xE9\xFF\xA0\xD7";

// Counts at the edges of the 64-bit range, where products and sums wrap.
constexpr std::array<const char*, 6> kExtremeCounts = {
    "9223372036854775807", "-9223372036854775808", "4611686018427387904",
    "$7FFFFFFFFFFFFFFF",   "0x8000000000000000",   "-1"};

// HelpBtn and ClipBtn are hidden, so no pointer reaches them.
constexpr std::array<const char*, 8> kHoverLabels = {"MinBtn",     "CloseBtn",    "MoveBtn",
                                                     "SpinUpBtn",  "SpinDownBtn", "DetailsBtn",
                                                     "AttListBtn", "DefListBtn"};

struct ShipSideNames {
    const char* name;
    const char* list;
    const char* arrow;
};

constexpr std::array<ShipSideNames, 2> kSides = {{
    {"AttShip", "AttShipList", "AttListBtn"},
    {"DefShip", "DefShipList", "DefListBtn"},
}};

QTimer* Timer1(TForm1& window) {
    return window.findChild<QTimer*>(QStringLiteral("Timer1"));
}

std::int64_t CountIn(const QLineEdit& box) {
    return ToInt64Or(ToBytes(box.text()), 0);
}

}  // namespace

void RandomUser::ClickSpinUp() {
    ClickSpin("SpinUpBtn", 1);
}

void RandomUser::ClickSpinDown() {
    ClickSpin("SpinDownBtn", -1);
}

// A press and a release within one tick: the count moves by exactly one.
void RandomUser::ClickSpin(const char* name, int sign) {
    ActivateMainWindow();
    QLabel* button = m_program.Controls().Label(name);
    const std::int64_t expected =
        wrap::Add<std::int64_t>(CountIn(*m_program.Controls().AttShips()), sign);
    QTest::mouseClick(button, Qt::LeftButton, {}, RandomPointIn(button));
    ExpectCount(expected);
    Expect(!Timer1(m_program.MainWindow())->isActive(),
           QStringLiteral("Timer1 runs after a click"));
}

void RandomUser::PressSpinUp() {
    PressSpin("SpinUpBtn", 1);
}

void RandomUser::PressSpinDown() {
    PressSpin("SpinDownBtn", -1);
}

// Mostly short holds; now and then one long enough to reach the steps of 10000.
void RandomUser::PressSpin(const char* name, int sign) {
    ActivateMainWindow();
    m_heldSpin = m_program.Controls().Label(name);
    m_heldTicks = 0;
    m_heldSign = sign;
    m_ticksLeft = Chance(10) ? Uniform(100, 200) : Uniform(0, 30);
    m_heldCount = wrap::Add<std::int64_t>(CountIn(*m_program.Controls().AttShips()), sign);
    QTest::mousePress(m_heldSpin, Qt::LeftButton, {}, RandomPointIn(m_heldSpin));
    Note(QStringLiteral("held for %1 ticks").arg(m_ticksLeft));
    ExpectCount(m_heldCount);
    Expect(Timer1(m_program.MainWindow())->isActive(),
           QStringLiteral("Timer1 is off while a spin button is held"));
}

// A few ticks in a row, as they come while nothing else happens.
void RandomUser::TickTimer() {
    const int firstTick = m_heldTicks + 1;
    for (int i = std::min(Uniform(1, 10), m_ticksLeft); i > 0; --i) {
        --m_ticksLeft;
        ++m_heldTicks;
        m_heldCount = wrap::Add<std::int64_t>(m_heldCount, m_heldSign * HeldSpinStep(m_heldTicks));
        m_program.MainWindow().Timer1Timer();
        ExpectCount(m_heldCount);
    }
    Note(QStringLiteral("ticks %1 to %2").arg(firstTick).arg(m_heldTicks));
}

// The button keeps the mouse, so the release ends the run wherever the pointer is.
void RandomUser::ReleaseSpin() {
    const QPoint at = Chance(50) ? RandomPointIn(m_heldSpin) : QPoint(-20, 40);
    QTest::mouseRelease(m_heldSpin, Qt::LeftButton, {}, at);
    m_heldSpin = nullptr;
    Expect(!Timer1(m_program.MainWindow())->isActive(),
           QStringLiteral("Timer1 runs after the release"));
}

void RandomUser::ExpectCount(std::int64_t expected) {
    const QString shown = m_program.Controls().AttShips()->text();
    Expect(shown == QString::number(expected),
           QStringLiteral("the count box shows %1, %2 expected").arg(Quoted(shown)).arg(expected));
}

void RandomUser::TypeIntoCountBox() {
    ActivateMainWindow();
    QLineEdit* box = m_program.Controls().AttShips();
    QTest::mouseClick(box, Qt::LeftButton, {}, RandomPointIn(box));
    if (Chance(60)) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    }
    for (int i = Uniform(0, 2); i > 0; --i) {
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    const QString text =
        Chance(5) ? QLatin1String(PickFrom(kExtremeCounts)) : RandomText(kCountAlphabet, 6);
    TypeOrPaste(box, text);
    Note(QStringLiteral("giving ") + Quoted(box->text()));
}

void RandomUser::PickShipByKeyboard() {
    ActivateMainWindow();
    const ShipSideNames& side = PickFrom(kSides);
    QLabel* name = m_program.Controls().Label(side.name);
    QTest::mouseClick(name, Qt::LeftButton, {}, RandomPointIn(name));
    Note(QLatin1String(side.list));
    KeyThroughList(m_program.Controls().List(side.list));
}

void RandomUser::PickShipFromOpenList() {
    ActivateMainWindow();
    const ShipSideNames& side = PickFrom(kSides);
    QLabel* arrow = m_program.Controls().Label(side.arrow);
    QAbstractItemView* view = m_program.Controls().List(side.list)->view();
    QTest::mouseClick(arrow, Qt::LeftButton, {}, RandomPointIn(arrow));
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        Expect(false, QStringLiteral("%1 did not open").arg(QLatin1String(side.list)));
        return;
    }
    if (Chance(25)) {
        QTest::keyClick(view, Qt::Key_Escape);
        Note(QStringLiteral("closed with Escape"));
    } else {
        const int moves = Uniform(0, 15);
        const Qt::Key key = Chance(50) ? Qt::Key_Down : Qt::Key_Up;
        for (int i = 0; i < moves; ++i) {
            QTest::keyClick(view, key);
        }
        QTest::keyClick(view, Qt::Key_Return);
        Note(QStringLiteral("%1 x%2, Return").arg(key == Qt::Key_Down ? "Down" : "Up").arg(moves));
    }
    Expect(QTest::qWaitFor([view] { return !view->isVisible(); }),
           QStringLiteral("%1 stayed open").arg(QLatin1String(side.list)));
}

void RandomUser::PickShipThroughListSignal() {
    ActivateMainWindow();
    const ShipSideNames& side = PickFrom(kSides);
    QComboBox* list = m_program.Controls().List(side.list);
    const int row = Uniform(0, kShipCount - 1);
    list->setCurrentIndex(row);
    emit list->activated(row);
    Note(QStringLiteral("%1 row %2").arg(QLatin1String(side.list)).arg(row));
}

// A right click anywhere on the window; on a label it is a press of that label first.
void RandomUser::ChooseFromPopupMenu() {
    ActivateMainWindow();
    TForm1& window = m_program.MainWindow();
    const QPoint at = RandomPointIn(&window);
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("PopupMain"));
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); })) {
        Expect(false, QStringLiteral("PopupMain did not open"));
        return;
    }
    const int choice = Uniform(0, 3);
    if (choice == 3) {
        QTest::keyClick(menu, Qt::Key_Escape);
        Note(QStringLiteral("dismissed"));
        Expect(QTest::qWaitFor([menu] { return !menu->isVisible(); }),
               QStringLiteral("PopupMain stayed open"));
        return;
    }
    QAction* item = menu->actions().at(choice);
    const QString caption = item->text();
    const int attacker = m_program.Controls().List("AttShipList")->currentIndex();
    const int defender = m_program.Controls().List("DefShipList")->currentIndex();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    Note(Quoted(caption));
    Expect(QTest::qWaitFor([menu] { return !menu->isVisible(); }),
           QStringLiteral("PopupMain stayed open"));
    switch (choice) {
        case 0:
            Expect(QGuiApplication::clipboard()->text() ==
                       ToQString(m_program.State().Combat.ResultLine),
                   QStringLiteral("Copy Result did not copy the result line"));
            break;
        case 1:
            Expect(m_program.Controls().List("AttShipList")->currentIndex() == defender &&
                       m_program.Controls().List("DefShipList")->currentIndex() == attacker,
                   QStringLiteral("Switch Att/Def did not exchange the ships"));
            break;
        default:
            Expect(item->text() != caption, QStringLiteral("the hint switch kept its caption"));
            break;
    }
}

void RandomUser::HoverMainWindowLabel() {
    ActivateMainWindow();
    const char* name = PickFrom(kHoverLabels);
    QLabel* label = m_program.Controls().Label(name);
    MovePointerOnto(label);
    MovePointerOff(label);
    Note(QLatin1String(name));
    Expect(label->palette().color(QPalette::WindowText) ==
               ToQColor(m_program.State().Settings.Display.MainText),
           QStringLiteral("%1 is not in the text colour after the pointer left").arg(name));
}

void RandomUser::DragWindowByMoveLabel() {
    ActivateMainWindow();
    QLabel* label = m_program.Controls().Label("MoveBtn");
    const QPoint grab = RandomPointIn(label);
    const QPoint drop = grab + QPoint(Uniform(-10, 10), Uniform(-10, 10));
    QTest::mousePress(label, Qt::LeftButton, {}, grab);
    QTest::mouseMove(label, drop);
    QTest::mouseRelease(label, Qt::LeftButton, {}, drop);
}

// The user brings the program back from the task bar.
void RandomUser::MinimiseAndRestore() {
    ActivateMainWindow();
    TForm1& window = m_program.MainWindow();
    TDetailsForm& details = m_program.DetailsWindow();
    const bool detailsShown = details.isVisible();
    QTest::mouseClick(m_program.Controls().Label("MinBtn"), Qt::LeftButton);
    Expect(QTest::qWaitFor([&window] { return window.isMinimized(); }),
           QStringLiteral("the main window was not minimised"));
    window.showNormal();
    Expect(QTest::qWaitFor([&window] { return !window.isMinimized(); }),
           QStringLiteral("the main window stayed minimised"));
    Expect(!detailsShown || QTest::qWaitFor([&details] { return !details.isMinimized(); }),
           QStringLiteral("the Details window stayed minimised"));
    ActivateMainWindow();
}

void RandomUser::TabThroughMainWindow() {
    ActivateMainWindow();
    TForm1& window = m_program.MainWindow();
    QWidget* focus = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QTest::keyClick(focus, Qt::Key_Tab);
    Note(window.focusWidget() != nullptr ? window.focusWidget()->objectName() : QString());
}

void RandomUser::ClickDetailsLabel() {
    ActivateMainWindow();
    QTest::mouseClick(m_program.Controls().Label("DetailsBtn"), Qt::LeftButton);
    Expect(QTest::qWaitForWindowActive(&m_program.DetailsWindow()),
           QStringLiteral("the Details window did not become active"));
}
