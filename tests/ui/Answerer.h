#pragma once
// The main window's tests answer the dialogs with the shared answerer.

#include "DialogAnswerer.h"

namespace tolvekin::testing {

using Answerer = DialogAnswerer;

} // namespace tolvekin::testing
