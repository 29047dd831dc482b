#include "tabcontrol.h"

#include <QPainter>
#include <QTabBar>

TabControl::TabControl(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QTabBar(this))
{
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setFocusPolicy(Qt::TabFocus);
    connect(m_bar, &QTabBar::currentChanged, this, &TabControl::showCurrent);
}

QWidget *TabControl::addPage(const QString &caption, const QString &pageName)
{
    auto *page = new QWidget(this);
    page->setObjectName(pageName);
    page->setGeometry(rect());
    page->hide();
    m_pages.append(page);
    m_bar->addTab(caption);
    m_bar->raise();
    showCurrent();
    return page;
}

QWidget *TabControl::page(int index) const
{
    return m_pages.value(index);
}

int TabControl::count() const
{
    return int(m_pages.size());
}

int TabControl::currentIndex() const
{
    return m_bar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_bar->setCurrentIndex(index);
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bar->setGeometry(0, 0, width(), kStripHeight);
    for (QWidget *page : qAsConst(m_pages))
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent *)
{
    // The page area in the window's own colour, with a plain frame.
    QPainter painter(this);
    const QRect area = rect().adjusted(0, kStripHeight - 1, -1, -1);
    painter.fillRect(area, palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
}

void TabControl::showCurrent()
{
    const int current = m_bar->currentIndex();
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages.at(i)->setVisible(i == current);
    m_bar->raise();
}
