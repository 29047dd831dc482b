#include "rectshape.h"

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

QRect RectShape::pixelRect() const
{
    return QRect(int(std::lround(m_left)), int(std::lround(m_top)),
                 int(std::lround(m_width)), int(std::lround(m_height)));
}
