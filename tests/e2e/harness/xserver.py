"""A private Xvfb display for one test run."""
import os
import select
import subprocess
import time


class PrivateXServer:
    """Xvfb on a display number that the server picks itself (-displayfd),
    so runs never collide with each other or with a real display."""

    def __init__(self, width=1280, height=1024, depth=24, log_path=None):
        self.geometry = f"{width}x{height}x{depth}"
        self.width = width
        self.height = height
        self.log_path = log_path
        self.process = None
        self.display = None

    def start(self, timeout=15.0):
        read_end, write_end = os.pipe()
        log = open(self.log_path, "ab") if self.log_path else subprocess.DEVNULL
        try:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.geometry,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        finally:
            os.close(write_end)
            if log is not subprocess.DEVNULL:
                log.close()
        try:
            number = self._read_display_number(read_end, timeout)
        finally:
            os.close(read_end)
        self.display = f":{number}"
        return self.display

    def _read_display_number(self, fd, timeout):
        deadline = time.monotonic() + timeout
        text = b""
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or self.process.poll() is not None:
                self.stop()
                raise RuntimeError("Xvfb did not start (see its log: %s)" % self.log_path)
            ready, _, _ = select.select([fd], [], [], remaining)
            if ready:
                chunk = os.read(fd, 16)
                if not chunk:
                    self.stop()
                    raise RuntimeError("Xvfb closed its display pipe without a number")
                text += chunk
        return int(text.strip())

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None
