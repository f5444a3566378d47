// The lesson families the program is built from: registers every built
// lesson with the launcher.
#pragma once

namespace frame {

void RegisterAllLessons();

}  // namespace frame
