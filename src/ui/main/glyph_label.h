#pragma once

#include <QLabel>

#include "ui/main/glyphs.h"

// A caption of the main window: text, or one glyph drawn in the text colour, placed at the
// top of the control like the window's other captions.
class GlyphLabel : public QLabel {
    Q_OBJECT

  public:
    explicit GlyphLabel(QWidget* parent = nullptr);

    void SetGlyph(Glyph glyph, int pixelSize);
    void SetTextColor(const QColor& color);
    QColor TextColor() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect GlyphCell() const;

    Glyph m_glyph = Glyph::None;
    int m_glyphSize = 0;
};
