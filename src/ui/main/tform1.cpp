#include "ui/main/tform1.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>

#include "core/readouts.h"
#include "ui/common/app_title.h"
#include "ui/common/colors.h"
#include "ui/common/fonts.h"
#include "ui/common/frame_line.h"
#include "ui/common/key_table.h"
#include "ui/common/qt_text.h"
#include "ui/main/tform1_accessible.h"
#include "ui/main/tform1_layout.h"

namespace layout = tform1_layout;

namespace {

constexpr int kTimer1Interval = 50;
// Longer than the gap between two keys of a typed number, shorter than a wait for an answer.
constexpr int kResultPauseMs = 500;

struct Placement {
    QWidget* control;
    const char* name;
    QRect place;
};

void BringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

TForm1::TForm1(Engine& engine, QWidget* parent) : QWidget(parent), m_engine(engine) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(layout::ClientSize);
    setFont(ArialFont(layout::WindowFontSize, true));
    setAutoFillBackground(true);
    PlaceControls();
    SetUpControls();
    StackControls();
    setTabOrder(m_attShips, m_defShipList);
    setTabOrder(m_defShipList, m_attShipList);
    ConnectHandlers();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm1::NoteFocusWindow);
    // Placed before its first show: a window that moves itself while it is being shown can
    // leave Qt's platform window at (0, 0) under a reparenting window manager, and the
    // drop-down lists, placed from it, open in the screen's corner.
    CentreOnScreen();
    FormCreate();
}

void TForm1::SetDetailsWindowSource(std::function<QWidget&()> source) {
    m_detailsSource = std::move(source);
}

void TForm1::SetDetailsWindow(QWidget* details) {
    m_details = details;
    m_details->installEventFilter(this);
}

void TForm1::PreviewColor(ColorRole role) {
    switch (role) {
        case ColorRole::MainBackground:
            ApplyBackgroundColor();
            break;
        case ColorRole::MainBorder:
            update();
            break;
        case ColorRole::MainText:
            ApplyTextColor();
            m_attSide->PreviewTextColor();
            m_defSide->PreviewTextColor();
            break;
        case ColorRole::MainHighlight:
            m_attSide->PreviewHighlightColor();
            m_defSide->PreviewHighlightColor();
            break;
        case ColorRole::DetailsBackground:
        case ColorRole::DetailsText:
        case ColorRole::DetailsHighlight:
            break;
    }
}

void TForm1::ShowAndActivate() {
    BringToFront(this);
}

void TForm1::Timer1Timer() {
    const std::int32_t step = m_spin.Tick();
    if (step != SpinRepeat::kPause) {
        AddToCount(step);
    }
}

// Coming back from another application is no activation of the program's own: only the
// first one and a return from another window of the program apply the settings again.
bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_activateOnReturn) {
        m_activateOnReturn = false;
        FormActivate();
    }
    return QWidget::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_attShips && IsUnboundCommandKey(*event)) {
        return true;
    }
    if (watched == m_details && event->type() == QEvent::WindowStateChange) {
        RestoreTogether(*m_details, *this);
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        FormShow();
    }
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_details != nullptr) {
        RestoreTogether(*this, *m_details);
    }
}

// Both windows went to the task bar together; restoring either brings the other back.
void TForm1::RestoreTogether(QWidget& restored, QWidget& other) {
    if (m_minimisedTogether && !restored.isMinimized()) {
        m_minimisedTogether = false;
        other.setWindowState(other.windowState() & ~Qt::WindowMinimized);
    }
}

// Windows of the program other than the calculator itself and its popups.
void TForm1::NoteFocusWindow(QWindow* focus) {
    if (focus != nullptr && focus != windowHandle() && focus->type() != Qt::Popup) {
        m_activateOnReturn = true;
    }
}

// Closing the main window by the window manager ends the program, as the close label does;
// otherwise the Details window could stay open without a way back.
void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QCoreApplication::exit(0);
}

// The two frame lines lie on the window's surface; the Menu strip is see-through and cuts
// off the lower edge of its own frame.
void TForm1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor border = ToQColor(Display().MainBorder);
    FillFrameLine(painter, layout::AppBorder, border);
    painter.setClipRect(m_menu->geometry());
    FillFrameLine(painter, layout::MenuBorder.translated(m_menu->pos()), border);
    if (!m_firstPaintDone) {
        m_firstPaintDone = true;
        emit firstPainted();
    }
}

// The menu opens on the right button's press and takes the mouse, so the release that
// would end a spin or a drag never comes.
void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    SpinBtnMouseUp();
    MoveBtnMouseUp();
    m_popupMain->popup(event->globalPos());
}

