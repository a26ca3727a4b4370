#!/usr/bin/env bash
# Fails when a C++ source of the tree does not follow .clang-format; lists the files that differ.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=${CLANG_FORMAT:-clang-format}
if [ -d .git ]; then
  mapfile -t sources < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
else
  mapfile -t sources < <(find . \( -path ./build -o -path ./build-asan -o -path ./build-fuzz \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -print)
fi
existing=()
for f in "${sources[@]}"; do [ -f "$f" ] && existing+=("$f"); done

report=$("$formatter" --dry-run -Werror "${existing[@]}" 2>&1 >/dev/null) || true
if [ -n "$report" ]; then
  echo "These files do not follow .clang-format (run: $formatter -i FILE):" >&2
  grep -oE '^[^:]+\.(cpp|h):' <<<"$report" | sort -u | sed 's/:$//; s/^/  /' >&2
  exit 1
fi
echo "All ${#existing[@]} sources follow .clang-format."
