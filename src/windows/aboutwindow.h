#pragma once

#include <QDialog>

#include <memory>

class BackgroundMusic;
class QLabel;
class QTimer;

// The About window "ChipAbout": a picture, a cycling line of text and a tune.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

    // Which label the cycle shows: 1 = l1, 2 = l2, 3 = l4, 4 = l3.
    int aboutStep() const;

public slots:
    void ani_Timer();
    void nochrolltide_Timer();
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void Form_Load();

    QLabel *m_l1 = nullptr;
    QLabel *m_l2 = nullptr;
    QLabel *m_l3 = nullptr;
    QLabel *m_l4 = nullptr;
    QTimer *m_ani = nullptr;
    QTimer *m_nochrolltide = nullptr;
    int m_aboutStep = 1;
    std::unique_ptr<BackgroundMusic> m_music;
};
