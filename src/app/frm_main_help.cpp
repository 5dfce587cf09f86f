// The help icons of the game panel, the frame's notice and the help file.
#include <QKeySequence>
#include <QShortcut>

#include "app/board_panel.h"
#include "app/frm_main.h"
#include "app/game_panel_layout.h"
#include "common/texts.h"
#include "common/version.h"
#include "frame/image_control.h"
#include "frame_model/help_texts.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "platform/shell_open.h"

namespace quellan {

void frmMain::buildHelpIcons() {
    struct Icon {
        const layout::TwipsRect& at;
        const QPixmap& picture;
        void (frmMain::*click)();
    };
    const Icon icons[3] = {{layout::kImage8, m_framePictures.help, &frmMain::Image8_Click},
                           {layout::kImage9, m_framePictures.about, &frmMain::Image9_Click},
                           {layout::kImage10, m_framePictures.web, &frmMain::Image10_Click}};
    for (int i = 0; i < 3; ++i) {
        auto* image = new ImageControl(m_Picture1);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 8));
        image->setGeometry(layout::pixels(icons[i].at));
        image->setPicture(icons[i].picture);
        image->setCursor(m_pictures.handCursor());
        connect(image, &ImageControl::Click, this, icons[i].click);
        m_images[static_cast<size_t>(i)] = image;
    }
    // The registered help file is offered on F1.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &frmMain::showHelp);
}

void frmMain::Image8_Click() {
    showMessageBox(this, toQString(frame::kDescription), MessageIcon::Question,
                   toQString(frame::kDescriptionCaption));
}

void frmMain::Image9_Click() {
    const std::string about =
        frame::aboutText(texts::kAppTitle, version::kMajor, version::kMinor, version::kPatch);
    QString shown = QString::fromStdString(about);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    showMessageBox(this, shown, MessageIcon::Information, toQString(frame::kAboutCaption));
}

void frmMain::Image10_Click() { openInShell(toQString(frame::kProductPage)); }

void frmMain::LbBR_Click() { openInShell(toQString(frame::kHomePage)); }

void frmMain::showHelp() { m_helpFile.open(); }

}  // namespace quellan
