#!/usr/bin/env bash
# Makes the real RTF files of the converter tests, and the reference text of
# each as LibreOffice exports it, from documents of Debian packages:
#   LibreOffice Writer (HTML pages and text files), pandoc (HTML pages),
#   enscript (text files).
# Needs: libreoffice-writer-nogui pandoc enscript sqlite3-doc git-doc.
# The results are committed in tests/data/rtf, so the tests need none of these.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/tests/data/rtf"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
rm -f "$out"/*.rtf "$out"/*.txt

office() { soffice --headless -env:UserInstallation="file://$work/profile" "$@" >/dev/null 2>&1; }

html_pages=(
  /usr/share/doc/sqlite3/about.html /usr/share/doc/sqlite3/lang_createtable.html
  /usr/share/doc/sqlite3/whentouse.html /usr/share/doc/sqlite3/datatype3.html
  /usr/share/doc/git-doc/git-commit.html /usr/share/doc/git-doc/gittutorial.html
  /usr/share/doc/git-doc/git-rebase.html /usr/share/doc/git-doc/gitglossary.html
)
text_files=(
  /usr/share/doc/base-files/README.FHS /usr/share/common-licenses/Apache-2.0
  /usr/share/doc/git/README.md /usr/share/doc/sqlite3/copyright
  /usr/share/common-licenses/MPL-2.0 /usr/share/doc/base-passwd/README
  /usr/share/doc/bc/README /usr/share/common-licenses/BSD
)

n=0
for page in "${html_pages[@]}"; do
  n=$((n + 1)); name=$(printf 'lo-html-%02d' "$n")
  cp "$page" "$work/$name.html"
  office --convert-to 'rtf:Rich Text Format' --outdir "$work" "$work/$name.html"
  mv "$work/$name.rtf" "$out/$name.rtf"
done
n=0
for file in "${text_files[@]:0:4}"; do
  n=$((n + 1)); name=$(printf 'lo-text-%02d' "$n")
  cp "$file" "$work/$name.txt"
  office --infilter='Text (encoded):UTF8' --convert-to 'rtf:Rich Text Format' --outdir "$work" "$work/$name.txt"
  mv "$work/$name.rtf" "$out/$name.rtf"
done
n=0
for page in "${html_pages[@]}"; do
  n=$((n + 1)); name=$(printf 'pandoc-%02d' "$n")
  pandoc -s -f html -t rtf "$page" -o "$out/$name.rtf"
done
n=0
for file in "${text_files[@]:4}"; do
  n=$((n + 1)); name=$(printf 'enscript-%02d' "$n")
  enscript -q --language=rtf -o "$out/$name.rtf" "$file"
done

# The reference text of every RTF: LibreOffice's own text export.
for rtf in "$out"/*.rtf; do
  office --convert-to 'txt:Text (encoded):UTF8' --outdir "$work/text" "$rtf"
  mv "$work/text/$(basename "${rtf%.rtf}").txt" "${rtf%.rtf}.txt"
done
ls "$out" | wc -l
