#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

// Where the bar's thumb is drawn now, in the bar's own pixels.
inline QRect ThumbRect(QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                       &bar);
}

// Grabs the thumb of a vertical bar and drags it to the bar's top edge.
inline void DragThumbToTop(QScrollBar& bar) {
    const QPoint grab = ThumbRect(bar).center();
    const QPoint top(grab.x(), 0);
    QTest::mousePress(&bar, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&bar, top);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, top);
}
