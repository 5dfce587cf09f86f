// The window and its game session: the panels beside the described
// controls, and how every change of the session shows on the window.
#include <QLabel>

#include "app/board_panel.h"
#include "app/coach_panel.h"
#include "app/frm_main.h"
#include "app/layout_chooser.h"
#include "app/workshop_panel.h"
#include "common/texts.h"
#include "platform/qt_text.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

void frmMain::buildPanels() {
    // The window listens first: the board shows a change before the coach
    // follows it.
    connect(m_session, &GameSession::changed, this, &frmMain::sessionChanged);
    m_coach = new CoachPanel(*m_session, m_Picture1, this);
    for (XPButton* piece : m_QZ) m_coach->stopOnPress(piece);
    m_coach->replayOnPress(Label(6));
    connect(m_coach, &CoachPanel::pieceChosen, this, &frmMain::choosePiece);
    m_workshop = new WorkshopPanel(*m_session, m_pictures, m_Picture1, this);
}

void frmMain::sessionChanged(GameSession::Change change) {
    using Change = GameSession::Change;
    switch (change) {
        case Change::SetUp:
        case Change::Undone:
            showState();
            return;
        case Change::TrialSetUp:
            showState();
            // The list stays as it is; only the text field says what is
            // played. Picking any entry afterwards sets that layout up.
            m_Combo1->setEditText(toQString(texts::kTrialEntry));
            return;
        case Change::Moved:
            showState();
            // Only now does the board take the focus: the piece just moved
            // loses it, so pressing it again selects it again.
            m_Picture1->setFocus(Qt::MouseFocusReason);
            return;
        case Change::LayoutAdded:
            appendToChooser(m_session->layoutNames().back());
            m_Combo1->setCurrentIndex(m_Combo1->count() - 1);
            return;
        case Change::Replayed:
            showBoard(m_session->replayed()->board);
            showLabels();
            return;
        case Change::Records:
            showRecordMarks();
            return;
        case Change::Selection:
            return;
    }
}

void frmMain::showRecordMarks() {
    const std::vector<std::string>& names = m_session->layoutNames();
    for (int i = 0; i < m_Combo1->count(); ++i)
        m_Combo1->setRecordMark(i, m_session->hasRecord(names[static_cast<size_t>(i)]));
    const GameLabels& labels = m_session->game().labels;
    QString tip = QStringLiteral("最佳步数记录：") + toQString(labels.bestSteps);
    if (!labels.holderTip.empty()) tip += QStringLiteral("（%1）").arg(toQString(labels.holderTip));
    tip += QStringLiteral("\n最少步数：") + toQString(m_session->fewestStepsText());
    m_Combo1->setToolTip(tip);
}

// A window that is not active gets the focus only later, so the focus
// handler then runs at once, as the press would have made it run.
void frmMain::choosePiece(int index) {
    QZ(index)->setFocus(Qt::MouseFocusReason);
    if (m_session->game().selectedQZ != index) QZ_GotFocus(index);
}

}  // namespace quellan
