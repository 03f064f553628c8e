// SPDX-License-Identifier: MIT
#pragma once
// The link that hands a teacher's word list to a class, as the game's page makes and reads it: the site's
// address, then "#words=" and the list's bytes deflated (raw deflate) in base64url; and the square code of
// the link for a tablet's camera, when one that the camera reads across a classroom holds it.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace wordlink {

// The page reads no fragment longer than this (characters after "#").
constexpr std::size_t kMostFragment = 64 * 1024;
// The page draws no camera code of more modules than this a side (version 20, lowest error correction).
constexpr int kMostQrModules = 97;

// The site's address as the teacher gave it, without any fragment; empty when it is no http(s) address.
std::string siteAddress(const std::string& base);

std::string wordLink(const std::string& site, const std::string& listBytes);

// The modules of text's camera code (made by qrcodegen), row by row (true: dark); none when the code would
// need more than kMostQrModules a side.
struct QrModules {
    int size = 0;
    std::vector<bool> dark; // size * size
};
std::optional<QrModules> qrModules(const std::string& text);

} // namespace wordlink
