#pragma once
// A conversion parameter from one of the control panel's edit boxes.

namespace ondrel::app {

// The box's number (conversion's ReadFactor rule). Below 0.1, or no number
// at all, gives 0.1 and the box then shows "0.1"; otherwise the box keeps
// its text as typed, trailing characters included. An id that names no
// edit box gives 0.1 too.
float ReadEditBoxValue(int controlId);

}  // namespace ondrel::app
