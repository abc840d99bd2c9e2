// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules_form.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace {

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The texts are kept with short lines for reading in an editor; on screen
// each paragraph is joined into one line so that the panel wraps it at its own
// width, whatever the font. Headings, blank lines and the dashed separators
// keep lines of their own; a heading loses its leading blanks, since only the
// panel knows its width and centres it (RulesForm::isHeading).
QString reflow(const QString& text)
{
    QStringList out;
    QString paragraph;
    auto flush = [&] {
        if (!paragraph.isEmpty())
            out << paragraph;
        paragraph.clear();
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        const bool heading = line.startsWith(QLatin1String("    ")) && trimmed == trimmed.toUpper();
        if (trimmed.isEmpty() || heading) {
            flush();
            out << trimmed;
        } else if (trimmed.startsWith(QLatin1String("---"))) {
            flush();
            out << QString(36, QLatin1Char('-'));
        } else if (line.startsWith(QLatin1Char(' '))) {
            flush();
            paragraph = line.trimmed().prepend(QStringLiteral("   "));
        } else {
            paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + trimmed;
        }
    }
    flush();
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out.join(QLatin1Char('\n'));
}

}

RulesForm::RulesForm() : Form(QStringLiteral("Информация о Словодром"), 790, 565)
{
    title.text = QStringLiteral("Правила игры");
    generalText.text = reflow(resourceText(QStringLiteral(":/rules/general.txt")));
    detailsText.text = reflow(resourceText(QStringLiteral(":/rules/details.txt")));
    noteText.text = reflow(resourceText(QStringLiteral(":/rules/note.txt")));
    exitButton.text = QStringLiteral("Выход");
}

bool RulesForm::isHeading(const QString& line)
{
    if (line.isEmpty() || line.front().isSpace() || line.startsWith(QLatin1Char('-')) || line != line.toUpper())
        return false;
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
}

void RulesForm::exitClicked()
{
    if (m_menu)
        switchTo(*m_menu);
}
