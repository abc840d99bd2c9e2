#include "rules_form.h"

#include <QFile>

namespace {

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

}

RulesForm::RulesForm() : Form(QStringLiteral("Информация о Словодром"), 790, 565)
{
    Label1.text = QStringLiteral("Правила игры");
    Label1.fontColor = 0xFF0000;
    RichEdit1.text = resourceText(QStringLiteral(":/rules/general.txt"));
    RichEdit2.text = resourceText(QStringLiteral(":/rules/details.txt"));
    RichEdit3.text = resourceText(QStringLiteral(":/rules/note.txt"));
    BitBtn1.text = QStringLiteral("Выход");
}

void RulesForm::BitBtn1Click()
{
    if (m_menu)
        switchTo(*m_menu);
}
