#!/bin/sh
# .ci/check-layers passes a tree whose includes go down the layers and names every include
# that reaches up or across (a cycle, a page including a page, Qt in the core, program code
# including tests), failing the run.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
put() {  # put FILE LINE...: a source file of those include lines
    file=$tree/$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\n' "$@" >"$file"
}
put pages/rf/qt/rf_form.cpp '#include <QLabel>' '#include "pages/rf/rf_page.h"' \
    '#include "shell/qt/page_form.h"' '#include "common/qt/menu_items.h"'
put window/qt/page_forms.cpp '#include "pages/page_registry.h"' '#include "pages/rf/qt/rf_form.h"'
put cli/cli_run.cpp '#include "pages/page_registry.h"' '#include "diag/clock_source.h"'
"$check" "$tree" >/dev/null || { echo "a tree without breaks was refused"; exit 1; }

put common/file_access.cpp '#include "shell/whole_file.h"'
put shell/qt/page_form.h '#include "pages/page_registry.h"'
put pages/rf/rf_page.cpp '#include "pages/wg84/wg84_page.h"' '#include <QString>'
put cli/main.cpp '#include "window/qt/main_form.h"'
put diag/speaker.cpp '#include "tests/support/fake_clock.h"'
if "$check" "$tree" 2>"$tree/report" >/dev/null; then
    echo "a tree with breaks passed"
    exit 1
fi
status=0
for expected in 'common may not include shell' 'shell/qt may not include pages/page_registry' \
    'pages/rf may not include pages/wg84' 'pages/rf/rf_page.cpp:2: #include <QString>' \
    'cli may not include window/qt' 'program code includes test code'; do
    grep -qF "$expected" "$tree/report" || { echo "not reported: $expected"; status=1; }
done
[ "$(grep -c '#include' "$tree/report")" -eq 6 ] || { cat "$tree/report"; status=1; }
exit $status
