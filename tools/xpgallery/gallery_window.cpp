#include "gallery_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gallery_sheet.h"
#include "widget_states.h"
#include "xpbutton/xpbutton.h"

namespace quellan::gallery {

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("XPButton gallery"));
    auto* layout = new QVBoxLayout(this);

    auto* designSwitch = new QCheckBox(QStringLiteral("Design mode"), this);
    layout->addWidget(designSwitch);

    auto* live = new QHBoxLayout;
    for (int look = 0; look < kLookCount; ++look) {
        auto* button = new XPButton(this);
        button->setFixedSize(92, 32);
        button->setButtonStyle(look);
        button->setPicture(samplePicture());
        button->setCaption(QStringLiteral("Style &%1").arg(look));
        button->setFocusPolicy(Qt::StrongFocus);
        live->addWidget(button);
        m_live.push_back(button);
    }
    live->addStretch();
    layout->addLayout(live);

    m_sheet = new QLabel;
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_sheet);
    layout->addWidget(scroll, 1);

    connect(designSwitch, &QCheckBox::toggled, this, &GalleryWindow::setDesignMode);
    setDesignMode(false);
    resize(sheetSize().width() + 40, 900);
}

void GalleryWindow::setDesignMode(bool design) {
    for (XPButton* button : m_live) {
        button->setHost(&galleryHost(design));
        button->Refresh();
    }
    m_sheet->setPixmap(QPixmap::fromImage(renderSheet({design, true})));
    m_sheet->adjustSize();
}

}  // namespace quellan::gallery
