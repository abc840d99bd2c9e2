// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "slovodrom-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = QString::fromStdString(pattern);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path.toStdString(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path.toStdString(), ignored);
}

void TempFolder::makeDataFolder(const std::string& name) const
{
    std::filesystem::create_directories(file(name));
}

void TempFolder::writeBase(const std::vector<std::pair<QString, QString>>& records, const std::string& name) const
{
    const std::string path = file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::string bytes;
    for (const auto& [answer, question] : records) {
        const QuestionRecord r = makeRecord(question, answer);
        bytes.append(reinterpret_cast<const char*>(r.bytes.data()), QuestionRecord::Size);
    }
    writeBytes(name, bytes);
}

void TempFolder::writeBytes(const std::string& relative, const std::string& bytes) const
{
    std::ofstream out(file(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + relative);
}

std::string TempFolder::readBytes(const std::string& relative) const
{
    std::ifstream in(file(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QuestionRecord makeRecord(const QString& question, const QString& answer)
{
    QuestionRecord r;
    r.setQuestionText(question);
    r.setAnswerText(answer);
    return r;
}
