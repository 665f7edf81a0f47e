#include "ui/details/setup/color_editor.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "core/engine.h"
#include "ui/common/accessibility.h"
#include "ui/common/control_placement.h"
#include "ui/common/fonts.h"
#include "ui/common/setup_look.h"
#include "ui/details/setup/color_bar.h"
#include "ui/details/setup/color_grid.h"

namespace {

constexpr int kMaxComponent = 255;
constexpr int kBarPageStep = 10;
constexpr int kRadioLeft = 180;
constexpr int kSampleLeft = 152;
constexpr QSize kSampleSize(25, 17);
constexpr int kRadioHeight = 17;
constexpr ColorValue kCream = 0x00F0FBFF;

struct ComponentControls {
    const char* bar;
    const char* box;
    const char* emptyText;
    ColorValue textColor;
    int shift;
};

constexpr std::array<ComponentControls, 3> kComponents = {{
    {"RedScroll", "RedBox", "R", 0x000000FF, 0},
    {"GreenScroll", "GreenBox", "G", 0x00008000, 8},
    {"BlueScroll", "BlueBox", "B", 0x00FF0000, 16},
}};

struct RoleControls {
    ColorRole role;
    const char* radio;
    const char* caption;
    const char* sample;
    int top;
};

constexpr std::array<RoleControls, 7> kRoles = {{
    {ColorRole::MainBackground, "BackgroundRadio", "Background", "BackgroundBox", 12},
    {ColorRole::MainBorder, "BorderRadio", "Border", "BorderBox", 32},
    {ColorRole::MainText, "TextRadio", "Text", "TextBox", 52},
    {ColorRole::MainHighlight, "HighlightRadio", "Highlight", "HighlightBox", 72},
    {ColorRole::DetailsBackground, "DetailsBackgroundRadio", "Background", "DetailsBackgroundBox",
     100},
    {ColorRole::DetailsText, "DetailsTextRadio", "Text", "DetailsTextBox", 120},
    {ColorRole::DetailsHighlight, "DetailsHighlightRadio", "Highlight", "DetailsHighlightBox", 140},
}};

constexpr Placement kPlaces[] = {
    {"ColorGrid1", {8, 12, 40, 144}},
    {"RedScroll", {56, 12, 17, 125}},
    {"GreenScroll", {84, 12, 17, 125}},
    {"BlueScroll", {112, 12, 17, 125}},
    {"RedBox", {52, 140, 25, 17}},
    {"GreenBox", {80, 140, 25, 17}},
    {"BlueBox", {108, 140, 25, 17}},
    {"Bevel1", {152, 92, 277, 2}},
    {"MainColorCaption", {288, 32, 120, 34}},
    {"DetailsColorCaption", {288, 112, 120, 34}},
};

constexpr AccessibleText kAccessibleTexts[] = {
    {"ColorGrid1", "Colour grid",
     "Sixteen colours; picking one moves the bars to it, and the arrow keys move the pick"},
    {"RedScroll", "Red", "The red part of the chosen colour; the top of the bar is full red"},
    {"GreenScroll", "Green",
     "The green part of the chosen colour; the top of the bar is full green"},
    {"BlueScroll", "Blue", "The blue part of the chosen colour; the top of the bar is full blue"},
    {"BackgroundRadio", "Main window background", "Edits the main window's background colour"},
    {"BorderRadio", "Main window border", "Edits the colour of the main window's frame lines"},
    {"TextRadio", "Main window text", "Edits the main window's text colour"},
    {"HighlightRadio", "Main window highlight",
     "Edits the colour of the main window's highlighted texts"},
    {"DetailsBackgroundRadio", "Details window background",
     "Edits the Details window's background colour"},
    {"DetailsTextRadio", "Details window text", "Edits the Details window's text colour"},
    {"DetailsHighlightRadio", "Details window highlight",
     "Edits the colour of the Details window's selected tab"},
};

int ComponentOf(ColorValue color, const ComponentControls& controls) {
    return static_cast<int>((color >> controls.shift) & 0xFF);
}

// "red 166, green 202, blue 240".
QString ComponentsText(ColorValue color) {
    const char* const names[] = {"red ", "green ", "blue "};
    QStringList parts;
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        parts << QLatin1String(names[i]) + QString::number(ComponentOf(color, kComponents[i]));
    }
    return parts.join(QStringLiteral(", "));
}

QLabel* MakeSunkenBox(QWidget* parent, const char* name) {
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    return box;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const char* text) {
    auto* caption = new QLabel(QString::fromLatin1(text), parent);
    caption->setObjectName(QString::fromLatin1(name));
    QFont font = SansSerifFont(13);
    font.setBold(true);
    caption->setFont(font);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return caption;
}

}  // namespace

