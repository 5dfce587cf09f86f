#pragma once
// The game's help: the compiled help file beside the program, and the HTML
// manual it is made from for desktops without a viewer for compiled help.
#include <QString>
#include <functional>

namespace quellan {

class HelpFile {
  public:
    // Whether the desktop can show a compiled help file.
    using ViewerCheck = std::function<bool()>;

    // `check` empty: asks the desktop (Windows always can).
    explicit HelpFile(ViewerCheck check = {});

    // Registers `path` as the application's help file; the manual is looked
    // for as "help/index.html" in the same folder.
    void setHelpFile(const QString& path);
    const QString& helpFile() const { return m_helpFile; }
    QString manual() const;

    // The file F1 opens: the compiled help where it exists and the desktop
    // shows it, otherwise the manual, otherwise the help file all the same.
    QString fileToOpen() const;
    // Opens it through the desktop; the result is not examined.
    void open() const;

  private:
    ViewerCheck m_check;
    QString m_helpFile;
};

}  // namespace quellan
