// SPDX-License-Identifier: GPL-3.0-or-later
// The question base when the system fails it: a full disk, a base the user
// may not write, no descriptors left. Each case runs the
// whole program on a real file and checks the error box's text, that the
// program can go on, and that no byte of the base changed that the user did
// not ask to change. Limits and lost privileges are taken in a forked child,
// which checks what it sees and reports back through a pipe.
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

// A write past what the disk holds (here the file size limit, which fails the
// same way) reports "Disk full", leaves no part of the record behind, and lets
// the user retry once there is room.
TEST_F(Faults, DiskFullOnSave)
{
    const std::string failure = inChild([&](ChildReport& r) {
        signal(SIGXFSZ, SIG_IGN);
        openEditor();
        // Room for fifty more bytes: the record would only half fit.
        const rlimit tight{static_cast<rlim_t>(original.size() + 50), RLIM_INFINITY};
        r.expect(setrlimit(RLIMIT_FSIZE, &tight) == 0, "setrlimit");
        saveNew(QStringLiteral("Не поместится"), QStringLiteral("ДИСК"));
        r.expect(game.errors == QStringList{QStringLiteral("Disk full.")}, "errors: " + game.errors.join(' ').toStdString());
        r.expect(base() == original, "a failed save left bytes behind");
        r.expectEq(editor().recordCount.text, QStringLiteral("10"), "count after the failed save");
        r.expect(buttons() == "11000", "buttons after the failed save: " + buttons());

        const rlimit roomy{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &roomy);
        game.click([&] { editor().saveClicked(); });
        r.expect(game.errors.size() == 1, "the retry failed");
        r.expect(base().size() == original.size() + RecordSize && base().substr(0, original.size()) == original
                     && textsAt(base(), 10) == std::pair(QStringLiteral("Не поместится"), QStringLiteral("ДИСК")),
                 "the retry's bytes");
        r.expectEq(editor().recordNumber.text, QStringLiteral("11"), "Num after the retry");
    });
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(sameBytes(base().substr(0, original.size()), original));
    EXPECT_EQ(base().size(), original.size() + RecordSize);
}

// A base the user may read but not write (the installed one, when the player
// has no folder of his own) is refused by the editor with "File access
// denied" and stays as it was, but the studio plays it. The superuser may
// write anything, so the child gives up its privileges first.
TEST_F(Faults, ReadOnlyBase)
{
    fs::permissions(game.folder.path().toStdString(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                                          | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path("Data"), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                      | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string failure = inChild([&](ChildReport& r) {
        if (geteuid() == 0) {
            const gid_t nobody = 65534;
            r.expect(setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0, "giving up root");
            r.expect(access(path().c_str(), R_OK) == 0 && access(path().c_str(), W_OK) != 0, "the base should be read-only");
        }
        openEditor();
        r.expect(game.errors == QStringList{QStringLiteral("File access denied.")}, "editor: " + game.errors.join(' ').toStdString());
        r.expect(buttons() == "00000", "buttons: " + buttons());
        exitEditor();
        r.expect(menu().isVisible(), "Выход did not reach the menu");

        game.startGame({QStringLiteral("Аня")}, 3);
        r.expect(game.errors.size() == 1, "studio: " + game.errors.join(' ').toStdString());
        r.expect(game.studio().round().roundNumber() == 1, "the read-only base was not played");
    });
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(sameBytes(base(), original));
}

// With no descriptor left neither screen can open the base: "Too many open
// files". Once descriptors are free again everything works as before.
TEST_F(Faults, TooManyOpenFiles)
{
    const std::string failure = inChild([&](ChildReport& r) {
        rlimit few{};
        getrlimit(RLIMIT_NOFILE, &few);
        few.rlim_cur = 64;
        r.expect(setrlimit(RLIMIT_NOFILE, &few) == 0, "setrlimit");
        std::vector<int> taken;
        for (int fd; (fd = open("/dev/null", O_RDONLY)) >= 0;)
            taken.push_back(fd);
        openEditor();
        r.expect(game.errors == QStringList{QStringLiteral("Too many open files.")}, "editor: " + game.errors.join(' ').toStdString());
        r.expect(buttons() == "00000", "buttons: " + buttons());
        exitEditor();
        game.startGame({QStringLiteral("Аня")}, 3);
        r.expect(game.errors.size() == 2 && game.errors.last() == QStringLiteral("Too many open files."),
                 "studio: " + game.errors.join(' ').toStdString());

        for (int fd : taken)
            close(fd);
        game.errors.clear();
        expectUsableAfter(r, "descriptors freed");
        game.startGame({QStringLiteral("Аня")}, 3);
        r.expect(game.studio().round().roundNumber() == 1, "no game once descriptors were free");
        r.expect(game.errors.isEmpty(), "errors: " + game.errors.join(' ').toStdString());
    });
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(sameBytes(base(), original));
}
