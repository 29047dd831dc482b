#pragma once

#include <QFrame>
#include <QImage>

// A preview: shows its picture stretched over its whole area. Like the
// platform's image control it has no border unless it is given one; a border
// is drawn over the picture's edge, so the picture keeps the whole area.
class StretchImage : public QFrame
{
    Q_OBJECT
public:
    explicit StretchImage(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }

    // A thin single-line border.
    void setBorder(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
