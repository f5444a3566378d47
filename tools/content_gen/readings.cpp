#include "tools/content_gen/readings.h"

#include "tools/content_gen/reading_table.h"

#include <QString>

#include <map>
#include <set>
#include <sstream>

namespace gen {

namespace {

// What the applause says when its declaration gives nothing.
constexpr const char* kCheerWord = "真棒！";

// The syllables of Putonghua, without tones ("v" for ü after n and l).
constexpr const char* kSyllables =
    "a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu ca cai can cang cao ce cen ceng "
    "cha chai chan chang chao che chen cheng chi chong chou chu chua chuai chuan chuang chui chun chuo ci cong cou "
    "cu cuan cui cun cuo da dai dan dang dao de dei den deng di dia dian diao die ding diu dong dou du duan dui dun "
    "duo e ei en eng er fa fan fang fei fen feng fo fou fu ga gai gan gang gao ge gei gen geng gong gou gu gua guai "
    "guan guang gui gun guo ha hai han hang hao he hei hen heng hong hou hu hua huai huan huang hui hun huo ji jia "
    "jian jiang jiao jie jin jing jiong jiu ju juan jue jun ka kai kan kang kao ke kei ken keng kong kou ku kua kuai "
    "kuan kuang kui kun kuo la lai lan lang lao le lei leng li lia lian liang liao lie lin ling liu long lou lu luan "
    "lun luo lv lve ma mai man mang mao me mei men meng mi mian miao mie min ming miu mo mou mu na nai nan nang nao "
    "ne nei nen neng ni nian niang niao nie nin ning niu nong nou nu nuan nuo nv nve o ou pa pai pan pang pao pei "
    "pen peng pi pian piao pie pin ping po pou pu qi qia qian qiang qiao qie qin qing qiong qiu qu quan que qun ran "
    "rang rao re ren reng ri rong rou ru ruan rui run ruo sa sai san sang sao se sen seng sha shai shan shang shao "
    "she shei shen sheng shi shou shu shua shuai shuan shuang shui shun shuo si song sou su suan sui sun suo ta tai "
    "tan tang tao te teng ti tian tiao tie ting tong tou tu tuan tui tun tuo wa wai wan wang wei wen weng wo wu xi "
    "xia xian xiang xiao xie xin xing xiong xiu xu xuan xue xun ya yan yang yao ye yi yin ying yo yong you yu yuan "
    "yue yun za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhei zhen zheng zhi zhong zhou zhu "
    "zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu zuan zui zun zuo "
    // The final "ong" is said alone in the pinyin lessons.
    "ong";

// Each digit inside a Mandarin text ("MP3") is said as its Mandarin number.
constexpr const char* kDigitSyllables[] = {"ling2", "yi1", "er4", "san1", "si4", "wu3", "liu4", "qi1", "ba1", "jiu3"};

const std::set<std::string>& syllables()
{
    static const std::set<std::string> all = [] {
        std::set<std::string> s;
        std::istringstream in(kSyllables);
        for (std::string w; in >> w;)
            s.insert(w);
        return s;
    }();
    return all;
}

bool isHan(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF);
}

bool isLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == 0x3000;
}

// A reading's break marks: a clause ends at any of them.
bool isReadingBreak(char c)
{
    return std::string(",.!?;:-()/").find(c) != std::string::npos;
}

// One syllable of a reading, taken apart: "hui1r" is hui, tone 1, erhua.
struct Syllable {
    std::string base;
    int tone = 0;
    bool erhua = false;
};

bool parseSyllable(const std::string& token, Syllable& out)
{
    std::string t = token;
    out.erhua = t.size() > 2 && t.back() == 'r' && isDigit(static_cast<unsigned char>(t[t.size() - 2]));
    if (out.erhua)
        t.pop_back();
    if (t.size() < 2 || t.back() < '1' || t.back() > '5')
        return false;
    out.tone = t.back() - '0';
    out.base = t.substr(0, t.size() - 1);
    return syllables().count(out.base) > 0 && !(out.erhua && out.base == "er");
}

// A text or a reading as clauses of units.
using Clauses = std::vector<std::vector<std::string>>;

