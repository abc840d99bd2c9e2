// SPDX-License-Identifier: GPL-3.0-or-later
// The question base when the system fails it: a full disk, a base the user
// may not write, no descriptors left, something else where the base belongs,
// a base that shrinks or vanishes under the open editor. Each case runs the
// whole program on a real file and checks the error box's text, that the
// program can go on, and that no byte of the base changed that the user did
// not ask to change. Limits and lost privileges are taken in a forked child,
// which checks what it sees and reports back through a pipe.

#include "game_fixture.h"
#include "question_record.h"

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

namespace {

namespace fs = std::filesystem;

const std::string BasePath = "Data/Question.dat";
constexpr int RecordSize = QuestionRecord::Size;

#ifdef SLOVODROM_COVERAGE
// Writes a coverage build's counters, which _exit would lose.
extern "C" void __gcov_dump();
#endif

// What a child process found wrong, one line per broken expectation.
struct ChildReport {
    std::string text;
    void expect(bool ok, const std::string& what)
    {
        if (!ok)
            text += what + "\n";
    }
    void expectEq(const QString& actual, const QString& expected, const std::string& what)
    {
        expect(actual == expected, what + ": \"" + actual.toStdString() + "\" instead of \"" + expected.toStdString() + "\"");
    }
};

// Runs `body` in a forked child and returns what it found wrong; a child that
// hangs is ended by an alarm and reported, as is one that dies.
std::string inChild(const std::function<void(ChildReport&)>& body)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "pipe failed";
    const pid_t pid = fork();
    if (pid < 0)
        return "fork failed";
    if (pid == 0) {
        close(channel[0]);
        alarm(20);
        ChildReport report;
        try {
            body(report);
        } catch (const std::exception& e) {
            report.text += std::string("exception: ") + e.what() + "\n";
        }
        const char* p = report.text.data();
        std::size_t left = report.text.size();
        while (left > 0) {
            const ssize_t n = write(channel[1], p, left);
            if (n <= 0)
                break;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
#ifdef SLOVODROM_COVERAGE
        __gcov_dump();
#endif
        _exit(report.text.empty() ? 0 : 1);
    }
    close(channel[1]);
    std::string text;
    char buffer[1024];
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        text += "the child died of signal " + std::to_string(WTERMSIG(status)) + (WTERMSIG(status) == SIGALRM ? " (a hang)" : "");
    else if (WEXITSTATUS(status) != 0 && text.empty())
        text = "the child failed without a word";
    return text;
}

// The whole program on the ten sample records, with the menu's way into the
// editor and out of it.
struct Faults : ::testing::Test {
    GameFixture game;
    std::string original = game.folder.readBytes(BasePath);

    EditorForm& editor() { return game.screens->editor; }
    MenuForm& menu() { return game.screens->menu; }
    std::string base() const { return game.folder.readBytes(BasePath); }
    std::string path(const std::string& relative = BasePath) const { return game.folder.file(relative); }

    void openEditor()
    {
        game.click([&] { menu().editorClicked(); });
        game.advance(1);
    }
    void exitEditor() { game.click([&] { editor().exitClicked(); }); }
    void saveNew(const QString& question, const QString& answer)
    {
        game.click([&] { editor().newClicked(); });
        game.click([&] { editor().questionEdited(question); });
        game.click([&] { editor().answerEdited(answer); });
        game.click([&] { editor().saveClicked(); });
    }
    // The five action buttons, enabled as '1': New Save Delete Previous Next.
    std::string buttons()
    {
        std::string s;
        for (const Control* c : {&editor().newButton, &editor().saveButton, &editor().deleteButton, &editor().previousButton, &editor().nextButton})
            s += c->enabled ? '1' : '0';
        return s;
    }
    // "Выход" leads back to the menu and a later visit loads the ten records.
    void expectUsableAfter(ChildReport& r, const std::string& fault)
    {
        exitEditor();
        r.expect(menu().isVisible() && !editor().isVisible(), fault + ": Выход did not reach the menu");
        openEditor();
        r.expectEq(editor().recordCount.text, QStringLiteral("10"), fault + ": the next visit's count");
        r.expectEq(editor().answerBox.text, QStringLiteral("КОТ"), fault + ": the next visit's first record");
        exitEditor();
    }
};

// Equal bytes, or where the first difference lies.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size()
                                         << ", first difference at byte " << (diff.first - actual.begin());
}

// The question and answer of record `index` in the bytes of a base.
std::pair<QString, QString> textsAt(const std::string& bytes, int index)
{
    QuestionRecord r;
    std::copy_n(bytes.begin() + index * RecordSize, RecordSize, r.bytes.begin());
    return {r.questionText(), r.answerText()};
}

std::string recordBytes(const QString& question, const QString& answer)
{
    const QuestionRecord r = makeRecord(question, answer);
    return std::string(reinterpret_cast<const char*>(r.bytes.data()), RecordSize);
}

}

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

// A base the user may read but not write is refused by the editor and by the
// studio with "File access denied", and stays as it was. The superuser may
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
        r.expect(game.errors.size() == 2 && game.errors.last() == QStringLiteral("File access denied."),
                 "studio: " + game.errors.join(' ').toStdString());
        r.expect(game.studio().roundNumber == 0, "a game started without its questions");
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
        r.expect(game.studio().roundNumber == 1, "no game once descriptors were free");
        r.expect(game.errors.isEmpty(), "errors: " + game.errors.join(' ').toStdString());
    });
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(sameBytes(base(), original));
}

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
            r.expect(game.studio().roundNumber == 0, "a game started without its questions");
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

