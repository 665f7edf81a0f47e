#include "desktop_support.h"

#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int kToolTimeoutMs = 5000;
constexpr int kManagedTimeoutMs = 5000;
const QString kOtherClass = QStringLiteral("skirmod-other-application");

QString XId(WId window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

// The number after `label` in xwininfo's report.
std::optional<int> FieldOf(const QString& report, const QString& label) {
    const QRegularExpression field(QRegularExpression::escape(label) +
                                   QStringLiteral(":\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = field.match(report);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toInt();
}

std::optional<QString> WindowInfo(WId window) {
    return RunTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), XId(window)});
}

}  // namespace

std::optional<QString> RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    const bool finished = QTest::qWaitFor(
        [&process] { return process.state() == QProcess::NotRunning; }, kToolTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
        qWarning("%s %s did not finish", qPrintable(program), qPrintable(args.join(' ')));
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

std::optional<QRect> ClientRect(WId window) {
    const std::optional<QString> info = WindowInfo(window);
    if (!info) {
        return std::nullopt;
    }
    const auto x = FieldOf(*info, QStringLiteral("Absolute upper-left X"));
    const auto y = FieldOf(*info, QStringLiteral("Absolute upper-left Y"));
    const auto width = FieldOf(*info, QStringLiteral("Width"));
    const auto height = FieldOf(*info, QStringLiteral("Height"));
    if (!x || !y || !width || !height) {
        return std::nullopt;
    }
    return QRect(*x, *y, *width, *height);
}

std::optional<QMargins> FrameExtents(WId window) {
    const std::optional<QString> property =
        RunTool(QStringLiteral("xprop"),
                {QStringLiteral("-id"), XId(window), QStringLiteral("_NET_FRAME_EXTENTS")});
    static const QRegularExpression extents(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
    const QRegularExpressionMatch match =
        property ? extents.match(*property) : QRegularExpressionMatch();
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    // The property holds left, right, top, bottom.
    return QMargins(match.captured(1).toInt(), match.captured(3).toInt(), match.captured(2).toInt(),
                    match.captured(4).toInt());
}

std::optional<QRect> OuterRect(WId window) {
    const std::optional<QRect> client = ClientRect(window);
    const std::optional<QMargins> frame = FrameExtents(window);
    if (!client || !frame) {
        return std::nullopt;
    }
    return client->marginsAdded(*frame);
}

QList<WId> StackingBottomToTop() {
    const std::optional<QString> property =
        RunTool(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<WId> windows;
    if (!property) {
        return windows;
    }
    static const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch& match : id.globalMatch(*property)) {
        windows << match.captured().toULongLong(nullptr, 16);
    }
    return windows;
}

bool IsViewable(WId window) {
    const std::optional<QString> info = WindowInfo(window);
    return info && info->contains(QStringLiteral("Map State: IsViewable"));
}

bool IsIconic(WId window) {
    const std::optional<QString> state = RunTool(
        QStringLiteral("xprop"), {QStringLiteral("-id"), XId(window), QStringLiteral("WM_STATE")});
    return state && state->contains(QStringLiteral("window state: Iconic"));
}

bool WaitUntilManaged(WId window) {
    return QTest::qWaitFor(
        [window] { return FrameExtents(window).has_value() && IsViewable(window); },
        kManagedTimeoutMs);
}

bool ActivateWindow(WId window) {
    return RunTool(QStringLiteral("xdotool"),
                   {QStringLiteral("windowactivate"), QStringLiteral("--sync"), XId(window)})
        .has_value();
}

bool ClickOn(const QWidget& control) {
    const std::optional<QRect> window = ClientRect(control.window()->winId());
    if (!window) {
        return false;
    }
    const QPoint target =
        window->topLeft() + control.mapTo(control.window(), control.rect().center());
    return RunTool(
               QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(target.x()),
                QString::number(target.y()), QStringLiteral("click"), QStringLiteral("1")})
        .has_value();
}

bool PressKeys(const QString& keys) {
    return RunTool(QStringLiteral("xdotool"),
                   QStringList{QStringLiteral("key")} + keys.split(QLatin1Char(' ')))
        .has_value();
}

ModalWatchdog::Answer AnswerWithKeys(const QString& keys, QStringList* texts) {
    return [keys, texts](QWidget* dialog) {
        QPointer<QWidget> open(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog); box != nullptr && texts != nullptr) {
            *texts << box->text();
        }
        const bool typed = WaitUntilManaged(dialog->winId()) && ActivateWindow(dialog->winId()) &&
                           QTest::qWaitForWindowActive(dialog) && PressKeys(keys);
        if (!typed || !QTest::qWaitFor([&open] { return open.isNull() || !open->isVisible(); })) {
            qWarning("the dialog did not close on %s", qPrintable(keys));
            if (!open.isNull()) {
                open->close();
            }
        }
    };
}

OtherApplication::OtherApplication() {
    m_process.start(QStringLiteral("xmessage"),
                    {QStringLiteral("-name"), kOtherClass, QStringLiteral("Another application")});
}

OtherApplication::~OtherApplication() {
    m_process.kill();
    m_process.waitForFinished();
}

// A search can fail while other windows come and go, so it is repeated until the window shows.
WId OtherApplication::Window() {
    const bool shown = QTest::qWaitFor(
        [this] {
            const std::optional<QString> ids =
                RunTool(QStringLiteral("xdotool"),
                        {QStringLiteral("search"), QStringLiteral("--classname"), kOtherClass});
            if (ids && !ids->trimmed().isEmpty()) {
                m_window = ids->split(QLatin1Char('\n')).constFirst().toULongLong();
            }
            return m_window != 0;
        },
        kToolTimeoutMs);
    return shown ? m_window : 0;
}
