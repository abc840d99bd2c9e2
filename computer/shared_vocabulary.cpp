// SPDX-License-Identifier: GPL-3.0-or-later
// One reading of the system's dictionary per run, on a thread of its own.
#include "computer/shared_vocabulary.h"

#include <future>
#include <mutex>

namespace computer {

namespace {

std::shared_future<Vocabulary>& reading()
{
    static std::shared_future<Vocabulary> future;
    return future;
}

std::once_flag started;

}

void prepareVocabulary()
{
    std::call_once(started, [] { reading() = std::async(std::launch::async, [] { return Vocabulary::load(); }).share(); });
}

const Vocabulary& sharedVocabulary()
{
    prepareVocabulary();
    return reading().get();
}

}