// The text's units: each Han character, each letter (upper case) and each
// digit; any other mark but a blank ends a clause.
Clauses textClauses(const std::string& text)
{
    Clauses clauses(1);
    for (const char32_t c : QString::fromStdString(text).toStdU32String()) {
        if (isBlank(c))
            continue;
        if (isHan(c) || isLetter(c) || isDigit(c)) {
            const char32_t unit = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
            clauses.back().push_back(QString::fromStdU32String(std::u32string(1, unit)).toStdString());
        } else if (!clauses.back().empty()) {
            clauses.emplace_back();
        }
    }
    if (clauses.back().empty())
        clauses.pop_back();
    return clauses;
}

// The reading's units and the marks that close each clause.
struct ReadingClauses {
    Clauses clauses;
    std::vector<std::string> marks;  // the break marks after each clause ("" for none)
};

ReadingClauses readingClauses(const std::string& reading)
{
    ReadingClauses r;
    r.clauses.emplace_back();
    r.marks.emplace_back();
    std::string unit;
    const auto endUnit = [&] {
        if (unit.empty())
            return;
        if (!r.marks.back().empty()) {
            r.clauses.emplace_back();
            r.marks.emplace_back();
        }
        r.clauses.back().push_back(unit);
        unit.clear();
    };
    for (const char c : reading) {
        if (isReadingBreak(c)) {
            endUnit();
            if (!r.clauses.back().empty())
                r.marks.back() += c;
        } else if (c == ' ') {
            endUnit();
        } else {
            unit += c;
        }
    }
    endUnit();
    if (r.clauses.back().empty()) {
        r.clauses.pop_back();
        r.marks.pop_back();
    }
    return r;
}

std::string joined(const std::vector<std::string>& units, const char* between)
{
    std::string s;
    for (const std::string& u : units)
        s += (s.empty() ? "" : between) + u;
    return s;
}

// Problems of one clause: its text units against its reading units.
void checkClause(const std::vector<std::string>& text, const std::vector<std::string>& reading, size_t clause,
                 std::vector<std::string>& problems)
{
    const auto bad = [&](const std::string& why) {
        problems.push_back("clause " + std::to_string(clause + 1) + " \"" + joined(text, "") + "\" / \"" +
                           joined(reading, " ") + "\": " + why);
    };
    size_t t = 0;
    for (const std::string& unit : reading) {
        if (t >= text.size()) {
            bad("more syllables than characters");
            return;
        }
        const std::string& shown = text[t];
        const bool letter = shown.size() == 1 && isLetter(static_cast<unsigned char>(shown[0]));
        const bool digit = shown.size() == 1 && isDigit(static_cast<unsigned char>(shown[0]));
        if (letter) {
            if (unit != shown)
                bad("the letter " + shown + " must be read as \"" + shown + "\", not \"" + unit + "\"");
            ++t;
            continue;
        }
        if (digit) {
            if (unit != kDigitSyllables[shown[0] - '0'])
                bad("the digit " + shown + " is read " + kDigitSyllables[shown[0] - '0'] + ", not \"" + unit + "\"");
            ++t;
            continue;
        }
        Syllable s;
        if (!parseSyllable(unit, s)) {
            bad("\"" + unit + "\" is not a pinyin syllable with a tone number (1 to 5)");
            return;
        }
        ++t;
        if (s.erhua) {
            if (t >= text.size() || text[t] != "儿") {
                bad("\"" + unit + "\" is an erhua syllable, but \"" + shown + "\" is not followed by 儿");
                return;
            }
            ++t;
        }
    }
    if (t < text.size())
        bad("fewer syllables than characters");
}

// The initials whose "-i" is the apical vowel: "zi" + r sounds as "zer".
bool apicalI(const std::string& base)
{
    for (const char* initial : {"z", "c", "s", "zh", "ch", "sh", "r"})
        if (base == std::string(initial) + "i")
            return true;
    return false;
}

// A consonant and "e": "ge" + r is "ger".
bool consonantE(const std::string& base)
{
    if (base.size() < 2 || base.back() != 'e')
        return false;
    const char before = base[base.size() - 2];
    return std::string("aeiouvy").find(before) == std::string::npos;
}

}  // namespace

