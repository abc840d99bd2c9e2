// Turns the question base kept as text (ANSWER<TAB>question, one a line, "#"
// for comments) into the game's record file. Used at build time.
#include "game_error.h"
#include "question_record.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_question_base questions.txt Question.dat\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    QByteArray out;
    int lineNumber = 0;
    for (const QString& raw : lines) {
        ++lineNumber;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = raw.indexOf(QLatin1Char('\t'));
        if (tab <= 0) {
            std::fprintf(stderr, "%s:%d: expected ANSWER<TAB>question\n", argv[1], lineNumber);
            return 1;
        }
        QuestionRecord record;
        try {
            record.setAnswerText(raw.left(tab).trimmed());
            record.setQuestionText(raw.mid(tab + 1).trimmed());
        } catch (const GameError& e) {
            std::fprintf(stderr, "%s:%d: %s\n", argv[1], lineNumber, e.what());
            return 1;
        }
        out.append(reinterpret_cast<const char*>(record.bytes.data()), QuestionRecord::Size);
    }
    const QString target = QString::fromLocal8Bit(argv[2]);
    QFile::remove(target);
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        const QString folder = target.left(slash);
        QFile probe(folder);
        if (!probe.exists() && !QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
            return 1;
        }
    }
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
