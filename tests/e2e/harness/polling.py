"""Waiting by polling with a deadline: the only way the tests wait."""
import time


class WaitTimeout(AssertionError):
    """A condition did not come true before its deadline.

    An AssertionError, so that a test waiting in vain is reported as a
    failure of the behaviour it waited for, not as an error of the harness."""


def wait_until(fetch, accept=bool, timeout=10.0, what="a condition", interval=0.05):
    """Calls fetch() until accept(value) holds and returns that value.

    On the deadline raises WaitTimeout naming what was awaited and the last
    value seen, so a failure shows what actually happened."""
    deadline = time.monotonic() + timeout
    while True:
        value = fetch()
        if accept(value):
            return value
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"waited {timeout:.1f} s for {what}; last seen: {value!r}")
        time.sleep(interval)


def stays_true(fetch, accept, duration, interval=0.05):
    """True when accept(fetch()) holds at every poll for the whole duration.

    For checking that something does NOT happen within a window of time; a
    test uses it only where no later positive event can stand in for it."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not accept(fetch()):
            return False
        time.sleep(interval)
    return accept(fetch())
