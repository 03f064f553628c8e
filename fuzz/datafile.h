// SPDX-License-Identifier: MIT
#pragma once
// The fuzz targets hand each input to the readers as a real file, so opening, size checks and decoding are
// exercised as the game meets them. The file lives in one temporary folder for the whole run.
#include <cstddef>
#include <cstdint>
#include <string>

// Writes data as the file name in the fuzzing folder and returns its path.
std::string writeDataFile(const std::string& name, const std::uint8_t* data, std::size_t size);

// Stops the run with a message when a reader breaks one of its promises; libFuzzer keeps the input.
[[noreturn]] void broken(const char* promise, const std::string& detail = {});
