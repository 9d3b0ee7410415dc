#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# orca.sh TALVEN: a blind student's exercise, by keys only, with the Orca
# screen reader speaking into a log (tests/a11y/speech.sh). Runs inside
# tests/xvfb.sh --wm --a11y; every step names what Orca must say.
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/speech.sh"
talven=$1
scratch
start_orca

# A Russian keyboard, as the student's: the access keys are Cyrillic letters.
setxkbmap ru
LC_ALL=ru_RU.UTF-8 "$talven" >"$work/talven.out" 2>&1 &
expect "Тальвен" "Открыть кран"

keys Tab # the liquid
expect "Жидкость"
keys Down
expect "Плазма"
keys Tab Tab Tab Tab space # the right tube's "Меньше": it is empty
expect "Трубка пуста"
keys shift+Tab space space space space space space space space space space space space space \
  space space space space # the right "Больше", sixteen times and one too many
expect "Трубка полна"
keys Tab Tab Tab Tab Tab Tab Tab # the water's "Больше": a key would cut its name short
expect "Больше"
keys space
expect "space"
keys Tab Tab Return # "Открыть кран": the water runs dry, wherever the focus is
expect "Закрыть кран" "Левая трубка опустела"
keys shift+Tab # the apparatus, as a picture with its levels
expect "Вискозиметр" "кран открыт"
expect_changes " и " 2 # the plasma's level falling
keys alt+Cyrillic_ze # "Закрыть кран", from the apparatus
expect "кран закрыт"
keys alt+Cyrillic_er # to l0
expect "l ноль"
keys 0 comma 4
keys Home # the caret goes back to the 0, which Orca reads
expect "0"
keys Return # on to l'
expect "l штрих"
keys 0 comma 1 Return # computed: the result and the mean, where the student is
expect "Результат 4, среднее значение 4"
keys KP_Enter # Orca's "Where am I": Orca's alone
expect "l штрих"
expect_silence "Результат"
keys ctrl+a BackSpace Return # an empty l' is refused, with its reason
expect "l штрих: нужно число больше нуля"
keys Tab Tab KP_Enter # on "Очистить", Orca's key clears nothing
expect "Очистить"
expect_silence "очищен"
keys space
expect "Список результатов очищен"
keys F10 Escape Escape # the menu, left: Orca says where the student is
expect "Очистить"
keys F10 Cyrillic_o # "О программе..." by its access key
expect "О программе Тальвен" "Авторы"
echo PASS
