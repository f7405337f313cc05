#!/usr/bin/env bash
# Refreshes the translation sources of both programs from the code (English
# is the source language). Existing translations are kept; texts that left the
# code are dropped.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
LUPDATE="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
codes="en ru de zh_TW it fr es ro pl ja cs"

gearwarden_sources="common app limiter logs firmware"
tracelens_sources="common viewer logs/forms/LogDescriptionWidget.cpp logs/forms/LogDescriptionWidget.h
  logs/forms/LogDescriptionWidget.ui"

for code in $codes; do
  "$LUPDATE" -silent -no-obsolete -locations none -extensions cpp,h,ui \
    $gearwarden_sources -ts "resources/translations/gearwarden/app_${code}.ts"
  "$LUPDATE" -silent -no-obsolete -locations none -extensions cpp,h,ui \
    $tracelens_sources -ts "resources/translations/tracelens/app_${code}.ts"
done
echo "translation sources refreshed"
