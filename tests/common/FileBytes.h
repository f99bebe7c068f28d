#pragma once
// The raw file helpers moved to tests/support/; this name stays for the tests still including it.

#include "tests/support/FileBytes.h"
