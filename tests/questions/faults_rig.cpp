// SPDX-License-Identifier: GPL-3.0-or-later
// The fault tests' forked child and byte helpers.
#include "tests/questions/faults_rig.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

namespace faults {

#ifdef SLOVODROM_COVERAGE
// Writes a coverage build's counters, which _exit would lose.
extern "C" void __gcov_dump();
#endif

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
