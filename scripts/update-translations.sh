#!/usr/bin/env bash
# Brings i18n/zorv_*.ts up to date with the texts the program marks: Qt's lupdate reads tr(),
# ZORV_TEXT and ZORV_NOOP (core/text.h) in every folder the window program is built from. New
# texts come in unfinished, texts no longer used are dropped. Translate the new ones (Qt
# Linguist, or by hand in the .ts file), then run scripts/check-translations.sh.
#   scripts/update-translations.sh [ts-file...]   (default: every i18n/zorv_*.ts)
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE="${LUPDATE:-$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || command -v lupdate)}"
SOURCES=(core serial protocol params firmware monitor files router gui programs/zorv.cpp)
files=("$@")
if [ ${#files[@]} -eq 0 ]; then files=(i18n/zorv_en.ts i18n/zorv_ru.ts i18n/zorv_zh_CN.ts); fi
for ts in "${files[@]}"; do
  "$LUPDATE" -silent -no-obsolete -locations none -extensions cpp,h \
    -tr-function-alias QT_TRANSLATE_NOOP+=ZORV_TEXT,QT_TRANSLATE_NOOP+=ZORV_NOOP \
    "${SOURCES[@]}" -ts "$ts"
done
