#pragma once
// A game folder of its own for each test: the chosen shipped layouts, a log
// folder, fresh settings, and the main window on top.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>
#include <memory>

#include "app/frm_main.h"
#include "common/text_file.h"
#include "support/temp_dir.h"
#include "tests/app/frm_main_probe.h"
#include "tests/app/modal_answerer.h"

namespace quellan::testing {

class AppFixture : public ::testing::Test {
  protected:
    AppFixture() { QSettings("Quellan", "Quellan").clear(); }
    ~AppFixture() override {
        window.reset();
        QSettings("Quellan", "Quellan").clear();
    }

    // Copies shipped layout `name` into the game folder.
    void ship(const std::string& name) {
        auto from = std::filesystem::path(QUELLAN_ASSETS_DIR) / "map" / pathFromUtf8(name + ".qlp");
        std::filesystem::create_directories(dir.path() / "map");
        std::filesystem::copy_file(from, dir.path() / "map" / pathFromUtf8(name + ".qlp"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // With '/' between the folders, as Qt gives the game's own folder.
    QString appPath() const { return QString::fromStdString(dir.path().generic_string()); }

    // Creates and loads the main window; false when the game ended at start.
    bool start() {
        window = std::make_unique<frmMain>(appPath());
        if (!window->Form_Load()) return false;
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    void closeWindow() {
        window->close();
        window.reset();
    }

    TempDir dir;
    ModalAnswerer boxes;
    std::unique_ptr<frmMain> window;
};

}  // namespace quellan::testing
