#include "VirtualHandheld.h"

#include "View.h"

#include <QHBoxLayout>

VirtualHandheld::VirtualHandheld(View* view, QWidget* parent)
    : QWidget(parent)
    , m_view(view)
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(view);
}

void VirtualHandheld::start()
{
    show();
}
