#include "tools/IconTheme.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

QString WriteIconTheme(const std::function<QImage(int)>& draw, const QString& name,
                       const QString& folder) {
    for (int size : IconThemeSizes) {
        const QImage picture = draw(size);
        if (picture.isNull() || picture.width() != size || picture.height() != size) {
            return QString("no %1 x %1 picture of %2").arg(size).arg(name);
        }
        const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir)) {
            return "cannot create " + dir;
        }
        QSaveFile file(dir + '/' + name + ".png");
        if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
            return "cannot write " + file.fileName() + ": " + file.errorString();
        }
    }
    return QString();
}

int IconThemeMain(int argc, char** argv, const QString& name,
                  const std::function<QImage(int)>& draw) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <icon theme folder>\n", argv[0]);
        return 2;
    }
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString error = WriteIconTheme(draw, name, QString::fromLocal8Bit(argv[1]));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
