#include "ui/main/glyph_label.h"

#include <QPainter>

GlyphLabel::GlyphLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
}

void GlyphLabel::SetGlyph(Glyph glyph, int pixelSize) {
    m_glyph = glyph;
    m_glyphSize = pixelSize;
    update();
}

void GlyphLabel::SetTextColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

QColor GlyphLabel::TextColor() const {
    return palette().color(QPalette::WindowText);
}

void GlyphLabel::paintEvent(QPaintEvent* event) {
    if (m_glyph == Glyph::None) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    DrawGlyph(painter, GlyphCell(), m_glyph, TextColor());
}

QRect GlyphLabel::GlyphCell() const {
    int left = 0;
    if (alignment() & Qt::AlignHCenter) {
        left = (width() - m_glyphSize) / 2;
    } else if (alignment() & Qt::AlignRight) {
        left = width() - m_glyphSize;
    }
    return {left, 0, m_glyphSize, m_glyphSize};
}
