#include "tests/content/espeak_batch.h"

#include "tools/content_gen/voices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace testing_espeak {

namespace {

// Between two texts: a paragraph of its own that no text says, so each
// text's lines can be told apart (and no tone crosses from one to the next).
std::string markerText(const std::string& voice)
{
    return voice.rfind("cmn", 0) == 0 ? "yo1 yo1 yo1 yo1 yo1 yo1 yo1" : "zebra zebra zebra zebra zebra zebra zebra";
}

std::string trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> nonEmptyLines(const std::string& out)
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (!trimmed(line).empty())
            lines.push_back(trimmed(line));
    return lines;
}

std::string espeak(const std::string& input, const std::string& voice, bool ssml)
{
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/input.txt";
    std::ofstream(file, std::ios::binary) << input;
    std::vector<std::string> argv = {"espeak-ng", "-q", "-x", "-v", voice, "-f", file};
    if (ssml)
        argv.push_back("-m");
    std::string out;
    EXPECT_EQ(gen::runProgram(argv, &out), 0) << out;
    return out;
}

std::vector<std::vector<std::string>> split(const std::string& out, const std::string& voice, size_t count)
{
    const std::vector<std::string> marker = nonEmptyLines(espeak(markerText(voice), voice, false));
    EXPECT_EQ(marker.size(), 1u);
    std::vector<std::vector<std::string>> texts(1);
    for (const std::string& line : nonEmptyLines(out)) {
        if (!marker.empty() && line == marker[0])
            texts.emplace_back();
        else
            texts.back().push_back(line);
    }
    EXPECT_EQ(texts.size(), count) << "one run of lines for each text";
    texts.resize(count);
    return texts;
}

bool isPause(char c)
{
    return c == ':' || c == '!' || c == '|' || c == '^';
}

// Without stress marks and pauses ("_", "_:", "_|", ...).
std::string withoutMarks(const std::string& s)
{
    std::string out;
    for (size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '\'' || s[k] == ',')
            continue;
        if (s[k] == '_') {
            while (k + 1 < s.size() && isPause(s[k + 1]))
                ++k;
            continue;
        }
        out += s[k];
    }
    return out;
}

}  // namespace

std::vector<std::vector<std::string>> PhonemeLines(const std::vector<std::string>& texts, const std::string& voice)
{
    std::string input;
    for (size_t k = 0; k < texts.size(); ++k)
        input += (k ? "\n\n" + markerText(voice) + "\n\n" : "") + texts[k];
    return split(espeak(input, voice, false), voice, texts.size());
}

std::vector<std::vector<std::string>> SpelledPhonemeLines(const std::vector<std::string>& texts,
                                                          const std::string& voice)
{
    std::string input = "<speak>";
    for (size_t k = 0; k < texts.size(); ++k)
        input += (k ? "<p>" + markerText(voice) + "</p>" : "") + "<p><say-as interpret-as=\"characters\">" + texts[k] +
                 "</say-as></p>";
    input += "</speak>";
    return split(espeak(input, voice, true), voice, texts.size());
}

std::vector<Heard> Words(const std::string& line)
{
    std::vector<Heard> words;
    std::istringstream in(line);
    for (std::string token; in >> token;) {
        const std::string phonemes = withoutMarks(token);
        if (phonemes.empty())
            continue;
        Heard h;
        for (size_t k = 0; k < phonemes.size(); ++k) {
            if (phonemes[k] >= '0' && phonemes[k] <= '9') {
                if (k == 0 || !(phonemes[k - 1] >= '0' && phonemes[k - 1] <= '9')) {
                    h.shape += '#';
                    h.tones.emplace_back();
                }
                h.tones.back() += phonemes[k];
            } else {
                h.shape += phonemes[k];
            }
        }
        words.push_back(h);
    }
    return words;
}

std::string Flat(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        for (const char c : withoutMarks(line))
            if (c != ' ')
                all += c;
    return all;
}

}  // namespace testing_espeak
