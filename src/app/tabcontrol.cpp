#include "tabcontrol.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
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
    QPainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = rect().adjusted(0, kStripHeight - 1, 0, 0);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = m_bar->sizeHint();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}

void TabControl::showCurrent()
{
    const int current = m_bar->currentIndex();
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages.at(i)->setVisible(i == current);
    m_bar->raise();
}
