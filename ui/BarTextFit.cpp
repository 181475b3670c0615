#include "ui/BarTextFit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionProgressBar>

namespace {

int roomFor(QProgressBar* bar)
{
    QStyleOptionProgressBar opt;
    opt.initFrom(bar);
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.progress = bar->value();
    opt.text = bar->text();
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
    bar->installEventFilter(new BarTextFit(bar));
    fit(bar);
}

void BarTextFit::fit(QProgressBar* bar)
{
    if (!bar || !bar->isTextVisible())
        return;
    const QString text = bar->text();
    const int room = roomFor(bar);
    QFont font = bar->font();
    int stretch = 100;
    font.setStretch(stretch);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width > room && room > 0) {
        // Metrics of a synthesised stretch round per glyph: step down until
        // the text fits.
        stretch = qMax(NarrowestStretch, room * 100 / width);
        font.setStretch(stretch);
        while (stretch > NarrowestStretch && QFontMetrics(font).horizontalAdvance(text) > room)
            font.setStretch(--stretch);
    }
    if (bar->font().stretch() != stretch)
        bar->setFont(font);
}

bool BarTextFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::StyleChange)
        fit(static_cast<QProgressBar*>(watched));
    return QObject::eventFilter(watched, event);
}
