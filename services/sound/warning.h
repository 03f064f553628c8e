// SPDX-License-Identifier: MIT
#pragma once
// Where the sound service says why a cue is not heard as it should be (a damaged cue file, no audio
// device). Each warning is one line; it goes to standard error unless the front end hands it to its own
// log. Any thread may warn.
#include <string>

namespace sound {

using WarningSink = void (*)(const std::string& line);

// Set once at start-up, before the first cue; null goes back to standard error.
void setWarningSink(WarningSink sink);
void warn(const std::string& line);

} // namespace sound
