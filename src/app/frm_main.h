#pragma once
// The main window of the game. It shows the state of the game core and
// turns the player's presses and choices into calls of the core; it never
// decides a rule itself.
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "app/picture_store.h"
#include "platform/settings_store.h"
#include "setup/game_host.h"
#include "setup/game_state.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace quellan {

class BoardPanel;
class GameAudio;
class MusicCheckBox;
class XPButton;

class frmMain : public QWidget, public GameHost {
    Q_OBJECT

public:
    // `appPath` empty: the folder of the executable.
    explicit frmMain(const QString& appPath = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: settings, catalogue, the remembered layout, caption, show.
    // False when there is no layout file at all: the player has been told,
    // the download page opened, and the program must end without saving.
    bool Form_Load();
    // Saves the settings and stops the music; runs when the window closes.
    void Form_Unload();

    // The handlers the controls call.
    void Combo1_Click();
    void XPButton1_Click();
    void QZ_GotFocus(int index);
    void QZ_LostFocus(int index);
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);

    // GameHost: what the rules ask of the window.
    void playEffect(std::string_view literal) override;
    int musicOption() const override;
    void setMusicOption(int value) override;
    void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
    std::string askText(std::string_view prompt, std::string_view title) override;

    // For tests and tools: the state and the controls.
    const GameState& game() const { return m_state; }
    const GamePaths& paths() const { return m_paths; }
    XPButton* QZ(int index) const { return m_QZ.at(static_cast<size_t>(index - 1)); }
    XPButton* XPButton1() const { return m_XPButton1; }
    BoardPanel* Picture1() const { return m_Picture1; }
    QComboBox* Combo1() const { return m_Combo1; }
    QLabel* Label(int n) const { return m_labels.at(static_cast<size_t>(n - 1)); }
    QLabel* LbBR() const { return m_LbBR; }
    MusicCheckBox* Check1() const { return m_Check1; }
    QCheckBox* Check2() const { return m_Check2; }
    GameAudio* audio() const { return m_audio.get(); }
    // The remembered window position in twips.
    int FormX() const { return m_formX; }
    int FormY() const { return m_formY; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildPieces();
    // Brings the widgets in line with the game state after a rule has run.
    void showState();
    void showPieces();
    void showLabels();
    void readSettings();

    QString m_appPathText;
    GamePaths m_paths;
    GameState m_state;
    PictureStore m_pictures;
    SettingsStore m_settings;
    int m_formX = 0;
    int m_formY = 0;
    bool m_loaded = false;
    bool m_unloaded = false;

    BoardPanel* m_Picture1 = nullptr;
    std::array<XPButton*, kPieceCount> m_QZ{};
    std::array<QLabel*, 7> m_labels{};
    QComboBox* m_Combo1 = nullptr;
    XPButton* m_XPButton1 = nullptr;
    MusicCheckBox* m_Check1 = nullptr;
    QCheckBox* m_Check2 = nullptr;
    QLabel* m_LbBR = nullptr;
    std::unique_ptr<GameAudio> m_audio;
};

}  // namespace quellan
