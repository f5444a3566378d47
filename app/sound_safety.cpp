#include "app/sound_safety.h"

#include "platform/audio_device.h"
#include "platform/platform.h"
#include "platform/sound_files.h"
#include "resources/menu_catalogue.h"

#include <algorithm>

namespace app {

std::vector<std::string> MediaFolders()
{
    const std::string program = platform::ExtractFilePath(platform::current().exeName());
    std::vector<std::string> folders{program + catalogue::FolderPath("mainform\\")};
    for (const catalogue::MenuEntry& e : catalogue::kMenu) {
        std::string f = program + catalogue::FolderPath(e.folder);
        if (std::find(folders.begin(), folders.end(), f) == folders.end())
            folders.push_back(std::move(f));
    }
    return folders;
}

int RestoreLeftoverSounds()
{
    int restored = 0;
    for (const std::string& folder : MediaFolders())
        restored += platform::restoreLeftoverSounds(folder);
    return restored;
}

void PrepareSounds()
{
    platform::installTerminationHandler([] { RestoreLeftoverSounds(); });
    RestoreLeftoverSounds();
    platform::systemAudioDevice();
}

}  // namespace app
