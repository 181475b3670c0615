#include "Gallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QVBoxLayout>
#include <QPixmap>
#include <QTextStream>
#include <QThread>

namespace {
std::vector<std::pair<QString, Gallery::Page>>& registry()
{
    static std::vector<std::pair<QString, Gallery::Page>> list;
    return list;
}

int& languageIndex()
{
    static int index = 0;
    return index;
}

QString& maskFile()
{
    static QString path;
    return path;
}
} // namespace

void Gallery::setMaskFile(const QString& path)
{
    maskFile() = path;
}

int Gallery::language()
{
    return languageIndex();
}

void Gallery::setLanguage(int index)
{
    languageIndex() = index;
}

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

Gallery::~Gallery()
{
    // Views still on the stand-in screen belong to their pages.
    if (screen) {
        for (QWidget* child : screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->setParent(nullptr);
    }
}

void Gallery::prepare(QWidget* widget, int settleMs)
{
    if (!screen) {
        screen = std::make_unique<QWidget>();
        screen->setStyleSheet(QString::fromLatin1(ScreenStyle));
        screen->setFixedSize(CenterWidth, CenterHeight);
        screen->setAttribute(Qt::WA_DontShowOnScreen);
        auto* layout = new QVBoxLayout(screen.get());
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (widget->parentWidget() != screen.get()) {
        // One view at a time: an earlier one whose page is done has gone.
        for (QWidget* child : screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->setParent(nullptr);
        screen->layout()->addWidget(widget);
    }
    widget->setFixedSize(CenterWidth, CenterHeight);
    widget->show();
    screen->show();
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

bool Gallery::save(QWidget* widget, const QString& name, const QVector<QRect>& moving)
{
    if (!save(widget, name))
        return false;
    QFile file(maskFile());
    if (maskFile().isEmpty() || moving.isEmpty() || !file.open(QIODevice::Append | QIODevice::Text))
        return true;
    QTextStream out(&file);
    for (const QRect& r : moving)
        out << name << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << '\n';
    return true;
}

bool Gallery::save(QWidget* widget, const QString& name)
{
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    QWidget* shown = screen && widget->parentWidget() == screen.get() ? screen.get() : widget;
    if (!shown->grab().save(path)) {
        error = true;
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    ++count;
    return true;
}
