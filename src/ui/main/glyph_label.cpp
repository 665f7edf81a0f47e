#include "ui/main/glyph_label.h"

#include <QPainter>

#include "ui/common/accessibility.h"

namespace {

// A screen reader reads a static text by its name, so the name carries the shown value
// after what the control is ("Ships killed or held: 120").
class GlyphLabelAccessible : public DrawnControlAccessible {
  public:
    explicit GlyphLabelAccessible(GlyphLabel* label)
        : DrawnControlAccessible(label, label->AccessibleRole()) {}

    QAccessible::Role role() const override { return Label()->AccessibleRole(); }

    QString text(QAccessible::Text kind) const override {
        const QString shown = Label()->text();
        const bool showsValue =
            role() == QAccessible::StaticText && !Label()->accessibleName().isEmpty();
        if (showsValue && kind == QAccessible::Value) {
            return shown;
        }
        if (showsValue && kind == QAccessible::Name && !shown.isEmpty()) {
            return Label()->accessibleName() + QStringLiteral(": ") + shown.trimmed();
        }
        return DrawnControlAccessible::text(kind);
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && Label()->AccessiblePress()) {
            Label()->AccessiblePress()();
            return;
        }
        DrawnControlAccessible::doAction(action);
    }

  private:
    const GlyphLabel* Label() const { return static_cast<const GlyphLabel*>(widget()); }
};

}  // namespace

QAccessibleInterface* GlyphLabelAccessibleFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<GlyphLabel*>(object);
    return label != nullptr ? new GlyphLabelAccessible(label) : nullptr;
}

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

void GlyphLabel::ShowText(const QString& text) {
    if (text == this->text()) {
        return;
    }
    setText(text);
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
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
