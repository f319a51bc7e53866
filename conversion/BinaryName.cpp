#include "conversion/BinaryName.h"

namespace ondrel::conversion {

bool IsBinaryName(std::u16string_view path) { return path.ends_with(u".bin"); }

bool IsBinaryName(std::string_view path) { return path.ends_with(".bin"); }

}  // namespace ondrel::conversion
