#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

// Setters for widgets that many values touch on every received frame: they
// skip the call when it would not change what is drawn. Re-applying an
// identical style sheet re-polishes the widget (palette, font, layout and a
// repaint), the costliest thing a value update can trigger; re-setting the
// same pixmap still relayouts and repaints the label.
namespace WidgetUpdate {

inline void setStyleSheet(QWidget* w, const QString& style)
{
    if (w && w->styleSheet() != style)
        w->setStyleSheet(style);
}

inline void setPixmap(QLabel* label, const QPixmap& pixmap)
{
    if (!label)
        return;
    // Copies of one pixmap share its cache key; a null pixmap has key 0.
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    if (!shown.isNull() && shown.cacheKey() == pixmap.cacheKey())
        return;
    label->setPixmap(pixmap);
}

inline void setText(QLabel* label, const QString& text)
{
    if (label && label->text() != text)
        label->setText(text);
}

} // namespace WidgetUpdate
