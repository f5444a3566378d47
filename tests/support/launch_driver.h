// One visit to a lesson through the menu's launcher, made as a kid makes it.
#pragma once

#include "app/Main_Form.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Runs the lesson of className from `menu`: once its modal run has started,
// `whileOpen` looks at the open screen, then its back button is clicked.
// Returns whether the lesson was open and its back button clickable.
bool VisitFromMenu(TMainForm& menu, const std::string& className,
                   const std::function<void(frame::LessonScreen&)>& whileOpen = {});

// One visit from a newly created menu, recorded from the first click on.
struct MenuVisit {
    bool clickedBack = false;
    bool formVariableEmptied = false;
    std::vector<std::string> log;
    std::string programFolder;  // with its trailing "/"
};
MenuVisit VisitFromNewMenu(const std::string& className);

// What the menu does after every visit: stop "kj", play "lm".
std::vector<std::string> BackToMenuSteps(const std::string& programFolder);

}  // namespace testing_support
