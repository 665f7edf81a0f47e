#include "ui/details/section_tab_bar.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "ui/common/accessibility.h"
#include "ui/common/colors.h"
#include "ui/common/details_palette.h"
#include "ui/common/fonts.h"
#include "ui/common/frame_line.h"

namespace {

struct TabSpec {
    const char* name;
    const char* caption;
    int width;
    const char* value;
    // For screen readers, which name the tab by its caption.
    const char* description;
};

// In tab order, indexed by DetailsSection.
constexpr std::array<TabSpec, kSectionCount> kTabs = {{
    {"CalculationBtn", "Calculation", 87, "Calculation",
     "How the result is calculated, step by step"},
    {"TargetBtn", "Targeting", 75, "Target",
     "What the attacker targets and what targets the defender"},
    {"ResourcesBtn", "Resources", 84, "Resources", "Costs, scores and the resource efficiency"},
    {"BasicStatsBtn", "Basic Stats", 89, "BasicStats", "The statistics of both ship types"},
    {"ResultsBtn", "Results", 59, "Results", "The current result line and the results log"},
    {"StatsFileBtn", "Setup", 46, "StatsFile", "The ship statistics, the settings and About"},
}};

constexpr int kLeadGap = 8;
constexpr int kLabelGap = 12;
constexpr int kLabelTop = 4;
constexpr int kLabelHeight = 19;

// A tab label is a page tab to assistive tools, selected while its section is shown.
class SectionTabAccessible : public DrawnControlAccessible {
  public:
    explicit SectionTabAccessible(QLabel* label)
        : DrawnControlAccessible(label, QAccessible::PageTab) {}

    QAccessible::State state() const override {
        QAccessible::State state = DrawnControlAccessible::state();
        state.selectable = true;
        state.selected = Bar()->IsSelectedTab(widget());
        return state;
    }

  private:
    const SectionTabBar* Bar() const {
        return static_cast<const SectionTabBar*>(widget()->parentWidget());
    }
};

}  // namespace

QAccessibleInterface* SectionTabAccessibleFactory(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<SectionTabBar*>(object)) {
        return new QAccessibleWidget(bar, QAccessible::PageTabList);
    }
    auto* label = qobject_cast<QLabel*>(object);
    const bool isTab = label != nullptr && qobject_cast<SectionTabBar*>(label->parent()) != nullptr;
    return isTab ? new SectionTabAccessible(label) : nullptr;
}

SectionTabBar::SectionTabBar(const DisplaySettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setObjectName(QStringLiteral("ToolBar1"));
    setFont(ArialFont(17, true));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Sections"));
    setAccessibleDescription(
        QStringLiteral("The left and right arrow keys, or Ctrl+Tab anywhere, change the section"));
    CreateLabels();
}

void SectionTabBar::CreateLabels() {
    int left = kLeadGap;
    for (DetailsSection section : kAllSections) {
        const TabSpec& tab = kTabs[IndexOf(section)];
        auto* label = new QLabel(QString::fromLatin1(tab.caption), this);
        label->setObjectName(QString::fromLatin1(tab.name));
        // The places follow the table; a caption wider than its place (our Arial stand-in
        // runs a few pixels wider) may reach into the gap rather than be cut off.
        label->setGeometry(left, kLabelTop, std::max(tab.width, label->sizeHint().width()),
                           kLabelHeight);
        label->setCursor(Qt::PointingHandCursor);
        label->setAccessibleDescription(QString::fromLatin1(tab.description));
        label->installEventFilter(this);
        m_labels[IndexOf(section)] = label;
        left += tab.width + kLabelGap;
    }
}

bool SectionTabBar::IsSelectedTab(const QWidget* label) const {
    return label == m_labels[IndexOf(m_selected)];
}

QString SectionTabBar::SelectedValue() const {
    return QString::fromLatin1(kTabs[IndexOf(m_selected)].value);
}

void SectionTabBar::SelectNeighbour(int step) {
    const int count = static_cast<int>(kSectionCount);
    const int index = (static_cast<int>(IndexOf(m_selected)) + step % count + count) % count;
    Select(kAllSections[static_cast<std::size_t>(index)]);
}

// The focused control may be on the page that gives way; it lets go first, so that the
// focus does not pass through the new page on its way to the tab.
void SectionTabBar::SelectNeighbourByKey(int step) {
    if (!hasFocus()) {
        if (QWidget* focused = window()->focusWidget()) {
            focused->clearFocus();
        }
        SelectNeighbour(step);
        setFocus(Qt::ShortcutFocusReason);
        return;
    }
    SelectNeighbour(step);
    TellSelectedTabFocused();
    update();
}

void SectionTabBar::SetLabelColor(DetailsSection section, const QColor& color) {
    SetOwnColors(m_labels[IndexOf(section)], {{QPalette::WindowText, color}});
}

void SectionTabBar::ColorLabelsBySelection() {
    for (DetailsSection section : kAllSections) {
        SetLabelColor(section, section == m_selected ? HighlightColor() : TextColor());
    }
}

bool SectionTabBar::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_labels.cbegin(), m_labels.cend(), watched);
    if (found == m_labels.cend()) {
        return QWidget::eventFilter(watched, event);
    }
    const DetailsSection section =
        kAllSections[static_cast<std::size_t>(found - m_labels.cbegin())];
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            Select(section);
            return true;
        case QEvent::Enter:
            LabelEntered(section);
            break;
        case QEvent::Leave:
            LabelLeft(section);
            break;
        default:
            break;
    }
    return false;
}

// Edges on the left, top and right only: the bar sits on the panel below it.
// They are filled rather than stroked, so a scaled screen shows them whole inside the bar.
void SectionTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor edge = QApplication::palette().color(QPalette::Mid);
    painter.fillRect(0, 0, width(), 1, edge);
    painter.fillRect(0, 0, 1, height(), edge);
    painter.fillRect(width() - 1, 0, 1, height(), edge);
    if (hasFocus()) {
        const QRect selected = m_labels[IndexOf(m_selected)]->geometry().adjusted(-2, -1, 2, 1);
        FillFrameLine(painter, selected, palette().color(QPalette::Highlight));
    }
}

void SectionTabBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            SelectNeighbour(-1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            SelectNeighbour(1);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    TellSelectedTabFocused();
    update();
}

// Qt tells of the bar's own focus after this handler, and screen readers keep the last
// focus they hear: the selected tab's comes after it.
void SectionTabBar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            TellSelectedTabFocused();
        }
    });
    update();
}

// As Qt's own tab bar does: a screen reader then reads the selected tab.
void SectionTabBar::TellSelectedTabFocused() {
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(static_cast<int>(IndexOf(m_selected)));
    QAccessible::updateAccessibility(&focused);
}

void SectionTabBar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void SectionTabBar::Select(DetailsSection section) {
    m_selected = section;
    ColorLabelsBySelection();
    emit sectionSelected(section);
}

void SectionTabBar::LabelEntered(DetailsSection section) {
    SetLabelColor(section, HighlightColor());
}

void SectionTabBar::LabelLeft(DetailsSection section) {
    if (section != m_selected) {
        SetLabelColor(section, TextColor());
    }
}

QColor SectionTabBar::TextColor() const {
    return ToQColor(m_settings.DetailsText);
}

QColor SectionTabBar::HighlightColor() const {
    return ToQColor(m_settings.DetailsHighlight);
}
