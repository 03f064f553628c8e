// SPDX-License-Identifier: MIT
#pragma once
// Reading a data file whole, safely: only a regular file is read, and never more than a set number of
// bytes, so a FIFO, a device (a link to /dev/zero), a folder or a file that keeps growing can neither hold
// up the start nor eat the memory. Every failure is a DataFileError naming the file and what it is.
#include <cstdint>
#include <string>

std::string readDataFile(const std::string& path, std::int64_t maxBytes);
