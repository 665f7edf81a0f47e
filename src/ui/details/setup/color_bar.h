#pragma once

#include <QScrollBar>

class QAccessibleInterface;

// A bar of the colour editor. Its top is the full colour part, so the part it sets is the
// maximum less the bar's position; assistive tools read and set that part.
class ColorBar : public QScrollBar {
    Q_OBJECT

  public:
    explicit ColorBar(QWidget* parent = nullptr) : QScrollBar(Qt::Vertical, parent) {}

    int Component() const { return maximum() - value(); }
    void SetComponent(int component) { setValue(maximum() - component); }

  protected:
    // The style draws no focus on a scroll bar: the focused bar gets a frame in the
    // highlight colour, as the colour grid does.
    void paintEvent(QPaintEvent* event) override;
};

// Installed once at start-up.
QAccessibleInterface* ColorBarAccessibleFactory(const QString& key, QObject* object);
