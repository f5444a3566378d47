// Drives screens the way a kid does: clicks on named, visible, enabled
// widgets, and fixed pictures for the picture store.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "platform/pictures.h"

#include <QColor>
#include <QMap>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// The named child widget, or nullptr.
QWidget* Find(QWidget* screen, const std::string& name);
template <class T>
T* FindAs(QWidget* screen, const std::string& name)
{
    return qobject_cast<T*>(Find(screen, name));
}

// A left click at the widget's centre, only when a kid could make it: the
// widget exists, is visible on screen and enabled. Returns false otherwise.
bool Click(QWidget* screen, const std::string& name);

// Whether the named widget would show with its screen (it and its parents
// are not hidden); false when there is no such widget.
bool Shown(QWidget* screen, const std::string& name);

// A new screen of a registered lesson, created (its FormCreate run) and
// shown, as its launcher leaves it; nullptr when the lesson is not built.
std::unique_ptr<frame::LessonScreen> OpenShown(const std::string& className);

// The text of a named label or button.
std::string TextOf(QWidget* screen, const std::string& name);

// Serves pictures from memory instead of the embedded resources while alive.
class FakePictures {
public:
    FakePictures();
    ~FakePictures();
    // Adds a BMP picture of the given size and colour under name.
    void add(const std::string& name, int width = 8, int height = 8, QColor colour = Qt::red);
    void addRaw(const std::string& name, const QByteArray& bytes);
    void addPictureBytes(const std::string& name, const QByteArray& bytes);
    // Adds every name of a family prefix + "%03d" for numbers first..last.
    void addFamily(const std::string& prefix, int first, int last, int width = 8, int height = 8);
    void remove(const std::string& name);

private:
    QMap<QString, QByteArray> pictures_;
    QMap<QString, QByteArray> raw_;
};

// Collects the warning lines the program writes while alive (they are still
// printed).
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    std::vector<std::string> lines;
};

// Saves a grab of the screen as NAME.png in the folder that QH_SHOTS_DIR
// names, to be looked at; does nothing when the variable is not set.
void SaveShot(QWidget* screen, const std::string& name);

// The colour of a picture's centre pixel as a name ("#rrggbb"), for telling
// fixed pictures apart.
std::string CentreColour(const platform::Picture& picture);

}  // namespace testing_support
