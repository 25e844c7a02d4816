# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's texts (en_US) that the stages look for, said once: sourced by the shell stages,
# read by scripts/atspi/stage.py. One NAME='value' a line.
TITLE='Ombrel - Mortgage Calculator'
AMOUNT='Amount of Loan'
RATE='Annual Interest Rate'
MONTHS='Length of Loan (in months)'
RESULT='Your monthly payment is'
CALCULATE='Calculate'
RANGE_TITLE='Invalid Parameter'
MONTHS_PROMPT='The Length of Loan (in months) must be between  1 and  360'
ERROR_TITLE='Cannot Calculate'
# The payment for the entries the window opens with.
PAYMENT='$3,872.06'
