#include "bench/bench_support.h"

#include "platform/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace bench {

BenchPlatform::BenchPlatform(std::string exe) : exe_(std::move(exe)), previous_(platform::install(this)) {}

BenchPlatform::~BenchPlatform()
{
    platform::install(previous_);
}

bool BenchPlatform::moveFile(const std::string& a, const std::string& b)
{
    return platform::real().moveFile(a, b);
}

ProgramFolder::ProgramFolder(const std::string& mediaFolder, std::initializer_list<const char*> sounds)
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString folder = QString::fromStdString(mediaFolder);
    if (sounds.size() > 0 && QFile::exists(bin + "/" + folder + "/" + *sounds.begin() + ".dat")) {
        exe_ = (bin + "/qinghe").toStdString();
        return;
    }
    QDir().mkpath(tmp_.path() + "/" + folder);
    for (const char* name : sounds) {
        QFile f(tmp_.path() + "/" + folder + "/" + name + ".dat");
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("RIFF") + QByteArray(40000, '\0'));
    }
    exe_ = (tmp_.path() + "/qinghe").toStdString();
}

int RunOffscreen(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
