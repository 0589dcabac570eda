"""Harness for the end-to-end tests: a private X display, a Wine desktop,
the target program and the real Zorvakomat, driven as a person would."""
import os
import sys

# How Windows programs are run here is decided by scripts/wine_loader.py,
# which the scripts use too.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts"))
import wine_loader  # noqa: E402,F401
