// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the question base and its editor together. The input is a question
// file followed by what a user does with it; every step is checked against a
// model of the file's bytes (base_model.h, session_checks.cpp).
//
// Input layout:
//   byte 0      flags: bit 0 spells the base "data/question.dat",
//               bit 1 leaves the base out (the editor must create it),
//               bits 2..4 all set put its first record 64 more times in
//               front of it: so many records that a game's 400 random draws
//               now and then miss one of the few playable ones (and list the
//               rest). Only one input in eight, as a game's draw from such a
//               base costs as much as dozens of other steps.
//   bytes 1..2  length L of the base, little-endian (cut to what follows)
//   L bytes     the base as it lies on disk
//   the rest    up to 16 operations, one byte each, some followed by arguments:
//     0 open the editor (menu "Редактирование" and the load tick)
//     1 "Следующий >"    2 "< Предыдущий"   3 "Новый"
//     4 type a question  5 type an answer   (mode byte, length byte, text)
//     6 "Сохранить"      7 "Удалить"        8 "Выход"
//     9 the studio draws a game's questions (rounds byte: 1..9)
//    10 another program changes the base: mode byte; even: cuts it (records
//       byte, tail byte), odd: adds records at its end (count byte, bytes)
// After another program's change the editor's buttons and Num may be out of
// date; from then until the next load only the bytes, the record count, the
// record the editor stands on and the kinds of error are checked.

#include "fuzz/editor_session.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/input_reader.h"
#include "fuzz/workspace.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace fuzz {

const char* stepName = "start";

namespace {

// Steps per input: enough for the editor's sequences that matter (the longest
// fault found took seven), and short enough that the fuzzer tries many of them
// rather than a few long ones.
constexpr int MaxOperations = 16;
constexpr int BigBaseCopies = 64;

// The base's bytes from the front of the input, with the copies of its first
// record the flags ask for.
std::string baseOf(InputReader& in, std::uint8_t flags)
{
    std::size_t length = in.byte();
    length |= static_cast<std::size_t>(in.byte()) << 8;
    length = std::min(length, in.size);
    std::string base(reinterpret_cast<const char*>(in.data), length);
    in.skip(length);
    if (base.size() >= static_cast<std::size_t>(RecordSize)) {
        const int copies = (flags >> 2 & 7) == 7 ? BigBaseCopies : 0;
        std::string front;
        front.reserve(static_cast<std::size_t>(copies) * RecordSize + base.size());
        for (int n = copies; n > 0; --n)
            front.append(base, 0, RecordSize);
        base.insert(0, front);
    }
    return base;
}

void runStep(EditorSession& s, InputReader& in)
{
    switch (in.byte() % 11) {
    case 0: stepName = "load"; s.open(); break;
    case 1: stepName = "Следующий"; s.next(); break;
    case 2: stepName = "Предыдущий"; s.previous(); break;
    case 3: stepName = "Новый"; s.startNew(); break;
    case 4: stepName = "typing a question"; s.typeQuestion(typedText(in)); break;
    case 5: stepName = "typing an answer"; s.typeAnswer(typedText(in)); break;
    case 6: stepName = "Сохранить"; s.save(); break;
    case 7: stepName = "Удалить"; s.remove(); break;
    case 8: stepName = "Выход"; s.exit(); break;
    case 9: stepName = "the game's questions"; s.choose(1 + in.byte() % 9); break;
    case 10: stepName = "another program's change"; s.meddle(in); break;
    }
}

}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    stepName = "start";
    InputReader in{data, size};
    const std::uint8_t flags = in.byte();
    const std::string base = baseOf(in, flags);

    // A base spelled in small letters, or none at all (the editor then
    // creates it under its own spelling, in the folder "Data").
    const bool exists = !(flags & 2);
    const bool lowerCase = (flags & 1) && exists;
    const Workspace& w = Workspace::instance();
    const std::filesystem::path& folder = w.dataFolder(lowerCase);
    for (const char* spelling : {"Question.dat", "question.dat"})
        ::unlinkat(w.dataFolderFd(lowerCase), spelling, 0);

    // The forms are made afresh for every input, so that an input alone
    // reproduces what it found; that costs about a microsecond.
    const char* const name = lowerCase ? "question.dat" : "Question.dat";
    EditorSession s(QString::fromStdString(w.workingFolder(lowerCase).string()), folder.string(),
                    w.dataFolderFd(lowerCase), name);
    s.model.exists = exists;
    if (exists) {
        writeWhole((folder / name).c_str(), base);
        s.model.bytes = base;
    }
    s.check();

    for (int step = 0; step < MaxOperations && !in.empty(); ++step) {
        runStep(s, in);
        s.check();
    }
    stepName = "the end";
    s.exit();
    s.check();
    return 0;
}