// Another program shortens the base while the editor has "Новый" open, or adds
// to it: the saved record still goes to the end, after what is there, without
// a gap of empty records and without writing over anybody's record.
TEST_F(Faults, BaseChangedBetweenNewAndSave)
{
    openEditor();
    game.click([&] { editor().newClicked(); });
    EXPECT_EQ(editor().recordNumber.text, "11");
    fs::resize_file(path(), 5 * RecordSize);
    game.click([&] { editor().questionEdited(QStringLiteral("После усадки")); });
    game.click([&] { editor().answerEdited(QStringLiteral("ШЕСТЬ")); });
    game.click([&] { editor().saveClicked(); });
    EXPECT_EQ(base().size(), 6u * RecordSize);
    EXPECT_TRUE(sameBytes(base().substr(0, 5 * RecordSize), original.substr(0, 5 * RecordSize)));
    EXPECT_EQ(textsAt(base(), 5), std::pair(QStringLiteral("После усадки"), QStringLiteral("ШЕСТЬ")));
    EXPECT_EQ(editor().recordNumber.text, "6");
    EXPECT_EQ(editor().recordCount.text, "6");

    game.click([&] { editor().newClicked(); });
    const std::string before = base() + recordBytes(QStringLiteral("Чужая запись"), QStringLiteral("ЧУЖАЯ"));
    game.folder.writeBytes(BasePath, before);
    game.click([&] { editor().answerEdited(QStringLiteral("СВОЯ")); });
    game.click([&] { editor().saveClicked(); });
    EXPECT_EQ(base().size(), 8u * RecordSize);
    EXPECT_TRUE(sameBytes(base().substr(0, 7 * RecordSize), before));
    EXPECT_EQ(textsAt(base(), 7), std::pair(QString(), QStringLiteral("СВОЯ")));
    EXPECT_EQ(editor().recordNumber.text, "8");
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
}

// The base deleted or renamed away while the editor has it open: a change the
// user makes is refused with "File not found" rather than written into a file
// the game will not see again; browsing what was loaded still works, and the
// next visit starts with a new, empty base.
TEST_F(Faults, BaseVanishesWhileOpen)
{
    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed ? "renamed" : "deleted");
        game.folder.writeBytes(BasePath, original);
        game.errors.clear();
        openEditor();
        if (renamed)
            fs::rename(path(), path("Data/old.dat"));
        else
            fs::remove(path());
        game.click([&] { editor().nextClicked(); });
        EXPECT_EQ(editor().answerBox.text, "ДОМ");
        game.click([&] { editor().deleteClicked(); });
        saveNew(QStringLiteral("В никуда"), QStringLiteral("НИКУДА"));
        EXPECT_EQ(game.errors, (QStringList{QStringLiteral("File not found."), QStringLiteral("File not found.")}));
        if (renamed) {
            EXPECT_TRUE(sameBytes(game.folder.readBytes("Data/old.dat"), original));
        }
        EXPECT_FALSE(fs::exists(path()));

        exitEditor();
        EXPECT_TRUE(menu().isVisible());
        openEditor();
        EXPECT_EQ(game.errors.size(), 2);
        EXPECT_EQ(editor().recordCount.text, "0");
        EXPECT_EQ(base(), "");
        exitEditor();
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
        EXPECT_EQ(game.studio().roundNumber, 1);

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

// A base of more than 2^31 records (sparse: nothing but the sample records at
// its far end) is counted, appended to and cut at its true end, and a new game
// finds its few playable records at once instead of reading every record.
TEST_F(Faults, HugeSparseBase)
{
    const std::int64_t gap = (std::int64_t{1} << 31) + 5;
    fs::resize_file(path(), static_cast<std::uintmax_t>(gap * RecordSize));
    {
        std::FILE* f = std::fopen(path().c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(fseeko(f, static_cast<off_t>(gap * RecordSize), SEEK_SET), 0);
        ASSERT_EQ(std::fwrite(original.data(), 1, original.size(), f), original.size());
        std::fclose(f);
    }
    const std::int64_t records = gap + 10;
    const std::uintmax_t size = static_cast<std::uintmax_t>(records * RecordSize);

    const auto t0 = std::chrono::steady_clock::now();
    game.startGame({QStringLiteral("Аня")}, 3);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    ASSERT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
    EXPECT_EQ(game.studio().roundNumber, 1);
    EXPECT_FALSE(game.studio().roundAnswers[1].isEmpty());
    EXPECT_LT(seconds, 5.0) << "a new game on a huge sparse base";
    RecordProperty("new_game_seconds", std::to_string(seconds));
    game.studio().switchTo(menu());

    openEditor();
    EXPECT_EQ(editor().recordCount.text, QString::number(records));
    saveNew(QStringLiteral("На самом краю"), QStringLiteral("КРАЙ"));
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
    EXPECT_EQ(editor().recordNumber.text, QString::number(records + 1));
    EXPECT_EQ(fs::file_size(path()), size + RecordSize);
    game.click([&] { editor().deleteClicked(); });
    EXPECT_EQ(fs::file_size(path()), size);
    EXPECT_EQ(editor().recordNumber.text, QString::number(records));
    EXPECT_EQ(editor().answerBox.text, "ПОЛЕ");
    exitEditor();
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
}
