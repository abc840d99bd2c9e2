// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the game's SVG icon into the PNG sizes of the hicolor icon theme.
// Usage: render_icons ICON.svg OUT_FOLDER NAME SIZE...
// Writes OUT_FOLDER/<size>x<size>/apps/NAME.png for every size;
// exits non-zero with a message if the SVG cannot be read or a PNG cannot be written.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "render_icons: %s\n", qPrintable(message));
    return 1;
}

}

int main(int argc, char** argv)
{
    // A build step: no display is needed or wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5)
        return fail(QStringLiteral("usage: render_icons ICON.svg OUT_FOLDER NAME SIZE..."));

    QSvgRenderer svg(args[1]);
    if (!svg.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    const QString& name = args[3];

    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size <= 0)
            return fail(QStringLiteral("not a size: %1").arg(args[i]));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();

        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!image.save(file, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
