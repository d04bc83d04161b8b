#include "ui/sunken_field_style.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOption>

namespace coppia {

namespace {
constexpr int kBevelWidth = 2;
}

void SunkenFieldStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelLineEdit: {
            const QBrush background = option->palette.brush(QPalette::Base);
            qDrawWinPanel(painter, option->rect, option->palette, true, &background);
            return;
        }
        case PE_FrameLineEdit:
            qDrawWinPanel(painter, option->rect, option->palette, true, nullptr);
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

int SunkenFieldStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
    if (metric == PM_DefaultFrameWidth)
        return kBevelWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace coppia
