#pragma once
// The main window's tests answer the dialogs with the shared answerer.

#include "tests/support/DialogAnswerer.h"

namespace tolvekin::testing {

using Answerer = DialogAnswerer;

} // namespace tolvekin::testing
