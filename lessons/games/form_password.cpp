// The rescue-game screen: codes, typing, the check, the turns and the
// trapped-animal files read from the media folder.
#include "lessons/games/form_password.h"

#include "lesson_frame/layout_widget.h"
#include "lesson_frame/random_draws.h"
#include "lessons/games/game_vocabulary.h"
#include "platform/random.h"

#include "ui_games_password.h"

namespace {

// A trapped animal's picture is a few hundred kilobytes; anything far larger
// is not one of them and is not read.
constexpr qint64 kMaxTrappedPictureBytes = 16 * 1024 * 1024;

// The key of animal text n; throws when n is none of the game's animals, which ends the step.
const char* rescueKeyOf(const std::string& n)
{
    return games::AnimalKey(games::RescueKeyTable, games::kRescueAnimals, n);
}

}  // namespace

namespace games {

std::string DrawRescueCode(const std::function<int(int)>& random)
{
    const int n = random(kRescueCodeLength + 1);
    std::string code;
    for (int i = n; i >= 1; --i)
        code += static_cast<char>('0' + i);
    const size_t wanted = static_cast<size_t>(kRescueCodeLength - n);
    if (wanted == 0)
        return code;
    std::string letters;
    const auto drawLetter = [&] {
        const int x = random(27);
        if (x >= 1 && x <= 26)
            letters += static_cast<char>('A' + x - 1);
    };
    for (int d = 0; d < 26; ++d)
        drawLetter();
    // 26 draws fall short only when more than 20 of them are 0; the code is
    // still six characters long.
    while (letters.size() < wanted)
        drawLetter();
    return code + letters.substr(0, wanted);
}

std::string RescuePictureFile(const std::string& mediaFolder, const std::string& key)
{
    return mediaFolder + "/a" + key + ".bmp";
}

}  // namespace games

TFM_Password::TFM_Password() : LessonScreen(frame::ScreenSettings("TFM_Password"))
{
    Ui::TFM_Password().setupUi(this);
    for (size_t i = 0; i < slots_.size(); ++i)
        slots_[i] = frame::LayoutWidget<platform::TLabel>(this, "lbb" + std::to_string(i + 1));
    code_ = frame::LayoutWidget<platform::TLabel>(this, "lb1");
    help_ = frame::LayoutWidget<platform::TImage>(this, "img_help");
    start_ = frame::LayoutWidget<platform::TImage>(this, "img_start");
    startHand_ = frame::LayoutWidget<platform::TImage>(this, "img_start_shou");
    enterHand_ = frame::LayoutWidget<platform::TImage>(this, "img_enter");
    nextHand_ = frame::LayoutWidget<platform::TImage>(this, "img_next");
    for (const games::RescueKey& key : games::kRescueKeys) {
        auto* button = frame::LayoutWidget<platform::TSpeedButton>(this, key.button);
        frame::OnClick(button, [this, button, &key] { KeyClick(*button, key); });
    }
    frame::OnClick(start_, [this] { StartClick(); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "SpeedButton2"), [this] { BackspaceClick(); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btnEnter"), [this] { EnterClick(); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "SpeedButton1"), [this] { NextGroupClick(); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"),
                   [this] { btn_backlasmenuClick(); });
}

void TFM_Password::FormCreate()
{
    RescueTurn = 0;
    nextHand_->hide();
    RescueDone = 0;
    SetMediaFolder();
    ClearCodeSlots();
    NewRescueCode();
    LoadKeyboardSkin();
    PlayLessonSound("st");
}

bool TFM_Password::StartShown() const
{
    return !start_->isHidden();
}

void TFM_Password::NewRescueCode()
{
    platform::Randomize();
    code_->setText(QString());
    code_->setText(QString::fromStdString(games::DrawRescueCode(platform::Random)));
}

void TFM_Password::LoadKeyboardSkin()
{
    frame::Guarded([this] {
        const platform::Picture face = platform::loadPictureResource(games::kRescueKeyFace);
        for (const games::RescueKey& key : games::kRescueKeys)
            frame::LayoutWidget<platform::TImage>(this, key.face)->setPicture(face);
        LoadNamedPicture(frame::LayoutWidget<platform::TImage>(this, "img_back_H"), games::kRescueBackFace);
        LoadNamedPicture(frame::LayoutWidget<platform::TImage>(this, "img_back_enter"), games::kRescueEnterFace);
    });
}

