#pragma once

#include <memory>

#include "device.hpp"
#include "texts.hpp"

// What each platform provides: the files of src/windows/ or of src/posix/
// define these, whichever the build is for.

// The process's standard input and output.
std::unique_ptr<Device> open_standard_streams();

// The texts, encoded so that the standard output shows them as Korean.
Texts texts_for_output();
