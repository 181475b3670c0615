#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// Pages of the screenshot gallery. A page builds its view in one state and
// hands it to the sink, which lays it out at the size the operating screen
// gives a centre view and writes the picture.
class Gallery {
public:
    // Width and height of the centre column of the 480x272 screen.
    static constexpr int CenterWidth = 380;
    static constexpr int CenterHeight = 250;

    using Page = std::function<void(Gallery&)>;

    // Registers a group of pages; call from a static object.
    static int add(const char* group, Page page);
    static const std::vector<std::pair<QString, Page>>& pages();

    explicit Gallery(const QString& outputDir);

    // Shows the widget at centre size and lets pending notifications, layouts
    // and the given time pass (fades).
    void prepare(QWidget* widget, int settleMs = 0);
    // prepare(), then writes <name>.png.
    void shoot(QWidget* widget, const QString& name, int settleMs = 0);
    // Writes <name>.png of the widget as it stands (whole screens keep their
    // own size).
    bool save(QWidget* widget, const QString& name);
    // Marks the run as failed (a page could not set up its state).
    void fail() { error = true; }
    int written() const { return count; }
    bool failed() const { return error; }

private:
    QString dir;
    int count = 0;
    bool error = false;
};
