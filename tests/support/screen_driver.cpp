#include "tests/support/screen_driver.h"

#include "lesson_frame/lesson_registry.h"
#include "tools/content_gen/picture_writers.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <cstdio>

namespace testing_support {

QWidget* Find(QWidget* screen, const std::string& name)
{
    if (!screen)
        return nullptr;
    return screen->findChild<QWidget*>(QString::fromStdString(name));
}

bool Click(QWidget* screen, const std::string& name)
{
    QWidget* w = Find(screen, name);
    if (!w || !w->isVisible() || !w->isEnabled())
        return false;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    return true;
}

std::string TextOf(QWidget* screen, const std::string& name)
{
    QWidget* w = Find(screen, name);
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text().toStdString();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text().toStdString();
    return "<no text widget " + name + ">";
}

FakePictures::FakePictures()
{
    platform::setResourceSource([this](const QString& upper, platform::ResourceKind kind) -> std::optional<QByteArray> {
        const auto& table = kind == platform::ResourceKind::Picture ? pictures_ : raw_;
        auto it = table.constFind(upper);
        if (it == table.constEnd())
            return std::nullopt;
        return it.value();
    });
}

FakePictures::~FakePictures()
{
    platform::setResourceSource({});
}

void FakePictures::add(const std::string& name, int width, int height, QColor colour)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(colour);
    pictures_.insert(QString::fromStdString(name).toUpper(), gen::encodeBmp24(img));
}

void FakePictures::addRaw(const std::string& name, const QByteArray& bytes)
{
    raw_.insert(QString::fromStdString(name).toUpper(), bytes);
}

void FakePictures::addPictureBytes(const std::string& name, const QByteArray& bytes)
{
    pictures_.insert(QString::fromStdString(name).toUpper(), bytes);
}

void FakePictures::addFamily(const std::string& prefix, int first, int last, int width, int height)
{
    for (int n = first; n <= last; ++n) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%s%03d", prefix.c_str(), n);
        // A distinct colour per number, so tests can tell which was loaded.
        add(buf, width, height, QColor::fromHsv((n * 37) % 360, 200, 200));
    }
}

void FakePictures::remove(const std::string& name)
{
    pictures_.remove(QString::fromStdString(name).toUpper());
    raw_.remove(QString::fromStdString(name).toUpper());
}

std::string CentreColour(const platform::Picture& picture)
{
    if (picture.isNull())
        return "none";
    const QImage& img = picture.image();
    return QColor(img.pixel(img.width() / 2, img.height() / 2)).name().toStdString();
}

void SaveShot(QWidget* screen, const std::string& name)
{
    const QString dir = qEnvironmentVariable("QH_SHOTS_DIR");
    if (dir.isEmpty())
        return;
    const QString file = QDir(dir).filePath(QString::fromStdString(name) + ".png");
    if (!screen->grab().save(file))
        qWarning("could not save %s", qPrintable(file));
}

namespace {
WarningLog* activeLog = nullptr;
QtMessageHandler previousHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (activeLog && type == QtWarningMsg)
        activeLog->lines.push_back(message.toStdString());
    if (previousHandler)
        previousHandler(type, context, message);
}
}  // namespace

WarningLog::WarningLog()
{
    activeLog = this;
    previousHandler = qInstallMessageHandler(collect);
}

WarningLog::~WarningLog()
{
    qInstallMessageHandler(previousHandler);
    activeLog = nullptr;
}

bool Shown(QWidget* screen, const std::string& name)
{
    QWidget* w = Find(screen, name);
    return w && w->isVisibleTo(screen);
}

std::unique_ptr<frame::LessonScreen> OpenShown(const std::string& className)
{
    const frame::LessonFactory* make = frame::FindLesson(className);
    if (!make)
        return nullptr;
    std::unique_ptr<frame::LessonScreen> screen((*make)());
    screen->Create();
    screen->show();
    return screen;
}

}  // namespace testing_support
