#pragma once
// What each program tells about its command line: its usage text and its own "--" options.

#include "common/start/StandardOptions.h"

namespace tolvekin {

ProgramDescription GameCommandLine();
ProgramDescription MakerCommandLine();

} // namespace tolvekin
