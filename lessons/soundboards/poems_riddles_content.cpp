// Pictures and sounds of the Tang poems and riddles lessons, from their own
// tables.
#include "lessons/soundboards/caimiyu_tables.h"
#include "lessons/soundboards/soundboards.h"
#include "lessons/soundboards/tangshi_tables.h"
#include "resources/menu_catalogue.h"

#include <utility>

namespace soundboards {

namespace {

// Replaces every occurrence of `from` in text.
std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A title without its note in parentheses: "悯农(锄禾日当午)" is said "悯农".
std::string spokenTitle(const std::string& title)
{
    return title.substr(0, title.find('('));
}

// A recitation: the title, the poet, then each line with a pause at its end
// (the full-width marks make espeak-ng pause as a reader does); its reading
// is put together the same way from the poem's readings.
void declareRecitation(content::Manifest& m, const std::string& folder, const Poem& poem)
{
    std::string lines = poem.text;
    for (const auto& [ascii, wide] : {std::pair{",", "，"}, {".", "。"}, {"?", "？"}, {"!", "！"}})
        lines = replaced(lines, ascii, wide);
    lines = replaced(lines, "/", " ");
    m.sound(folder, poem.sound, spokenTitle(poem.title) + "。" + poem.poet + "。 " + lines, content::Voice::Recitation)
        .reading = std::string(poem.titleReading) + ". " + poem.poetReading + ". " + poem.reading;
}

// A riddle read aloud: the dash and brackets before its hint become pauses.
std::string spokenRiddle(const std::string& riddle)
{
    std::string text = riddle;
    for (const char* mark : {"-", "(", ")"})
        text = replaced(text, mark, "，");
    return text;
}

std::string declareLesson(content::Manifest& m, const char* className, const std::string& start)
{
    const std::string folder = catalogue::LessonFolder(className);
    m.screens.push_back(className);
    m.sound(folder, "st", start);
    m.sound(folder, "n", "下一页");
    m.sound(folder, "l", "上一页");
    return folder;
}

void addTangshi(content::Manifest& m)
{
    const std::string folder = declareLesson(m, "TFM_tangshi", "唐诗精选。点一首诗的题目，听一听这首诗。");
    for (const Poem& poem : kPoems)
        declareRecitation(m, folder, poem);
    m.picture("TS_BACKGROUND", 515, 455, "background").colour = 0x7EC8A0;
    m.picture("TS_TILE", 230, 100, "button").colour = 0xFFE9A8;
    m.picture("TS_READING", 265, 455, "scroll").colour = 0xC8A165;
}

void addCaiMiYu(content::Manifest& m)
{
    const std::string folder = declareLesson(m, "TFM_CaiMiYu", "猜谜语。点一个谜语听一听，猜到了，就点问号看答案。");
    m.sound(folder, "da", "答案是");
    for (int n = 1; n <= kRiddles; ++n) {
        const Riddle& riddle = *RiddleOf(n);
        m.sound(folder, RiddleSound(n), spokenRiddle(riddle.text)).reading = riddle.reading;
        m.sound(folder, RiddleAnswerWord(RiddleSound(n)), riddle.answer);
        content::Picture& answer = m.picture(RiddleAnswerPicture(n), 150, 150, "riddle_answer");
        answer.emoji = riddle.emoji;
        answer.drawing = riddle.drawing;
        answer.text = riddle.answer;
    }
    m.picture("CMY_BACKGROUND", 784, 455, "background").colour = 0x6FA8DC;
    m.picture("CMY_TILE", 140, 200, "button").colour = 0xF28CB1;
    m.picture("CMY_BAND", 464, 111, "band").colour = 0x3D5A80;
    content::Picture& key = m.picture("CMY_KEY", 85, 73, "icon");
    key.emoji = "💡";
    key.param = "答案";
    m.picture("CMY_QUESTION", 130, 130, "card").emoji = "❓";
}

}  // namespace

void addPoemAndRiddleContent(content::Manifest& m)
{
    addTangshi(m);
    addCaiMiYu(m);
}

}  // namespace soundboards
