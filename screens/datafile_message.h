// SPDX-License-Identifier: MIT
#pragma once
// The error box a fault in a data file brings up: the player is told in Japanese which file could not be
// read or where it is wrong, and where it lies; the detail says the rest for a parent or teacher.
#include "services/data/datafileerror.h"
#include "toolkit/runtimeerror.h"

// The run-time error the guard shows for the fault.
toolkit::RuntimeError dataFileMessage(const DataFileError& error);

// Runs read (which reads a data file) and turns a fault in the file into its error box.
template <class Read> auto readingDataFile(Read&& read) {
    try {
        return read();
    } catch (const DataFileError& error) {
        throw dataFileMessage(error);
    }
}
