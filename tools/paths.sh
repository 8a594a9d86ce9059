# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# The folder where the tools put what they build or unpack for the builds
# and tests of this machine, written here once for tools/build-musl,
# tools/install-deps and the tests.
# shellcheck disable=SC2034 # the variables are for the files that source this one
local_lib=/usr/local/lib/weckwerk
# Debian's static busybox for armel (ARMv5TE), which runs on an ARMv6
# processor: the armhf package's test runs its preinst in it.
armel_busybox=$local_lib/busybox-armel
