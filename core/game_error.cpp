// SPDX-License-Identifier: GPL-3.0-or-later
// The game's errors and the texts of its I/O error codes.
#include "core/game_error.h"

GameError::GameError(const QString& message) : m_message(message), m_utf8(message.toStdString())
{
}

IoError::IoError(int code) : GameError(textFor(code)), m_code(code)
{
}

QString IoError::textFor(int code)
{
    switch (code) {
    case FileNotFound: return QStringLiteral("File not found");
    case InvalidFilename: return QStringLiteral("Invalid filename");
    case TooManyOpenFiles: return QStringLiteral("Too many open files");
    case AccessDenied: return QStringLiteral("File access denied");
    case ReadBeyondEnd: return QStringLiteral("Read beyond end of file");
    case DiskFull: return QStringLiteral("Disk full");
    default: return QStringLiteral("I/O error %1").arg(code);
    }
}
