// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/error_box.h"

#include <QMessageBox>

void showErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Словодром"), message, QMessageBox::Ok);
    // The message may name a file or folder the player chose: its characters, not markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