void TFM_Password::EnterCodeChar(const std::string& c)
{
    if (StartShown())
        return;
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]->isHidden())
            continue;
        slots_[i]->setText(QString::fromStdString(c));
        slots_[i]->show();
        if (i + 1 == slots_.size())
            enterHand_->show();
        return;
    }
    // All six are filled: the character is dropped.
}

void TFM_Password::DeleteCodeChar()
{
    for (size_t i = slots_.size(); i-- > 0;) {
        if (slots_[i]->isHidden() || slots_[i]->text().isEmpty())
            continue;
        slots_[i]->hide();
        slots_[i]->setText(QString());
        if (i + 1 == slots_.size())
            enterHand_->hide();
        return;
    }
}

void TFM_Password::ClearCodeSlots()
{
    for (platform::TLabel* slot : slots_) {
        slot->setText(QString());
        slot->hide();
    }
    enterHand_->hide();
}

void TFM_Password::CheckRescueCode()
{
    frame::Guarded([this] {
        RescueDone = 0;
        std::string typed;
        for (platform::TLabel* slot : slots_)
            typed += slot->text().toStdString();
        const bool allTyped =
            std::none_of(slots_.begin(), slots_.end(), [](platform::TLabel* slot) { return slot->text().isEmpty(); });
        if (!allTyped)
            typed.clear();
        const std::string code = code_->text().toStdString();
        if (!typed.empty() && typed == code) {
            help_->clearPicture();
            help_->repaint();
            LoadNamedPicture(help_, std::string(games::kRescueFreedPrefix) + rescueKeyOf(RescueAnimal));
            // Drawn now: the pause below blocks the window.
            help_->repaint();
            RescueDone = 1;
            nextHand_->show();
            games::FeedbackPause();
            PlayLessonSound("ok_help");
        } else {
            games::FeedbackPause();
            PlayLessonSound("no");
        }
    });
}

void TFM_Password::ShuffleRescueRounds()
{
    platform::Randomize();
    platform::TStrings pool = frame::NumberPool(games::kRescueAnimals);
    for (int k = games::kRescueAnimals; k >= 1; --k)
        RescueOrder[static_cast<size_t>(games::kRescueAnimals + 1 - k)] = frame::DrawWithoutReplacement(pool);
}

void TFM_Password::LoadRescueRound()
{
    frame::Guarded([this] {
        games::FeedbackPause();
        RescueTurn = RescueTurn + 1;
        if (RescueTurn > games::kRescueAnimals)
            RescueTurn = 1;
        const std::string n = RescueOrder.at(static_cast<size_t>(RescueTurn));
        const char* key = rescueKeyOf(n);
        // A file that cannot serve ends the turn's load here: the picture,
        // the sound and the animal stay as they were.
        help_->setPicture(
            platform::loadPictureFile(games::RescuePictureFile(MediaFolder, key), kMaxTrappedPictureBytes));
        PlayLessonSound(std::string("a") + key);
        RescueAnimal = n;
    });
}

void TFM_Password::StartClick()
{
    start_->hide();
    startHand_->hide();
    // The bubble goes at once, not after the pause before the first animal.
    help_->repaint();
    ShuffleRescueRounds();
    LoadRescueRound();
}

void TFM_Password::KeyClick(const platform::TSpeedButton& button, const games::RescueKey& key)
{
    frame::Guarded([this, &button] { EnterCodeChar(button.text().toStdString()); });
    // Every key speaks, also when its character is not taken.
    PlayLessonSound(key.sound);
}

void TFM_Password::BackspaceClick()
{
    frame::Guarded([this] { DeleteCodeChar(); });
    PlayLessonSound("back");
}

void TFM_Password::EnterClick()
{
    PlayLessonSound("enter");
    CheckRescueCode();
    ClearCodeSlots();
    enterHand_->hide();
    if (RescueDone == 1)
        code_->setText(QString());
}

void TFM_Password::NextGroupClick()
{
    frame::Guarded([this] {
        if (StartShown())
            return;
        PlayLessonSound("n_g");
        games::FeedbackPause();
        NewRescueCode();
        ClearCodeSlots();
        // The new code shows during the pause before the next animal.
        code_->repaint();
        LoadRescueRound();
        nextHand_->hide();
    });
}
