#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class PictureView;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class StretchImage;

// Small builders for the controls of a work page, each placed at its pixel
// position inside its container and named for tests and readers.
QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption,
                     int x, int y, int w, int h);
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  int x, int y, int w, int h);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QString &toolTip, int x, int y, int w, int h);
// The small dialog font the fixed layouts were measured with, for the whole
// program.
void useDialogFont();

// Gives a button whose caption is wider than its inside a smaller font of its
// own, so that every caption reads whole at the button's fixed size. Call it
// once the button has its text and its geometry.
void fitCaption(QPushButton *button);
// Gives a group of buttons one font: the largest, from `font` down by half
// points to 6 points, in which every one of their captions fits.
void fitCaptions(const QList<QPushButton *> &buttons, QFont font);
// The lines a button shows its caption in: a tall, narrow button wraps it at
// its blanks, a word a line.
QStringList captionLines(const QPushButton *button);

PictureView *makeView(QWidget *parent, const QString &name, int x, int y, int w, int h);
StretchImage *makeStretchImage(QWidget *parent, const QString &name, int x, int y, int w, int h);
