// Pictures and sounds of the main window.
#include "resources/content.h"

namespace content {

void addMainFormContent(Manifest&) {}

}  // namespace content
