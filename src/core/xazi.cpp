#include "core/xazi.h"

#include "platform/twips.h"

#include <QPainter>

namespace {

constexpr int kThickness = twipsToPixels(30);
constexpr int kLightOffset = twipsToPixels(15);

} // namespace

xazi::xazi(QWidget* parent, int mimarTuleba) : QWidget(parent)
{
    setMimarTuleba(mimarTuleba);
}

void xazi::setMimarTuleba(int direction)
{
    m_mimarTuleba = direction;
    if (across()) {
        setMinimumSize(0, kThickness);
        setMaximumSize(QWIDGETSIZE_MAX, kThickness);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setMinimumSize(kThickness, 0);
        setMaximumSize(kThickness, QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    update();
}

std::array<QLine, 2> xazi::lines() const
{
    if (across())
        return {QLine(0, 0, width(), 0), QLine(kLightOffset, kLightOffset, width(), kLightOffset)};
    return {QLine(0, 0, 0, height()), QLine(kLightOffset, 0, kLightOffset, height())};
}

void xazi::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const auto [dark, light] = lines();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(dark);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(light);
}
