// SPDX-License-Identifier: MIT
#include "support/gamefixture.h"
#include "services/data/cp932.h"
#include <cstdlib>
#include <fstream>
#include <stdexcept>

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pokuraku-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder: " + pattern);
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

GameFixture::GameFixture(const std::optional<std::string>& bank, std::unique_ptr<toolkit::Display> shownOn)
    : displayOwned(shownOn ? std::move(shownOn) : std::make_unique<HeadlessDisplay>()),
      display(*displayOwned) {
    if (bank) writeText("romaji.txt", *bank);
    program = std::make_unique<Program>(
        Services{random, sound, messageBox, {dir.path().string()}, &settings, &recordStore}, errors, display);
}

GameFixture::~GameFixture() {
    program.reset();
    GameFixture::flushDeletes();
}

std::string GameFixture::defaultBank() {
    return "inu,いぬ\r\nneko,ねこ\r\nro^maji,ローマじ\r\nsakana,さかな\r\ngakko^,がっこう\r\n";
}

void GameFixture::writeText(const std::string& name, const std::string& text) {
    writeBytes(name, encodeCp932(text));
}

void GameFixture::writeBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(dir.filePath(name), std::ios::binary) << bytes;
}

void GameFixture::flushDeletes() {
    if (auto* headless = dynamic_cast<HeadlessDisplay*>(&display)) headless->flush();
}
