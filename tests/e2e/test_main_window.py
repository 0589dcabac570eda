"""The main window: a double click on the icon brings it back maximized with
its welcome page; Hide Main Window puts it away again."""
from harness.e2e_case import E2ETestCase
from harness.polling import wait_until

BANNER_WIDTH, BANNER_PITCH = 468, 62
FRAME_LIGHT = (153, 153, 153)


def banner_frame_tops(pixels):
    """Rows on which a banner's light grey top edge runs (almost) the
    banner's whole width; returns [(x, y)] of where each run starts."""
    tops = []
    for y in range(pixels.height):
        run = 0
        for x in range(pixels.width):
            run = run + 1 if pixels.at(x, y) == FRAME_LIGHT else 0
            if run == BANNER_WIDTH - 2:
                tops.append((pixels.left + x - run + 1, pixels.top + y))
                break
    return tops


class MainWindow(E2ETestCase):
    def is_maximized(self, rect):
        work_bottom = self.session.taskbar.y
        return (rect.mapped and rect.x <= 0 and rect.y <= 0
                and rect.x + rect.width >= self.session.taskbar.width
                and rect.y + rect.height >= work_bottom)

    def wait_shown_maximized(self, frame):
        return wait_until(lambda: self.x11.geometry(frame), self.is_maximized, timeout=10,
                          what="the main window shown maximized")

    def test_double_click_restores_and_hide_main_window_hides(self):
        program = self.start_zorvakomat()
        frame = program.main_window()
        self.assertFalse(self.x11.geometry(frame).mapped)

        program.double_click_icon()
        rect = self.wait_shown_maximized(frame)
        # The welcome page: five framed banners one above the other.
        tops = wait_until(lambda: banner_frame_tops(self.x11.grab(0, 0, 640, rect.height // 2)),
                          lambda found: len(found) == 5, timeout=10,
                          what="five framed banners on the welcome page")
        self.assertEqual(len({x for x, _ in tops}), 1, f"banners not in one column: {tops}")
        self.assertEqual([b[1] - a[1] for a, b in zip(tops, tops[1:])], [BANNER_PITCH] * 4)

        # View > Hide Main Window.
        self.x11.focus(frame)
        self.x11.key("alt+v", "h")
        wait_until(lambda: self.x11.geometry(frame), lambda r: not r.mapped, timeout=10,
                   what="the main window to be hidden")
        self.assertTrue(program.icon_present())

        # And back again, maximized whatever it was before.
        program.double_click_icon()
        self.wait_shown_maximized(frame)
