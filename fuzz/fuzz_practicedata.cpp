// SPDX-License-Identifier: MIT
// Fuzzes the practice data loader with any romajimojiren.txt: it loads at most 201 records whose label
// numbers name chart labels, or stops with a DataFileError naming romajimojiren.txt and a line.
#include "fuzz/datafile.h"
#include "services/data/datafileerror.h"
#include "services/data/practicedata.h"
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const PracticeTable table = loadPracticeTable(writeDataFile(practiceDataFile, data, size));
        if (table.recordCount < 0 || table.recordCount > PracticeTable::capacity)
            broken("the table holds 201 records at most");
        for (int i = 0; i < table.recordCount; ++i) {
            const auto label = table.labelList[static_cast<std::size_t>(i)];
            if (label < 0 || label >= PracticeTable::labelCount) broken("every label names a chart label");
        }
    } catch (const DataFileError& e) {
        if (e.file() != practiceDataFile || e.line() < 0)
            broken("a fault names the file and a line", e.what());
        if (std::string_view(e.what()).substr(0, std::string_view(practiceDataFile).size()) !=
            practiceDataFile)
            broken("the detail begins with the file name", e.what());
    }
    return 0;
}