void TForm1::PlaceControls() {
    const Placement placements[] = {
        {m_menu, "Menu", layout::Menu},
        {m_detailsBtn, "DetailsBtn", layout::DetailsBtn},
        {m_helpBtn, "HelpBtn", layout::HelpBtn},
        {m_clipBtn, "ClipBtn", layout::ClipBtn},
        {m_moveBtn, "MoveBtn", layout::MoveBtn},
        {m_minBtn, "MinBtn", layout::MinBtn},
        {m_closeBtn, "CloseBtn", layout::CloseBtn},
        {m_attShips, "AttShips", layout::AttShips},
        {m_targetText, "TargetText", layout::TargetText},
        {m_spinUpBtn, "SpinUpBtn", layout::SpinUpBtn},
        {m_spinDownBtn, "SpinDownBtn", layout::SpinDownBtn},
        {m_attShipList, "AttShipList", layout::AttShipList},
        {m_attShip, "AttShip", layout::AttShip},
        {m_attListBtn, "AttListBtn", layout::AttListBtn},
        {m_combatText, "CombatText", layout::CombatText},
        {m_efficiency, "Efficiency", layout::Efficiency},
        {m_defShips, "DefShips", layout::DefShips},
        {m_targetDisplay, "TargetDisplay", layout::TargetDisplay},
        {m_listBtnOverlay, "ListBtnOverlay", layout::ListBtnOverlay},
        {m_defShipList, "DefShipList", layout::DefShipList},
        {m_defShip, "DefShip", layout::DefShip},
        {m_defListBtn, "DefListBtn", layout::DefListBtn},
        {m_classText, "ClassText", layout::ClassText},
        {m_initText, "InitText", layout::InitText},
    };
    for (const Placement& placement : placements) {
        placement.control->setObjectName(QLatin1String(placement.name));
        placement.control->setGeometry(placement.place);
    }
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_popupMain->setObjectName(QStringLiteral("PopupMain"));
}

