# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by checks that work on the project's files apart from the checkout, with or without
# git: copy_source_tree DEST copies the tree from the current directory into DEST, leaving out
# what builds and checks leave behind (as .gitignore does) and version control.
copy_source_tree()
{
    local dest=$1
    mkdir -p "$dest" &&
        tar -c --exclude='./.git' --exclude='./build*' --exclude='./screenshots' \
            --exclude='./obj-*' --exclude='./debian/.debhelper' --exclude='./debian/files' \
            --exclude='./debian/*.substvars' --exclude='./debian/debhelper-build-stamp' \
            --exclude='./debian/mortgage-calculator' -f - . | tar -x -C "$dest"
}
