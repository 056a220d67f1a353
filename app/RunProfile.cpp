#include "app/RunProfile.h"

namespace app {

void RunProfile::write(std::ostream& out) const {
    for (const auto& [rule, seconds] : ruleSeconds_)
        out << "profile rule " << rule << " " << seconds << "\n";
    for (const FileTime& file : files_)
        out << "profile file " << file.seconds << " " << file.bytes << " " << file.name << "\n";
    out.flush();
}

} // namespace app
