#pragma once

#include <QWidget>

#include <memory>

class BackgroundMusic;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The help window "hilfe": seven help topics, a drifting title and a tune.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    ~HelpWindow() override;

    // The title's left edge in twips; 15 twips make one pixel.
    int topicLeftTwips() const;

    static constexpr int TwipsPerPixel = 15;

public slots:
    void Hallgemein_Click();
    void hchip_Click();
    void hchar_Click();
    void hface_Click();
    void hchipkonv_Click();
    void hscreenchip_Click();
    void hscreenchar_Click();
    void exit_Click();
    void Timer1_Timer();
    void nochbond_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void showTopic(int topic);
    void placeTopicLabel();

    QLabel *m_lblTopic = nullptr;
    QPlainTextEdit *m_texts[7] = {};
    QTimer *m_timer1 = nullptr;
    QTimer *m_nochbond = nullptr;
    int m_topicLeftTwips = 240;
    std::unique_ptr<BackgroundMusic> m_music;
};
