#include "pagecontrols.h"

#include "picture/pictureview.h"
#include "picture/stretchimage.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption,
                     int x, int y, int w, int h)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(x, y, w, h);
    return frame;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  int x, int y, int w, int h)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(x, y, w, h);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QString &toolTip, int x, int y, int w, int h)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setGeometry(x, y, w, h);
    // The fixed button widths were measured with a narrower font than the
    // one here: a caption that would run into the bevel gets a smaller size.
    QFont font = button->font();
    const int room = w - 8;
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(caption) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != button->font())
        button->setFont(font);
    // Buttons do not take the focus from the picture views by a click.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

PictureView *makeView(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *view = new PictureView(parent);
    view->setObjectName(name);
    view->setGeometry(x, y, w, h);
    return view;
}

StretchImage *makeStretchImage(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *image = new StretchImage(parent);
    image->setObjectName(name);
    image->setGeometry(x, y, w, h);
    return image;
}
