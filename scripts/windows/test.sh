#!/usr/bin/env bash
# The game for 64-bit Windows: builds (or reuses) the SDK of Qt and SDL, the
# game, its unit tests and the package, runs the tests under Wine, unpacks
# the zip as Windows does and plays that copy under Wine on an X display of
# its own, then installs, plays, reinstalls and uninstalls the setup program
# under Wine.
# Usage: scripts/windows/test.sh NATIVE_BUILD_DIR
# The Windows build goes beside the native one, in NATIVE_BUILD_DIR-win
# (QUELLAN_WIN_BUILD_DIR overrides it), the package in its dist/ folder, the
# screenshots of the plays in wine-play.png and wine-setup-play.png there.
# Fails, naming the step, when any step, test or check fails; the Wine
# prefixes and the X display are removed in every case.
set -euo pipefail
main() {
  cd "$(dirname "$0")/../.."
  local native=${1:-build}
  local build=${QUELLAN_WIN_BUILD_DIR:-${native%/}-win}
  # Unoptimised by default: it builds in about a third of the time of an
  # optimised build, and assertions stay on. The package a player gets is
  # built by scripts/windows/package.sh, optimised.
  export QUELLAN_WIN_BUILD_TYPE=${QUELLAN_WIN_BUILD_TYPE:-None}
  step="the start"
  trap finish EXIT
  local start=$SECONDS

  step="the SDK of Qt and SDL (scripts/windows/sdk.sh)"
  local t0=$SECONDS sdk
  sdk=$(bash scripts/windows/sdk.sh | tail -1)
  echo "windows: SDK ready in $((SECONDS - t0)) s: $sdk"

  step="the cross build in $build"
  t0=$SECONDS
  bash scripts/windows/configure.sh "$build" "$sdk" "$QUELLAN_WIN_BUILD_TYPE"
  local programs
  mapfile -t programs < <(cut -d' ' -f1 "$build/programs.txt")
  cmake --build "$build" -j"${QUELLAN_JOBS:-2}" --target "${programs[@]}" >"$build/build.log" 2>&1 ||
    { grep -B2 -A20 -m3 'FAILED\|error:' "$build/build.log"; exit 1; }
  echo "windows: cross build took $((SECONDS - t0)) s"

  step="the package (scripts/windows/package.sh)"
  t0=$SECONDS
  local zip
  zip=$(QUELLAN_DIST_DIR=$build/dist bash scripts/windows/package.sh "$build" | tail -1)
  echo "windows: package $zip ($(du -h "$zip" | cut -f1)) in $((SECONDS - t0)) s"

  step="the test programs under Wine"
  source scripts/windows/wine_prefix.sh
  wine_prefix_boot

  # The test programs find Qt, SDL and the plugins in the SDK, draw offscreen
  # with the fonts of a folder of their own, and play no sound.
  local fonts=$WINE_SCRATCH/fonts
  collect_fonts "$fonts"
  export WINEPATH
  WINEPATH=$(wine_path "$sdk/bin")
  local failed=0 program
  for program in "${programs[@]}"; do
    [[ $program == *_tests ]] || continue
    run_tests "$build" "$program" "$sdk" "$fonts" || failed=1
  done
  unset WINEPATH
  [ "$failed" -eq 0 ] || exit 1
  wine_prefix_cleanup

  step="the zip unpacked as Windows unpacks it (scripts/windows/unzip_as_windows.py)"
  local unpacked=$build/dist/unpacked
  unpack_as_windows "$zip" "$unpacked"

  # The play starts from a fresh prefix of its own, as a new player does.
  step="the play of the unpacked zip under Wine (scripts/windows/wine_play.sh)"
  t0=$SECONDS
  bash scripts/windows/wine_play.sh "$unpacked/$(basename "${zip%.zip}")" "$build/wine-play.png"
  echo "windows: the play took $((SECONDS - t0)) s"

  # The same on a display at 150 %, as many laptops are set.
  step="the play at 144 DPI under Wine (scripts/windows/wine_play.sh --dpi 144)"
  t0=$SECONDS
  bash scripts/windows/wine_play.sh --dpi 144 "$unpacked/$(basename "${zip%.zip}")" \
    "$build/wine-play-150.png"
  echo "windows: the play at 144 DPI took $((SECONDS - t0)) s"

  step="the setup program under Wine (scripts/windows/wine_setup.sh)"
  t0=$SECONDS
  bash scripts/windows/wine_setup.sh "${zip%.zip}-setup.exe" "${zip%.zip}" \
    "$build/wine-setup-play.png"
  echo "windows: the setup program took $((SECONDS - t0)) s; the Windows step" \
    "$((SECONDS - start)) s in all"
  step=""
}

