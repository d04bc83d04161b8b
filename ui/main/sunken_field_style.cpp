// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/sunken_field_style.h"

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
            // A caret alone is easy to lose among eleven boxes: the focused one is outlined too.
            if (option->state & State_HasFocus) {
                painter->save();
                painter->setPen(option->palette.color(QPalette::Highlight));
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(option->rect.adjusted(kBevelWidth, kBevelWidth, -kBevelWidth - 1,
                                                        -kBevelWidth - 1));
                painter->restore();
            }
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
