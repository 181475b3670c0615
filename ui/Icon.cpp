#include "Icon.h"

#include <QHBoxLayout>
#include <QLabel>

Icon::Icon(QPixmap pixmap, int i, QWidget* parent)
    : QWidget(parent)
    , source(pixmap)
    , image(new QLabel(this))
    , value(new QLabel(this))
    , id(i)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 3, 0);
    layout->setSpacing(1);
    image->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    value->setContentsMargins(0, 0, 0, 1);
    QFont f = value->font();
    f.setPointSize(10);
    value->setFont(f);
    value->hide();
    layout->addWidget(image);
    layout->addWidget(value);
    rescale();
}

void Icon::setValue(float v, int decimals, QString suffix)
{
    value->setText(QString::number(static_cast<double>(v), 'f', decimals) + suffix);
    value->show();
}

void Icon::setValueVisable(bool visible)
{
    value->setVisible(visible);
}

void Icon::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rescale();
}

void Icon::rescale()
{
    if (source.isNull())
        return;
    const int h = height() - 2;
    if (width() <= 0 || h <= 0)
        return;
    image->setPixmap(source.scaled(width(), h, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
