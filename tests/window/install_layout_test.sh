#!/usr/bin/env bash
# `cmake --install` puts the program, the chart's library where the program looks for it, its
# launcher and its icons where a Linux desktop finds them, and the notice and licence of the font
# compiled into it beside its documentation.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
failed=0
for file in bin/bit-hydraulics \
            lib/bit-hydraulics/plugins/libflow-chart.so \
            share/applications/bit-hydraulics.desktop \
            share/icons/hicolor/16x16/apps/bit-hydraulics.png \
            share/icons/hicolor/32x32/apps/bit-hydraulics.png \
            share/icons/hicolor/scalable/apps/bit-hydraulics.svg \
            share/doc/bit-hydraulics/fonts/NOTICE \
            share/doc/bit-hydraulics/fonts/LICENSE-Apache-2.0; do
    if [ ! -s "$prefix/$file" ]; then
        echo "FAIL: not installed: $file"
        failed=1
    fi
done
[ -x "$prefix/bin/bit-hydraulics" ] || { echo "FAIL: bit-hydraulics is not executable"; failed=1; }
desktop=$prefix/share/applications/bit-hydraulics.desktop
for line in "Name=水利参数" "Exec=bit-hydraulics %f" "MimeType=text/csv;" "Icon=bit-hydraulics" \
    "Type=Application"; do
    grep -qxF "$line" "$desktop" || { echo "FAIL: desktop file lacks $line"; failed=1; }
done
grep -qE '^Categories=(.*;)?Science;(.*;)?Engineering;' "$desktop" ||
    grep -qE '^Categories=(.*;)?Engineering;(.*;)?Science;' "$desktop" ||
    { echo "FAIL: desktop file not in Science and Engineering"; failed=1; }
for size in 16 32; do
    header=$(od -An -tx1 -N24 "$prefix/share/icons/hicolor/${size}x${size}/apps/bit-hydraulics.png" | tr -d ' \n')
    expected_size=$(printf '%08x%08x' "$size" "$size")
    [ "${header:0:16}" = "89504e470d0a1a0a" ] && [ "${header:32:16}" = "$expected_size" ] ||
        { echo "FAIL: the ${size}x${size} icon is not a ${size}x${size} PNG"; failed=1; }
done
[ "$failed" -eq 0 ] || exit 1
echo "PASS: program, desktop file, icons and font notice installed"
