#pragma once
// A paint device of a given size at 96 dots per inch, one device pixel to a
// pixel, whose painting goes to the engine it is given: what a widget or a
// drawing paints is recorded or counted there, never drawn.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QSize>

class EngineDevice : public QPaintDevice {
  public:
    EngineDevice(QSize size, QPaintEngine& engine) : m_size(size), m_engine(engine) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

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
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

  private:
    QSize m_size;
    QPaintEngine& m_engine;
};
