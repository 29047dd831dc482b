#include "aboutwindow.h"

#include "backgroundmusic.h"
#include "picture/embeddedassets.h"
#include "windowopeners.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("ChipAbout"));
    setWindowTitle(QStringLiteral("Zellforma (Version 1.0, Build 36)"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(5730 / 15, 4275 / 15);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 255, 255));
    setPalette(pal);
    setAutoFillBackground(true);

    createControls();
    centreOnScreen(this);
    Form_Load();
}

AboutWindow::~AboutWindow() = default;

int AboutWindow::aboutStep() const
{
    return m_aboutStep;
}

void AboutWindow::createControls()
{
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(0, 0, 379, 284);
    image->setScaledContents(true);
    QPixmap picture;
    picture.loadFromData(embeddedAsset(QStringLiteral("about.jpg")), "JPG");
    image->setPixmap(picture);

    QFont labelFont(QStringLiteral("Comic Sans MS"), 9);
    labelFont.setStyleHint(QFont::SansSerif);
    auto makeLabel = [&](const char *name, const QString &text, int left, int width) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(left, 80, width, 17);
        label->setFont(labelFont);
        label->setVisible(false);
        return label;
    };
    m_l1 = makeLabel("l1", QStringLiteral("Zellforma"), 224, 153);
    m_l2 = makeLabel("l2", QStringLiteral("Von: Zellforma-Team"), 240, 129);
    m_l3 = makeLabel("l3", QStringLiteral("Version 1.0"), 248, 113);
    m_l4 = makeLabel("l4", QStringLiteral("Musik: ebenso"), 256, 97);
    m_l1->setVisible(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(288, 248, 97, 39);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    m_ani = new QTimer(this);
    m_ani->setObjectName(QStringLiteral("ani"));
    m_ani->setInterval(3000);
    connect(m_ani, &QTimer::timeout, this, &AboutWindow::ani_Timer);

    m_nochrolltide = new QTimer(this);
    m_nochrolltide->setObjectName(QStringLiteral("nochrolltide"));
    m_nochrolltide->setInterval(56000);
    connect(m_nochrolltide, &QTimer::timeout, this, &AboutWindow::nochrolltide_Timer);
}

void AboutWindow::Form_Load()
{
    m_aboutStep = 1;
    m_music = std::make_unique<BackgroundMusic>(QStringLiteral("dat3.RES"),
                                                QStringLiteral("rolltide.mid"));
    m_music->start();
    m_ani->start();
    m_nochrolltide->start();
}

// One step of the label cycle; the old label goes before the new one shows.
void AboutWindow::ani_Timer()
{
    switch (m_aboutStep) {
    case 1:
        m_l1->setVisible(false);
        m_l2->setVisible(true);
        m_aboutStep = 2;
        break;
    case 2:
        m_l2->setVisible(false);
        m_l4->setVisible(true);
        m_aboutStep = 3;
        break;
    case 3:
        m_l4->setVisible(false);
        m_l3->setVisible(true);
        m_aboutStep = 4;
        break;
    case 4:
        m_l3->setVisible(false);
        m_l1->setVisible(true);
        m_aboutStep = 1;
        break;
    }
}

void AboutWindow::nochrolltide_Timer()
{
    m_music->restartStopFirst();
}

// "OK", Enter and Escape: stop the tune, then close. Should "stop" or "close"
// fail, the window closes all the same rather than staying open.
void AboutWindow::cmdOK_Click()
{
    m_music->stop();
    close();
}

// Escape acts as "OK"; the close box (which goes through reject()) stays silent.
void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}
