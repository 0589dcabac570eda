"""Waiting by polling with a deadline: the only way the tests wait."""
import time

# Every deadline is multiplied by this: programs run several times slower
# under user-mode emulation (set by session.E2ESession).
time_scale = 1.0


def wait_until(fetch, accept=bool, timeout=10.0, what="a condition", interval=0.05):
    """fetch()'s first value that accept holds, asked every interval seconds; at
    the deadline an AssertionError (the test fails on the behaviour it waited
    for) naming what and the last value."""
    timeout *= time_scale
    deadline = time.monotonic() + timeout
    while not accept(value := fetch()):
        if time.monotonic() >= deadline:
            raise AssertionError(f"waited {timeout:.1f} s for {what}; last seen: {value!r}")
        time.sleep(interval)
    return value


def wait_exit(process, what, timeout=10.0):
    """The exit status of a process, once it has ended."""
    return wait_until(process.poll, lambda code: code is not None, timeout, what)
