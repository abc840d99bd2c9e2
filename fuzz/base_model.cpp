// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor's steps must do to the base's bytes, worked out without the
// code under test.
#include "fuzz/base_model.h"

#include <algorithm>
#include <cstring>

namespace fuzz {

QuestionRecord recordAt(const std::string& bytes, int index)
{
    QuestionRecord r;
    std::memcpy(r.bytes.data(), bytes.data() + static_cast<std::size_t>(index) * RecordSize, RecordSize);
    return r;
}

bool BaseModel::read(int k)
{
    const std::size_t at = static_cast<std::size_t>(k) * RecordSize;
    if (at + RecordSize > bytes.size())
        return false;
    typed = false;
    buffer = recordAt(bytes, k);
    return true;
}

bool BaseModel::isPlayable(int k) const
{
    // The answer's length byte; any value but 0 leaves an answer to play.
    return bytes[static_cast<std::size_t>(k) * RecordSize + QuestionRecord::AnswerLengthOffset] != 0;
}

int BaseModel::playable() const
{
    int n = 0;
    for (int k = 0; k < count(); ++k)
        n += isPlayable(k);
    return n;
}

void BaseModel::saveAtEnd(const std::string& question, const std::string& answer)
{
    const std::size_t q = std::min<std::size_t>(question.size(), QuestionRecord::QuestionCapacity);
    const std::size_t a = std::min<std::size_t>(answer.size(), QuestionRecord::AnswerCapacity);
    buffer.bytes[0] = static_cast<std::uint8_t>(q);
    std::memcpy(buffer.bytes.data() + 1, question.data(), q);
    buffer.bytes[QuestionRecord::AnswerLengthOffset] = static_cast<std::uint8_t>(a);
    std::memcpy(buffer.bytes.data() + QuestionRecord::AnswerLengthOffset + 1, answer.data(), a);
    // Over a tail that is not a whole record, if there is one.
    current = count();
    bytes.resize(static_cast<std::size_t>(current) * RecordSize);
    bytes.append(reinterpret_cast<const char*>(buffer.bytes.data()), RecordSize);
    entering = false;
    typed = false;
}

bool BaseModel::removeCurrent()
{
    const int n = count();
    if (current >= n)
        return false;
    // Later records move up one place; a tail goes with them.
    bytes.erase(static_cast<std::size_t>(current) * RecordSize, RecordSize);
    bytes.resize(static_cast<std::size_t>(n - 1) * RecordSize);
    return true;
}

}
