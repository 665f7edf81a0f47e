#include "ui/details/section_tab_bar.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "ui/common/colors.h"
#include "ui/common/fonts.h"
#include "ui/details/details_palette.h"

namespace {

struct TabSpec {
    const char* name;
    const char* caption;
    int width;
    const char* value;
};

// In tab order, indexed by DetailsSection.
constexpr std::array<TabSpec, kSectionCount> kTabs = {{
    {"CalculationBtn", "Calculation", 87, "Calculation"},
    {"TargetBtn", "Targeting", 75, "Target"},
    {"ResourcesBtn", "Resources", 84, "Resources"},
    {"BasicStatsBtn", "Basic Stats", 89, "BasicStats"},
    {"ResultsBtn", "Results", 59, "Results"},
    {"StatsFileBtn", "Setup", 46, "StatsFile"},
}};

constexpr int kLeadGap = 8;
constexpr int kLabelGap = 12;
constexpr int kLabelTop = 4;
constexpr int kLabelHeight = 19;

}  // namespace

SectionTabBar::SectionTabBar(const DisplaySettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setObjectName(QStringLiteral("ToolBar1"));
    setFont(ArialFont(17, true));
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
        label->installEventFilter(this);
        m_labels[IndexOf(section)] = label;
        left += tab.width + kLabelGap;
    }
}

QString SectionTabBar::SelectedValue() const {
    return QString::fromLatin1(kTabs[IndexOf(m_selected)].value);
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
void SectionTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QApplication::palette().color(QPalette::Mid));
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.drawLine(right, 0, right, bottom);
}

void SectionTabBar::Select(DetailsSection section) {
    m_selected = section;
    ColorLabelsBySelection();
    emit SectionSelected(section);
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