bool spokenInMandarin(const content::Sound& s)
{
    return s.recording.empty() && s.voice != content::Voice::English;
}

std::string heardText(const content::Sound& s)
{
    return s.say.empty() && s.voice == content::Voice::Cheer ? kCheerWord : s.say;
}

std::string tableReading(const std::string& text)
{
    static const std::map<std::string, std::string> table = [] {
        std::map<std::string, std::string> t;
        for (const TextReading& entry : kReadingTable)
            t.emplace(entry.text, entry.reading);
        return t;
    }();
    size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    const std::string trimmed = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    const auto it = table.find(trimmed);
    if (it != table.end())
        return it->second;
    // Pinyin with tone numbers is its own reading.
    std::istringstream in(trimmed);
    bool any = false;
    for (std::string w; in >> w; any = true) {
        Syllable s;
        if (!parseSyllable(w, s))
            return "";
    }
    return any ? trimmed : "";
}

std::string readingOf(const content::Sound& s)
{
    return s.reading.empty() ? tableReading(heardText(s)) : s.reading;
}

std::vector<std::string> readingProblems(const std::string& text, const std::string& reading)
{
    std::vector<std::string> problems;
    const ReadingClauses r = readingClauses(reading);
    // A text in pinyin (the pinyin lessons' syllables) is checked as its own reading.
    Clauses t = textClauses(text);
    if (text == reading)
        t = r.clauses;
    if (t.size() != r.clauses.size()) {
        problems.push_back("the text has " + std::to_string(t.size()) + " clause(s), the reading " +
                           std::to_string(r.clauses.size()) + " (the breaks must be at the same places)");
        return problems;
    }
    if (text == reading) {
        for (const auto& clause : r.clauses)
            for (const std::string& unit : clause) {
                Syllable s;
                if (!parseSyllable(unit, s))
                    problems.push_back("\"" + unit + "\" is not a pinyin syllable with a tone number");
            }
        return problems;
    }
    for (size_t k = 0; k < t.size(); ++k)
        checkClause(t[k], r.clauses[k], k, problems);
    return problems;
}

bool erhuaSaidApart(const std::string& syllable)
{
    Syllable s;
    return parseSyllable(syllable, s) && s.erhua && !apicalI(s.base) && !consonantE(s.base);
}

std::vector<std::vector<SpokenUnit>> spokenClauses(const std::string& reading)
{
    std::vector<std::vector<SpokenUnit>> out;
    for (const auto& clause : readingClauses(reading).clauses) {
        out.emplace_back();
        for (const std::string& unit : clause) {
            Syllable s;
            if (!parseSyllable(unit, s)) {
                out.back().push_back({unit, 0});
                continue;
            }
            std::string spelling = unit;
            // espeak-ng says a consonant with "er" as one syllable ("ger4"), so
            // the erhua of "ge" and of "zi" (which sounds as "zer") can be said
            // as one; other erhua syllables keep the r as a second syllable.
            if (s.erhua && consonantE(s.base))
                spelling = s.base + "r" + std::to_string(s.tone);
            else if (s.erhua && apicalI(s.base))
                spelling = s.base.substr(0, s.base.size() - 1) + "er" + std::to_string(s.tone);
            out.back().push_back({spelling, s.tone});
        }
    }
    return out;
}

std::string speechText(const std::string& reading)
{
    const ReadingClauses r = readingClauses(reading);
    const auto clauses = spokenClauses(reading);
    std::string text;
    for (size_t k = 0; k < clauses.size(); ++k) {
        for (size_t u = 0; u < clauses[k].size(); ++u)
            text += (u ? " " : "") + clauses[k][u].spelling;
        const std::string& mark = r.marks[k];
        if (mark.find('?') != std::string::npos)
            text += "？";
        else if (mark.find('!') != std::string::npos)
            text += "！";
        else if (mark.find('.') != std::string::npos)
            text += "。";
        else if (!mark.empty() && k + 1 < clauses.size())
            text += "，";
        text += ' ';
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

}  // namespace gen
