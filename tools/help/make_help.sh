#!/bin/sh
# Compiles the HTML manual in assets/help to assets/help/help.chm with Free
# Pascal's chmcmd (Debian: fp-utils). The game build does the same where
# chmcmd is installed and falls back to the committed file elsewhere.
set -e
here=$(cd "$(dirname "$0")/../../assets/help" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/index.html "$here"/style.css "$here"/help.hhp "$here"/toc.hhc "$work"/
(cd "$work" && chmcmd --no-html-scan help.hhp >/dev/null)
cp "$work"/help.chm "$here"/help.chm
echo "wrote $here/help.chm"
