#pragma once
// Opens a web page in the user's browser, as the desktop's "Open" does.
#include <QString>
#include <functional>

namespace quellan {

void openInShell(const QString& address);

// Whether the desktop has a viewer for compiled help (.chm): Windows always
// has; a free desktop when it names an application for the type.
bool shellShowsCompiledHelp();

// Replaces what openInShell does (tests record the address instead of
// starting a browser). An empty handler restores the desktop's.
void setShellOpenHandler(std::function<void(const QString&)> handler);

}  // namespace quellan
