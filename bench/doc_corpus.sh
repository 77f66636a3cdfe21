# Sourced by the benchmarks that read real documentation: the .html pages of
# the Python 3.11 and PostgreSQL 15 documentation (1,699 pages), hard-linked
# with their folders into WORK/corpus-1. Sets `corpus` to that folder.
#
#   doc_corpus WORK-FOLDER
doc_corpus() {
  corpus=$1/corpus-1
  [ -d "$corpus" ] && return
  for tree in python3.11 postgresql-doc-15; do
    (cd "/usr/share/doc/$tree/html" && find . -name '*.html' -type f) | while read -r page; do
      mkdir -p "$corpus/$tree/$(dirname "$page")"
      ln "/usr/share/doc/$tree/html/$page" "$corpus/$tree/$page" 2>/dev/null ||
        cp "/usr/share/doc/$tree/html/$page" "$corpus/$tree/$page"
    done
  done
}
