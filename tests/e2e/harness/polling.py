"""Waiting by polling with a deadline: the only way the tests wait."""
import time

# Every deadline is multiplied by this: programs run several times slower
# under user-mode emulation (set by session.E2ESession).
time_scale = 1.0


def wait_until(fetch, accept=bool, timeout=10.0, what="a condition"):
    """fetch()'s first value that accept holds; at the deadline an AssertionError
    (the test fails on the behaviour it waited for) naming what and the last value."""
    timeout *= time_scale
    deadline = time.monotonic() + timeout
    while not accept(value := fetch()):
        if time.monotonic() >= deadline:
            raise AssertionError(f"waited {timeout:.1f} s for {what}; last seen: {value!r}")
        time.sleep(0.05)
    return value
