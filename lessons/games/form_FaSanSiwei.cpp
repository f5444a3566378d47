// The imagine-the-animal screen: the group draw, the answer check and "下一组".
#include "lessons/games/form_FaSanSiwei.h"

#include "lesson_frame/layout_widget.h"
#include "lesson_frame/random_draws.h"
#include "platform/random.h"
#include "platform/strings.h"

#include "ui_games_fasansiwei.h"

namespace {

// The key of animal text v in a table; throws when v is no animal, which ends the step.
const char* keyOf(const std::array<const char*, games::kImagineAnimals + 1>& table, const std::string& v)
{
    return games::AnimalKey(table, games::kImagineAnimals, v);
}

const games::FeedbackSounds kSounds{
    .yes = "y", .applause = "gz", .no = "no", .itemBeforeRight = true, .itemBeforeWrong = false};

}  // namespace

TFM_FaSanSiwei::TFM_FaSanSiwei() : LessonScreen(frame::ScreenSettings("TFM_FaSanSiwei"))
{
    Ui::TFM_FaSanSiwei().setupUi(this);
    std::vector<platform::TLabel*> labels;
    for (int i = 0; i < games::kImagineShown; ++i) {
        const auto k = static_cast<size_t>(i);
        images_[k] = frame::LayoutWidget<platform::TImage>(this, "Image" + std::to_string(i + 1));
        markLabels_[k] = frame::LayoutWidget<platform::TLabel>(this, "lb" + std::to_string(i + 1));
        // The mark sits on the picture's corner; a click there still picks the picture.
        markLabels_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        labels.push_back(markLabels_[k]);
        frame::OnClick(images_[k], [this, i] { ImageClick(i); });
    }
    marks_ = games::AnswerMark(labels);
    clue_ = frame::LayoutWidget<platform::TImage>(this, "img000");
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "SpeedButton1"), [this] { NextGroupClick(); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"),
                   [this] { btn_backlasmenuClick(); });
}

void TFM_FaSanSiwei::FormCreate()
{
    ClickedPicture = 0;
    SetMediaFolder();
    NewImagineRound();
    ClearAnswerMarks();
    PlayLessonSound("st");
}

void TFM_FaSanSiwei::NewImagineRound()
{
    frame::Guarded([this] {
        platform::Randomize();
        ShownAnimal.fill(std::string());
        ClueAnimal.clear();
        platform::TStrings pool = frame::NumberPool(games::kImagineAnimals);
        platform::TStrings drawn;
        // 25 draws empty the pool; the first ten are shown.
        for (int k = games::kImagineAnimals; k >= 1; --k) {
            const std::string v = frame::DrawWithoutReplacement(pool);
            const int i = games::kImagineAnimals - k;
            if (i < games::kImagineShown) {
                LoadNamedPicture(images_[static_cast<size_t>(i)], std::string("FS") + keyOf(games::AnimalKeyTable, v));
                drawn.Add(v);
                ShownAnimal[static_cast<size_t>(i)] = v;
            }
        }
        // Random(11): 0 and 1 both pick the first picture, so the clue
        // belongs to Image1 twice as often as to any other.
        const int r = platform::Random(games::kImagineShown + 1);
        const std::string clue = drawn.Get(r > 0 ? r - 1 : 0);
        LoadNamedPicture(clue_, std::string("FS") + keyOf(games::ClueKeyTable, clue));
        ClueAnimal = clue;
    });
}

void TFM_FaSanSiwei::CheckImagineAnswer()
{
    frame::Guarded([this] {
        const std::string& shown = ShownAnimal.at(static_cast<size_t>(ClickedPicture));
        // A picture the group's draw never reached shows no animal and is never right.
        const bool right = !shown.empty() && shown == ClueAnimal;
        marks_.Mark(ClickedPicture, right);
        const std::string own = right ? keyOf(games::AnimalKeyTable, shown) : "";
        games::AnswerFeedback(right, own, kSounds, [this](const std::string& name) { PlayLessonSound(name); });
    });
}

void TFM_FaSanSiwei::ClearAnswerMarks()
{
    for (platform::TLabel* label : markLabels_)
        label->setText(QString());
}

void TFM_FaSanSiwei::ImageClick(int picture)
{
    ClickedPicture = picture;
    CheckImagineAnswer();
}

void TFM_FaSanSiwei::NextGroupClick()
{
    ClearAnswerMarks();
    NewImagineRound();
    PlayLessonSound("n_g");
}
