#pragma once

#include <QFrame>
#include <QImage>

// A preview: shows its picture stretched over its whole inner area.
class StretchImage : public QFrame
{
    Q_OBJECT
public:
    explicit StretchImage(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
