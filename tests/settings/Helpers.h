#pragma once
// Shared pieces of the settings tests: the shared dialog answerer and modal driver, and small
// file helpers working on raw bytes so the tests do not lean on the code under test.

#include "tests/support/DialogAnswerer.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ModalDriver.h"
