#include "rectshape.h"

#include <algorithm>
#include <cmath>

RectShape::RectShape(QObject *parent)
    : QObject(parent)
{
}

void RectShape::setLeft(double left)
{
    m_left = left;
    m_right = m_left + m_width;
    emit changed();
}

void RectShape::setTop(double top)
{
    m_top = top;
    m_bottom = m_top + m_height;
    emit changed();
}

void RectShape::setWidth(double width)
{
    m_width = width;
    m_right = m_left + m_width;
    emit changed();
}

void RectShape::setHeight(double height)
{
    m_height = height;
    m_bottom = m_top + m_height;
    emit changed();
}

void RectShape::setGeometry(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    m_right = left + width;
    m_bottom = top + height;
    emit changed();
}

void RectShape::setRight(double right)
{
    m_right = right;
    m_left = right - m_width;
    emit changed();
}

void RectShape::setBottom(double bottom)
{
    m_bottom = bottom;
    m_top = bottom - m_height;
    emit changed();
}

void RectShape::setVisible(bool visible)
{
    m_visible = visible;
    emit changed();
}

namespace {

// Far outside any picture, yet safe to round and to paint with.
int pixel(double value)
{
    return int(std::lround(std::clamp(value, -1e8, 1e8)));
}

} // namespace

QRect RectShape::pixelRect() const
{
    // Bounded edge by edge, a shape far larger than the bounds still ends
    // where it ends.
    const int left = pixel(m_left);
    const int top = pixel(m_top);
    return QRect(left, top, pixel(m_right) - left, pixel(m_bottom) - top);
}
