// Draws fieldloader's six 480x272 screens. This file is their editable
// source: colours, shapes and texts live below, and the program is the one
// command that regenerates the PNGs (see README.md, "Update launcher").
//
//   fieldloader_screens FONT_FILE OUTPUT_DIR
//
// The shipped font is loaded from FONT_FILE so the result does not depend on
// the fonts of the machine that draws.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {
const int width = 480;
const int height = 272;
const int bandWidth = 160; // grey band with the logo; the blue panel takes the rest
const QColor bandColour(0xd9, 0xda, 0xdb);
const QColor panelColour(0x00, 0x4f, 0x8f);
const QColor logoColour(0x00, 0x3a, 0x6b);
const QColor warningColour(0xff, 0xc8, 0x00);
// 96 dpi stored in the PNGs: the launcher draws the code in points, so the
// resolution fixes its pixel size.
const int dotsPerMeter = 3780;

enum symbol_t { WIFI, WARNING };

struct Screen {
    const char* fileName;
    symbol_t symbol;
    bool roomForCode; // the launcher draws the code into 131..187
    QStringList lines; // first line large, the others smaller unless roomForCode
};

QString family;

QFont font(int pixelSize)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    return f;
}

void drawLogo(QPainter& p)
{
    p.fillRect(0, 0, bandWidth, height, bandColour);
    // A crane seen from the side: column, boom and hook.
    p.setPen(QPen(logoColour, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(50, 140), QPointF(50, 88));   // column
    p.drawLine(QPointF(50, 88), QPointF(118, 64));   // boom
    p.drawLine(QPointF(50, 112), QPointF(88, 76));   // boom cylinder
    p.setPen(QPen(logoColour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(118, 64), QPointF(118, 100)); // rope
    p.setPen(QPen(logoColour, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(110, 98, 14, 14), 180 * 16, 270 * 16); // hook
    p.setPen(Qt::NoPen);
    p.setBrush(logoColour);
    p.drawRoundedRect(QRectF(28, 140, 58, 14), 3, 3);        // base
    p.setPen(logoColour);
    p.setFont(font(24));
    p.drawText(QRectF(0, 166, bandWidth, 34), Qt::AlignCenter, QStringLiteral("LUMORA"));
}

void drawWifi(QPainter& p, const QPointF& base)
{
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int radius : {22, 42, 62}) {
        const QRectF r(base.x() - radius, base.y() - radius, 2 * radius, 2 * radius);
        p.drawArc(r, 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(base, 7, 7);
}

void drawWarning(QPainter& p, const QPointF& top)
{
    const QPolygonF triangle({top, top + QPointF(44, 76), top + QPointF(-44, 76)});
    p.setPen(QPen(warningColour, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(warningColour);
    p.drawPolygon(triangle);
    p.setPen(QPen(Qt::black, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top + QPointF(0, 24), top + QPointF(0, 50));
    p.drawPoint(top + QPointF(0, 64));
}

QImage drawScreen(const Screen& screen)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawLogo(p);
    p.fillRect(bandWidth, 0, width - bandWidth, height, panelColour);

    const qreal centre = bandWidth + (width - bandWidth) / 2.0;
    if (screen.symbol == WIFI)
        drawWifi(p, QPointF(centre, 100));
    else
        drawWarning(p, QPointF(centre, 22));

    const bool ready = screen.roomForCode;
    qreal y = ready ? 200 : 116;
    const QRectF column(bandWidth + 16, 0, width - bandWidth - 32, height);
    p.setPen(Qt::white);
    for (int i = 0; i < screen.lines.size(); ++i) {
        const bool heading = i == 0 && !ready;
        p.setFont(font(heading ? 27 : 18));
        const QRectF bounds = p.boundingRect(QRectF(column.left(), y, column.width(), height),
                                             Qt::AlignHCenter | Qt::TextWordWrap, screen.lines.at(i));
        p.drawText(bounds, Qt::AlignHCenter | Qt::TextWordWrap, screen.lines.at(i));
        y = bounds.bottom() + (heading ? 8 : 4);
    }
    p.end();
    return image;
}
}

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: fieldloader_screens FONT_FILE OUTPUT_DIR\n", stderr);
        return 2;
    }
    const int id = QFontDatabase::addApplicationFont(arguments.at(1));
    if (id < 0 || QFontDatabase::applicationFontFamilies(id).isEmpty()) {
        std::fprintf(stderr, "fieldloader_screens: cannot load font %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    family = QFontDatabase::applicationFontFamilies(id).first();
    const QDir output(arguments.at(2));

    const QList<Screen> screens = {
        {"readyForUpdate.png", WIFI, true, {QStringLiteral("Please continue on PC...")}},
        {"prepForUpdate.png", WIFI, false, {QStringLiteral("Preparing to update software"), QStringLiteral("Please wait...")}},
        {"installingUpdate.png", WIFI, false, {QStringLiteral("Installing Update"), QStringLiteral("Please wait...")}},
        {"updateCompleate.png", WIFI, false, {QStringLiteral("Update complete"), QStringLiteral("Please restart system")}},
        {"updateFailed_noWifi.png", WARNING, false,
         {QStringLiteral("Update failed!"),
          QStringLiteral("Failed to start wireless update! Try again or update by USB insted")}},
        {"updateFailed_checksum.png", WARNING, false,
         {QStringLiteral("Update failed!"),
          QStringLiteral("The update has been canceled and the system is restored to previous state."),
          QStringLiteral("Please restart system to continue…")}},
    };
    for (const Screen& screen : screens) {
        const QString path = output.filePath(QString::fromLatin1(screen.fileName));
        if (!drawScreen(screen).save(path)) {
            std::fprintf(stderr, "fieldloader_screens: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