# Unpacks ZIP into FOLDER as Windows' Explorer does on a Chinese system (a
# name without the UTF-8 flag read in code page 936) and checks that every
# file of the package folder came out under its own name. The unpacker
# itself must read an unflagged name as Windows does, or this checks
# nothing: 双将挡路.qlp, zipped without the flag, unpacks as 鍙屽皢鎸¤矾.qlp.
unpack_as_windows() {
  local zip=$1 folder=$2
  local probe
  probe=$(mktemp -d)
  mkdir "$probe/in" && touch "$probe/in/双将挡路.qlp"
  (cd "$probe/in" && zip -q "$probe/unflagged.zip" 双将挡路.qlp)
  python3 scripts/windows/unzip_as_windows.py "$probe/unflagged.zip" "$probe/out" >/dev/null
  local as_windows=no
  [ ! -e "$probe/out/鍙屽皢鎸¤矾.qlp" ] || as_windows=yes
  rm -rf "$probe" "$folder"
  [ "$as_windows" = yes ] ||
    { echo "windows: the unpacker does not read unflagged names as Windows does"; exit 1; }

  python3 scripts/windows/unzip_as_windows.py "$zip" "$folder"
  local name
  name=$(basename "${zip%.zip}")
  if ! diff <(cd "${zip%.zip}" && find . | sort) <(cd "$folder/$name" && find . | sort) \
    >"$folder.diff"; then
    echo "windows: unpacked as Windows does, the zip's names differ from the package's" \
      "(< package, > unpacked):"
    head -20 "$folder.diff"
    exit 1
  fi
  echo "windows: the zip unpacks as Windows does with every name as it is" \
    "($(find "$folder/$name/map" -name '*.qlp' | wc -l) layouts)"
}

# On the way out: the Wine prefix goes, and a failure names its step.
finish() {
  local rc=$?
  if declare -F wine_prefix_cleanup >/dev/null; then wine_prefix_cleanup; fi
  if [ "$rc" -ne 0 ] || [ -n "$step" ]; then
    echo "windows: FAILED in $step (exit code $rc)" >&2
    [ "$rc" -ne 0 ] || rc=1
  fi
  exit "$rc"
}

# Host fonts for Qt's offscreen platform, which on Windows reads the font
# files of one folder, and only those named *.ttf, *.otf, *.pfa or *.pfb:
# the Latin and the Chinese faces the game and the tests use (the Chinese
# collection, a .ttc, under a .ttf name; FreeType reads it the same).
collect_fonts() {
  mkdir -p "$1"
  local f
  for f in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
    /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf; do
    [ -e "$f" ] || { echo "windows: the font $f is missing"; return 1; }
    ln -s "$f" "$1/"
  done
  f=/usr/share/fonts/truetype/arphic/uming.ttc
  [ -e "$f" ] || { echo "windows: the font $f is missing"; return 1; }
  ln -s "$f" "$1/uming.ttf"
}

# Runs one cross-built test program under Wine and tells its counts.
run_tests() {
  local build=$1 program=$2 sdk=$3 fonts=$4
  local exe log
  exe=$(sed -n "s/^$program //p" "$build/programs.txt")
  [ -n "$exe" ] || { echo "windows: $program was not built"; return 1; }
  log="$build/$program.log"
  local t0=$SECONDS rc=0
  # The tests find the shipped assets by their absolute Unix path, which Wine
  # resolves on drive Z: when the working folder is there too. Wine keeps
  # the host's QT_* variables from Windows programs; WINEQT_* ones reach
  # them as QT_*.
  WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR=$(wine_path "$fonts") \
    WINEQT_PLUGIN_PATH=$(wine_path "$sdk/plugins") SDL_AUDIODRIVER=dummy DISPLAY='' \
    timeout 1200 "$WINE" "$exe" --gtest_brief=1 --gtest_color=no >"$log" 2>&1 &
  local pid=$! summary_at=""
  # Now and then Wine ends a program on its side (winedbg no longer lists
  # it) but leaves its Unix process waiting for ever. A program that has
  # printed GoogleTest's closing line and is still there a minute later is
  # ended, and judged by what it printed.
  while kill -0 "$pid" 2>/dev/null; do
    if [ -z "$summary_at" ] && grep -qs '^\[==========\] .* ran' "$log"; then
      summary_at=$SECONDS
    elif [ -n "$summary_at" ] && [ $((SECONDS - summary_at)) -ge 60 ]; then
      echo "windows: $program printed its results but its process had not ended a minute later; ended it"
      pkill -KILL -P "$pid" 2>/dev/null || true
      kill -KILL "$pid" 2>/dev/null || true
      break
    fi
    sleep 1
  done
  wait "$pid" || rc=$?
  [ -z "$summary_at" ] || [ $((SECONDS - summary_at)) -lt 60 ] || rc=0
  local took=$((SECONDS - t0))
  tr -d '\r' <"$log" >"$log.txt" && mv "$log.txt" "$log"
  grep -v '^\[  *OK  *\]\|^\[ RUN  *\]' "$log" | tail -40

  # The closing lines of GoogleTest (--gtest_brief keeps only those and the
  # failures): "[==========] N tests from M test suites ran.", "[  PASSED  ]
  # N tests.", "[  SKIPPED ] N tests." and "[  FAILED  ] N tests, listed
  # below:".
  local total passed skipped failed
  total=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran.*/\1/p' "$log" | tail -1)
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log" | tail -1)
  skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\{0,1\}[.,].*/\1/p' "$log" | tail -1)
  total=${total:-0} passed=${passed:-0} skipped=${skipped:-0}
  failed=$((total - passed - skipped))
  echo "windows: $program: $total tests under Wine in $took s:" \
    "$passed passed, $failed failed, $skipped skipped"
  if [ "$rc" -ne 0 ] || [ "$total" -eq 0 ] || [ "$failed" -ne 0 ]; then
    echo "windows: $program failed under Wine (exit code $rc, log in $log)"
    return 1
  fi
}

main "$@"; exit
