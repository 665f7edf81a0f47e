#include "ui/details/setup/about_panel.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "core/about_texts.h"
#include "core/engine.h"
#include "ui/common/accessibility.h"
#include "ui/common/colors.h"
#include "ui/common/control_placement.h"
#include "ui/common/fonts.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_text.h"
#include "ui/common/setup_look.h"
#include "ui/platform.h"

namespace {

constexpr ColorValue kRed = 0x000000FF;
constexpr ColorValue kBlack = 0x00000000;
constexpr ColorValue kNavy = 0x00800000;

// The read-me box keeps this margin to the panel's left, right and bottom edges.
constexpr int kReadMeMargin = 20;
constexpr int kReadMeTop = 264;
constexpr QSize kCloseButtonSize(81, 45);
constexpr int kCloseButtonTop = 20;

struct TextEntry {
    const char* name;
    const char* text;
    int pixelSize;
    ColorValue color;
    bool wrapped;
};

constexpr std::array<TextEntry, 7> kLabels = {{
    {"Label1", kAbout.name, 19, kRed, false},
    {"Label2", kAbout.version, 19, kRed, false},
    {"Label3", kAbout.releaseDate, 16, kRed, false},
    {"Label4", kAbout.statsNote, 13, kBlack, true},
    {"Label5", kAbout.thanks, 13, kBlack, true},
    {"Label7", kAbout.downloadNote, 13, kBlack, false},
    {"Label12", kAbout.readMeHeading, 13, kBlack, false},
}};

constexpr std::array<TextEntry, 2> kAddresses = {{
    {"Edit1", kAbout.email, 13, kNavy, false},
    {"Edit2", kAbout.downloadAddress, 13, kNavy, false},
}};

constexpr Placement kPlaces[] = {
    {"Label1", {20, 16, 0, 0}},    {"Label2", {100, 16, 0, 0}},    {"Label3", {20, 43, 0, 0}},
    {"Label4", {20, 80, 299, 48}}, {"Label5", {20, 140, 307, 32}}, {"Edit1", {27, 174, 133, 19}},
    {"Label7", {20, 204, 0, 0}},   {"Edit2", {28, 220, 297, 19}},  {"Label12", {20, 248, 0, 0}},
};

constexpr AccessibleText kAccessibleTexts[] = {
    {"Edit1", "E-mail address", "Where feedback can be sent, to select and copy"},
    {"Edit2", "Download address", "Where the latest version can be downloaded, to select and copy"},
    {"ReadMeMemo", "Read-me file", "The text of ReadMe1st.txt"},
    {"CloseAboutBtn", nullptr, "Closes the About panel"},
};

const char* const kReadMeMissing = "\n\n       ReadMe1st.txt file not found";

// One line of the memo per line of the file, whatever its line ends.
QString ReadMeText(const QByteArray& bytes) {
    QString text =
        ToQString(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

AboutPanel::AboutPanel(const ProgramState& state, QWidget* parent)
    : QFrame(parent), m_state(state) {
    setObjectName(QStringLiteral("AboutPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    CreateTexts();

    m_readMeMemo = new QPlainTextEdit(this);
    m_readMeMemo->setObjectName(QStringLiteral("ReadMeMemo"));
    MakeReadingBox(*m_readMeMemo);
    m_readMeMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_readMeMemo->setFont(ArialFont(13));
    SetTextColor(*m_readMeMemo, Qt::black);

    m_closeButton = new QPushButton(QStringLiteral("OK"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseAboutBtn"));
    m_closeButton->setFont(ArialFont(13));
    // Enter presses the focused button, as in a dialog.
    m_closeButton->setAutoDefault(true);
    SetTextColor(*m_closeButton, Qt::black);
    connect(m_closeButton, &QPushButton::clicked, this, &AboutPanel::closed);
    DescribeControls(*this, kAccessibleTexts);
}

void AboutPanel::CreateTexts() {
    for (const TextEntry& entry : kLabels) {
        auto* label = new QLabel(QString::fromLatin1(entry.text), this);
        label->setObjectName(QString::fromLatin1(entry.name));
        label->setFont(ArialFont(entry.pixelSize));
        label->setWordWrap(entry.wrapped);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetTextColor(*label, ToQColor(entry.color));
    }
    // Borderless boxes rather than labels, so the addresses can be selected and copied.
    for (const TextEntry& entry : kAddresses) {
        auto* address = new QLineEdit(QString::fromLatin1(entry.text), this);
        address->setObjectName(QString::fromLatin1(entry.name));
        address->setFont(ArialFont(entry.pixelSize));
        address->setFrame(false);
        address->setReadOnly(true);
        address->setCursorPosition(0);
        SetTextColor(*address, ToQColor(entry.color));
        SetFillColor(*address, palette().color(QPalette::Window));
    }
    PlaceControls(*this, kPlaces);
}

void AboutPanel::Open() {
    m_readMeMemo->clear();
    ShowReadMe();
}

void AboutPanel::ShowReadMe() {
    QFile file(FromPathText(m_state.Stats.ReadMePath));
    if (!file.exists()) {
        m_readMeMemo->setPlainText(QString::fromLatin1(kReadMeMissing));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ShowPlainMessage(this, file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowPlainMessage(this, file.errorString());
        return;
    }
    m_readMeMemo->setPlainText(ReadMeText(bytes));
}

void AboutPanel::resizeEvent(QResizeEvent*) {
    const int memoWidth = qMax(0, width() - 2 * kReadMeMargin);
    const int memoHeight = qMax(0, height() - kReadMeTop - kReadMeMargin);
    m_readMeMemo->setGeometry(kReadMeMargin, kReadMeTop, memoWidth, memoHeight);
    const int buttonLeft = width() - kCloseButtonSize.width() - kReadMeMargin;
    m_closeButton->setGeometry(QRect(QPoint(buttonLeft, kCloseButtonTop), kCloseButtonSize));
}
