#include "app/workshop_panel.h"

#include <QComboBox>

#include "app/arrange_dialog.h"
#include "app/board_panel.h"
#include "app/coach_panel.h"
#include "app/frm_main.h"
#include "app/game_look.h"
#include "app/game_panel_layout.h"
#include "coach/layout_name.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "setup/layout_file.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

// In the frame's bottom bar, between the steps to go and the notice.
constexpr layout::TwipsRect kWorkshopButton{3300, 5820, 780, 330};

}  // namespace

WorkshopPanel::WorkshopPanel(frmMain& window, const PictureStore& pictures)
    : QObject(&window), m_window(window), m_pictures(pictures) {
    setObjectName("workshop");
    m_button = new XPButton(&window);
    m_button->setObjectName("workshopButton");
    m_button->setGeometry(layout::pixels(kWorkshopButton));
    m_button->setButtonStyle(2);
    m_button->setBackColor(look::kButtonFace);
    m_button->setCaptionAlign(2);
    m_button->setCaption(QStringLiteral("布阵"));
    m_button->setToolTip(QStringLiteral("自己摆阵型：看能否过关、最少几步，随机出题，分享码"));
    // Off the Tab order, like the coach's buttons: no key moves a piece.
    m_button->setFocusPolicy(Qt::NoFocus);
    connect(m_button, &XPButton::Click, this, &WorkshopPanel::open);
}

void WorkshopPanel::open() {
    if (auto* coach = m_window.findChild<CoachPanel*>("coach")) coach->interrupt();
    const GameState& game = m_window.game();
    auto* dialog = new ArrangeDialog(
        game.hasLayout() ? std::optional<Board>(game.board) : std::nullopt, m_pictures, &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setSaveHandler([this, dialog](const Board& arrangement, std::optional<int> fewest) {
        return save(dialog, arrangement, fewest);
    });
    dialog->setTrialHandler([this](const Board& arrangement) { m_window.playTrial(arrangement); });
    // The press gave the button the focus; the board takes it back, as after
    // a step, so that no key opens the dialog again.
    connect(dialog, &QDialog::finished, this, [this] {
        m_window.findChild<BoardPanel*>("Picture1")->setFocus(Qt::OtherFocusReason);
    });
    centreOnWindow(dialog, &m_window);
    dialog->open();
}

bool WorkshopPanel::save(ArrangeDialog* dialog, const Board& arrangement,
                         std::optional<int> fewestSteps) {
    const QString title = toQString(texts::kSaveTitle);
    const auto refuse = [&](std::string_view why) {
        showMessageBox(dialog, toQString(why), MessageIcon::Information, title);
    };
    for (;;) {
        const std::optional<QString> typed =
            askTextOrCancel(dialog, toQString(texts::kSavePrompt), title);
        if (!typed) return false;
        const LayoutNameCheck name = checkNewLayoutName(
            typed->toStdString(), m_window.paths().mapDir(), m_window.layoutNames());
        if (name.fault != LayoutNameFault::None) {
            refuse(layoutNameFaultText(name.fault));
            continue;
        }
        switch (writeNewLayoutFile(m_window.paths().newLayoutFile(name.name), name.name, arrangement,
                                   fewestSteps)) {
            case LayoutWrite::Written:
                m_window.addLayout(name.name);
                return true;
            case LayoutWrite::Exists:
                refuse(texts::kNameTaken);
                continue;
            case LayoutWrite::Failed:
                refuse(texts::kSaveFailed);
                return false;
        }
    }
}

}  // namespace quellan
