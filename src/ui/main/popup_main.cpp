#include "ui/main/popup_main.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include "ui/common/colors.h"
#include "ui/common/frame_line.h"

namespace {

constexpr int kCaptionLeft = 4;
constexpr int kCaptionDrop = 2;

class OwnerDrawnItemStyle : public QProxyStyle {
  public:
    explicit OwnerDrawnItemStyle(const DisplaySettings& colors) : m_colors(colors) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (element != CE_MenuItem || item == nullptr || menu == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const bool isLast = menu->actionGeometry(menu->actions().constLast()) == item->rect;
        DrawItem(*painter, item->rect, item->text, item->state.testFlag(State_Selected), !isLast);
    }

  private:
    // The frame of every item but the last reaches one pixel into the next item, whose top
    // edge is the same line.
    void DrawItem(QPainter& painter, const QRect& rect, const QString& caption, bool selected,
                  bool sharesLowerEdge) const {
        painter.save();
        const int frameHeight = rect.height() + (sharesLowerEdge ? 1 : 0);
        const QRect frame(rect.left(), rect.top(), rect.width(), frameHeight);
        painter.fillRect(frame, ToQColor(m_colors.MainBackground));
        FillFrameLine(painter, frame, ToQColor(m_colors.MainBorder));
        painter.setPen(ToQColor(selected ? m_colors.MainHighlight : m_colors.MainText));
        const QRect captionRect(kCaptionLeft, rect.top() + kCaptionDrop,
                                rect.right() + 1 - kCaptionLeft, rect.height() - kCaptionDrop);
        painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
        painter.restore();
    }

    const DisplaySettings& m_colors;
};

}  // namespace

PopupMain::PopupMain(const DisplaySettings& colors, QWidget* parent) : QMenu(parent) {
    auto* style = new OwnerDrawnItemStyle(colors);
    style->setParent(this);
    setStyle(style);
    m_popupCopy = addAction(QStringLiteral("Copy Result"));
    m_popupSwitch = addAction(QStringLiteral("Switch Att/Def"));
    m_popupToolTips = addAction(QStringLiteral("Turn Hints On"));
}
