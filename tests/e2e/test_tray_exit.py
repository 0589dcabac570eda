"""The tray menu's Exit ends the program and takes its icon away, asking
first when the document has unsaved changes."""
from harness.e2e_case import E2ETestCase
from harness.polling import wait_until


class TrayExit(E2ETestCase):
    def exit_from_tray(self, program):
        menu = program.open_pick_menu()
        program.close_menu(menu, ["x"])

    def wait_ended(self, program):
        # The icon must go because the program removes it, so the pointer is
        # kept away from it (Wine drops a dead program's icon on a hover).
        self.x11.move(640, 300)
        code = wait_until(program.process.poll, lambda c: c is not None, timeout=15,
                          what="zorvakomat.exe to end")
        self.assertEqual(code, 0)
        wait_until(lambda: not program.icon_present(), timeout=10, what="the tray icon to go")

    def test_exit_ends_the_program_and_removes_the_icon(self):
        program = self.start_zorvakomat()
        self.exit_from_tray(program)
        self.wait_ended(program)

    def test_exit_with_unsaved_changes_asks_first(self):
        program = self.start_zorvakomat()
        # OK in the Edit SubMenus dialog marks the document modified.
        menu = program.open_pick_menu()
        program.close_menu(menu, ["e"])
        editor = wait_until(lambda: program.visible_window_named("Edit SubMenus"), timeout=10,
                            what="the Edit SubMenus dialog")
        self.x11.focus(editor)
        self.x11.key("Return")
        wait_until(lambda: editor not in program.windows(), timeout=10,
                   what="the Edit SubMenus dialog to close")

        for answer in ("Escape", "n"):   # Cancel keeps the program, No quits unsaved
            self.exit_from_tray(program)
            question = wait_until(lambda: program.visible_window_named("Zorvakomat"),
                                  timeout=10, what="the save-changes question")
            self.x11.focus(question)
            self.x11.key(answer)
            wait_until(lambda: question not in program.windows() or not program.running(),
                       timeout=10, what="the question to close")
            if answer == "Escape":
                self.assertTrue(program.running())
                self.assertTrue(program.icon_present())
        self.wait_ended(program)
