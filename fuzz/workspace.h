// SPDX-License-Identifier: GPL-3.0-or-later
// Where the fuzzed base lies: one folder in memory for the whole run, and
// plain reads and writes of the base that go around the code under test.
#pragma once

#include <filesystem>
#include <string>

namespace fuzz {

// One folder for the whole run, on a tmpfs where the system has one, removed
// when the fuzzer ends. It holds two working folders made once, one with
// "Data" and one with "data", so that no input creates or removes a folder.
class Workspace {
public:
    static Workspace& instance();

    // The working folder for a base spelled in small or capital letters, and
    // the folder "Data"/"data" below it.
    const std::filesystem::path& workingFolder(bool lowerCase) const { return lowerCase ? m_lower : m_upper; }
    const std::filesystem::path& dataFolder(bool lowerCase) const { return lowerCase ? m_lowerData : m_upperData; }
    // The same folder held open, for the checks after every step: a name
    // looked up in it costs one step of a path's walk instead of six.
    int dataFolderFd(bool lowerCase) const { return lowerCase ? m_lowerFd : m_upperFd; }

    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

private:
    Workspace();
    ~Workspace();
    std::filesystem::path m_root, m_upper, m_lower, m_upperData, m_lowerData;
    int m_upperFd = -1, m_lowerFd = -1;
};

// Whether file `name` in the open folder `folder` holds exactly `expected`;
// `scratch` is a buffer kept from call to call, so that the check after
// every step allocates nothing.
bool holdsExactly(int folder, const char* name, const std::string& expected, std::string& scratch);
// Makes the file hold exactly `bytes`; aborts if it cannot.
void writeWhole(const char* path, const std::string& bytes);
// Another program's changes: cut the file to `size`, add `bytes` at its end.
void cutFile(const char* path, std::size_t size);
void appendToFile(const char* path, const std::string& bytes);
bool fileExists(int folder, const char* name);

}
