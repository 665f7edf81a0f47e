#pragma once

#include <QAccessible>
#include <QLabel>
#include <functional>

#include "ui/main/glyphs.h"

// A caption of the main window: text, or one glyph drawn in the text colour, placed at the
// top of the control like the window's other captions. Assistive tools see it as static
// text unless it is given another role, and read its shown text after its name.
class GlyphLabel : public QLabel {
    Q_OBJECT

  public:
    explicit GlyphLabel(QWidget* parent = nullptr);

    void SetGlyph(Glyph glyph, int pixelSize);
    void SetTextColor(const QColor& color);
    QColor TextColor() const;

    // Shows `text` and tells assistive tools, which read it as part of the name.
    void ShowText(const QString& text);

    void SetAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    QAccessible::Role AccessibleRole() const { return m_accessibleRole; }
    // What a press through assistive tools does instead of a click, for a label whose click
    // means nothing without the mouse held (the drag handle).
    void SetAccessiblePress(std::function<void()> press) { m_accessiblePress = std::move(press); }
    const std::function<void()>& AccessiblePress() const { return m_accessiblePress; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect GlyphCell() const;

    Glyph m_glyph = Glyph::None;
    int m_glyphSize = 0;
    QAccessible::Role m_accessibleRole = QAccessible::StaticText;
    std::function<void()> m_accessiblePress;
};

// A label the program draws, shown to assistive tools as the text it shows; installed once at
// start-up.
QAccessibleInterface* GlyphLabelAccessibleFactory(const QString& key, QObject* object);
