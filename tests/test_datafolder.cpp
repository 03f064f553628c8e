// SPDX-License-Identifier: MIT
// Where the data files are looked up: the player's own folder ($XDG_DATA_HOME/pokuraku) first, then the
// working folder, then the data installed with the game; the first folder that holds a file wins, file by
// file, and a file that no folder holds is named with every folder searched.
#include "screens/datafile_message.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/data/datafileerror.h"
#include "services/data/datafolder.h"
#include "support/gamefixture.h"
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

void write(const std::string& path, const std::string& bytes = "inu,x\r\n") {
    std::ofstream file(path, std::ios::binary);
    ASSERT_TRUE(file << bytes) << path;
}

bool link(const std::string& target, const std::string& path) {
    std::error_code failed;
    fs::create_symlink(target, path, failed);
    return !failed;
}

// The folder this test program runs from.
std::string programFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path().string();
}

// Three look-up folders in a temporary folder: the player's, the working and the installed one.
struct Folders {
    Folders() {
        for (const char* name : {"user", "work", "installed"})
            fs::create_directory(root.path() / name);
    }
    std::string user() const { return root.filePath("user"); }
    std::string work() const { return root.filePath("work"); }
    std::string installed() const { return root.filePath("installed"); }
    std::vector<std::string> all() const { return {user(), work(), installed()}; }
    TemporaryFolder root;
};

} // namespace

TEST(DataFolder, firstFolderHoldingTheFileWins) {
    Folders f;
    const std::string name = "romaji.txt";
    write(f.installed() + "/romaji.txt");
    ASSERT_EQ(findDataFile(name, f.all()), f.installed() + "/romaji.txt");
    write(f.work() + "/romaji.txt");
    ASSERT_EQ(findDataFile(name, f.all()), f.work() + "/romaji.txt");
    write(f.user() + "/romaji.txt");
    ASSERT_EQ(findDataFile(name, f.all()), f.user() + "/romaji.txt");
    // File by file: the practice data is still found where it is.
    write(f.installed() + "/romajimojiren.txt");
    ASSERT_EQ(findDataFile("romajimojiren.txt", f.all()), f.installed() + "/romajimojiren.txt");

    // Whatever holds the name is taken, so the reader says what is wrong with it rather than another file
    // being read in its place: a folder, a link to nothing.
    ASSERT_TRUE(fs::remove(f.user() + "/romaji.txt"));
    ASSERT_TRUE(fs::create_directory(f.user() + "/" + name));
    ASSERT_EQ(findDataFile(name, f.all()), f.user() + "/romaji.txt");
    ASSERT_TRUE(link(f.root.filePath("nothing"), f.user() + "/romajimojiren.txt"));
    ASSERT_EQ(findDataFile("romajimojiren.txt", f.all()), f.user() + "/romajimojiren.txt");
}

TEST(DataFolder, missingFileNamesEveryFolder) {
    Folders f;
    try {
        findDataFile("romaji.txt", f.all());
        FAIL() << "no folder holds the file";
    } catch (const DataFileError& e) {
        ASSERT_EQ(e.file(), "romaji.txt");
        ASSERT_EQ(e.line(), 0);
        const std::string playerText = dataFileMessage(e).playerText();
        ASSERT_NE(playerText.find("「romaji.txt」が見つかりません"), std::string::npos);
        ASSERT_EQ(std::string(e.what()), "romaji.txt: file not found in any of the folders\n    " + f.user() +
                                             "\n    " + f.work() + "\n    " + f.installed());
        // The player's message lists them in the order they were searched.
        const std::size_t user = playerText.find(f.user()), work = playerText.find(f.work()),
                          installed = playerText.find(f.installed());
        ASSERT_TRUE(user > 0 && work > user && installed > work && installed != std::string::npos)
            << playerText;
    }
    const DataFileError one = DataFileError::missing("romaji.txt", {"/home/kid"});
    ASSERT_EQ(std::string(one.what()), "romaji.txt: file not found in the folder\n    /home/kid");
}

