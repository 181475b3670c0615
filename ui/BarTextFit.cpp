#include "ui/BarTextFit.h"

#include "app/ApplicationStartup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionProgressBar>

#include <climits>

namespace {

// The bar's text without QProgressBar::text(), which formats the value for
// the %p, %v and %m placeholders on every call: a format without them is the
// text as it stands (empty while the bar has no valid value).
QString shownText(const QProgressBar* bar)
{
    const QString format = bar->format();
    if (bar->metaObject() != &QProgressBar::staticMetaObject)
        return bar->text();
    // One pass: three searches cost more than the rest of a fit.
    const QChar* c = format.constData();
    for (const QChar* end = c + format.size() - 1; c < end; ++c) {
        if (*c != QLatin1Char('%'))
            continue;
        const QChar next = c[1];
        if (next == QLatin1Char('p') || next == QLatin1Char('v') || next == QLatin1Char('m'))
            return bar->text();
    }
    const int min = bar->minimum();
    const int value = bar->value();
    if ((bar->maximum() == 0 && min == 0) || value < min || (value == INT_MIN && min == INT_MIN))
        return QString();
    return format;
}

int roomFor(QProgressBar* bar)
{
    QStyleOptionProgressBar opt;
    opt.initFrom(bar);
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.progress = bar->value();
    opt.text = shownText(bar);
    opt.textVisible = bar->isTextVisible();
    opt.textAlignment = bar->alignment();
    opt.orientation = bar->orientation();
    return bar->style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, bar).width()
        - 2 * BarTextFit::Clearance;
}

} // namespace

void BarTextFit::watch(QProgressBar* bar)
{
    if (!bar)
        return;
    auto* watcher = new BarTextFit(bar);
    bar->installEventFilter(watcher);
    watcher->fitNow(bar);
}

void BarTextFit::fit(QProgressBar* bar)
{
    if (!bar)
        return;
    if (auto* watcher = bar->findChild<BarTextFit*>(QString(), Qt::FindDirectChildrenOnly))
        watcher->fitNow(bar);
}

void BarTextFit::fitNow(QProgressBar* bar)
{
    if (!bar->isTextVisible())
        return;
    if (bar->width() != fittedWidth) {
        fittedWidth = bar->width();
        room = roomFor(bar);
    }
    const QString text = shownText(bar);
    // The face's digits share one width, so "Crane: 42%" needs the room of
    // "Crane: 17%": a changing value needs no new measurement.
    QString shape = text;
    for (QChar& c : shape) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    QFont font = bar->font();
    // Nothing that decides the fit changed (a new colour re-polishes the bar
    // but leaves its box and font as they were).
    if (shape == fittedShape && room == fittedRoom && font == fittedFont)
        return;
    fittedShape = shape;
    fittedRoom = room;
    const bool condensed = font.family() == QLatin1String(ApplicationStartup::CondensedFamily);
    if (!condensed)
        normalFamily = font.family();
    // Unset stretch draws at the normal width.
    const int current = condensed ? font.stretch() : font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    // A value moving across a bound changes the shape back and forth ("0%",
    // "00%", "000%"): each shape is measured once for a room and a font.
    QFont normal = font;
    if (condensed)
        normal.setFamily(normalFamily);
    if (current != 100)
        normal.setStretch(100);
    if (room != stretchesRoom || normal != stretchesFont || stretches.size() >= MaxRememberedShapes) {
        stretches.clear();
        stretchesRoom = room;
        stretchesFont = normal;
    }
    auto known = stretches.constFind(shape);
    const int stretch = known != stretches.constEnd() ? *known : fittingStretch(text, normal);
    if (known == stretches.constEnd())
        stretches.insert(shape, stretch);
    if (current != stretch)
        bar->setFont(stretch == 100 ? normal : narrowed(normal, stretch));
    fittedFont = bar->font();
}

QFont BarTextFit::narrowed(QFont normal, int stretch)
{
    normal.setFamily(QString::fromLatin1(ApplicationStartup::CondensedFamily));
    normal.setStretch(stretch);
    return normal;
}

int BarTextFit::fittingStretch(const QString& text, const QFont& normal) const
{
    const int width = QFontMetrics(normal).horizontalAdvance(text);
    if (width <= room || room <= 0)
        return 100;
    // The condensed face as it is drawn, before any stretching of its own.
    int stretch = ApplicationStartup::CondensedStretch;
    if (QFontMetrics(narrowed(normal, stretch)).horizontalAdvance(text) <= room)
        return stretch;
    // Metrics of a synthesised stretch round per glyph: step down until the
    // text fits.
    stretch = qBound(NarrowestStretch, room * 100 / width, stretch - 1);
    while (stretch > NarrowestStretch && QFontMetrics(narrowed(normal, stretch)).horizontalAdvance(text) > room)
        --stretch;
    return stretch;
}

bool BarTextFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::StyleChange) {
        // A new style sheet may bring another border or font: find the room
        // afresh; fitNow() measures again only if the room or font changed.
        fittedWidth = -1;
        fitNow(static_cast<QProgressBar*>(watched));
    }
    return QObject::eventFilter(watched, event);
}
