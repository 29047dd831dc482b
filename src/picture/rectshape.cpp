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
    emit changed();
}

void RectShape::setTop(double top)
{
    m_top = top;
    emit changed();
}

void RectShape::setWidth(double width)
{
    m_width = width;
    emit changed();
}

void RectShape::setHeight(double height)
{
    m_height = height;
    emit changed();
}

void RectShape::setGeometry(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
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
    return QRect(pixel(m_left), pixel(m_top), pixel(m_width), pixel(m_height));
}
