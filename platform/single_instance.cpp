#include "platform/single_instance.h"

#include "platform/platform.h"

namespace platform {

int RunSingleInstance(const std::function<int()>& body)
{
    Platform& p = current();
    const Handle mutex = p.createMutex("OnlyOne");
    if (mutex == 0) {
        p.messageBox("创建互斥对象失败!", "Error");
        return 0;
    }
    if (p.getLastError() == ERROR_ALREADY_EXISTS) {
        p.closeHandle(mutex);
        return 0;
    }
    const int code = body();
    p.closeHandle(mutex);
    return code;
}

}  // namespace platform
