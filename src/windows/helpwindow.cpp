#include "helpwindow.h"

#include "backgroundmusic.h"
#include "pages/pagecontrols.h"
#include "windowopeners.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

// The help texts live in the core library's resources; a static library has to
// register them by hand before the first read.
static void initHelpResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

// One help topic: its button down the left side, its title and its text box.
struct Topic
{
    const char *button;
    const char *caption;
    int buttonTop;
    const char *title;
    const char *textBox;
    const char *resource;
};

// In the order in which a topic switch sets the text boxes' visibility.
const Topic topics[7] = {
    {"Hallgemein", "Allgemein", 64, "HILFE: Allgemein", "tallgemein", ":/help/allgemein.txt"},
    {"hchip", "Chip Set Hilfe", 160, "HILFE: Chip Sets", "tchip", ":/help/chip.txt"},
    {"hchar", "Char Set Hilfe", 200, "HILFE: Char Sets", "tchar", ":/help/char.txt"},
    {"hface", "Face Set Hilfe", 240, "HILFE: Face Sets", "tface", ":/help/face.txt"},
    {"hchipkonv", "RPG95 zu RPG2K (Chip) Hilfe", 280, "HILFE: RPG95 zu RPG2K (Chip)", "tchipkonv",
     ":/help/chipkonv.txt"},
    {"hscreenchip", "Screenshot zu Chip Hilfe", 320, "HILFE: Screenshot zu Chip", "tscreenchip",
     ":/help/screenchip.txt"},
    {"hscreenchar", "Screenshot zu Char Hilfe", 360, "HILFE: Screenshot zu Char", "tscreenchar",
     ":/help/screenchar.txt"},
};

enum TopicIndex { Allgemein, Chip, Char, Face, ChipKonv, ScreenChip, ScreenChar };

// The title starts here and wraps from beyond the right edge to beyond the left.
constexpr int TopicStartTwips = 240;
constexpr int TopicWrapAboveTwips = 10000;
constexpr int TopicWrapToTwips = -6000;
constexpr int TopicStepTwips = 25;

QString helpText(const char *resource)
{
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint)
{
    initHelpResources();
    setObjectName(QStringLiteral("hilfe"));
    setWindowTitle(QStringLiteral("Zellforma Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(9600 / TwipsPerPixel, 7380 / TwipsPerPixel);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    createControls();
    centreOnScreen(this);
    Form_Load();
}

HelpWindow::~HelpWindow() = default;

int HelpWindow::topicLeftTwips() const
{
    return m_topicLeftTwips;
}

void HelpWindow::createControls()
{
    m_lblTopic = new QLabel(QString::fromUtf8(topics[Allgemein].title), this);
    m_lblTopic->setObjectName(QStringLiteral("lblTopic"));
    QPalette labelPalette = m_lblTopic->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    m_lblTopic->setPalette(labelPalette);
    QFont titleFont(QStringLiteral("MS Sans Serif"), 18);
    titleFont.setStyleHint(QFont::SansSerif);
    m_lblTopic->setFont(titleFont);
    m_lblTopic->resize(609, 33);
    m_topicLeftTwips = TopicStartTwips;
    placeTopicLabel();

    // Created in tab order; "Hallgemein" comes after the six page topics.
    static const int tabOrder[] = {Chip, Char, Face, ChipKonv, ScreenChip, ScreenChar, Allgemein};
    QPushButton *buttons[7] = {};
    for (int topic : tabOrder) {
        auto *button = new QPushButton(QString::fromUtf8(topics[topic].caption), this);
        button->setObjectName(QString::fromLatin1(topics[topic].button));
        button->setGeometry(8, topics[topic].buttonTop, 153, 25);
        fitCaption(button);
        buttons[topic] = button;
    }
    auto *exitButton = new QPushButton(QStringLiteral("Beenden"), this);
    exitButton->setObjectName(QStringLiteral("exit"));
    exitButton->setGeometry(8, 456, 153, 25);

    connect(buttons[Allgemein], &QPushButton::clicked, this, &HelpWindow::Hallgemein_Click);
    connect(buttons[Chip], &QPushButton::clicked, this, &HelpWindow::hchip_Click);
    connect(buttons[Char], &QPushButton::clicked, this, &HelpWindow::hchar_Click);
    connect(buttons[Face], &QPushButton::clicked, this, &HelpWindow::hface_Click);
    connect(buttons[ChipKonv], &QPushButton::clicked, this, &HelpWindow::hchipkonv_Click);
    connect(buttons[ScreenChip], &QPushButton::clicked, this, &HelpWindow::hscreenchip_Click);
    connect(buttons[ScreenChar], &QPushButton::clicked, this, &HelpWindow::hscreenchar_Click);
    connect(exitButton, &QPushButton::clicked, this, &HelpWindow::exit_Click);

    for (int topic = 0; topic < 7; ++topic) {
        auto *box = new QPlainTextEdit(this);
        box->setObjectName(QString::fromLatin1(topics[topic].textBox));
        box->setGeometry(168, 48, 457, 433);
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setPlainText(helpText(topics[topic].resource));
        box->setVisible(topic == Allgemein);
        m_texts[topic] = box;
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(50);
    connect(m_timer1, &QTimer::timeout, this, &HelpWindow::Timer1_Timer);

    m_nochbond = new QTimer(this);
    m_nochbond->setObjectName(QStringLiteral("nochbond"));
    m_nochbond->setInterval(38000);
    connect(m_nochbond, &QTimer::timeout, this, &HelpWindow::nochbond_Timer);
}

void HelpWindow::Form_Load()
{
    m_music = std::make_unique<BackgroundMusic>(QStringLiteral("dat2.res"),
                                                QStringLiteral("bond.mid"));
    m_music->start();
    m_timer1->start();
    m_nochbond->start();
}

void HelpWindow::showTopic(int topic)
{
    m_lblTopic->setText(QString::fromUtf8(topics[topic].title));
    for (int box = 0; box < 7; ++box)
        m_texts[box]->setVisible(box == topic);
}

void HelpWindow::Hallgemein_Click()
{
    showTopic(Allgemein);
}

void HelpWindow::hchip_Click()
{
    showTopic(Chip);
}

void HelpWindow::hchar_Click()
{
    showTopic(Char);
}

void HelpWindow::hface_Click()
{
    showTopic(Face);
}

void HelpWindow::hchipkonv_Click()
{
    showTopic(ChipKonv);
}

void HelpWindow::hscreenchip_Click()
{
    showTopic(ScreenChip);
}

void HelpWindow::hscreenchar_Click()
{
    showTopic(ScreenChar);
}

void HelpWindow::Timer1_Timer()
{
    if (m_topicLeftTwips > TopicWrapAboveTwips)
        m_topicLeftTwips = TopicWrapToTwips;
    m_topicLeftTwips += TopicStepTwips;
    placeTopicLabel();
}

void HelpWindow::placeTopicLabel()
{
    m_lblTopic->move(m_topicLeftTwips / TwipsPerPixel, 8);
}

void HelpWindow::nochbond_Timer()
{
    m_music->restartRenameFirst();
}

// "Beenden": stop the tune, then close; the close stops it once more.
void HelpWindow::exit_Click()
{
    m_music->stop();
    close();
}

// Every close stops the tune and is never refused.
void HelpWindow::closeEvent(QCloseEvent *event)
{
    m_music->stop();
    m_timer1->stop();
    m_nochbond->stop();
    event->accept();
}
