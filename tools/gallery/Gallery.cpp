#include "Gallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTextStream>
#include <QThread>

namespace {
std::vector<std::pair<QString, Gallery::Page>>& registry()
{
    static std::vector<std::pair<QString, Gallery::Page>> list;
    return list;
}
} // namespace

int Gallery::add(const char* group, Page page)
{
    registry().emplace_back(QString::fromLatin1(group), std::move(page));
    return static_cast<int>(registry().size());
}

const std::vector<std::pair<QString, Gallery::Page>>& Gallery::pages()
{
    return registry();
}

Gallery::Gallery(const QString& outputDir)
    : dir(outputDir)
{
    QDir().mkpath(dir);
}

void Gallery::prepare(QWidget* widget, int settleMs)
{
    widget->setFixedSize(CenterWidth, CenterHeight);
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->show();
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    } while (timer.elapsed() < settleMs + 50);
}

void Gallery::shoot(QWidget* widget, const QString& name, int settleMs)
{
    prepare(widget, settleMs);
    save(widget, name);
}

bool Gallery::save(QWidget* widget, const QString& name)
{
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget->grab().save(path)) {
        error = true;
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    ++count;
    return true;
}
