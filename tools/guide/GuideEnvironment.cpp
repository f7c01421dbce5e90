#include "tools/guide/GuideEnvironment.h"

#include "archive/block_file.h"

namespace custovia::guide {

GuideEnvironment::GuideEnvironment(std::filesystem::path folder)
    : env_{messages, fileDialogs_, printDialogs_, shell,  clock_, folder, platformFileOpener(),
           windows_, camera_,      timers_,       audio_, folder} {  // the scratch folder delivers too
    camera_.present = false;
}

}  // namespace custovia::guide
