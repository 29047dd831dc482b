#include "pagecontrols.h"

#include "picture/pictureview.h"
#include "picture/stretchimage.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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
    // Buttons do not take the focus from the picture views by a click.
    button->setFocusPolicy(Qt::TabFocus);
    fitCaption(button);
    return button;
}

void useDialogFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
}

void fitCaption(QPushButton *button)
{
    fitCaptions({button}, button->font());
}

void fitCaptions(const QList<QPushButton *> &buttons, QFont font)
{
    const auto fits = [&buttons](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        for (const QPushButton *button : buttons) {
            QStyleOptionButton option;
            option.initFrom(button);
            // A pixel of air on each side, so no letter touches the frame.
            const int room = button->style()
                                 ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                 .width() - 2;
            for (const QString &line : captionLines(button)) {
                if (metrics.horizontalAdvance(line) > room)
                    return false;
            }
        }
        return true;
    };
    // Down to 6 points at most; below that a caption would not read either.
    while (!fits(font) && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (QPushButton *button : buttons) {
        if (font != button->font())
            button->setFont(font);
    }
}

QStringList captionLines(const QPushButton *button)
{
    if (button->height() > button->width())
        return button->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {button->text()};
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
