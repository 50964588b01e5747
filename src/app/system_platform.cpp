#include "system_platform.h"

namespace kavinor::app {

SystemPlatform::SystemPlatform(const std::string& toolDirectory)
    : systemProcesses_(toolDirectory + "/kvcmd"),
      platform_(processes_, pause_, paths_, codePages_, directories_, drives_, collation_, links_,
                saveDialog_, messages_, endRequest_, toolDirectory, '/') {}

}  // namespace kavinor::app
