// One visit to a lesson through the menu's launcher, made as a kid makes it.
#pragma once

#include "app/Main_Form.h"

#include <functional>
#include <string>

namespace testing_support {

// Runs the lesson of className from `menu`: once its modal run has started,
// `whileOpen` looks at the open screen, then its back button is clicked.
// Returns whether the lesson was open and its back button clickable.
bool VisitFromMenu(TMainForm& menu, const std::string& className,
                   const std::function<void(frame::LessonScreen&)>& whileOpen = {});

}  // namespace testing_support
