// program_icon OUTDIR: writes the program's icon in the sizes of the hicolor
// theme as OUTDIR/<N>x<N>/apps/termalo.png. The icons under
// resources/icons/hicolor are this tool's output:
//     build/tools/program_icon resources/icons/hicolor
#include "shell/painting.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: program_icon OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            termalo::paintProgramIcon(painter, QRectF(0, 0, side, side));
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString file = out.filePath(folder + QStringLiteral("/termalo.png"));
        if (!out.mkpath(folder) || !image.save(file)) {
            std::fprintf(stderr, "program_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
