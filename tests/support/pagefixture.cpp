#include "pagefixture.h"

#include "app/mainform.h"
#include "app/tabcontrol.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

PageFixture::PageFixture(int tabIndex)
{
    setProgramFolder(m_dir.path());
    m_form = std::make_unique<MainForm>(dialogs);
    m_form->tabs()->setCurrentIndex(tabIndex);
    m_form->show();
    m_ready = m_dir.isValid() && QTest::qWaitForWindowExposed(m_form.get());
}

PageFixture::~PageFixture()
{
    m_form.reset();
    setProgramFolder(QString());
}

QString PageFixture::filePath(const QString &name) const
{
    return m_dir.filePath(name);
}

QString PageFixture::unwritableFolder() const
{
    const QString blocker = filePath(QStringLiteral("afile"));
    QFile file(blocker);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a folder");
    return blocker + QStringLiteral("/sub");
}

QObject *PageFixture::findNamed(const QString &name, const char *kind) const
{
    QObject *found = nullptr;
    for (QObject *child : m_form->findChildren<QObject *>(name)) {
        if (child->inherits(kind)) {
            found = child;
            break;
        }
    }
    if (!found)
        qFatal("no %s named %s", kind, qPrintable(name));
    return found;
}

PictureView *PageFixture::view(const QString &name) const
{
    return static_cast<PictureView *>(findNamed(name, "PictureView"));
}

RectShape *PageFixture::shape(const QString &name) const
{
    return static_cast<RectShape *>(findNamed(name, "RectShape"));
}

QLabel *PageFixture::label(const QString &name) const
{
    return static_cast<QLabel *>(findNamed(name, "QLabel"));
}

QPushButton *PageFixture::button(const QString &name) const
{
    return static_cast<QPushButton *>(findNamed(name, "QPushButton"));
}

StretchImage *PageFixture::preview(const QString &name) const
{
    return static_cast<StretchImage *>(findNamed(name, "StretchImage"));
}

PictureClip *PageFixture::clip(const QString &name) const
{
    return static_cast<PictureClip *>(findNamed(name, "PictureClip"));
}

FileDialog *PageFixture::fileDialog(const QString &name) const
{
    return static_cast<FileDialog *>(findNamed(name, "FileDialog"));
}

void PageFixture::clickButton(const QString &name, int times)
{
    QPushButton *target = button(name);
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(target, Qt::LeftButton);
}

void PageFixture::clickView(const QString &name)
{
    QTest::mouseClick(view(name), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

void PageFixture::pressKey(const QString &viewName, Qt::Key key, Qt::KeyboardModifiers modifiers,
                           int times)
{
    PictureView *target = view(viewName);
    for (int i = 0; i < times; ++i)
        QTest::keyClick(target, key, modifiers);
}

void PageFixture::clickWithFile(const QString &buttonName, const QString &fileName)
{
    dialogs.queueFileName(fileName);
    clickButton(buttonName);
}
