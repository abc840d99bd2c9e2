// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions/question_record.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const QString& path() const { return m_path; }
    std::string file(const std::string& relative) const { return m_path.toStdString() + "/" + relative; }
    void makeDataFolder(const std::string& name = "Data") const;
    // Writes Data/Question.dat with these (answer, question) records.
    void writeBase(const std::vector<std::pair<QString, QString>>& records, const std::string& name = "Data/Question.dat") const;
    void writeBytes(const std::string& relative, const std::string& bytes) const;
    std::string readBytes(const std::string& relative) const;

private:
    QString m_path;
};

QuestionRecord makeRecord(const QString& question, const QString& answer);