void TForm1::SetUpControls() {
    m_detailsBtn->setText(QStringLiteral("Details"));
    m_helpBtn->setText(QStringLiteral("?"));
    m_clipBtn->setText(QStringLiteral("C"));
    m_moveBtn->setText(QStringLiteral("Move"));
    m_moveBtn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_helpBtn->hide();
    m_clipBtn->hide();
    m_minBtn->SetGlyph(Glyph::MinimiseBar, layout::MinGlyphSize);
    m_closeBtn->SetGlyph(Glyph::CloseCross, layout::CloseGlyphSize);
    m_spinUpBtn->SetGlyph(Glyph::UpTriangle, layout::SpinGlyphSize);
    m_spinDownBtn->SetGlyph(Glyph::DownTriangle, layout::SpinGlyphSize);
    m_spinUpBtn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_spinDownBtn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (GlyphLabel* arrow :
         std::initializer_list<GlyphLabel*>{m_attListBtn, m_defListBtn, m_listBtnOverlay}) {
        arrow->SetGlyph(Glyph::DownTriangle, layout::ListGlyphSize);
    }

    m_attShips->setFrame(false);
    m_attShips->setText(QStringLiteral("0"));
    m_attShips->setContextMenuPolicy(Qt::NoContextMenu);
    for (ShipListBox* list : {m_attShipList, m_defShipList}) {
        list->setFont(ArialFont(layout::ListFontSize, false));
    }

    // Static texts are opaque in the window's colour; labels are drawn on it.
    const std::initializer_list<GlyphLabel*> staticTexts = {
        m_targetText,     m_combatText, m_efficiency, m_defShips,  m_targetDisplay,
        m_listBtnOverlay, m_attShip,    m_defShip,    m_classText, m_initText};
    for (GlyphLabel* text : staticTexts) {
        text->setAutoFillBackground(true);
    }
    for (GlyphLabel* text : {m_targetText, m_efficiency, m_initText}) {
        text->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    m_targetDisplay->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_efficiency->setText(QStringLiteral("100 %"));
    m_targetDisplay->setText(QStringLiteral("T1"));
    m_classText->setText(QStringLiteral("Fi  v  Fi,"));
    m_initText->setText(QStringLiteral("Init- 25 v 25"));
    m_attShip->setCursor(Qt::PointingHandCursor);
    m_defShip->setCursor(Qt::PointingHandCursor);
    // The names show the chosen ships; their lists are what the keyboard works.
    m_attShip->SetAccessibleRole(QAccessible::StaticText);
    m_defShip->SetAccessibleRole(QAccessible::StaticText);
    DescribeControls(*this, tform1_accessible::Texts);

    m_timer1->setInterval(kTimer1Interval);
    m_helpBtn->setToolTip(QStringLiteral("Show Tips"));
    m_hints = {
        {m_detailsBtn, QStringLiteral("Show Details Form")},
        {m_clipBtn, QStringLiteral("Copy result to clipboard")},
        {m_moveBtn, QStringLiteral("Move")},
        {m_minBtn, QStringLiteral("Minimise")},
        {m_closeBtn, QStringLiteral("Close")},
        {m_attShips, QStringLiteral("Ships attacking")},
        {m_targetText, QStringLiteral("Target Type")},
        {m_spinUpBtn, QStringLiteral("Spin up")},
        {m_spinDownBtn, QStringLiteral("Spin down")},
        {m_attShip, QStringLiteral("Attacking Ship Name")},
        {m_attListBtn, QStringLiteral("Attacker ship list")},
        {m_efficiency, QStringLiteral("Resource Efficiency Kill Rate")},
        {m_defShips, QStringLiteral("Ships killed/held")},
        {m_targetDisplay, QStringLiteral("Target Type, T1, T2, or T3")},
        {m_defShip, QStringLiteral("Defending Ship Name")},
        {m_defListBtn, QStringLiteral("Defender ship list")},
        {m_classText, QStringLiteral("Ship Class, Attacker v Defender")},
        {m_initText, QStringLiteral("Initiative  Attacker V Defender")},
    };
}

// Labels are drawn on the window's surface, below every child control; the child controls
// then stack from bottom to top in this order, so that the names cover their lists.
void TForm1::StackControls() {
    const std::initializer_list<QWidget*> bottomToTop = {
        m_spinUpBtn, m_spinDownBtn, m_attListBtn, m_defListBtn, m_defShipList,    m_attShipList,
        m_menu,      m_attShips,    m_combatText, m_defShips,   m_listBtnOverlay, m_attShip,
        m_defShip,   m_initText,    m_targetText, m_classText,  m_targetDisplay,  m_efficiency};
    for (QWidget* control : bottomToTop) {
        control->raise();
    }
}

void TForm1::ConnectHandlers() {
    connect(m_attShips, &QLineEdit::textChanged, this, &TForm1::AttShipsChange);
    connect(m_attSide, &ShipSide::selectionChanged, this, [this] {
        RecalculateAndAnnounce([this] { m_engine.SelectAttacker(m_attSide->SelectedRow()); });
    });
    connect(m_defSide, &ShipSide::selectionChanged, this, [this] {
        RecalculateAndAnnounce([this] { m_engine.SelectDefender(m_defSide->SelectedRow()); });
    });

    connect(m_spinUpBtn, &ButtonLabel::pressed, this, [this] { SpinBtnMouseDown(true); });
    connect(m_spinDownBtn, &ButtonLabel::pressed, this, [this] { SpinBtnMouseDown(false); });
    connect(m_spinUpBtn, &ButtonLabel::released, this, &TForm1::SpinBtnMouseUp);
    connect(m_spinDownBtn, &ButtonLabel::released, this, &TForm1::SpinBtnMouseUp);
    connect(m_timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    connect(m_moveBtn, &ButtonLabel::pressed, this, &TForm1::MoveBtnMouseDown);
    connect(m_moveBtn, &ButtonLabel::draggedTo, this, &TForm1::MoveBtnMouseMove);
    connect(m_moveBtn, &ButtonLabel::released, this, &TForm1::MoveBtnMouseUp);
    connect(m_minBtn, &ButtonLabel::clicked, this, &TForm1::MinBtnClick);
    connect(m_closeBtn, &ButtonLabel::clicked, this, &TForm1::CloseBtnClick);
    connect(m_detailsBtn, &ButtonLabel::clicked, this, &TForm1::DetailsBtnClick);
    connect(m_helpBtn, &ButtonLabel::clicked, this, &TForm1::HelpBtnClick);
    connect(m_clipBtn, &ButtonLabel::clicked, this, &TForm1::ClipBtnClick);

    connect(m_popupMain->PopupCopy(), &QAction::triggered, this, &TForm1::ClipBtnClick);
    connect(m_popupMain->PopupSwitch(), &QAction::triggered, this, &TForm1::PopupSwitchClick);
    connect(m_popupMain->PopupToolTips(), &QAction::triggered, this, &TForm1::HelpBtnClick);

    for (ButtonLabel* label : {m_minBtn, m_closeBtn, m_moveBtn, m_spinUpBtn, m_spinDownBtn,
                               m_detailsBtn, m_helpBtn, m_clipBtn}) {
        ConnectHoverHighlight(label);
    }
    ConnectKeys();
    m_resultPause.setSingleShot(true);
    m_resultPause.setInterval(kResultPauseMs);
    connect(&m_resultPause, &QTimer::timeout, this, &TForm1::AnnounceResult);
}

// Alt and the first letter, as access keys are on other windows; the labels' captions stay
// as they are. The menu opens with the platform's keys for a context menu. The count box
// steps as a spin box does.
void TForm1::ConnectKeys() {
    const std::pair<KeyCommand, std::function<void()>> windowKeys[] = {
        {KeyCommand::OpenDetails, [this] { DetailsBtnClick(); }},
        {KeyCommand::MoveWindow, [this] { MoveBtnKeyboardMove(); }},
        {KeyCommand::OpenMenu, [this] { OpenPopupMainByKey(); }},
        {KeyCommand::MinimiseWindows, [this] { MinBtnClick(); }},
    };
    for (const auto& [command, handler] : windowKeys) {
        BindKeys(command, this, Qt::WindowShortcut, this, handler);
    }
    const std::pair<KeyCommand, std::int64_t> countSteps[] = {
        {KeyCommand::CountUp, 1},
        {KeyCommand::CountDown, -1},
        {KeyCommand::CountTenUp, 10},
        {KeyCommand::CountTenDown, -10},
    };
    for (const auto& [command, step] : countSteps) {
        BindKeys(command, m_attShips, Qt::WidgetShortcut, this,
                 [this, step = step] { AddToCount(step); });
    }
    m_attShips->installEventFilter(this);
    // What the keys do is what assistive tools' presses do.
    m_moveBtn->SetAccessiblePress([this] { MoveBtnKeyboardMove(); });
    m_popupMain->setAccessibleName(QStringLiteral("Calculator menu"));
}

void TForm1::ConnectHoverHighlight(ButtonLabel* label) {
    connect(label, &ButtonLabel::entered, this,
            [this, label] { label->SetTextColor(ToQColor(Display().MainHighlight)); });
    connect(label, &ButtonLabel::left, this,
            [this, label] { label->SetTextColor(ToQColor(Display().MainText)); });
}

// Runs before ShipStats.txt is read, so the colours are still the built-in ones.
void TForm1::FormCreate() {
    ApplyColors();
    m_listBtnOverlay->hide();
    m_targetText->hide();
    for (ShipSide* side : {m_attSide, m_defSide}) {
        side->FillList();
        side->SelectRow(0);
        side->ShowName();
    }
}

// The first calculation: the defaults of the settings line, on the table the window was
// built with; the activation that follows brings in the loaded table.
void TForm1::FormShow() {
    const DisplaySettings& settings = Display();
    m_attShips->setText(QString::number(settings.DefaultFleetSize));
    m_attSide->SelectRow(settings.DefaultAttacker);
    m_defSide->SelectRow(settings.DefaultDefender);
    m_attSide->ShowName();
    m_defSide->ShowName();
    m_recalcGuard = false;
    RunCore([this] {
        m_engine.SetInputs(m_attSide->SelectedRow(), m_defSide->SelectedRow(),
                           ToBytes(m_attShips->text()));
    });
}

// The names follow the table that the results now come from.
void TForm1::FormActivate() {
    ApplyColors();
    ApplyHints(Display().ShowTipsOnStartup);
    RunCore([this] { m_engine.RecalculateAll(); });
    m_attSide->ShowName();
    m_defSide->ShowName();
}

void TForm1::AttShipsChange() {
    RecalculateAndAnnounce([this] { m_engine.SetCountText(ToBytes(m_attShips->text())); });
}

void TForm1::SpinBtnMouseDown(bool upward) {
    AddToCount(upward ? 1 : -1);
    m_timer1->start();
    m_spin.Press(upward);
}

void TForm1::SpinBtnMouseUp() {
    m_timer1->stop();
}

// The engine steps and calculates once; the box then shows its count without a second
// calculation from the box's change handler.
void TForm1::AddToCount(std::int64_t amount) {
    RecalculateAndAnnounce([this, amount] { m_engine.StepCount(amount); });
    const QSignalBlocker quiet(m_attShips);
    m_attShips->setText(ToQString(m_state.Inputs.AttShipsText));
}

void TForm1::MoveBtnMouseDown(QPoint pos) {
    if (StartCompositorMove()) {
        return;
    }
    m_dragging = true;
    m_dragStart = pos;
}

// The grabbed point of the label stays under the pointer.
void TForm1::MoveBtnMouseMove(QPoint globalPos) {
    if (m_dragging) {
        move(globalPos - m_moveBtn->mapTo(this, m_dragStart));
    }
}

void TForm1::MoveBtnMouseUp() {
    m_dragging = false;
}

void TForm1::MinBtnClick() {
    if (m_details != nullptr && m_details->isVisible() && !m_details->isMinimized()) {
        m_details->showMinimized();
        m_minimisedTogether = true;
    }
    showMinimized();
}

void TForm1::CloseBtnClick() {
    QCoreApplication::exit(0);
}

void TForm1::ClipBtnClick() {
    QGuiApplication::clipboard()->setText(ToQString(CurrentResultLine(m_state)));
}

// The guard keeps the two list handlers from calculating on a half-swapped pairing; the
// core's swap then runs exactly one calculation.
void TForm1::PopupSwitchClick() {
    {
        const QScopedValueRollback guard(m_recalcGuard, true);
        const int attackerRow = m_attSide->SelectedRow();
        const int defenderRow = m_defSide->SelectedRow();
        m_attSide->SelectRow(defenderRow);
        m_attSide->ListChange();
        m_defSide->SelectRow(attackerRow);
        m_defSide->ListChange();
    }
    RecalculateAndAnnounce([this] { m_engine.SwapShips(); });
}

void TForm1::HelpBtnClick() {
    m_hintsOn = !m_hintsOn;
    m_helpBtn->setToolTip(m_hintsOn ? QStringLiteral("Hide Tips") : QStringLiteral("Show Tips"));
    m_popupMain->PopupToolTips()->setText(m_hintsOn ? QStringLiteral("Turn Hints Off")
                                                    : QStringLiteral("Turn Hints On"));
    ApplyHints(m_hintsOn);
}

void TForm1::DetailsBtnClick() {
    if (m_detailsSource) {
        BringToFront(&m_detailsSource());
    }
}

void TForm1::RunCore(const std::function<void()>& operation) {
    if (!m_recalcGuard) {
        operation();
    }
    ShowResults();
}

// Start-up's own calculations are read with the focused control; after that every change
// the user makes is spoken once the keys pause.
void TForm1::RecalculateAndAnnounce(const std::function<void()>& operation) {
    RunCore(operation);
    if (m_firstPaintDone) {
        m_resultPause.start();
    }
}

void TForm1::ShowResults() {
    const ResultTexts& results = CurrentResults(m_state);
    const std::pair<GlyphLabel*, const std::string*> shown[] = {
        {m_combatText, &results.CombatText},       {m_defShips, &results.DefShips},
        {m_targetDisplay, &results.TargetDisplay}, {m_initText, &results.InitText},
        {m_targetText, &results.TargetText},       {m_classText, &results.ClassText},
        {m_efficiency, &results.Efficiency},
    };
    for (const auto& [label, text] : shown) {
        label->ShowText(ToQString(*text));
    }
    DescribeResult();
}

// Creation and every activation; the names follow the focus of their lists.
void TForm1::ApplyColors() {
    ApplyBackgroundColor();
    ApplyTextColor();
    m_listBtnOverlay->SetTextColor(ToQColor(Display().MainHighlight));
    m_attSide->ApplyColors();
    m_defSide->ApplyColors();
    update();
}

void TForm1::ApplyBackgroundColor() {
    const QColor background = ToQColor(Display().MainBackground);
    QPalette colors = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        colors.setColor(role, background);
    }
    setPalette(colors);
}

// The window's own text colour, which the count box and the static texts take, and that of
// the labels used as buttons.
void TForm1::ApplyTextColor() {
    const QColor text = ToQColor(Display().MainText);
    QPalette colors = palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colors.setColor(role, text);
    }
    setPalette(colors);
    for (ButtonLabel* label : {m_detailsBtn, m_helpBtn, m_clipBtn, m_moveBtn, m_minBtn, m_closeBtn,
                               m_spinUpBtn, m_spinDownBtn}) {
        label->SetTextColor(text);
    }
}

// HelpBtn keeps its hint either way: it is the switch that turns the others on.
void TForm1::ApplyHints(bool on) {
    for (const auto& [control, hint] : m_hints) {
        control->setToolTip(on ? hint : QString());
    }
}

const DisplaySettings& TForm1::Display() const {
    return DisplaySettingsOf(m_state);
}

void TForm1::CentreOnScreen() {
    const QRect area = screen()->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}
