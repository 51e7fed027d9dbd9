#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the Orca screen reader with a line-buffered debug log.

    run_orca.py PREFS_DIR LOG_FILE

What the orca launcher does, but without its look for other Orcas of the
user (it refuses to start beside one, and --replace kills them all, also a
parallel test's), with every log line written at once, and ended at once by
SIGTERM (Orca's own handler is a Python one, which does not run while Orca
waits in the GLib loop).
"""
import os
import signal
import sys

from gi.repository import GLib
from orca import debug

debug.debugLevel = debug.LEVEL_ALL
# Orca 43 also logs every AT-SPI event at its own level; later ones have no
# such level.
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[2], "w", buffering=1, encoding="utf-8")
from orca import orca, settings_manager  # noqa: E402  (after the log is in place)

# getManager() in Orca 43, get_manager() in Orca 48. Without key echo: Orca
# falls behind under load, and the echo of a key it takes late (Return) cuts
# off what the program says in answer to it.
manager = getattr(settings_manager, "get_manager", None) or settings_manager.getManager
manager().activate(sys.argv[1], {"enableKeyEcho": False})
# Once the loop runs, after orca.main() has set its own handlers.
GLib.idle_add(lambda: GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM,
                                           lambda: os._exit(0)) and False)
sys.exit(orca.main())
