#include "ui/details/setup/color_bar.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "ui/common/frame_line.h"

namespace {

constexpr int kFocusFrameWidth = 2;

class ColorBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ColorBarAccessible(ColorBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? QString::number(Bar()->Component())
                                          : QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return Bar()->Component(); }
    void setCurrentValue(const QVariant& value) override { Bar()->SetComponent(value.toInt()); }
    QVariant maximumValue() const override { return Bar()->maximum() - Bar()->minimum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return Bar()->singleStep(); }

  private:
    ColorBar* Bar() const { return static_cast<ColorBar*>(widget()); }
};

}  // namespace

void ColorBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        FillFrameLine(painter, rect(), palette().color(QPalette::Highlight), kFocusFrameWidth);
    }
}

QAccessibleInterface* ColorBarAccessibleFactory(const QString&, QObject* object) {
    auto* bar = qobject_cast<ColorBar*>(object);
    return bar != nullptr ? new ColorBarAccessible(bar) : nullptr;
}
