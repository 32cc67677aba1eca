#!/usr/bin/env bash
# Makes the shipped pictures from the program itself: the start pictures of the welcome dialog
# (config/pic/start/1-5.bmp: the main window, the select and save dialogs, two pages of a diary
# the program wrote), the About picture (config/pic/about.bmp) and the icons
# (config/pic/Rorovavozir.ico, item_symbol.ico and table_style.ico from the program's own
# toolbar, item symbol and table style pictures). Run from the checkout after a build:
#   tools/make_pictures/make_pictures.sh [build folder, default build]
# Needs LibreOffice (soffice) and poppler-utils (pdftoppm, pdfinfo) for the pages.
# Needs root for a mount namespace: the pictures show paths of a user's home, /home/lihua with
# its documents folder 文档, made on a tmpfs that only this script sees; the rest of /home is
# bound back in place, so a checkout there stays where it is.
set -euo pipefail
if [ -z "${ROROVAVOZIR_PICTURE_HOME:-}" ]; then
  exec unshare --mount --propagation private env ROROVAVOZIR_PICTURE_HOME=/home/lihua "$0" "$@"
fi
real_home=$(mktemp -d)
mount --bind /home "$real_home"
mount -t tmpfs tmpfs /home
for entry in "$real_home"/* "$real_home"/.[!.]*; do
  [ -e "$entry" ] && [ "${entry##*/}" != lihua ] || continue
  if [ -d "$entry" ]; then mkdir "/home/${entry##*/}"; else touch "/home/${entry##*/}"; fi
  mount --bind "$entry" "/home/${entry##*/}"
done
mkdir -p "$ROROVAVOZIR_PICTURE_HOME"
cd "$(dirname "$0")/../.."
checkout=$PWD
tool=${1:-build}/tools/make_pictures/make_pictures
# A screen the main window fits, so no window is drawn on the scrolled page of a small screen.
export QT_QPA_PLATFORM=offscreen:configfile=$checkout/tests/support/desktop_screen.json

work=$(mktemp -d)
trap 'rm -rf "$work"; umount --lazy "$real_home" && rmdir "$real_home"' EXIT

"$tool" windows "$checkout"
read -r width height < <("$tool" sizes "$checkout")
# The run prints its template lines before the path, as the generator does.
docx=$("$tool" document "$checkout" "$work/out" | tail -n 1)
soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
  --convert-to pdf --outdir "$work" "$docx" >/dev/null
pdf="$work/$(basename "${docx%.docx}").pdf"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
# Picture 4 is the first page (the yearly calendar), picture 5 the last diary day.
for pair in "1 4" "$pages 5"; do
  read -r page number <<<"$pair"
  pdftoppm -png -f "$page" -l "$page" -scale-to-x "$width" -scale-to-y -1 -singlefile "$pdf" "$work/page$number"
  "$tool" page "$checkout" "$work/page$number.png" "$number"
done
