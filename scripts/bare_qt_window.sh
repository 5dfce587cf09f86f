#!/usr/bin/env bash
# Builds the least a Qt Widgets program shows: QApplication, one label,
# show, exec; built with the game's compiler and optimisation against the
# same Qt. Prints the executable's path. In the game's place in
# scripts/measure_startup.sh it gives the floor the game's start-up stands
# on (the loader, Qt's connection to the display, one font and one window):
#
#   bash scripts/measure_startup.sh 11 "$(bash scripts/bare_qt_window.sh)"
#
#   bash scripts/bare_qt_window.sh [OUTPUT]   (default build/bare-qt-window)
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-build/bare-qt-window}")
mkdir -p "$(dirname "$out")"
source=$(mktemp --suffix=.cpp)
trap 'rm -f "$source"' EXIT
cat >"$source" <<'CPP'
#include <QApplication>
#include <QLabel>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quellan"));
    label.show();
    return QApplication::exec();
}
CPP
# shellcheck disable=SC2046  # pkg-config's flags are words
g++ -std=c++20 -O2 -fPIC "$source" -o "$out" $(pkg-config --cflags --libs Qt6Widgets)
echo "$out"
