# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the checks that validate the metainfo: APPSTREAM_OPTIONS, the options of
# appstreamcli validate and validate-tree. The project has no web site and no address is made up
# for one; AppStream 1.0 (Debian 13) warns of the missing homepage, where 0.16 (Debian 12) only
# mentions it, so that one warning is taken as information there, and nothing else.
APPSTREAM_OPTIONS=(--no-net)
if dpkg --compare-versions "$(appstreamcli --version | sed -n 's/^AppStream version: *//p')" ge 1.0; then
    APPSTREAM_OPTIONS+=(--override=url-homepage-missing=info)
fi
