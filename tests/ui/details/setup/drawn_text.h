#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>
#include <QWidget>

// A paint device that draws nothing and notes every text drawn on it, exactly as the
// painter was given it: what a widget shows, elided or not, before any clipping.
class DrawnTextRecorder : public QPaintDevice {
  public:
    explicit DrawnTextRecorder(QSize size) : m_engine(m_texts), m_size(size) {}

    QPaintEngine* paintEngine() const override { return &m_engine; }
    const QStringList& Texts() const { return m_texts; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return m_size.width();
            case PdmHeight:
                return m_size.height();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(metric);
        }
    }

  private:
    class Engine : public QPaintEngine {
      public:
        explicit Engine(QStringList& texts) : QPaintEngine(AllFeatures), m_texts(texts) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override {
            m_texts << item.text();
        }
        Type type() const override { return User; }

      private:
        QStringList& m_texts;
    };

    QStringList m_texts;
    mutable Engine m_engine;
    QSize m_size;
};

// Every text `widget` and its children draw.
inline QStringList DrawnTexts(QWidget& widget) {
    DrawnTextRecorder recorder(widget.size());
    widget.render(&recorder);
    return recorder.Texts();
}
