// make-icons: renders the scalable icon into the PNG sizes of the hicolor
// theme, so the bitmaps never drift from the drawing.
//
//     make-icons ICON.svg OUT_FOLDER SIZE...
// writes OUT_FOLDER/SIZE.png for each size.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <iostream>

int main(int argc, char* argv[]) {
    // QPainter on an image needs a GUI application, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::cerr << "usage: make-icons ICON.svg OUT_FOLDER SIZE...\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::cerr << "make-icons: cannot read " << args.at(1).toStdString() << '\n';
        return 1;
    }
    for (const QString& size : args.mid(3)) {
        const int pixels = size.toInt();
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString out = args.at(2) + '/' + size + ".png";
        if (pixels <= 0 || !image.save(out)) {
            std::cerr << "make-icons: cannot write " << out.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
