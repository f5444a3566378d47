// The content generator run by the build: draws every declared picture,
// speaks every declared sound, and packs the pictures for embedding.
//   qh_content_gen --pictures DIR --sounds BIN --overrides RESOURCES
//                  --rcc RCC --rcc-out FILE --stamp FILE [--jobs N]
#include "tools/content_gen/all_content.h"
#include "tools/content_gen/generator.h"
#include "tools/content_gen/pictures.h"
#include "tools/content_gen/voices.h"
#include "tool_version.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

int main(int argc, char** argv)
{
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2)
        args[argv[i]] = argv[i + 1];
    for (const char* needed : {"--pictures", "--sounds", "--stamp"})
        if (!args.count(needed)) {
            std::fprintf(stderr, "qh_content_gen: missing %s\n", needed);
            return 2;
        }
    // Fonts need a GUI application; no display is needed to draw into images.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    try {
        gen::checkFonts();
        gen::Options o;
        o.pictureDir = args["--pictures"];
        o.soundRoot = args["--sounds"];
        o.overrideRoot = args["--overrides"];
        o.stateFile = o.pictureDir + "/content-state.txt";
        o.rcc = args["--rcc"];
        o.rccOut = args.count("--rcc-out") ? args["--rcc-out"] : o.pictureDir + "/content.rcc";
        o.jobs = args.count("--jobs") ? std::atoi(args["--jobs"].c_str()) : 8;
        o.artVersion = QH_ART_SOURCES_HASH;
        o.voiceVersion = std::string(QH_VOICE_SOURCES_HASH) + gen::voiceToolVersions();
        const gen::Plan plan = gen::makePlan(content::collectAll());
        const gen::Report r = gen::generate(plan, o);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("content: %d pictures drawn, %d kept; %d sounds spoken, %d kept; %d removed%s (%.1f s)\n",
                    r.picturesMade, r.picturesKept, r.soundsMade, r.soundsKept, r.removed,
                    r.packed ? "; pictures packed" : "", seconds);
        std::ofstream(args["--stamp"]) << "content generated\n";
    } catch (const std::exception& e) {
        std::fprintf(stderr, "content generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
