// The recordings of things: the same bytes every time, brought to the
// voices' loudness without passing their peaks, and a missing source, a
// clipping recipe or an unknown name stops the build saying which.
#include "tests/support/sound_analysis.h"
#include "tools/content_gen/plan.h"
#include "tools/content_gen/recordings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

const content::Sound kCard{"tdongw\\", "001", "汪汪汪"};

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RecordingTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    // Records into out.dat; returns the error, empty when it was made.
    std::string make(const gen::Recording& r, const std::string& out = "out.dat")
    {
        try {
            gen::record(r, kCard, path("work"), path(out));
        } catch (const gen::ContentError& e) {
            return e.what();
        }
        return {};
    }
    size_t files() const
    {
        return size_t(std::distance(fs::directory_iterator(dir.path().toStdString()), fs::directory_iterator()));
    }
    QTemporaryDir dir;
};

TEST_F(RecordingTest, TheSameRecipeGivesTheSameBytes)
{
    for (const char* name : {"dog", "firecrackers"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(gen::findRecording(name), nullptr);
        ASSERT_EQ(make(*gen::findRecording(name), "one.dat"), "");
        ASSERT_EQ(make(*gen::findRecording(name), "two.dat"), "");
        EXPECT_GT(readFile(path("one.dat")).size(), 44u);
        EXPECT_EQ(readFile(path("one.dat")), readFile(path("two.dat")));
        EXPECT_EQ(files(), 2u) << "no scratch file is left";
    }
}

TEST_F(RecordingTest, ItReachesTheVoicesLoudnessWithoutPassingTheirPeak)
{
    const struct {
        const char* what;
        const char* part;
        bool peakBound;  // too spiky to reach the loudness: held at the peak
    } cases[] = {
        {"a quiet steady tone", "synth 1.5 sine 440 gain -30", false},
        {"a loud steady tone", "synth 1.5 sine 440 gain -1", false},
        {"sparse blips", "synth 1.5 sine 2000 synth square amod 2 0 0 2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(make({.name = "test", .parts = {c.part}}), "");
        const Sound s = ReadSound(path("out.dat"));
        ASSERT_FALSE(s.x.empty());
        EXPECT_LE(PeakDb(s), gen::kRecordingPeakDb + 0.05);
        EXPECT_LE(RmsDb(s), gen::kRecordingRmsDb + 0.05);
        if (c.peakBound) {
            EXPECT_NEAR(PeakDb(s), gen::kRecordingPeakDb, 0.05);
        } else {
            EXPECT_NEAR(RmsDb(s), gen::kRecordingRmsDb, 0.05);
        }
    }
}

TEST_F(RecordingTest, WhatCannotBeMadeStopsTheBuildSayingWhy)
{
    const struct {
        gen::Recording recording;
        std::vector<std::string> mentions;
    } cases[] = {
        {{.name = "gone", .source = "animals/none.ogg"},
         {"/usr/share/tuxpaint/stamps/animals/none.ogg", "missing", "tuxpaint-stamps-default", "\"gone\""}},
        {{.name = "loud", .parts = {"synth 1 sine 440 gain 6"}}, {"clipped", "\"loud\""}},
        {{.name = "bad", .parts = {"synth 1 sine 440 nosucheffect"}}, {"failed", "nosucheffect"}},
        {{.name = "silent", .parts = {"synth 1 sine 440 gain -200"}}, {"silent"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recording.name);
        const std::string error = make(c.recording);
        EXPECT_NE(error.find("sound \"001\" of folder \"tdongw\\\""), std::string::npos) << error;
        for (const std::string& m : c.mentions)
            EXPECT_NE(error.find(m), std::string::npos) << error;
        EXPECT_EQ(files(), 0u) << "nothing half made is left";
    }
}

TEST(Recordings, AnUnknownRecordingIsABadDeclaration)
{
    content::Sound unicorn = kCard;
    unicorn.recording = "unicorn";
    try {
        gen::makePlan({{}, {unicorn}, {}});
        ADD_FAILURE() << "accepted";
    } catch (const gen::ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("no recording is called \"unicorn\""), std::string::npos) << e.what();
    }
}

}  // namespace
