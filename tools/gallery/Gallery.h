#pragma once

#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// Pages of the screenshot gallery. A page builds its view in one state and
// hands it to the sink, which lays it out at the size the operating screen
// gives a centre view and writes the picture.
class Gallery {
public:
    // Width and height of the centre column of the 480x272 screen.
    static constexpr int CenterWidth = 390;
    static constexpr int CenterHeight = 252;
    // The screen's own style: the views stand on its background.
    static constexpr const char* ScreenStyle = "background-color: rgb(255, 255, 255);";

    using Page = std::function<void(Gallery&)>;

    // Registers a group of pages; call from a static object.
    static int add(const char* group, Page page);
    static const std::vector<std::pair<QString, Page>>& pages();

    explicit Gallery(const QString& outputDir);
    ~Gallery();

    // The language pictures are drawn in (index in the translation table).
    static int language();
    static void setLanguage(int index);
    // Where save() notes the areas of a picture that change from run to run.
    static void setMaskFile(const QString& path);

    // Shows the widget at centre size on the screen's background and lets
    // pending notifications, layouts and the given time pass (fades).
    void prepare(QWidget* widget, int settleMs = 0);
    // prepare(), then writes <name>.png.
    void shoot(QWidget* widget, const QString& name, int settleMs = 0);
    // Writes <name>.png of the widget as it stands (whole screens keep their
    // own size; a centre view is taken with its background).
    bool save(QWidget* widget, const QString& name);
    // save(), noting the given rectangles of the picture as changing between
    // runs (a spinner, a countdown), so a comparison leaves them out.
    bool save(QWidget* widget, const QString& name, const QVector<QRect>& moving);
    // Marks the run as failed (a page could not set up its state).
    void fail() { error = true; }
    int written() const { return count; }
    bool failed() const { return error; }

private:
    QString dir;
    // Stands in for the screen around a centre view.
    std::unique_ptr<QWidget> screen;
    int count = 0;
    bool error = false;
};
