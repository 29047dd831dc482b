#pragma once

#include <QWidget>

class QTabBar;

// A tab control whose pages cover the whole control, tab strip included, so
// that the controls on a page are placed relative to the control's top-left
// corner. Only the page of the current tab is shown.
class TabControl : public QWidget
{
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);

    // The page is a plain widget the size of the control; place controls on it
    // below the tab strip.
    QWidget *addPage(const QString &caption, const QString &pageName = QString());
    QWidget *page(int index) const;
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar *tabBar() const { return m_bar; }

    static constexpr int kStripHeight = 20;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showCurrent();

    QTabBar *m_bar;
    QList<QWidget *> m_pages;
};
