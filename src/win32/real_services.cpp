#include "win32/real_services.h"

namespace win32 {

RealServices::RealServices()
    : services_{interfaceTable_, fileSystem_, recycleBin_, recentDocuments_, shell_, token_,  session_, processes_,
                registry_,       dialup_,     trayIcon_,   lastInput_,       clock_, locale_, windows_} {}

RealServices::~RealServices() = default;

}  // namespace win32
