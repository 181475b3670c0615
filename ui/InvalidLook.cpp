#include "ui/InvalidLook.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionProgressBar>

namespace {

bool isWatched(QWidget* w)
{
    return w->findChild<InvalidLook*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

void giveDisabledTextColour(QLabel* label)
{
    if (label->palette().color(QPalette::Disabled, QPalette::WindowText) == InvalidLook::labelTextColour())
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, InvalidLook::labelTextColour());
    label->setPalette(palette);
}

} // namespace

void InvalidLook::apply(QWidget* indicator)
{
    if (!indicator)
        return;
    if (auto* bar = qobject_cast<QProgressBar*>(indicator))
        watch(bar);
    for (QProgressBar* bar : indicator->findChildren<QProgressBar*>())
        watch(bar);
    for (QLabel* label : indicator->findChildren<QLabel*>()) {
        if (isWatched(label))
            continue;
        label->installEventFilter(new InvalidLook(label));
        giveDisabledTextColour(label);
    }
}

void InvalidLook::watch(QProgressBar* bar)
{
    if (!bar || isWatched(bar))
        return;
    bar->installEventFilter(new InvalidLook(bar));
}

bool InvalidLook::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* label = qobject_cast<QLabel*>(watched)) {
        // A style sheet sets a whole palette of its own when it polishes the
        // label (when shown, or when an ancestor's sheet changes): the grey
        // goes on again after it.
        if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
            giveDisabledTextColour(label);
        return false;
    }
    if (event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    auto* bar = static_cast<QProgressBar*>(watched);
    if (bar->isEnabled())
        return false;
    // The bar paints itself first (frame, shape, corners as its style sheet
    // says); the veil goes on top within the same paint.
    static_cast<QObject*>(bar)->event(event);
    paintVeil(bar);
    return true;
}

void InvalidLook::paintVeil(QProgressBar* bar)
{
    QStyleOptionProgressBar opt;
    opt.initFrom(bar);
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.progress = bar->value();
    opt.textVisible = bar->isTextVisible();
    opt.text = bar->text();
    opt.textAlignment = bar->alignment();
    opt.orientation = bar->orientation();
    const QRect inside = bar->style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, bar);

    QPainter p(bar);
    p.fillRect(bar->rect(), QColor(255, 255, 255, FrameVeilAlpha));
    if (!inside.isValid())
        return;
    p.fillRect(inside, grooveColour());

    const qint64 span = qint64(opt.maximum) - opt.minimum;
    const qint64 done = qint64(opt.progress) - opt.minimum;
    if (span > 0 && done > 0) {
        // Filled as the bar fills: towards the left for a right-to-left bar
        // (one half of a two-way bar), upwards for a vertical one.
        const bool horizontal = opt.orientation == Qt::Horizontal;
        const int length = horizontal ? inside.width() : inside.height();
        const int filled = int(qMin(done, span) * length / span);
        QRect chunk = inside;
        const bool reversed = bar->invertedAppearance() != (horizontal && bar->layoutDirection() == Qt::RightToLeft);
        if (horizontal) {
            if (reversed)
                chunk.setLeft(inside.right() + 1 - filled);
            else
                chunk.setWidth(filled);
        } else if (reversed) {
            chunk.setHeight(filled);
        } else {
            chunk.setTop(inside.bottom() + 1 - filled);
        }
        p.fillRect(chunk, chunkColour());
    }

    if (opt.textVisible && !opt.text.isEmpty()) {
        // Every bar style centres its text.
        p.setFont(bar->font());
        p.setPen(barTextColour());
        p.drawText(inside, Qt::AlignCenter | Qt::TextSingleLine, opt.text);
    }
}
