#include "report/ToolInfo.h"

namespace report {

ToolInfo thisTool() {
    return {QUARVEL_VERSION, QUARVEL_INFORMATION_URI};
}

} // namespace report
