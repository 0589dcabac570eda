"""A macro document from the internet: the question before an item that can
open the Start menu or the Run box and type a command."""
from harness.e2e_case import E2ETestCase, Item, SubMenu
from harness.zorvakomat import entry

RUN = '[left_win]["notepad"][enter]'
DOCUMENT = [SubMenu("TopLevel", [Item("Run", RUN), Item("Hello", '["hello"]')])]
# Wine keeps no alternate streams: NAME:Zone.Identifier is a file of that name.
MARK = b"[ZoneTransfer]\r\nZoneId=3\r\nHostUrl=https://example.com/shared.zvk\r\n"
LEFT_WIN = 0x5B


class Downloads(E2ETestCase):
    def test_a_marked_document_asks_before_an_item_that_runs_a_command(self):
        target = self.start_target()
        path = self.document(DOCUMENT, "shared.zvk")
        self.document(MARK, "shared.zvk:Zone.Identifier")
        program = self.zorvakomat().start(path)
        program.wait_hidden()

        # No plays nothing: the harmless item picked next is all the target gets.
        program.menu(*entry(0))
        program.answer("n")
        program.menu(*entry(1), into=target, expect="hello")
        self.assertNotIn(LEFT_WIN, target.keys("keydown", "keyup"))
        questions = program.messages()
        self.assertEqual([("came from the internet" in text, RUN in text) for text in questions], [(True, True)],
                         questions)

        # Yes plays it (a text of several tokens is pasted), and holds for the file.
        program.menu(*entry(0))
        program.answer("y")
        target.click()
        target.wait_for_text("hello" + RUN)
        program.menu(*entry(0), into=target, expect="hello" + RUN + RUN)
        self.assertEqual(len(program.messages()), 2, "asked once more, not for the second pick")