ColorEditor::ColorEditor(Engine& engine, QWidget* parent)
    : QGroupBox(parent), m_engine(engine), m_state(engine.State()) {
    setObjectName(QStringLiteral("GroupBox1"));
    // In the keyboard's order: a colour is chosen before the grid and bars can be used.
    CreateRoleControls();
    CreateColorControls();
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    MakeCaption(this, "MainColorCaption", "Main Window Color Settings");
    MakeCaption(this, "DetailsColorCaption", "Details Window Color Settings");
    PlaceControls(*this, kPlaces);
    DescribeControls(*this, kAccessibleTexts);
    Reset();
    ShowSampleColors();
}

void ColorEditor::CreateColorControls() {
    m_grid = new ColorGrid(this);
    connect(m_grid, &ColorGrid::picked, this, &ColorEditor::ColorGrid1Change);
    QFont boxFont = SansSerifFont(11);
    boxFont.setBold(true);
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        auto* bar = new ColorBar(this);
        bar->setObjectName(QString::fromLatin1(kComponents[i].bar));
        bar->setRange(0, kMaxComponent);
        bar->setPageStep(kBarPageStep);
        bar->setFocusPolicy(Qt::StrongFocus);
        connect(bar, &QScrollBar::valueChanged, this, &ColorEditor::RedScrollChange);
        m_bars[i] = bar;

        QLabel* box = MakeSunkenBox(this, kComponents[i].box);
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignCenter);
        SetFillColor(*box, ToQColor(kCream));
        SetTextColor(*box, ToQColor(kComponents[i].textColor));
        m_boxes[i] = box;
    }
}

void ColorEditor::CreateRoleControls() {
    m_radioGroup = new QButtonGroup(this);
    for (std::size_t i = 0; i < kRoles.size(); ++i) {
        const RoleControls& controls = kRoles[i];
        auto* radio = new QRadioButton(QString::fromLatin1(controls.caption), this);
        radio->setObjectName(QString::fromLatin1(controls.radio));
        radio->setGeometry(kRadioLeft, controls.top, radio->sizeHint().width(), kRadioHeight);
        m_radioGroup->addButton(radio);
        connect(radio, &QRadioButton::clicked, this,
                [this, role = controls.role] { ChooseRole(role); });

        m_samples[i] = MakeSunkenBox(this, controls.sample);
        m_samples[i]->setAccessibleDescription(QStringLiteral("The colour now set"));
        m_samples[i]->setGeometry(QRect(QPoint(kSampleLeft, controls.top), kSampleSize));
    }
}

// A screen reader reads a sample box by its name, which therefore carries the colour.
void ColorEditor::ShowSampleColors() {
    for (std::size_t i = 0; i < kRoles.size(); ++i) {
        const ColorValue color = ColorOf(Display(), kRoles[i].role);
        SetFillColor(*m_samples[i], ToQColor(color));
        const auto* radio = findChild<QRadioButton*>(QLatin1String(kRoles[i].radio));
        m_samples[i]->setAccessibleName(radio->accessibleName() + QStringLiteral(" colour: ") +
                                        ComponentsText(color));
    }
}

void ColorEditor::Reset() {
    m_radioGroup->setExclusive(false);
    for (QAbstractButton* radio : m_radioGroup->buttons()) {
        radio->setChecked(false);
    }
    m_radioGroup->setExclusive(true);
    m_role.reset();
    SetEditingEnabled(false);
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        m_boxes[i]->setText(QString::fromLatin1(kComponents[i].emptyText));
    }
}

void ColorEditor::SetEditingEnabled(bool enabled) {
    m_grid->setEnabled(enabled);
    for (QScrollBar* bar : m_bars) {
        bar->setEnabled(enabled);
    }
}

void ColorEditor::ChooseRole(ColorRole role) {
    m_role = role;
    SetEditingEnabled(true);
    {
        const QScopedValueRollback positioning(m_positioningBars, true);
        PositionBars(ColorOf(Display(), role));
    }
    ShowComponents();
}

void ColorEditor::PositionBars(ColorValue color) {
    for (Component component : {Red, Blue, Green}) {
        m_bars[component]->setValue(kMaxComponent - ComponentOf(color, kComponents[component]));
    }
}

void ColorEditor::RedScrollChange() {
    emit changed();
    ShowComponents();
    if (m_positioningBars || !m_role) {
        return;
    }
    m_engine.SetColor(*m_role, BarColor());
    ShowSampleColors();
    emit colorApplied(*m_role);
}

void ColorEditor::ColorGrid1Change() {
    PositionBars(m_grid->PickedColor());
    ShowComponents();
}

void ColorEditor::ShowComponents() {
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        m_boxes[i]->setText(QString::number(kMaxComponent - m_bars[i]->value()));
    }
}

ColorValue ColorEditor::BarColor() const {
    ColorValue color = 0;
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        const auto component = static_cast<ColorValue>(kMaxComponent - m_bars[i]->value());
        color |= component << kComponents[i].shift;
    }
    return color;
}

const DisplaySettings& ColorEditor::Display() const {
    return m_state.Settings.Display;
}