TEST(DataFolder, userFolderFollowsXdgDataHome) {
    const struct {
        const char* name;
        const char* xdg; // null: unset
        std::string folder;
    } rows[] = {
        {"set", "/srv/kids/share", "/srv/kids/share/pokuraku"},
        {"trailing slash", "/srv/kids/share/", "/srv/kids/share/pokuraku"},
        {"empty", "", "/home/kid/.local/share/pokuraku"},
        {"relative, so ignored", "share", "/home/kid/.local/share/pokuraku"},
        {"unset", nullptr, "/home/kid/.local/share/pokuraku"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string home = std::getenv("HOME");
        const char* xdgBefore = std::getenv("XDG_DATA_HOME");
        const std::optional<std::string> before =
            xdgBefore ? std::optional<std::string>(xdgBefore) : std::nullopt;
        setenv("HOME", "/home/kid", 1);
        if (row.xdg)
            setenv("XDG_DATA_HOME", row.xdg, 1);
        else
            unsetenv("XDG_DATA_HOME");
        const std::string found = userDataFolder();
        setenv("HOME", home.c_str(), 1);
        if (before)
            setenv("XDG_DATA_HOME", before->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        ASSERT_EQ(found, row.folder);
    }
}

TEST(DataFolder, installedFolder) {
    TemporaryFolder root;
    const auto dir = [&](const char* name) { return root.filePath(name); };
    ASSERT_TRUE(fs::create_directories(dir("prefix/bin")) && fs::create_directories(dir("build")));
    // A build tree keeps the data beside the program.
    ASSERT_EQ(installedDataFolder(dir("build")), dir("build"));
    ASSERT_EQ(installedDataFolder(dir("prefix/bin")), dir("prefix/bin"));
    // Installed, the data lies in <prefix>/share/pokuraku.
    ASSERT_TRUE(fs::create_directories(dir("prefix/share/pokuraku")));
    ASSERT_EQ(installedDataFolder(dir("prefix/bin")), dir("prefix/share/pokuraku"));
    // This test program runs in the build tree.
    ASSERT_EQ(installedDataFolder(programFolder()), programFolder());
}

TEST(DataFolder, sameFolderIsSearchedOnce) {
    Folders f;
    ASSERT_TRUE(link(f.work(), f.root.filePath("link")));
    ASSERT_EQ(distinctFolders({f.user(), f.work() + "/", f.root.filePath("link"), f.work(), f.installed()}),
              (std::vector<std::string>{f.user(), f.work(), f.installed()}));
    ASSERT_EQ(distinctFolders({std::string(), f.work()}), std::vector<std::string>{f.work()});

    // The game's own order: the player's folder, the working folder, the installed data.
    const char* xdgBefore = std::getenv("XDG_DATA_HOME");
    const std::optional<std::string> before =
        xdgBefore ? std::optional<std::string>(xdgBefore) : std::nullopt;
    setenv("XDG_DATA_HOME", f.root.path().c_str(), 1);
    const fs::path cwd = fs::current_path();
    std::error_code failed;
    fs::current_path(f.work(), failed);
    ASSERT_FALSE(failed) << failed.message();
    const std::vector<std::string> folders = dataSearchFolders(programFolder());
    fs::current_path(cwd);
    if (before)
        setenv("XDG_DATA_HOME", before->c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(folders, (std::vector<std::string>{f.root.filePath("pokuraku"),
                                                 fs::canonical(f.work()).string(), programFolder()}));
}

TEST(DataFolder, gameReadsEachFileFromItsFirstFolder) {
    Folders f;
    GameFixture game(std::nullopt);
    game.program = std::make_unique<Program>(Services{game.random, game.sound, game.messageBox, f.all()},
                                             game.errors, game.display);
    write(f.installed() + "/romaji.txt", "inu,installed\r\nneko,installed\r\n");
    write(f.work() + "/romaji.txt", "inu,work\r\n");
    write(f.user() + "/romaji.txt", "ro^maji,user\r\n");
    write(f.installed() + "/romajimojiren.txt", "ka,\x82\xa9,5\r\n");
    game.start();
    ASSERT_EQ(game.errors.details, std::vector<std::string>{});
    const MainScreen& mainScreen = game.program->mainScreen();
    ASSERT_EQ(mainScreen.state().questionCount, 1);
    ASSERT_EQ(mainScreen.state().romajiList[0], "ro^maji");
    ASSERT_EQ(mainScreen.state().questionWord, "user");
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    ASSERT_EQ(game.errors.details, std::vector<std::string>{});
    ASSERT_EQ(game.program->practiceScreen().state().table.recordCount, 1);
    ASSERT_EQ(game.program->practiceScreen().state().table.answerList[0], "か");

    // A fault in the player's own file names that file in full, not the installed one.
    GameFixture broken(std::nullopt);
    broken.program = std::make_unique<Program>(
        Services{broken.random, broken.sound, broken.messageBox, f.all()}, broken.errors, broken.display);
    write(f.user() + "/romaji.txt", "inu,x\r\n,y\r\n");
    broken.start();
    ASSERT_EQ(broken.errors.details.size(), 1u);
    ASSERT_TRUE(broken.errors.details[0].starts_with("romaji.txt, line 2: the answer for 'y' is empty"))
        << broken.errors.details[0];
    ASSERT_TRUE(broken.errors.details[0].ends_with("(" + f.user() + "/romaji.txt)"));
    ASSERT_NE(broken.errors.playerTexts[0].find(f.user() + "/romaji.txt"), std::string::npos);
}
