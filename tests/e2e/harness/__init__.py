"""Harness for the end-to-end tests: a private X display, a Wine desktop,
the target program and the real Zorvakomat, driven as a person would."""
