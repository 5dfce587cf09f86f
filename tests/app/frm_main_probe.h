#pragma once
// What the tests read inside the main window beside its controls: the game
// session behind them, the frame as painted, the caption buttons' looks,
// the help file, the music and the remembered position. The controls
// themselves carry their names as object names (window_parts.h).
#include <QPainter>

#include "app/coach_panel.h"
#include "app/frm_main.h"

namespace quellan::testing {

class FrmMainProbe {
  public:
    explicit FrmMainProbe(frmMain& window) : w(window) {}

    GameSession& session() const { return *w.m_session; }
    const GameState& game() const { return w.m_session->game(); }
    const GamePaths& paths() const { return w.m_session->paths(); }
    CoachPanel* coach() const { return w.m_coach; }
    const frame::CaptionButtonState& imminState() const { return w.m_imminState; }
    const frame::CaptionButtonState& imcloseState() const { return w.m_imcloseState; }
    const FramePictures& framePictures() const { return w.m_framePictures; }
    // The frame as the window paints it, on a transparent picture of the
    // window's size: the window's background.
    QImage frameSurface() const {
        QImage surface(w.size(), QImage::Format_ARGB32_Premultiplied);
        surface.fill(Qt::transparent);
        QPainter p(&surface);
        w.paintFrameOn(p);
        return surface;
    }
    HelpFile& helpFile() const { return w.m_helpFile; }
    GameAudio* audio() const { return w.m_audio.get(); }
    // The remembered window position in twips.
    int FormX() const { return w.m_formX; }
    int FormY() const { return w.m_formY; }
    // The close button's click, as the frame calls it.
    void Imclose_Click() const { w.Imclose_Click(); }

  private:
    frmMain& w;
};

inline FrmMainProbe inside(frmMain& window) { return FrmMainProbe(window); }

}  // namespace quellan::testing
