// Opens every built lesson through the menu's launcher, as a kid's click on
// its menu entry does, and times the click to the lesson window's first
// frame (its expose handled, so painted and flushed). Several rounds: the
// first is every lesson's first visit. Prints each lesson's times, then the
// median and the slowest, the menu's page changes on the way, and the
// resident memory after all visits (and the most after any one), by kind.
//
// Run it on a real display (first_frame.sh runs it under Xvfb) with the
// build's media folders beside it; ROUNDS sets the number of rounds (3).
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "bench/measures.h"
#include "lesson_frame/lesson_registry.h"
#include "platform/picture_cache.h"
#include "platform/widgets.h"
#include "resources/menu_catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <malloc.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Sees every event; notes when the watched lesson window's first expose has
// been handled.
class TimingApp : public QApplication {
public:
    using QApplication::QApplication;
    const char* watched = nullptr;  // class name of the lesson being opened
    QElapsedTimer clock;
    double shownMs = -1;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool handled = QApplication::notify(receiver, event);
        if (watched && shownMs < 0 && event->type() == QEvent::Expose && receiver->isWindowType()) {
            frame::LessonScreen* open = frame::FormVariable(watched);
            auto* window = static_cast<QWindow*>(receiver);
            if (open && open->windowHandle() == window && window->isExposed()) {
                shownMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                QTimer::singleShot(0, open, [open] { open->btn_backlasmenuClick(); });
            }
        }
        return handled;
    }
};

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

long long statusKb(const char* field)
{
    return bench::StatusField("/proc/self/status", field);
}

void goToPage(TMainForm& menu, int page)
{
    while (menu.PageIndex() < page)
        menu.btn_NextPageClick();
    while (menu.PageIndex() > page)
        menu.btn_lastpageClick();
}

// Resident memory by kind of mapping, from /proc/self/smaps: the heap and
// other anonymous memory, font files, the program and its libraries, other
// mapped files.
void printResidentByKind(const char* when)
{
    std::ifstream smaps("/proc/self/smaps");
    std::map<std::string, long> kb;
    std::string line, kind;
    while (std::getline(smaps, line)) {
        if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) && line.find('-') < 16 &&
            line.find(' ') > line.find('-')) {
            std::istringstream in(line);
            std::string range, perms, offset, dev, inode, path;
            in >> range >> perms >> offset >> dev >> inode;
            std::getline(in >> std::ws, path);
            if (path.empty())
                kind = "anonymous";
            else if (path == "[heap]")
                kind = "heap";
            else if (path[0] == '[')
                kind = "other";
            else if (path.find(".tt") != std::string::npos || path.find(".otf") != std::string::npos)
                kind = "font files";
            else if (path.find(".so") != std::string::npos || path.find("/bin/") != std::string::npos)
                kind = "code";
            else
                kind = "other files";
        } else if (line.rfind("Rss:", 0) == 0) {
            kb[kind] += std::stol(line.substr(4));
        }
    }
    std::printf("resident %s:", when);
    for (const auto& [k, v] : kb)
        std::printf(" %s %.1f MB;", k.c_str(), v / 1024.0);
    const struct mallinfo2 m = mallinfo2();
    std::printf(" malloc in use %.1f MB, free in its arenas %.1f MB\n", m.uordblks / 1048576.0, m.fordblks / 1048576.0);
    std::printf("picture cache: %zu pictures, %.1f MB spare\n", platform::embeddedPictureCache().count(),
                platform::embeddedPictureCache().spareBytes() / 1048576.0);
}

}  // namespace

int main(int argc, char** argv)
{
    // Started as the program starts.
    TimingApp app(argc, argv);
    platform::installFontSubstitutions();
    platform::prepareFontsInBackground();
    platform::prefetchPictures(TMainForm::FirstFramePictures());
    frame::RegisterAllLessons();
    const int rounds = std::max(1, qEnvironmentVariableIntValue("ROUNDS") ? qEnvironmentVariableIntValue("ROUNDS") : 3);

    TMainForm menu;
    menu.Create();
    menu.show();
    settle(500);
    printResidentByKind("with the menu shown");

    struct Lesson {
        const catalogue::MenuEntry* entry;
        std::vector<double> ms;
    };
    std::vector<Lesson> lessons;
    for (const catalogue::MenuEntry& e : catalogue::kMenu)
        if (frame::FindLesson(e.className))
            lessons.push_back({&e, {}});
    if (lessons.empty()) {
        std::fprintf(stderr, "no lessons built\n");
        return 1;
    }

    std::vector<double> first, later, pageChanges;
    long long mostAfterVisitKb = 0;
    for (int round = 0; round < rounds; ++round) {
        for (Lesson& l : lessons) {
            if (menu.PageIndex() != l.entry->page) {
                // The menu's page drawn anew, fonts and icons loaded as needed.
                QElapsedTimer pageClock;
                pageClock.start();
                goToPage(menu, l.entry->page);
                menu.repaint();
                pageChanges.push_back(static_cast<double>(pageClock.nsecsElapsed()) / 1e6);
            }
            settle(60);
            app.watched = l.entry->className;
            app.shownMs = -1;
            // A lesson that never shows is closed after a while and counted
            // as failed.
            QTimer guard;
            guard.setSingleShot(true);
            QObject::connect(&guard, &QTimer::timeout, [&] {
                if (frame::LessonScreen* open = frame::FormVariable(l.entry->className))
                    open->Close();
            });
            guard.start(3000);
            app.clock.start();
            menu.Slot(l.entry->slot).button->Click();
            app.watched = nullptr;
            const double ms = app.shownMs;
            if (ms < 0) {
                std::fprintf(stderr, "%s: no window shown\n", l.entry->className);
                return 1;
            }
            l.ms.push_back(ms);
            (round == 0 ? first : later).push_back(ms);
            settle(40);
            mostAfterVisitKb = std::max(mostAfterVisitKb, statusKb("VmRSS:"));
        }
    }

    std::printf("%-28s %s\n", "lesson", "open ms (first visit, then later ones)");
    for (const Lesson& l : lessons) {
        std::printf("%-28s", l.entry->className);
        for (double ms : l.ms)
            std::printf(" %6.1f", ms);
        std::printf("\n");
    }
    std::vector<double> all = first;
    all.insert(all.end(), later.begin(), later.end());
    const auto slowest = [](const std::vector<double>& v) {
        return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
    };
    std::printf("lessons=%zu rounds=%d\n", lessons.size(), rounds);
    std::printf("first visits: median %.1f ms, slowest %.1f ms\n", bench::Median(first), slowest(first));
    if (!later.empty())
        std::printf("later visits: median %.1f ms, slowest %.1f ms\n", bench::Median(later), slowest(later));
    std::printf("all visits:   median %.1f ms, slowest %.1f ms\n", bench::Median(all), slowest(all));
    std::printf("page changes: median %.1f ms, slowest %.1f ms\n", bench::Median(pageChanges), slowest(pageChanges));
    std::printf("rss after any one visit at most %.1f MB\n", mostAfterVisitKb / 1024.0);
    std::printf("rss after every lesson: %.1f MB (peak %.1f MB)\n", statusKb("VmRSS:") / 1024.0,
                statusKb("VmHWM:") / 1024.0);
    printResidentByKind("after every lesson");
    return 0;
}
