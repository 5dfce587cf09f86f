#include "app/workshop_panel.h"

#include "app/arrange_dialog.h"
#include "app/game_button.h"
#include "app/game_panel_layout.h"
#include "app/game_session.h"
#include "coach/layout_name.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "setup/layout_file.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

WorkshopPanel::WorkshopPanel(GameSession& session, const PictureStore& pictures, QWidget* board,
                             QWidget* window)
    : QObject(window), m_session(session), m_pictures(pictures), m_board(board), m_window(window) {
    setObjectName("workshop");
    XPButton* button = makeGameButton(window, "workshopButton");
    button->setGeometry(layout::pixels(layout::kWorkshopButton));
    button->setCaption(QStringLiteral("布阵"));
    button->setToolTip(QStringLiteral("自己摆阵型：看能否过关、最少几步，随机出题，分享码"));
    // Off the Tab order, like the coach's buttons: no key moves a piece.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &XPButton::Click, this, &WorkshopPanel::open);
}

void WorkshopPanel::open() {
    m_session.stopCoach();
    const GameState& game = m_session.game();
    auto* dialog = new ArrangeDialog(
        game.hasLayout() ? std::optional<Board>(game.board) : std::nullopt, m_pictures, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setSaveHandler([this, dialog](const Board& arrangement, std::optional<int> fewest) {
        return save(dialog, arrangement, fewest);
    });
    dialog->setTrialHandler(
        [this](const Board& arrangement) { m_session.tryArrangement(arrangement); });
    // The press gave the button the focus; the board takes it back, as after
    // a step, so that no key opens the dialog again.
    connect(dialog, &QDialog::finished, this, [this] { m_board->setFocus(Qt::OtherFocusReason); });
    centreOnWindow(dialog, m_window);
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
            typed->toStdString(), m_session.paths().mapDir(), m_session.layoutNames());
        if (name.fault != LayoutNameFault::None) {
            refuse(layoutNameFaultText(name.fault));
            continue;
        }
        switch (writeNewLayoutFile(m_session.paths().newLayoutFile(name.name), name.name,
                                   arrangement, fewestSteps)) {
            case LayoutWrite::Written:
                m_session.addLayout(name.name);
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
