#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>

namespace qorza::script {

int runScript(std::istream& /*in*/, std::ostream& /*out*/, std::ostream& /*err*/) { return 0; }

}  // namespace qorza::script
