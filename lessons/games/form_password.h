// Rescue the animals "解救动物": a trapped animal and a six-character rescue
// code; the kid types the code on the on-screen keyboard and presses "确定"
// to set the animal free. "下一组" brings the next animal with a new code.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/games/rescue_tables.h"

#include <array>
#include <functional>
#include <string>

namespace games {

// A rescue code from draws of `random` (values below its argument): n =
// random(7) digits counting down from n, then letters from 26 draws of
// random(27), where 1..26 is "A".."Z" and 0 gives none; when those give
// fewer letters than the code needs, it draws further letters the same way.
std::string DrawRescueCode(const std::function<int(int)>& random);

// The trapped animal's picture file: the media folder (ending in its
// separator) + "/a" + key + ".bmp"; the doubled separator opens the same file.
std::string RescuePictureFile(const std::string& mediaFolder, const std::string& key);

}  // namespace games

class TFM_Password : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_Password();

    std::array<std::string, games::kRescueAnimals + 1> RescueOrder;  // [1..10]: the animals in shuffled order
    int RescueTurn = 0;        // the turn being played, 1..10; 0 until the first animal shows
    std::string RescueAnimal;  // the animal of the current turn ("1".."10")
    int RescueDone = 0;        // 1 after a right code

protected:
    void FormCreate() override;

private:
    void NewRescueCode();
    void LoadKeyboardSkin();
    void EnterCodeChar(const std::string& c);
    void DeleteCodeChar();
    void ClearCodeSlots();
    void CheckRescueCode();
    void ShuffleRescueRounds();
    void LoadRescueRound();

    void StartClick();
    // A character key: types the caption it shows, then speaks.
    void KeyClick(const platform::TSpeedButton& button, const games::RescueKey& key);
    void BackspaceClick();
    void EnterClick();
    void NextGroupClick();
    bool StartShown() const;

    std::array<platform::TLabel*, games::kRescueCodeLength> slots_{};
    platform::TLabel* code_ = nullptr;
    platform::TImage* help_ = nullptr;
    platform::TImage* start_ = nullptr;
    platform::TImage* startHand_ = nullptr;
    platform::TImage* enterHand_ = nullptr;
    platform::TImage* nextHand_ = nullptr;
};
