// Draws the program's pictures that are kept as resources (the banner, at one
// and two times its size, as raw pixels for the program and as PNG to look at)
// into a folder, resources/pictures by default:
//     build/tools/pictures resources/pictures
#include "shell/painting.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/pictures");
    QDir().mkpath(folder);
    bool ok = true;
    for (const auto& [scale, name] : {std::pair{1.0, "banner"}, std::pair{2.0, "banner@2x"}}) {
        const QImage banner = termalo::drawBanner(scale);
        // A PNG to look at, and the raw pixels the program reads.
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        QFile raw(path + QStringLiteral(".raw"));
        if (!banner.save(path + QStringLiteral(".png")) || !raw.open(QIODevice::WriteOnly)
            || raw.write(termalo::rawPictureData(banner)) < 0) {
            std::fprintf(stderr, "pictures: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
