#pragma once
// Until the device lifecycle is merged, the framework's calls into it land
// here and are counted, so the window and loop tests can see them.

#include <map>
#include <string>

namespace ondrel::testing {

std::map<std::string, int>& LifecycleCalls();

}  // namespace ondrel::testing
