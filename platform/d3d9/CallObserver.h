#pragma once
// A watcher of every interface call, used by the recording backend to keep its
// call log and to make chosen calls fail.

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

class CallObserver {
public:
    virtual ~CallObserver() = default;
    // Called as a call begins. A failure status is answered to the caller in
    // place of the call, which then has no effect.
    virtual HRESULT OnCall(std::string_view name, const std::string& arguments) = 0;
};

namespace detail {
template <class T>
void AppendArgument(std::ostringstream& out, const T& value) {
    if constexpr (std::is_pointer_v<T>) {
        if (value == nullptr) {
            out << "null";
        } else {
            out << "ptr";
        }
    } else if constexpr (std::is_enum_v<T>) {
        out << static_cast<std::underlying_type_t<T>>(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        out << (value ? "true" : "false");
    } else {
        out << value;
    }
}
}  // namespace detail

// "a, b, c" with pointers shown as ptr/null and enumerations as numbers.
template <class... Args>
std::string FormatArguments(const Args&... args) {
    std::ostringstream out;
    bool first = true;
    ((out << (first ? "" : ", "), detail::AppendArgument(out, args), first = false), ...);
    return out.str();
}

}  // namespace ondrel::graphics
