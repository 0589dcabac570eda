"""Waiting by polling with a deadline: the only way the tests wait."""
import time

# Every deadline is multiplied by this: the programs under test run several
# times slower under user-mode emulation (see session.E2ESession).
time_scale = 1.0


def wait_until(fetch, accept=bool, timeout=10.0, what="a condition"):
    """Calls fetch() until accept(value) holds and returns that value.

    At the deadline it fails naming what was awaited and the last value seen.
    The failure is an AssertionError, so that a test waiting in vain fails on
    the behaviour it waited for instead of erring in the harness."""
    timeout *= time_scale
    deadline = time.monotonic() + timeout
    while True:
        value = fetch()
        if accept(value):
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"waited {timeout:.1f} s for {what}; last seen: {value!r}")
        time.sleep(0.05)
