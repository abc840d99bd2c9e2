// SPDX-License-Identifier: GPL-3.0-or-later
// The question base when something else is where it belongs: a folder, a FIFO
// or a device in its place, a Data that is not a folder, symbolic links from a
// copied-in Data folder, a Data folder that cannot be listed. Each case checks
// the error box's text, that the program goes on, and that nothing outside the
// base is touched.
#include "tests/questions/faults_rig.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace faults;

// Something other than a file where the base belongs is refused by both screens
// and left untouched; nothing is created through it, and a FIFO does not make
// the open wait for a writer. Putting the base back makes everything work.
TEST_F(Faults, SomethingElseInPlaceOfTheBase)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& where)> make;
        QString editorError, studioError;
    };
    const QString denied = QStringLiteral("File access denied.");
    const std::string elsewhere = path("elsewhere");
    const std::vector<Case> cases = {
        {"a folder", [](const std::string& p) { fs::create_directory(p); }, denied, denied},
        {"a link to a folder",
         [&](const std::string& p) {
             fs::create_directory(elsewhere);
             fs::create_directory_symlink(elsewhere, p);
         },
         denied, denied},
        {"a FIFO", [](const std::string& p) { mkfifo(p.c_str(), 0644); }, denied, denied},
        {"a link to a device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }, denied, denied},
        // The editor does not create the base through the link; to the studio there is no base.
        {"a link to nowhere", [&](const std::string& p) { fs::create_symlink(elsewhere + "/missing.dat", p); }, denied,
         QStringLiteral("File not found.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(path());
        c.make(path());
        const std::string failure = inChild([&](ChildReport& r) {
            openEditor();
            r.expect(game.errors == QStringList{c.editorError}, "editor: " + game.errors.join(' ').toStdString());
            r.expect(buttons() == "00000", "buttons: " + buttons());
            r.expect(!editor().countRefresh.isRunning(), "the count refresh runs without a base");
            exitEditor();
            r.expect(menu().isVisible(), "Выход did not reach the menu");
            game.startGame({QStringLiteral("Аня")}, 3);
            r.expect(game.errors.size() == 2 && game.errors.last() == c.studioError, "studio: " + game.errors.join(' ').toStdString());
            r.expect(game.studio().round().roundNumber() == 0, "a game started without its questions");
        });
        EXPECT_EQ(failure, "");
        // Nothing was made through the link.
        EXPECT_FALSE(fs::exists(elsewhere + "/missing.dat"));
        EXPECT_TRUE(!fs::exists(elsewhere) || fs::is_empty(elsewhere));
        fs::remove(path());
        fs::remove_all(elsewhere);
    }

    game.folder.writeBytes(BasePath, original);
    const std::string failure = inChild([&](ChildReport& r) { expectUsableAfter(r, "the base put back"); });
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(sameBytes(base(), original));
}

// The folder Data turned into something else: the name is at fault.
TEST_F(Faults, SomethingElseInPlaceOfTheDataFolder)
{
    fs::remove_all(path("Data"));
    for (const char* kind : {"file", "fifo"}) {
        SCOPED_TRACE(kind);
        if (std::string(kind) == "file")
            game.folder.writeBytes("Data", "not a folder");
        else
            mkfifo(path("Data").c_str(), 0644);
        const std::string failure = inChild([&](ChildReport& r) {
            openEditor();
            r.expect(game.errors == QStringList{QStringLiteral("Invalid filename.")}, "editor: " + game.errors.join(' ').toStdString());
            exitEditor();
            game.startGame({QStringLiteral("Аня")}, 3);
            r.expect(game.errors.size() == 2 && game.errors.last() == QStringLiteral("Invalid filename."),
                     "studio: " + game.errors.join(' ').toStdString());
        });
        EXPECT_EQ(failure, "");
        EXPECT_FALSE(fs::is_directory(path("Data")));
        fs::remove(path("Data"));
    }
}

// Bases are exchanged by copying a Data folder, which may carry symbolic links.
// The editor changes no file that the base's name reaches through one (the
// file or the folder being a link): it refuses the base and leaves the target
// as it was. A game may still be played from a linked base.
TEST_F(Faults, LinkedBaseIsNeverEdited)
{
    const std::string outside = path("outside");
    fs::create_directory(outside);
    struct Case {
        const char* name;
        std::function<void()> make;
        std::string target;  // the file the link leads to
    };
    const std::vector<Case> cases = {
        {"the file a link",
         [&] {
             fs::rename(path(), outside + "/user.dat");
             fs::create_symlink(outside + "/user.dat", path());
         },
         outside + "/user.dat"},
        {"the folder a link",
         [&] {
             fs::rename(path("Data"), outside + "/Data");
             fs::create_directory_symlink(outside + "/Data", path("Data"));
         },
         outside + "/Data/Question.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        game.errors.clear();
        openEditor();
        EXPECT_EQ(game.errors, QStringList{QStringLiteral("File access denied.")});
        EXPECT_EQ(buttons(), "00000");
        game.click([&] { editor().newClicked(); });
        game.click([&] { editor().saveClicked(); });
        exitEditor();
        EXPECT_TRUE(menu().isVisible());
        EXPECT_TRUE(sameBytes(game.folder.readBytes(c.target.substr(game.folder.path().size() + 1)), original));

        game.errors.clear();
        game.startGame({QStringLiteral("Аня")}, 3);
        EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
        EXPECT_EQ(game.studio().round().roundNumber(), 1);

        fs::remove(path(c.name == std::string("the file a link") ? BasePath : "Data"));
        fs::rename(c.name == std::string("the file a link") ? c.target : outside + "/Data",
                   path(c.name == std::string("the file a link") ? BasePath : "Data"));
        game.studio().switchTo(menu());
    }
    EXPECT_TRUE(sameBytes(base(), original));
}

// A Data folder that cannot be listed, holding the base under another spelling:
// the editor must not make a second, empty base beside the player's one, and
// neither screen pretends the base is missing.
TEST_F(Faults, UnlistableDataFolder)
{
    fs::rename(path(), path("Data/question.dat"));
    fs::permissions(game.folder.path().toStdString(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path("Data"), fs::perms::owner_write | fs::perms::owner_exec | fs::perms::others_exec);
    fs::permissions(path("Data/question.dat"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    const std::string failure = inChild([&](ChildReport& r) {
        if (geteuid() == 0) {
            const gid_t nobody = 65534;
            r.expect(setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0, "giving up root");
        }
        openEditor();
        r.expect(game.errors == QStringList{QStringLiteral("File access denied.")}, "editor: " + game.errors.join(' ').toStdString());
        r.expect(buttons() == "00000", "buttons: " + buttons());
        exitEditor();
        game.startGame({QStringLiteral("Аня")}, 3);
        r.expect(game.errors.size() == 2 && game.errors.last() == QStringLiteral("File access denied."),
                 "studio: " + game.errors.join(' ').toStdString());
    });
    fs::permissions(path("Data"), fs::perms::owner_all);
    EXPECT_EQ(failure, "");
    EXPECT_FALSE(fs::exists(path())) << "a second base was made";
    EXPECT_TRUE(sameBytes(game.folder.readBytes("Data/question.dat"), original));
}
